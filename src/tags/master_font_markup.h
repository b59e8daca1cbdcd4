#pragma once
// "Master Font Options": the selection wrapped in the checked style tags and
// a FONT element of the chosen face, size and named colour.

#include "tags/markup_outcome.h"

#include <QList>
#include <QString>
#include <array>

namespace tagloom {

// The ten styles, in the order their tags are written.
enum class FontStyle { Bold, Italics, Underline, Typewriter, Code, Blink, Strikethrough, Citation, Keyboard, Definition };
inline constexpr int FontStyleCount = 10;

struct FontStyleInfo {
    FontStyle style;
    const char *caption; // the check box, as the dialog shows it
    const char *open;
    const char *close;
};
const std::array<FontStyleInfo, FontStyleCount> &fontStyles();

// A colour of the "Color:" list: its name as the program knows it ("clNavy")
// and its red, green and blue.
struct NamedColour {
    const char *name;
    int red, green, blue;
};
// The named colours, without the desktop's system colours.
const QList<NamedColour> &namedColours();

// The colour as the FONT tag writes it: the name without its leading "cl"
// ("clNavy" gives "Navy"); any other name as it stands.
QString fontColourText(const QString &colourName);

struct MasterFontFields {
    QString fontName;
    QString size;       // "Size:" as typed
    QString colourName; // a NamedColour name, "clNavy"
    std::array<bool, FontStyleCount> styles{};
};

// The opening tags in the fixed order, then `<FONT face=".." size=".."
// color="..">`; the close is `</FONT>` and the closing tags in the same order
// as the opening ones (not reversed). A wrap around the selection.
MarkupOutcome masterFontMarkup(const MasterFontFields &fields);

} // namespace tagloom
