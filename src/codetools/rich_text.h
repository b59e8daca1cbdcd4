#pragma once
// A small rich-text model without any widget behind it: paragraphs of runs,
// each run one font, size, colour and style. The rich-text boxes of the
// program convert their contents to it, and the RTF writer saves it.

#include <QList>
#include <QString>
#include <optional>

namespace tagloom {

struct RichColour {
    int red = 0, green = 0, blue = 0; // 0 to 255 each

    bool operator==(const RichColour &o) const { return red == o.red && green == o.green && blue == o.blue; }
};

// A stretch of text in one format. "\n" inside the text is a line break
// within the paragraph; "\t" a tab.
struct RichRun {
    QString text;
    QString fontFamily;                // empty: the text's default font
    int halfPoints = 0;                // size in half points; 0: the default size
    std::optional<RichColour> colour;  // none: the default (automatic) colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class RichAlignment { Left, Right, Centre };

struct RichParagraph {
    QList<RichRun> runs;
    RichAlignment alignment = RichAlignment::Left;
    bool bullet = false; // an item of a bulleted list
};

struct RichText {
    QList<RichParagraph> paragraphs;
    QString defaultFont = QStringLiteral("Arial");
    int defaultHalfPoints = 20;
};

} // namespace tagloom
