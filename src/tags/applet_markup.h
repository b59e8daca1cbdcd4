#pragma once
// The Java-applet dialog's mark-up: one `applet` opening tag, as a new line
// below the caret line (in edit mode the dialog base turns it into a
// replacement of the selected tag). No closing tag and no param lines.

#include "tags/markup_outcome.h"

#include <QString>

namespace tagloom {

// The fields of "Insert Java Applet...". Values go into the tag verbatim.
struct AppletFields {
    QString EditApplet;
    QString EditCodeBase;
    QString EditAlternativeText;
    QString EditName;
    QString EditWidth;
    QString EditHeight;
    QString EditVSpace;
    QString EditHSpace;
    QString EditAlign;
};

// Shown with an error icon, after a beep, when "Applet:" is empty.
inline constexpr char NoAppletMessage[] = "You have not specifed an applet.";

// `<applet code="..."` and then, in this fixed order and only when not
// empty: codebase, alt, name, width, height, vspace, hspace, align; then ">".
QString appletTag(const AppletFields &fields);

// The tag as a new line below the caret line, or refused with
// NoAppletMessage when "Applet:" is empty (the dialog then stays open and
// inserts nothing).
MarkupOutcome appletMarkup(const AppletFields &fields);

} // namespace tagloom
