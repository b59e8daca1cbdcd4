#pragma once
// The multimedia mark-up: the "Insert Multimedia File..." dialog's four kinds
// (sound, video, Shockwave, plug-in), the QuickTime and RealVideo dialogs and
// the ActiveX skeleton. Every one is written as new lines below the caret
// line; values go in verbatim, and every attribute is always written.

#include "tags/markup_outcome.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// The kind of content the multimedia dialog writes, chosen when it is opened.
enum class MediaMode { Sound, Video, Shock, Plugs };

// Where the browsers fetch the Shockwave player and the two vendors' plug-ins.
inline constexpr char ShockwaveInstaller[] = "https://active.macromedia.com/flash2/cabs/swflash.cab";
inline constexpr char QuickTimePluginPage[] = "https://www.apple.com/quicktime/download/";
inline constexpr char RealVideoPluginPage[] = "https://www.real.com/realplayer/";

// What a Browse button writes into a source or movie field.
QString fileUrl(const QString &path);

// The lines of one multimedia insertion for source `source`: two for a sound
// (embed, then bgsound), five for Shockwave, one otherwise.
QStringList mediaLines(MediaMode mode, const QString &source);
MarkupOutcome mediaMarkup(MediaMode mode, const QString &source);

// The QuickTime dialog's fields, named after its controls' labels.
struct QuickTimeFields {
    QString Movie;
    QString Height;
    QString Width;
    QString Target;
    QString LinkTo;
    bool AutoPlay = true;
    bool Loop = true;
    bool Controls = true;
};
QString quickTimeLine(const QuickTimeFields &fields);
MarkupOutcome quickTimeMarkup(const QuickTimeFields &fields);

struct RealVideoFields {
    QString Movie;
    QString Height;
    QString Width;
    bool AutoPlay = true;
};
// The object with its four parameters and the embed for other browsers.
QStringList realVideoLines(const RealVideoFields &fields);
MarkupOutcome realVideoMarkup(const RealVideoFields &fields);

// Inserted as it stands by the ActiveX command, without a dialog.
QString activeXLine();

// The texts shown before the file chooser when a source or movie is missing.
inline constexpr char NoMediaFileMessage[] = "Please specify a file.";
inline constexpr char NoQuickTimeMessage[] = "Please specify a QuickTime movie.";
inline constexpr char NoRealVideoMessage[] = "Please specify a RealMovie clip.";

} // namespace tagloom
