#include "codetools/rtf_to_html.h"
#include "common/golden_files.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

struct Row {
    const char *name;
    const char *rtf;  // UTF-8
    const char *html; // UTF-8
};

void expectRows(const std::vector<Row> &rows)
{
    for (const Row &row : rows)
        EXPECT_EQ(RtfToHtml(QString::fromUtf8(row.rtf)).toStdString(), row.html) << row.name;
}

// The header a simple rich-text control writes: three fonts, two colours,
// and "\deflang" ending the tables.
#define HEADER                                                                                                 \
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}" \
    "{\\f2\\fswiss Arial;}}\r\n{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n\\deflang1033"

TEST(RtfToHtml, TextAndParagraphs)
{
    expectRows({
        {"empty input", "", ""},
        {"plain text opens a paragraph", "Hello world", "\r\n<P>Hello world"},
        {"angle brackets, no semicolon", "a<b>c", "\r\n<P>a&ltb&gtc"},
        {"ampersand and tab stay", "AT&T\\tab x", "\r\n<P>AT&T\tx"},
        {"hex codes either case", "\\'e9t\\'E9", "\r\n<P>été"},
        {"hex code of a bracket", "\\'3c", "\r\n<P>&lt"},
        {"bad hex digit counts as 0", "\\'4g", "\r\n<P>@"},
        {"escaped braces and backslash", "\\{x\\}\\\\", "\r\n<P>{x}\\"},
        {"ignorable destination", "{\\*\\generator Riched20 10.0;}Text", "\r\n<P>Text"},
        {"nested ignorable destination", "{\\*\\pn{\\pntxtb x}{y}}Text", "\r\n<P>Text"},
        {"control characters skipped", "a\r\nb\tc", "\r\n<P>abc"},
        {"non-ASCII passes through", "café €", "\r\n<P>café €"},
        {"unknown words and their delimiter", "\\ltrch\\lang1033 Hi", "\r\n<P>Hi"},
        {"only one delimiting space", "\\ltrch  Hi", "\r\n<P> Hi"},
        {"alignment per paragraph", "\\qc Mid\\par \\qr Right\\par \\pard Left",
         "\r\n<P ALIGN=CENTER>Mid\r\n<P ALIGN=RIGHT>Right\r\n<P>Left"},
        {"empty paragraphs become a closing tag", "\\b A\\par\\plain\\par\\b B\\par\\plain\\par C",
         "\r\n<P><B>A</B></P>\n<P><B>B</B></P>\n<P>C"},
    });
}

TEST(RtfToHtml, CharacterFormatting)
{
    expectRows({
        {"bold closed by plain", "\\b bold\\plain  normal", "\r\n<P><B>bold</B> normal"},
        {"b0 still starts bold", "\\b0 x", "\r\n<P><B>x"},
        {"tags in fixed order", "\\ul\\i\\b x", "\r\n<P><B><I><U>x"},
        {"ulnone is another word", "\\ulnone x", "\r\n<P>x"},
        {"styles reopen after a break", "\\b one\\par two", "\r\n<P><B>one</B>\r\n<P><B>two"},
        {"plain closes at once", "\\i x\\plain", "\r\n<P><I>x</I>"},
        {"plain at a break closes before it", "\\b x\\par\\plain y", "\r\n<P><B>x</B>\r\n<P>y"},
        {"style started twice opens once", "\\b x\\b y", "\r\n<P><B>xy"},
    });
}

TEST(RtfToHtml, FontsAndColours)
{
    expectRows({
        {"font, colour and size", HEADER "\\pard\\plain\\f2\\fs20 Hello\\par }",
         "\r\n<P><FONT FACE=\"Arial\" COLOR=\"#000000\" SIZE=\"3\">Hello"},
        {"colour change", HEADER "\\pard\\plain\\f2\\fs20 a\\cf1 b",
         "\r\n<P><FONT FACE=\"Arial\" COLOR=\"#000000\" SIZE=\"3\">a"
         "<FONT FACE=\"Arial\" COLOR=\"#FF0000\" SIZE=\"3\">b"},
        {"size change keeps the default font", HEADER "\\fs28 big",
         "\r\n<P><FONT FACE=\"MS Sans Serif\" COLOR=\"#000000\" SIZE=\"5\">big"},
        {"unchanged font writes nothing", HEADER "\\f0\\fs22\\cf0 x", "\r\n<P>x"},
        {"plain resets the colour without a tag", HEADER "\\cf1 a\\plain b",
         "\r\n<P><FONT FACE=\"MS Sans Serif\" COLOR=\"#FF0000\" SIZE=\"3\">ab"},
        {"deflang resets the body state", "\\qc\\b\\f1\\fs40\\deflang1033 x", "\r\n<P><FONT SIZE=\"3\">x"},
        {"missing colour entry", "\\cf3 x", "\r\n<P><FONT SIZE=\"3\">x"},
        {"missing font entry", "\\f5 x", "\r\n<P><FONT SIZE=\"3\">x"},
        {"font name after family words",
         "{\\fonttbl{\\f0\\fnil A;}{\\f1\\fswiss\\fcharset0 Times New Roman;}}\\deflang1033\\f1 x",
         "\r\n<P><FONT FACE=\"Times New Roman\" SIZE=\"3\">x"},
        {"font name right after the number", "{\\fonttbl{\\f0\\fnil A;}{\\f1 Courier New;}}\\deflang1033\\f1 x",
         "\r\n<P><FONT FACE=\"Courier New\" SIZE=\"3\">x"},
        {"quote dropped from a font name", "{\\fonttbl{\\f0 Od\"d;}}\\deflang0\\f1\\f0 x",
         "\r\n<P><FONT FACE=\"Odd\" SIZE=\"3\">x"},
        {"long font name cut to 63",
         "{\\fonttbl{\\f0 abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz;}}"
         "\\deflang0\\f1\\f0 x",
         "\r\n<P><FONT FACE=\"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijk\" SIZE=\"3\">x"},
        {"colour digits", "{\\colortbl\\red0\\green0\\blue0;\\red18\\green171\\blue5;}\\cf1 x",
         "\r\n<P><FONT COLOR=\"#12AB05\" SIZE=\"3\">x"},
        {"colour defaults", "{\\colortbl\\red0\\green0\\blue0;\\red\\green\\blue;}\\cf1 x",
         "\r\n<P><FONT COLOR=\"#FFFFFF\" SIZE=\"3\">x"},
        {"colour components clamped", "{\\colortbl\\red0\\green0\\blue0;\\red300\\green0\\blue99999999999;}\\cf1 x",
         "\r\n<P><FONT COLOR=\"#FF00FF\" SIZE=\"3\">x"},
    });
}

TEST(RtfToHtml, FontSizes)
{
    const struct {
        const char *word;
        int size; // 3 writes no FONT tag: it is the starting size
    } cases[] = {
        {"\\fs2", 1},  {"\\fs11", 1}, {"\\fs12", 2}, {"\\fs19", 2}, {"\\fs20", 3}, {"\\fs23", 3},
        {"\\fs24", 4}, {"\\fs27", 4}, {"\\fs28", 5}, {"\\fs31", 5}, {"\\fs32", 6}, {"\\fs1", 6},
        {"\\fs", 1},   {"\\fs2x", 1}, {"\\fs99999999999999999999", 6},
    };
    for (const auto &c : cases) {
        const QString expected = c.size == 3 ? QStringLiteral("\r\n<P>x")
                                             : QStringLiteral("\r\n<P><FONT SIZE=\"%1\">x").arg(c.size);
        EXPECT_EQ(RtfToHtml(QString::fromLatin1(c.word) + QLatin1String(" x")).toStdString(), expected.toStdString())
            << c.word;
    }
}

TEST(RtfToHtml, BulletedLists)
{
    expectRows({
        {"bullet text is not written", "{\\pntext\\f1\\'b7\\tab}One\\par ", "\r\n<LI>One"},
        {"list as a rich-text control writes it",
         "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360 One\\par "
         "{\\pntext\\f1\\'b7\\tab}\\fi-360\\li360 Two\\par \\pard Next\\par ",
         "\r\n<LI>One\r\n<LI>Two\r\n</UL>Next"},
        {"fi starts a list at once", "\\fi x", "\r\n<UL>x"},
        {"text after an ended item", "{\\pntext x}One\\par Two", "\r\n<LI>One</LI>Two"},
        {"bold carried across items", "{\\pntext x}\\b One\\par {\\pntext x}Two",
         "\r\n<LI><B>One</B>\r\n<LI><B>Two"},
        {"bullet group closed right after the word", "{\\pntext}One", "\r\n<LI>One"},
    });
}

// Whatever is cut off, the scan ends with what was written before.
TEST(RtfToHtml, InputEndingMidSequence)
{
    expectRows({
        {"backslash", "ab\\", "\r\n<P>ab"},
        {"hex code", "ab\\'e", "\r\n<P>ab"},
        {"control word", "ab\\pa", "\r\n<P>ab"},
        {"ignorable group", "ab{\\*\\gen x", "\r\n<P>ab"},
        {"bullet group", "ab{\\pntext\\'b7", "\r\n<P>ab"},
        {"font entry before its name", "{\\fonttbl{\\f0\\fnil", ""},
        {"font name", "{\\fonttbl{\\f0 Arial", ""},
        {"font entry's closing brace", "{\\fonttbl{\\f0 Arial;", ""},
    });
}

TEST(RtfToHtml, TextIsNeverSwallowed)
{
    expectRows({
        {"par at a line end", "One\\par\r\nTwo\\par\r\n}", "\r\n<P>One\r\n<P>Two"},
        {"word before non-ASCII text", "\\bété", "\r\n<P><B>été"},
        {"control codes from hex dropped", "a\\'00b\\'0d\\'0ac\\'09d", "\r\n<P>abc\td"},
        {"escaped brace in a skipped group", "{\\*\\x a\\}b}c", "\r\n<P>c"},
    });
}

// Word processors and rich-text controls write "\deflang" before the font
// table; the table then ends with its group, and the text is kept. The
// order the tables usually come in gives the same result as ever.
TEST(RtfToHtml, FontTableEndsWithItsGroupInEitherOrder)
{
    expectRows({
        {"deflang before the font table",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
         "\\viewkind4\\uc1\\pard\\f0\\fs20 Hello world\\par}",
         "\r\n<P>Hello world"},
        {"deflang after the font table",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\deflang1033"
         "\\pard\\f0\\fs20 Hello world\\par}",
         "\r\n<P>Hello world"},
        {"a second font after an early deflang",
         "{\\rtf1\\deflang1033{\\fonttbl{\\f0 A;}{\\f1\\fmodern Courier New;}}\\f1 x\\f0 y}",
         "\r\n<P><FONT FACE=\"Courier New\" SIZE=\"3\">x<FONT FACE=\"A\" SIZE=\"3\">y"},
    });
}

// A rich-text control's export as it comes: font and colour tables, the
// generator group, view settings, then paragraphs.
TEST(RtfToHtml, WordProcessorExport)
{
    const char *rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033"
                      "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
                      "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                      "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 First line\\par\r\n"
                      "\\cf1\\b Second\\cf0\\b0  line\\par\r\n}\r\n";
    const QString html = RtfToHtml(QString::fromLatin1(rtf));
    EXPECT_TRUE(html.contains(QStringLiteral("First line"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Second"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral(" line"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("FACE=\"Calibri\""))) << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("Riched20"))) << html.toStdString();
}

// The colour reset by "\plain" opens the next paragraph at once, so the bullet
// item follows an empty <P>; "End" gets no FONT tag, as "\plain" writes none.
TEST(RtfToHtml, WholeDocument)
{
    const char *rtf = HEADER "\\pard\\plain\\f2\\fs20 Dear \\b reader\\plain\\f2\\fs20 ,\r\n\\par \\qc\\cf1 "
                             "Centred\r\n\\par \\pard\\plain\\f2\\fs20 {\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt"
                             "\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360 1 < 2\r\n\\par \\pard\\plain\\f2\\fs20 "
                             "End\r\n\\par }\r\n";
    EXPECT_EQ(RtfToHtml(QString::fromLatin1(rtf)).toStdString(),
              std::string("\r\n<P><FONT FACE=\"Arial\" COLOR=\"#000000\" SIZE=\"3\">Dear <B>reader</B>,"
                          "\r\n<P ALIGN=CENTER><FONT FACE=\"Arial\" COLOR=\"#FF0000\" SIZE=\"3\">Centred"
                          "\r\n<P>\r\n<LI>1 &lt 2"
                          "\r\n</UL>End"));
}

// Whole documents as the rich-text field saves them; the RTF is 8-bit text
// read as Latin-1 and the HTML is compared as UTF-8.
TEST(RtfToHtml, GoldenDocuments)
{
    const auto cases = test::goldenCases(QStringLiteral("rtf"));
    ASSERT_FALSE(cases.empty());
    for (const auto &c : cases)
        EXPECT_EQ(RtfToHtml(QString::fromLatin1(c.input)).toUtf8(), c.expected) << c.name.toStdString();
}

// Handed over in pieces, the result is the same, also where an empty
// paragraph that the finishing rewrites lies across the joint of two pieces.
TEST(RtfToHtml, PiecesMakeTheWholeResult)
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi ");
    for (int i = 0; i < 150000; ++i)
        rtf += QStringLiteral("\\b x\\par \\plain\\par y%1").arg(i % 7);
    rtf += QStringLiteral("}");
    QString joined;
    int pieces = 0;
    RtfToHtml(rtf, [&](QStringView piece) {
        joined += piece;
        ++pieces;
    });
    const QString whole = RtfToHtml(rtf);
    EXPECT_GT(pieces, 2);
    EXPECT_EQ(joined.size(), whole.size());
    EXPECT_TRUE(joined == whole);
    EXPECT_TRUE(whole.contains(QStringLiteral("</B></P>\n<P>y")));
}

} // namespace
