// The WAP viewer's layout walk with fonts of known sizes: a font is twice
// its point size high (plus one when bold), a character five pixels wide.

#include "codetools/html_parser.h"
#include "wireless/wap_layout.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class FixedMeasure : public WapMeasure {
public:
    int pixelHeight(const WapFont &font) override { return font.pointSize * 2 + (font.bold ? 1 : 0); }
    QSize textSize(const QString &text, const WapFont &font, int wrapWidth) override
    {
        const int width = int(text.size()) * 5;
        if (wrapWidth > 0 && width > wrapWidth)
            return {wrapWidth, pixelHeight(font) * ((width + wrapWidth - 1) / wrapWidth)};
        return {width, pixelHeight(font) * int(text.count(QLatin1Char('\n')) + 1)};
    }
    QSize pictureSize(const QString &source) override { return source == QLatin1String("big.png") ? QSize(40, 30) : QSize(16, 16); }
};

// Each item as "<kind> x,y wxh [text]". The tokenizer ends the last line of
// the text with a space, so the last text ends with one.
QStringList layOut(const char *card, QString *title = nullptr)
{
    THTMLParser parser;
    parser.ParseText(QString::fromUtf8(card));
    FixedMeasure measure;
    const WapLayout layout = layOutWapCard(parser, 200, measure);
    if (title)
        *title = layout.title;
    QStringList out;
    for (const WapItem &item : layout.items) {
        const char kinds[] = "LRHEP";
        QString line = QStringLiteral("%1 %2,%3 %4x%5").arg(QChar(kinds[int(item.kind)])).arg(item.rect.x())
                           .arg(item.rect.y()).arg(item.rect.width()).arg(item.rect.height());
        if (!item.text.isEmpty())
            line += QLatin1Char(' ') + item.text;
        if (item.link)
            line += QStringLiteral(" ->") + item.target;
        out << line;
    }
    return out;
}

TEST(WapLayout, NodesAreLaidOutAsTabled)
{
    const struct {
        const char *name;
        const char *card;
        QStringList expected;
    } rows[] = {
        {"text flows on one line", "One<b>Two</b>", {"L 2,2 15x20 One", "L 17,2 15x21 Two"}},
        {"br/ starts a line", "A<br/>B", {"L 2,2 5x20 A", "L 2,22 10x20 B "}},
        {"br / is an unknown BR", "A<br />B", {"L 2,2 5x20 A", "L 7,2 10x20 B "}},
        {"big run and the line after it",
         "a<big>B</big>c",
         {"L 2,2 5x20 a", "L 7,2 5x49 B", "L 2,71 10x20 c "}}, // 2 + 49 + 20 (the line after)
        {"small run", "<small>s</small>t", {"L 2,2 5x15 s", "L 2,37 10x20 t "}},
        {"rule half a line from the text", "x<hr>y", {"L 2,2 5x20 x", "H 2,32 180x3", "L 2,45 10x20 y "}},
        {"input box", "<input/>z", {"E 2,32 180x19", "L 2,61 10x20 z "}},
        {"input with attributes is unknown", "<input name=\"a\"/>z", {"L 2,2 10x20 z "}},
        {"options: radio buttons 2h + 5 apart",
         "<option>A</option><option>B</option>",
         {"R 2,27 198x20 A", "R 2,72 198x20 B"}},
        {"a link keeps its target, the last href wins",
         "<go href=\"a.wml\" href=\"next.wml\">Next</go>after",
         {"L 2,2 20x20 Next ->next.wml", "L 22,2 30x20 after "}},
        {"pre keeps the raw text in Courier", "<pre>a  b</pre>c", {"L 2,22 20x20 a  b", "L 2,42 10x20 c "}},
        {"pictures side by side, unreadable ones by a small box",
         "<img src=\"big.png\" src=\"gone.png\">t",
         {"P 2,2 40x30 big.png", "P 42,2 16x16 gone.png", "L 58,2 10x20 t "}},
        {"long text wraps at W - 18", "0123456789012345678901234567890123456789",
         {"L 2,2 182x40 0123456789012345678901234567890123456789 "}},
        {"references decoded", "Fish &amp; Chips", {"L 2,2 65x20 Fish & Chips "}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(layOut(row.card).join(QLatin1String(" | ")).toStdString(),
                  row.expected.join(QLatin1String(" | ")).toStdString())
            << row.name;
}

TEST(WapLayout, CardTitleAndFonts)
{
    QString title;
    layOut("<p>x</p>", &title);
    EXPECT_EQ(title, QStringLiteral("WAP Viewer"));
    layOut("<card title=\"One\"><card title=\"Menu\">Hello</card>", &title);
    EXPECT_EQ(title, QStringLiteral("Menu - WAP Viewer"));

    THTMLParser parser;
    parser.ParseText(QStringLiteral("<b><i><u>a</u></i></b><big>b</big><go href=\"x\"><b>c</b></go><pre><i>d</i></pre>"));
    FixedMeasure measure;
    const WapLayout layout = layOutWapCard(parser, 200, measure);
    ASSERT_EQ(layout.items.size(), 4u);
    const WapFont &a = layout.items[0].font, &b = layout.items[1].font, &c = layout.items[2].font,
                  &d = layout.items[3].font;
    EXPECT_TRUE(a.bold && a.italic && a.underline);
    EXPECT_TRUE(b.bold && !b.italic && b.pointSize == 24 && b.family == QLatin1String("Arial"));
    EXPECT_TRUE(!c.bold && c.underline); // a link is underlined only
    EXPECT_TRUE(d.italic && d.family == QLatin1String("Courier") && d.pointSize == 10 && !layout.items[3].wordWrap);
}

} // namespace
