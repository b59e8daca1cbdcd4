#pragma once
// The WAP viewer's layout: the tokenizer's nodes of a WML card laid out one
// after the other as on a small phone screen. Text flows left to right; only
// a handful of tags move to a new line or change the font, every other tag
// adds nothing. The walk is pure: what it needs of fonts and pictures it asks
// of a WapMeasure, and what it places comes back as a list of items that the
// viewer turns into controls. All sizes are in pixels.

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace tagloom {

class THTMLParser;

struct WapFont {
    QString family = QStringLiteral("Arial");
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const WapFont &o) const
    {
        return family == o.family && pointSize == o.pointSize && bold == o.bold && italic == o.italic &&
               underline == o.underline;
    }
};

class WapMeasure {
public:
    virtual ~WapMeasure() = default;
    // The font's character height.
    virtual int pixelHeight(const WapFont &font) = 0;
    // The size of `text` in `font`: with `wrapWidth` > 0 wrapped at words to
    // that width (the widest line and all lines' height), else as it stands.
    virtual QSize textSize(const QString &text, const WapFont &font, int wrapWidth) = 0;
    // The natural size of the picture an IMG tag names by `source`, or the
    // size of what stands for it when it cannot be read.
    virtual QSize pictureSize(const QString &source) = 0;
};

struct WapItem {
    enum class Kind { Label, Radio, Rule, Edit, Picture };
    Kind kind = Kind::Label;
    QRect rect;
    QString text;      // caption (label, radio button) or picture source
    WapFont font;
    bool wordWrap = false;
    bool link = false;
    QString target;    // a link's href
};

struct WapLayout {
    QString title = QStringLiteral("WAP Viewer");
    std::vector<WapItem> items;
};

// Lays out `parser`'s nodes for a window whose client area is `clientWidth`
// wide.
WapLayout layOutWapCard(const THTMLParser &parser, int clientWidth, WapMeasure &measure);

} // namespace tagloom
