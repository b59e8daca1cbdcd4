#include "codetools/html_compressor.h"
#include "common/golden_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

using Configure = std::function<void(THTMLCompressor &)>;

QByteArray compressed(const QByteArray &input, const Configure &configure = {})
{
    THTMLCompressor compressor;
    if (configure)
        configure(compressor);
    compressor.LoadBytes(input);
    compressor.Compress();
    return compressor.Buffer();
}

void onlyQuotes(THTMLCompressor &c)
{
    c.SimpleTags = c.Center = c.Spaces = c.Returns = c.AllReturns = c.Webbots = false;
}

struct Row {
    const char *name;
    QByteArray input;
    QByteArray expected;
};

void expectRows(const std::vector<Row> &rows, const Configure &configure = {})
{
    for (const Row &row : rows)
        EXPECT_EQ(compressed(row.input, configure), row.expected) << row.name;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(HtmlCompressor, DefaultPasses)
{
    expectRows({
        {"words either side of CR LF keep the LF", "a\r\nb", "a\nb"},
        {"a break after a tag goes", "<p>\r\ntext", "<p>text"},
        {"a break before a tag goes", "text\r\n<p>", "text<p>"},
        {"a break inside a tag stays", "<a\r\nhref=x>", "<a\r\nhref=x>"},
        {"pre keeps breaks and spaces", "<pre>a\r\n\r\n  b </pre>\r\n<p>", "<pre>a\r\n\r\n  b </pre><p>"},
        {"textarea keeps its text", "<textarea>  a\r\n\r\n</textarea>  x", "<textarea>  a\r\n\r\n</textarea> x"},
        {"an unclosed pre guards the rest", "a  b\r\n<pre>c  \r\n d", "a b<pre>c  \r\n d"},
        {"a pre after \"> \" is guarded too", "<b> <PRE>a  b", "<b><pRE>a  b"},
        {"the lead of the next tag is lower-cased", "<TD> <TD>", "<TD><tD>"},
        {"end tags too", "<LI> </LI> <P>", "<LI></lI><p>"},
        {"runs of spaces shrink to one", "a     b  c", "a b c"},
        {"spaces before > go", "<b  >x</b >", "<b>x</b>"},
        {"strong becomes b", "<STRONG>bold</Strong>", "<b>bold</b>"},
        {"em and strike", "<em>a</EM><strike>b</STRIKE>", "<i>a</i><s>b</s>"},
        {"a tag with attributes stays", "<strong class=x>", "<strong class=x>"},
        {"centred paragraph", "<P ALIGN=CENTER>Hi</P>", "<center>Hi</center>"},
        {"quoted centred paragraph", "<p align=\"center\">Hi</p>", "<center>Hi</center>"},
        {"scripts keep spaces and tags", "<script>a  =  '<em>'</script> <em>x</em>",
         "<script>a  =  '<em>'</script> <i>x</i>"},
        {"web-bot comment removed", "<!--webbot bot=\"x\" -->\r\n<p>Hi", "<p>Hi"},
        {"8-bit bytes pass untouched", QByteArray("caf\xe9  \xff<\xd3TRONG>\0x", 16),
         QByteArray("caf\xe9 \xff<\xd3TRONG>\0x", 15)},
        {"empty", "", ""},
    });
}

TEST(HtmlCompressor, QuoteRemoval)
{
    expectRows(
        {
            {"href loses its quotes", "<a href=\"x.htm\">", "<a href=x.htm>"},
            {"width loses them", "<td width=\"5\" NOWRAP>", "<td width=5 NOWRAP>"},
            {"spaces around = allowed", "<a href = \"x\">", "<a href = x>"},
            {"value with a space keeps them", "<input value=\"a b\" name=\"n\">", "<input value=\"a b\" name=n>"},
            {"value without one loses them", "<input value=\"ab\">", "<input value=ab>"},
            {"alt with a space keeps them", "<img ALT=\"a b\" src=\"i.gif\">", "<img ALT=\"a b\" src=i.gif>"},
            {"alt without one loses them", "<img alt=\"dot\">", "<img alt=dot>"},
            {"an empty alt keeps them", "<img alt=\"\" src=\"i\">", "<img alt=\"\" src=i>"},
            {"title with a space keeps them", "<a title=\"a b\" href=\"c\">", "<a title=\"a b\" href=c>"},
            {"style with a space keeps them", "<p style=\"color: red\">", "<p style=\"color: red\">"},
            {"tab, CR and LF count as spaces", "<a x=\"a\tb\" y=\"c\r\nd\">", "<a x=\"a\tb\" y=\"c\r\nd\">"},
            {"= and backquote keep them", "<a href=\"p?a=1\" id=\"`\">", "<a href=\"p?a=1\" id=\"`\">"},
            {"a > inside keeps them, the tag goes on", "<a title=\"a>b\" href=\"c\">", "<a title=\"a>b\" href=c>"},
            {"a < inside keeps them", "<a title=\"a<b\" href=\"c\">", "<a title=\"a<b\" href=c>"},
            {"a / after the value keeps them", "<img src=\"a.gif\"/><br class=\"x\" />",
             "<img src=\"a.gif\"/><br class=x />"},
            {"a stray quote goes", "<p class=a\"b>", "<p class=ab>"},
            {"a name ending in alt counts", "<x salt=\"a b\">", "<x salt=\"a b\">"},
            {"a single quote keeps all", "<a href=\"x\" onclick='y'>", "<a href=\"x\" onclick='y'>"},
            {"so does one inside a double-quoted value", "<a href=\"x\" onclick=\"f('y')\">",
             "<a href=\"x\" onclick=\"f('y')\">"},
            {"whichever attribute comes first", "<a onclick=\"f('y')\" href=\"x\" id=\"z\">",
             "<a onclick=\"f('y')\" href=\"x\" id=\"z\">"},
            {"so does one past a > in a value", "<a title=\"x>y\" onclick='a=\"b\"' href=\"c\">",
             "<a title=\"x>y\" onclick='a=\"b\"' href=\"c\">"},
            {"a tag inside a single-quoted value is text", "<a onclick='<b c=\"d\">'><i x=\"y\">",
             "<a onclick='<b c=\"d\">'><i x=y>"},
            {"comments keep theirs", "<!-- \"x\" -->", "<!-- \"x\" -->"},
            {"text keeps theirs", "say \"hi\" <b>", "say \"hi\" <b>"},
            {"scripts keep theirs up to the end tag", "<script src=\"a.js\">\"b\"</script><b class=\"c\">",
             "<script src=\"a.js\">\"b\"</script><b class=c>"},
            {"a script named in a value is no script", "<a title=\"<script>\" href=\"x\"><b c=\"d\">",
             "<a title=\"<script>\" href=x><b c=d>"},
            {"a value never closed ends the pass", "<a x=\"1\"><input value=\"ab><b y=2>",
             "<a x=1><input value=\"ab><b y=2>"},
            {"a < inside a kept value keeps its closing quote", "<img alt=\"a <b c\" src=\"d\">",
             "<img alt=\"a <b c\" src=d>"},
            {"a < elsewhere in a tag changes nothing more", "<a <b x=\"1\" alt=\"p q\">", "<a <b x=1 alt=\"p q\">"},
        },
        onlyQuotes);
}

TEST(HtmlCompressor, LineBreakSwitches)
{
    const struct {
        const char *name;
        bool returns, allReturns, webbots;
        QByteArray input, expected;
    } rows[] = {
        {"Returns shrinks runs", true, false, true, "a\n\n\nb\r\r\rc<p>\n<p>", "a\nb\rc<p>\n<p>"},
        {"AllReturns removes breaks by tags", true, true, true, "a\n\n\nb<p>\n\n<p>", "a\nb<p><p>"},
        {"LF passes look inside tags", false, true, false, "<a \nb>", "<a b>"},
        {"neither leaves breaks", false, false, true, "<p>\r\n\r\n<p>", "<p>\r\n\r\n<p>"},
        {"web-bot with Returns", true, false, true, "a<!--WEBBOT x-->b", "ab"},
        {"web-bot kept when switched off", true, true, false, "a<!--webbot x-->b", "a<!--webbot x-->b"},
        {"web-bot needs Returns", false, false, true, "a<!--webbot x-->b", "a<!--webbot x-->b"},
        {"web-bot in pre kept", true, false, true, "<pre><!--webbot x--></pre>", "<pre><!--webbot x--></pre>"},
        {"what follows a web-bot is examined", true, true, true, "<p><!--webbot x-->\r\nb", "<p>b"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(compressed(row.input,
                             [&](THTMLCompressor &c) {
                                 onlyQuotes(c);
                                 c.InvCommas = false;
                                 c.Returns = row.returns;
                                 c.AllReturns = row.allReturns;
                                 c.Webbots = row.webbots;
                             }),
                  row.expected)
            << row.name;
    }
}

TEST(HtmlCompressor, BlockquoteOnlyWhenAsked)
{
    const QByteArray input = "<BLOCKQUOTE>x</blockquote>";
    EXPECT_EQ(compressed(input), input);
    EXPECT_EQ(compressed(input, [](THTMLCompressor &c) { c.BlockquoteToUl = true; }), "<ul>x</ul>");
}

TEST(HtmlCompressor, CentredParagraphs)
{
    expectRows(
        {
            {"pairs with the next </p> whatever lies between", "<p align=center>a<p>b</p>c</p>",
             "<center>a<p>b</center>c</p>"},
            {"a second opening waits for the first pair", "<p align=center>a<p align=center>b</p>",
             "<center>a<p align=center>b</center>"},
            {"both forms", "<p align=center>a</p><P Align=\"Center\">b</p>", "<center>a</center><center>b</center>"},
            {"an opening never closed stays", "<p align=center>a</p><p align=center>b",
             "<center>a</center><p align=center>b"},
        },
        [](THTMLCompressor &c) { c.InvCommas = false; });
}

// Long input runs through the block-wise searches and the in-place writes at
// every alignment; cut at tag boundaries, it must compress piece by piece.
TEST(HtmlCompressor, LongInputCompressesLikeItsPieces)
{
    QByteArray whole;
    QByteArray pieces;
    for (int pad = 0; pad < 40; ++pad) {
        const QByteArray piece = "<p class=\"c\">" + QByteArray(pad, 'x') +
                                 "   <STRONG>a</STRONG> \r\n <td> </td>\r\n<pre> a  \r\n</pre> <img alt=\"a b\" "
                                 "src=\"s\" >\r\n\r\n<!--webbot x--></p>";
        whole += piece;
        pieces += compressed(piece);
    }
    EXPECT_EQ(compressed(whole), pieces);
}

TEST(HtmlCompressor, GoldenPages)
{
    const auto cases = test::goldenCases(QStringLiteral("compressor"));
    ASSERT_FALSE(cases.empty());
    for (const auto &c : cases)
        EXPECT_EQ(compressed(c.input), c.expected) << c.name.toStdString();
}

TEST(HtmlCompressor, LoadCompressSave)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.htm"));
    writeFile(page, "<P>\r\n<STRONG>a</STRONG>\r\n</P>\r\n");

    THTMLCompressor compressor;
    ASSERT_TRUE(compressor.LoadFile(page));
    EXPECT_EQ(compressor.SourceSize(), 31);
    EXPECT_EQ(compressor.CompressedSize(), 0);
    compressor.Compress();
    EXPECT_EQ(compressor.CompressedSize(), 15);
    ASSERT_TRUE(compressor.SaveFile(page));
    EXPECT_EQ(readFile(page), "<P><b>a</b></P>");

    // A second Compress does nothing, whatever the switches say now.
    compressor.BlockquoteToUl = true;
    compressor.SimpleTags = false;
    compressor.Compress();
    EXPECT_EQ(compressor.Buffer(), "<P><b>a</b></P>");
}

TEST(HtmlCompressor, SavingWithoutCompressingKeepsTheText)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.htm"));
    writeFile(page, "<p> x </p>");
    THTMLCompressor compressor;
    ASSERT_TRUE(compressor.LoadFile(page));
    ASSERT_TRUE(compressor.SaveFile(page));
    EXPECT_EQ(readFile(page), "<p> x </p>");
}

TEST(HtmlCompressor, EmptyFileStaysEmpty)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("empty.htm"));
    writeFile(page, "");
    THTMLCompressor compressor;
    ASSERT_TRUE(compressor.LoadFile(page));
    compressor.Compress();
    EXPECT_EQ(compressor.SourceSize(), 0);
    EXPECT_EQ(compressor.CompressedSize(), 0);
    ASSERT_TRUE(compressor.SaveFile(page));
    EXPECT_EQ(QFileInfo(page).size(), 0);
}

TEST(HtmlCompressor, FileErrorsComeBackAsResults)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.htm"));
    writeFile(page, "<p>x</p>");

    THTMLCompressor compressor;
    ASSERT_TRUE(compressor.LoadFile(page));
    EXPECT_FALSE(compressor.LoadFile(dir.filePath(QStringLiteral("missing.htm"))));
    // The failed load dropped the earlier text: nothing is there to save.
    EXPECT_FALSE(compressor.SaveFile(page));
    EXPECT_EQ(readFile(page), "<p>x</p>");

    ASSERT_TRUE(compressor.LoadFile(page));
    EXPECT_FALSE(compressor.SaveFile(dir.filePath(QStringLiteral("no/such/folder/page.htm"))));
}

} // namespace
