#include "codetools/rtf_reader.h"
#include "codetools/rtf_writer.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

RichRun run(const char *text, const char *font, int halfPoints, std::optional<RichColour> colour = std::nullopt,
            bool bold = false, bool italic = false, bool underline = false)
{
    RichRun r;
    r.text = QString::fromUtf8(text);
    r.fontFamily = QLatin1String(font);
    r.halfPoints = halfPoints;
    r.colour = colour;
    r.bold = bold;
    r.italic = italic;
    r.underline = underline;
    return r;
}

void expectSame(const RichText &want, const RichText &got)
{
    ASSERT_EQ(got.paragraphs.size(), want.paragraphs.size());
    for (qsizetype p = 0; p < want.paragraphs.size(); ++p) {
        const RichParagraph &a = want.paragraphs[p];
        const RichParagraph &b = got.paragraphs[p];
        EXPECT_EQ(b.alignment, a.alignment) << "paragraph " << p;
        EXPECT_EQ(b.bullet, a.bullet) << "paragraph " << p;
        ASSERT_EQ(b.runs.size(), a.runs.size()) << "paragraph " << p;
        for (qsizetype r = 0; r < a.runs.size(); ++r) {
            const RichRun &x = a.runs[r];
            const RichRun &y = b.runs[r];
            EXPECT_EQ(y.text, x.text);
            EXPECT_EQ(y.fontFamily, x.fontFamily) << x.text.toStdString();
            EXPECT_EQ(y.halfPoints, x.halfPoints) << x.text.toStdString();
            EXPECT_EQ(y.colour.has_value(), x.colour.has_value()) << x.text.toStdString();
            if (x.colour && y.colour) {
                EXPECT_TRUE(*y.colour == *x.colour) << x.text.toStdString();
            }
            EXPECT_EQ(y.bold, x.bold) << x.text.toStdString();
            EXPECT_EQ(y.italic, x.italic) << x.text.toStdString();
            EXPECT_EQ(y.underline, x.underline) << x.text.toStdString();
        }
    }
}

TEST(RtfReader, ReadsBackWhatTheWriterWrites)
{
    RichText text;
    text.defaultFont = QStringLiteral("Arial");
    const RichColour red{255, 0, 0};
    RichParagraph title;
    title.alignment = RichAlignment::Centre;
    title.runs = {run("Price list", "Georgia", 36, std::nullopt, true)};
    RichParagraph body;
    body.runs = {run("Plain, ", "Arial", 20), run("red italic", "Arial", 20, red, false, true),
                 run(" and {braces} \\ back; caf\u00e9 \u20ac 10", "Arial", 20, std::nullopt, false, false, true),
                 run("tab\there\nnext line", "Courier New", 24)};
    RichParagraph first;
    first.bullet = true;
    first.runs = {run("One", "Arial", 20)};
    RichParagraph second = first;
    second.runs = {run("Two", "Arial", 20, std::nullopt, true)};
    RichParagraph right;
    right.alignment = RichAlignment::Right;
    right.runs = {run("Signed", "Arial", 20)};
    text.paragraphs = {title, body, first, second, right};
    expectSame(text, readRtf(writeRtf(text)));
}

TEST(RtfReader, ReadsOtherWritersAsFarAsTheModelReaches)
{
    // Style sheet and information groups, "\*" destinations, "\u" with a
    // fallback, special characters, "\b0" and "\ulnone".
    const QString source = QStringLiteral(
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss Verdana;}}"
        "{\\colortbl;\\red0\\green0\\blue255;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}}"
        "{\\*\\generator Someone;}\\pard\\fs28 A\\b B\\b0 C \\cf1\\ul D\\ulnone \\u8364?x\\emdash\\par "
        "\\pard\\qc\\f0 E}");
    const RichText text = readRtf(source);
    ASSERT_EQ(text.paragraphs.size(), 2);
    QString all;
    for (const RichRun &r : text.paragraphs[0].runs)
        all += r.text;
    EXPECT_EQ(all, QStringLiteral("ABC D\u20acx\u2014"));
    EXPECT_EQ(text.defaultFont, QStringLiteral("Verdana"));
    const RichRun &b = text.paragraphs[0].runs[1];
    EXPECT_EQ(b.text, QStringLiteral("B"));
    EXPECT_TRUE(b.bold);
    EXPECT_EQ(b.halfPoints, 28);
    const RichRun &d = text.paragraphs[0].runs[3];
    EXPECT_EQ(d.text, QStringLiteral("D"));
    EXPECT_TRUE(d.underline);
    ASSERT_TRUE(d.colour);
    EXPECT_EQ(d.colour->blue, 255);
    EXPECT_EQ(text.paragraphs[1].alignment, RichAlignment::Centre);
    EXPECT_EQ(text.paragraphs[1].runs.value(0).fontFamily, QStringLiteral("Times"));
}

} // namespace
