// The RTF writer is read back by RtfToHtml: what a rich-text box holds must
// come out of the conversion as the same text with the same formatting.

#include "codetools/rich_text.h"
#include "codetools/rtf_to_html.h"
#include "codetools/rtf_writer.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

RichRun run(const char *text)
{
    RichRun r;
    r.text = QString::fromUtf8(text);
    return r;
}
RichRun bold(const char *text)
{
    RichRun r = run(text);
    r.bold = true;
    return r;
}
RichParagraph paragraph(QList<RichRun> runs, bool bullet = false,
                        RichAlignment alignment = RichAlignment::Left)
{
    return {std::move(runs), alignment, bullet};
}
RichText text(QList<RichParagraph> paragraphs)
{
    RichText t;
    t.paragraphs = std::move(paragraphs);
    return t;
}
QString roundTrip(const RichText &t)
{
    return RtfToHtml(writeRtf(t));
}

TEST(RtfWriter, HeaderHasTheTablesTheConverterReads)
{
    RichRun red = run("r");
    red.colour = RichColour{255, 0, 0};
    RichRun courier = run("c");
    courier.fontFamily = QStringLiteral("Courier New");
    const QString rtf = writeRtf(text({paragraph({red, courier}, true)}));
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
                                              "{\\f1\\fnil\\fcharset0 Courier New;}{\\f2\\fnil\\fcharset2 Symbol;}}")))
        << rtf.toStdString();
    // The default colour is the table's first entry, as "\cf0" and "\plain" mean it.
    EXPECT_TRUE(rtf.contains(QStringLiteral("{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\deflang1033\\pard")));
    EXPECT_TRUE(rtf.contains(QStringLiteral("{\\pntext\\f2\\'b7\\tab}")));
    EXPECT_TRUE(rtf.endsWith(QLatin1Char('}')));
}

TEST(RtfWriter, RoundTripsThroughTheConverter)
{
    RichRun navyCourier = run("code");
    navyCourier.fontFamily = QStringLiteral("Courier New");
    navyCourier.colour = RichColour{0, 0, 128};
    navyCourier.halfPoints = 28;
    RichRun boldItalic = bold("both");
    boldItalic.italic = true;
    RichRun underlined = run("under");
    underlined.underline = true;

    const struct {
        const char *name;
        RichText text;
        const char *html;
    } cases[] = {
        {"one plain paragraph in the default font", text({paragraph({run("Hello")})}), "\r\n<P>Hello"},
        {"an empty document", text({paragraph({})}), ""},
        {"two paragraphs", text({paragraph({run("One")}), paragraph({run("Two")})}), "\r\n<P>One\r\n<P>Two"},
        {"bold ends where the run ends", text({paragraph({bold("bold"), run(" normal")})}),
         "\r\n<P><B>bold</B> normal"},
        {"styles open and close in order", text({paragraph({boldItalic, underlined})}),
         "\r\n<P><B><I>both</B></I><U>under"},
        {"font, colour and size", text({paragraph({run("a"), navyCourier})}),
         "\r\n<P>a<FONT FACE=\"Courier New\" COLOR=\"#000080\" SIZE=\"5\">code"},
        {"alignment", text({paragraph({run("mid")}, false, RichAlignment::Centre),
                            paragraph({run("end")}, false, RichAlignment::Right)}),
         "\r\n<P ALIGN=CENTER>mid\r\n<P ALIGN=RIGHT>end"},
        {"a bulleted list between paragraphs",
         text({paragraph({run("Intro")}), paragraph({run("One")}, true), paragraph({run("Two")}, true),
               paragraph({run("Outro")})}),
         "\r\n<P>Intro\r\n<UL>\r\n<LI>One\r\n<LI>Two\r\n</UL>Outro"},
        {"a list first", text({paragraph({run("Only")}, true)}), "\r\n<UL>\r\n<LI>Only"},
        {"characters the format escapes", text({paragraph({run(";{x}\\ a<b")})}), "\r\n<P>;{x}\\ a&ltb"},
        {"a leading space after a format change", text({paragraph({bold("b"), run("  two")})}),
         "\r\n<P><B>b</B>  two"},
        {"tabs and Latin-1", text({paragraph({run("caf\xc3\xa9\tbar")})}), "\r\n<P>caf\xc3\xa9\tbar"},
        {"characters beyond Latin-1 are not lost", text({paragraph({run("\xe2\x82\xac 5 \xf0\x9f\x98\x80")})}),
         "\r\n<P>\xe2\x82\xac 5 \xf0\x9f\x98\x80"},
        {"a digit right after a format change", text({paragraph({bold("1"), run("2")})}), "\r\n<P><B>1</B>2"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundTrip(c.text).toStdString(), std::string(c.html)) << c.name;
}

TEST(RtfWriter, ALineBreakInsideAParagraphIsNoNewParagraph)
{
    const QString rtf = writeRtf(text({paragraph({run("a\nb")})}));
    EXPECT_TRUE(rtf.contains(QStringLiteral("a\\line b"))) << rtf.toStdString();
    // One paragraph for the converter, which has no word for a line break.
    EXPECT_EQ(RtfToHtml(rtf), QStringLiteral("\r\n<P>ab"));
}

} // namespace
