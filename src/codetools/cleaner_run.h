#pragma once
// The HTML cleaner (HTML Tidy) runs of the Coding menu: which configuration
// each command hands to the cleaner and what it says once launched, the
// configuration that the "RivuZuvivir Configuration" dialog writes, and the
// program and command line of a run. Plain functions; the process and the
// reload belong to the user interface.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace tagloom {

enum class CleanerCommand { Format, FixFormat, UpgradeCss, UpgradeXml, UpgradeXhtml };

struct CleanerCommandInfo {
    CleanerCommand command;
    const char *actionId;   // "Coding.Format", ...
    const char *configName; // bare file name in the Extensions folder
    const char *message;    // shown once the cleaner has been launched
};

const CleanerCommandInfo &cleanerCommandInfo(CleanerCommand command);
const std::array<CleanerCommandInfo, 5> &cleanerCommands();

// The dialog's choices. Options are the check list's 17 items in list order
// (index 0 is item 1, "Generate Pretty HTML").
inline constexpr int CleanerOptionCount = 17;
inline constexpr int CleanerEncodingCount = 5;
struct FixFormatChoices {
    std::array<bool, CleanerOptionCount> options{};
    int encoding = -1; // 0 "ASCII" .. 4 "ISO2202"; -1: none chosen
    QString wrap;
    QString indent;
    QString altText;
    QString doctype;
    QString outputAs;
};
// The dialog's initial values.
FixFormatChoices defaultFixFormatChoices();
const QStringList &cleanerOptionLabels();
const QStringList &cleanerEncodingLabels();

// The four tag lists of the Tidy settings, as the user typed them.
struct CleanerTagLists {
    QString inlineTags;
    QString emptyTags;
    QString blockLevelTags;
    QString preformattedTags;
};

// The configuration file of Fix and Format, lines ending in CR LF; field
// texts are written as they stand.
QByteArray fixFormatConfiguration(const FixFormatChoices &choices, const CleanerTagLists &tags);

// Where the cleaner is: Extensions/tidy in the data folder when that file is
// there, else `findOnPath("tidy")`; empty when neither has it.
QString cleanerProgram(const QString &dataFolder, const std::function<QString(const QString &)> &findOnPath);

// The command line: "-config", the bare configuration name, the working file.
QStringList cleanerArguments(const QString &configName, const QString &workFile);

// A working file of its own for each run, in the data folder, so that runs
// from several windows (or one after the other) never share one.
QString cleanerWorkFile(const QString &dataFolder, quint64 runNumber);

} // namespace tagloom
