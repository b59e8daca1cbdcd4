#include "tags/master_font_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

MasterFontFields font(std::initializer_list<FontStyle> styles, const char *colour = "clNavy")
{
    MasterFontFields f;
    f.fontName = QStringLiteral("Arial");
    f.size = QStringLiteral("3");
    f.colourName = QString::fromUtf8(colour);
    for (FontStyle s : styles)
        f.styles[size_t(s)] = true;
    return f;
}

TEST(MasterFontMarkup, WrapsTheSelectionWithClosingTagsInTheOpeningOrder)
{
    using S = FontStyle;
    const struct {
        const char *name;
        MasterFontFields fields;
        const char *open;
        const char *close;
    } cases[] = {
        {"bold and code", font({S::Bold, S::Code}), "<B><CODE><FONT face=\"Arial\" size=\"3\" color=\"Navy\">",
         "</FONT></B></CODE>"},
        {"no style: only FONT", font({}, "clRed"), "<FONT face=\"Arial\" size=\"3\" color=\"Red\">", "</FONT>"},
        {"checked order does not matter", font({S::Definition, S::Italics, S::Typewriter}, "clWhite"),
         "<I><TT><DFN><FONT face=\"Arial\" size=\"3\" color=\"White\">", "</FONT></I></TT></DFN>"},
        {"every style",
         font({S::Bold, S::Italics, S::Underline, S::Typewriter, S::Code, S::Blink, S::Strikethrough, S::Citation,
               S::Keyboard, S::Definition}),
         "<B><I><U><TT><CODE><BLINK><STRIKE><CITE><KBD><DFN><FONT face=\"Arial\" size=\"3\" color=\"Navy\">",
         "</FONT></B></I></U></TT></CODE></BLINK></STRIKE></CITE></KBD></DFN>"},
        {"a colour without the prefix stays as it is", font({}, "#123456"),
         "<FONT face=\"Arial\" size=\"3\" color=\"#123456\">", "</FONT>"},
    };
    for (const auto &c : cases) {
        const MarkupOutcome outcome = masterFontMarkup(c.fields);
        ASSERT_FALSE(outcome.refused()) << c.name;
        EXPECT_EQ(outcome.insertion->mode, InsertMode::Wrap) << c.name;
        EXPECT_EQ(outcome.insertion->texts, (QStringList{QString::fromUtf8(c.open), QString::fromUtf8(c.close)}))
            << c.name;
    }
}

TEST(MasterFontMarkup, OnlyALeadingClIsTakenOff)
{
    EXPECT_EQ(fontColourText(QStringLiteral("clNavy")), QStringLiteral("Navy"));
    EXPECT_EQ(fontColourText(QStringLiteral("Cyclamen")), QStringLiteral("Cyclamen"));
    EXPECT_EQ(fontColourText(QStringLiteral("cl")), QString());
}

TEST(MasterFontMarkup, TheColourListHoldsNamedColoursOnly)
{
    QStringList names;
    for (const NamedColour &c : namedColours()) {
        names.append(QLatin1String(c.name));
        EXPECT_TRUE(names.last().startsWith(QLatin1String("cl")));
        for (int v : {c.red, c.green, c.blue})
            EXPECT_TRUE(v >= 0 && v <= 255) << c.name;
    }
    for (const char *wanted : {"clBlack", "clNavy", "clRed", "clWhite"})
        EXPECT_TRUE(names.contains(QLatin1String(wanted))) << wanted;
    EXPECT_FALSE(names.contains(QStringLiteral("clBtnFace")));
    EXPECT_EQ(names.removeDuplicates(), 0);
}

} // namespace
