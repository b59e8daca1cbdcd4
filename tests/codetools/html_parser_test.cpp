#include "codetools/html_parser.h"

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

TEST(HtmlParser, ParseTextMatchesParsingTheLoadedLines)
{
    const QByteArray page("<p class=x>one\r\ntwo<a\rhref=y>three\n\n&amp; <b\r\n");
    THTMLParser lines;
    lines.LoadSource(page);
    lines.Parse();
    THTMLParser whole;
    whole.ParseText(QString::fromLatin1(page));
    ASSERT_EQ(whole.Nodes.size(), lines.Nodes.size());
    for (size_t i = 0; i < lines.Nodes.size(); ++i) {
        if (const auto *tag = std::get_if<THTMLTag>(&lines.Nodes[i])) {
            ASSERT_TRUE(std::holds_alternative<THTMLTag>(whole.Nodes[i]));
            EXPECT_EQ(std::get<THTMLTag>(whole.Nodes[i]).RawText, tag->RawText);
        } else {
            ASSERT_TRUE(std::holds_alternative<THTMLText>(whole.Nodes[i]));
            EXPECT_EQ(std::get<THTMLText>(whole.Nodes[i]).RawText, std::get<THTMLText>(lines.Nodes[i]).RawText);
        }
    }
}

} // namespace
