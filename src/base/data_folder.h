#pragma once
// The data folder: every list file, template, help page and working file
// lives at a fixed path below it. It is the folder of the program's
// executable when the program runs where it was built and may write there.
// An installed copy, or one whose folder is read-only, uses instead
// a per-user data folder ($XDG_DATA_HOME/Quenby/Tagloom) that holds its own
// copies of the files the program writes (taken from the installed folder
// the first time, never overwritten afterwards) and links to the folders
// it only reads (help, reference pages, templates).

#include "base/result.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// Cuts an executable's absolute path at its last separator. A file in the
// root folder gives "/" (the root keeps its separator).
QString dataFolderFromExecutable(const QString &executablePath);

// The folder the program was built or installed in: its executable's.
QString programFolder();

// The running program's data folder (no trailing separator), chosen and,
// when per-user, prepared the first time it is asked for.
QString dataFolder();

// The folders below the data folder the program never writes to.
const QStringList &readOnlyDataFolders();

// Whether the program may create files in `folder`.
bool folderWritable(const QString &folder);

// Makes `user` a data folder for a program installed in `installed`: the
// writable files of `installed` that `user` lacks are copied, the read-only
// folders linked. Files already in `user` are left as they are. The
// program's own executables and libraries are not data and stay behind.
Status prepareUserDataFolder(const QString &installed, const QString &user);

// $XDG_DATA_HOME/Quenby/Tagloom, usually ~/.local/share/Quenby/Tagloom.
QString userDataFolder();

// A file the installation puts in the program's folder.
inline constexpr char InstallationMark[] = "/.tagloom-installed";

// The data folder for a program in `installed`: `installed` when writable
// and not an installation, else `user` prepared from it (or `installed`
// again when that fails).
QString chooseDataFolder(const QString &installed, const QString &user);

// Relative paths below the data folder; append them to the folder as text.
namespace DataPath {
inline constexpr char Recent[] = "/Extensions/recent.tlx";
inline constexpr char DefaultPage[] = "/default.htm";
inline constexpr char ColorNames[] = "/Extensions/colorsnam.tlx";
inline constexpr char ColorValues[] = "/Extensions/colorshex.tlx";
inline constexpr char CharDescriptions[] = "/Extensions/charsa.tlx";
inline constexpr char CharTexts[] = "/Extensions/charsb.tlx";
inline constexpr char SnippetNames[] = "/Extensions/snipa.tlx";
inline constexpr char SnippetTexts[] = "/Extensions/snipb.tlx";
inline constexpr char Events[] = "/Extensions/qyevents.tlx";
inline constexpr char AttrFolder[] = "/Extensions/Attr/";
inline constexpr char WebRecent[] = "/Extensions/webrecent.tlx";
inline constexpr char CompletionAuto[] = "/Extensions/cw-auto.tlx";
inline constexpr char CompletionLine[] = "/Extensions/cw-line.tlx";
inline constexpr char AspVars[] = "/Extensions/aspvars.tlx";
inline constexpr char CfmVars[] = "/Extensions/cfmvars.tlx";
inline constexpr char SsiVars[] = "/Extensions/ssivars.tlx";
inline constexpr char PhpVars[] = "/Extensions/phpvars.tlx";
inline constexpr char CssFolder[] = "/Extensions/CSS/";
inline constexpr char CfmlConstants[] = "/Extensions/Cfml/Constants/";
inline constexpr char CfmlFunctions[] = "/Extensions/Cfml/Functions/";
inline constexpr char CfmlOperators[] = "/Extensions/Cfml/Operators/";
inline constexpr char CleanerErrorLog[] = "/Extensions/error.log";
inline constexpr char HelpIndex[] = "/Help/index.htm";
inline constexpr char HelpReference[] = "/Help/Reference/quenby.html";
inline constexpr char HelpReferenceFolder[] = "/Help/Reference/";
inline constexpr char Reference[] = "/Reference/quenby.html";
inline constexpr char Templates[] = "/Supplies/Templates";
inline constexpr char Projects[] = "/Projects/";
inline constexpr char PreviewCopy[] = "/Tmp.htm";
inline constexpr char BrowserCopy[] = "/Prt335.htm";
inline constexpr char AnalysisWork[] = "/tglm_anls.tlx";
inline constexpr char Html5Rules[] = "/Rules/html5.txt";
inline constexpr char CleanerWork[] = "/tidy.tmp";
inline constexpr char CompressorWork[] = "/Compr.tmp";
inline constexpr char RtfWork[] = "/TempRtf.rtf";
inline constexpr char TableWork[] = "/Tmp303~2.htm";
inline constexpr char ExportWork[] = "/TmpRU.not";
inline constexpr char SortWork[] = "/sort.tmp";
inline constexpr char SortResultWork[] = "/finsrt.tmp";
inline constexpr char CurrentTagWork[] = "/partmp.tmp";
inline constexpr char DownloadTimerWork[] = "/tmpsor.htm";
inline constexpr char WapWork[] = "/waptmp.tmp";
} // namespace DataPath

} // namespace tagloom
