#include "codetools/html_parser.h"
#include "base/text_codec.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// The nodes as readable lines: "T:NAME[P=V,...]" for tags, "X:text" for texts.
QStringList describe(const QStringList &source)
{
    THTMLParser parser;
    parser.Source = source;
    parser.Parse();
    QStringList out;
    for (const THTMLNode &node : parser.Nodes) {
        if (const auto *tag = std::get_if<THTMLTag>(&node)) {
            QStringList params;
            for (const THTMLParam &p : tag->Params)
                params << p.Name.toString() + QLatin1Char('=') + p.Value.toString();
            out << QStringLiteral("T:%1[%2]").arg(tag->Name, params.join(QLatin1Char(',')));
        } else {
            out << QStringLiteral("X:") + std::get<THTMLText>(node).Text.toString();
        }
    }
    return out;
}

TEST(HtmlParser, NodesInSourceOrder)
{
    const struct {
        QStringList source;
        QStringList nodes;
    } cases[] = {
        {{}, {}},
        {{"", ""}, {}},
        {{"<p>", "Hello", "</p>"}, {"T:P[]", "X:Hello ", "T:/P[]"}},
        {{"a > b"}, {"T:[]", "X:a b "}},
        {{"<>"}, {"T:[]"}},
        {{"<td  nowrap   width=5>"}, {"T:TD[NOWRAP=,WIDTH=5]"}},
        {{"<a <b>"}, {"T:A[B=]"}},
        {{"<a", "href=x>"}, {"T:AHREF=X[]"}},
        {{"text <b"}, {"X:text ", "T:B[]"}},
        {{"<br/>", "<!DOCTYPE html>", "</a>"}, {"T:BR/[]", "T:!DOCTYPE[HTML=]", "T:/A[]"}},
        {{"<!-- note -->"}, {"T:!--[NOTE=,--=]"}},
        {{"<a title=\"x>y\">z"}, {"T:A[TITLE=\"x]", "T:[]", "X:y\"z "}},
        {{"<img alt = \"a b\" src='q'>"}, {"T:IMG[ALT=,=,\"A B\"=,SRC='q']"}},
        {{"<font face=\"a=b\">"}, {"T:FONT[FACE=a=b]"}},
        {{QString::fromLatin1("<\xe9l\xe8ve x>")}, {QString::fromLatin1("T:\xe9L\xe8VE[X=]")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(c.source), c.nodes) << c.source.join(QLatin1Char('|')).toStdString();
}

TEST(HtmlParser, RawTextsKeepWhatWasCollected)
{
    THTMLParser parser;
    parser.Source = {"<p class=\"a\">one", "two  three</p>"};
    parser.Parse();
    ASSERT_EQ(parser.Nodes.size(), 3u);
    EXPECT_EQ(std::get<THTMLTag>(parser.Nodes[0]).RawText, QStringLiteral("p class=\"a\""));
    EXPECT_EQ(std::get<THTMLTag>(parser.Nodes[0]).Params.first().RawText, QStringLiteral("class=\"a\""));
    EXPECT_EQ(std::get<THTMLText>(parser.Nodes[1]).RawText, QStringLiteral("one\ntwo  three"));
    EXPECT_EQ(std::get<THTMLText>(parser.Nodes[1]).Text, QStringLiteral("one two three"));
    // The views stay valid while the parser lives, whatever it parsed since.
    const QStringView name = std::get<THTMLTag>(parser.Nodes[0]).Name;
    parser.Source.clear();
    for (int i = 0; i < 5000; ++i)
        parser.Source << QStringLiteral("<x y=1>");
    parser.Parse();
    EXPECT_EQ(name, QStringLiteral("P"));
    EXPECT_EQ(std::get<THTMLTag>(parser.Nodes[0]).Params.first().Value, QStringLiteral("a"));
    EXPECT_EQ(std::get<THTMLTag>(parser.Nodes.back()).Params.first().Value, QStringLiteral("1"));
}

TEST(HtmlParser, CharacterReferences)
{
    const struct {
        const char *raw;
        QString text;
    } cases[] = {
        {"&lt;b&gt;", "<b>"},
        {"&#65;&#x41;&#X41;", "AAA"},
        {"&#x041;", "&#x041;"},
        {"&#1234;", "&#1234;"},
        {"&#999;", "&#999;"},
        {"&#-1;", "&#-1;"},
        {"&#;", "&#;"},
        {"&#9;|&#10;|&nbsp;", " | | "},
        {"a &nbsp; b", "a   b"},
        {"&#65 x", "Ax"},
        {"&amp x", "&amp x"},
        {"&AMP;", "&AMP;"},
        {"fish & chips", "fish & chips"},
        {"&amp;lt;", "&lt;"},
        {"&x&amp;", "&x&"},
        {"&copy;&yuml;&Agrave;&agrave;", QString::fromLatin1("\xa9\xff\xc0\xe0")},
        {"&quot;unterminated &amp", "\"unterminated &amp"},
        {"a  \n \n b", "a b"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeHtmlText(QString::fromLatin1(c.raw)), c.text) << c.raw;
}

TEST(HtmlParser, LoadSourceSplitsEveryBreakStyle)
{
    THTMLParser parser;
    parser.LoadSource(QByteArray("a\r\nb\rc\nd\r\n"));
    EXPECT_EQ(parser.Source, (QStringList{"a", "b", "c", "d"}));
}

// Every field of every node, one line each.
QStringList everything(const std::vector<THTMLNode, LargeBlockAllocator<THTMLNode>> &nodes)
{
    QStringList out;
    for (const THTMLNode &node : nodes) {
        if (const auto *tag = std::get_if<THTMLTag>(&node)) {
            QString line = QStringLiteral("T|%1|%2").arg(tag->Name, tag->RawText);
            for (const THTMLParam &p : tag->Params)
                line += QStringLiteral("|%1=%2(%3)").arg(p.Name, p.Value, p.RawText);
            out << line;
        } else {
            const auto &text = std::get<THTMLText>(node);
            out << QStringLiteral("X|%1|%2").arg(text.Text, text.RawText);
        }
    }
    return out;
}

QStringList parsedLines(const QByteArray &page)
{
    THTMLParser parser;
    parser.LoadSource(page);
    parser.Parse();
    return everything(parser.Nodes);
}

QStringList parsedText(const QByteArray &page)
{
    THTMLParser parser;
    parser.ParseText(decode8Bit(page));
    return everything(parser.Nodes);
}

QStringList parsedBytes(const QByteArray &page)
{
    THTMLParser parser;
    parser.ParseBytes(page);
    return everything(parser.Nodes);
}

QStringList scannedBytes(const QByteArray &page)
{
    THTMLParser parser;
    QStringList out;
    parser.ScanBytes(page, [&out](const THTMLNode &node) {
        std::vector<THTMLNode, LargeBlockAllocator<THTMLNode>> one{node};
        out += everything(one); // the strings are read while they are valid
    });
    return out;
}

// A scan for tags only: each tag with its parameters walked from its raw
// text, in the form everything() gives.
QStringList scannedTags(const QByteArray &page)
{
    THTMLParser parser;
    QStringList out;
    parser.ScanBytes(page, [&out](const THTMLNode &node) {
        const auto &tag = std::get<THTMLTag>(node); // text is never handed over
        QString line = QStringLiteral("T|%1|%2").arg(tag.Name, tag.RawText);
        TagParamTokens tokens(tag.RawText);
        THTMLParam p;
        while (tokens.next(p))
            line += QStringLiteral("|%1=%2(%3)").arg(upperAscii(p.Name.toString()), p.Value, p.RawText);
        out << line;
    }, THTMLParser::ScanNodes::TagsOnly);
    return out;
}

// Pages whose nodes cross line breaks of every style, and pages big enough
// that copies and parameter lists outgrow the storage blocks mid-node.
TEST(HtmlParser, WholeTextParsesAsItsLines)
{
    QByteArray bigText = "<p>" + QByteArray(3 << 19, 'w') + "&amp;\r\n" + QByteArray(3 << 19, 'v') + " x</p>";
    QByteArray manyParams = "<table";
    for (int i = 0; i < 100000; ++i)
        manyParams += " a" + QByteArray::number(i) + "=\"v " + QByteArray::number(i) + "\"";
    manyParams += ">";
    QByteArray crossing;
    for (int i = 0; i < 20000; ++i)
        crossing += "<td\r\nclass=c" + QByteArray::number(i) + ">cell &lt;" + QByteArray::number(i) + "&gt;\nnext\rline</td>\n";
    const QByteArray pages[] = {
        "<p class=x>one\r\ntwo<a\rhref=y>three\n\n&amp; <b\r\n",
        "text > more\r\n<i>after\nthe\r\nbreaks</i>",
        "no break at the end <b>x",
        "\n\n\r\r\n",
        "a > b\r\nc",
        "\xEF\xBB\xBF<p>caf\xC3\xA9\r\n",
        "<p>caf\xE9 \xA0 Latin-1</p>",
        bigText,
        manyParams,
        crossing,
    };
    for (const QByteArray &page : pages) {
        const QStringList lines = parsedLines(page);
        EXPECT_EQ(parsedText(page), lines) << page.left(60).constData();
        EXPECT_EQ(parsedBytes(page), lines) << page.left(60).constData();
        EXPECT_EQ(scannedBytes(page), lines) << page.left(60).constData();
        EXPECT_EQ(scannedTags(page), lines.filter(QRegularExpression(QStringLiteral("^T\\|"))))
            << page.left(60).constData();
    }
    const QStringList crossingNodes = parsedLines(crossing);
    EXPECT_EQ(crossingNodes.at(0), QStringLiteral("T|TDCLASS=C0|tdclass=c0"));
    EXPECT_EQ(crossingNodes.at(1), QStringLiteral("X|cell <0> next line|cell &lt;0&gt;\nnext\nline"));
}

} // namespace
