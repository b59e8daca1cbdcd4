#include "codetools/html_parser.h"
#include "codetools/html_tag_stream.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QByteArray listed(const QByteArrayList &tags)
{
    QByteArray out = QByteArray::number(tags.size()) + ':';
    for (const QByteArray &tag : tags)
        out += tag + '|';
    return out;
}

// The raw tags the parser gives for a page: their number, then each
// followed by "|".
QByteArray parsedTags(const QByteArray &page)
{
    THTMLParser parser;
    parser.ParseBytes(page);
    QByteArrayList tags;
    for (const THTMLNode &node : parser.Nodes)
        if (const auto *tag = std::get_if<THTMLTag>(&node))
            tags << tag->RawText.toString().toLatin1();
    return listed(tags);
}

// The raw tags the stream gives for a page fed in blocks of `block` bytes.
QByteArray streamedTags(const QByteArray &page, qsizetype block)
{
    QByteArrayList tags;
    HtmlTagStream stream([&tags](QByteArrayView raw) { tags << raw.toByteArray(); });
    for (qsizetype at = 0; at < page.size(); at += block)
        stream.feed(QByteArrayView(page).sliced(at, std::min(block, page.size() - at)));
    stream.finish();
    return listed(tags);
}

// Pages whose tags cross blocks and line breaks of every style; each is fed
// whole, byte by byte and in blocks that split its marks at odd places.
TEST(HtmlTagStream, GivesTheParsersTagsWhateverTheBlocks)
{
    QByteArray longTag = "<table";
    for (int i = 0; i < 20000; ++i)
        longTag += " a" + QByteArray::number(i) + "=\"v " + QByteArray::number(i) + "\"";
    const struct {
        const char *name;
        QByteArray page;
        QByteArray tags;
    } rows[] = {
        {"tags between texts", "a<p class=x>b</p>c", "2:p class=x|/p|"},
        {"a > outside a tag ends an empty tag", "a > b<i>", "2:|i|"},
        {"a second < inside a tag is dropped", "<a <b>", "1:a b|"},
        {"line breaks inside a tag vanish", "<a\r\nhref=x\rid=y\nz>", "1:ahref=xid=yz|"},
        {"a tag open at the end counts", "x<b c", "1:b c|"},
        {"an empty open tag at the end does not", "x<\r\n", "0:"},
        {"an empty tag ended by > does", "<>", "1:|"},
        {"bytes above ASCII stay as they are", "<caf\xc3\xa9 \xe9=1>", "1:caf\xc3\xa9 \xe9=1|"},
        {"a long tag", longTag + ">", "1:" + longTag.mid(1) + '|'},
    };
    for (const auto &row : rows) {
        const QByteArray parsed = parsedTags(row.page);
        EXPECT_EQ(parsed, row.tags) << row.name;
        for (const qsizetype block : {qsizetype(1), qsizetype(2), qsizetype(7), qsizetype(4096), row.page.size() + 1})
            EXPECT_EQ(streamedTags(row.page, block), parsed) << row.name << ", blocks of " << block;
    }
}

TEST(HtmlTagStream, TokensSplitAsTheParsersParameters)
{
    const struct {
        const char *raw;
        const char *name;
        QByteArrayList params; // name=value(raw)
    } rows[] = {
        {"td  nowrap   width=5", "td", {"nowrap=(nowrap)", "width=5(width=5)"}},
        {"font face=\"a=b\"", "font", {"face=a=b(face=\"a=b\")"}},
        {"img alt = \"a b\"", "img", {"alt=(alt)", "=(=)", "\"a b\"=(\"a b\")"}},
        {"a title=\"x", "a", {"title=\"x(title=\"x)"}},
        {"p x=\"\"", "p", {"x=(x=\"\")"}},
        {"br/", "br/", {}},
    };
    for (const auto &row : rows) {
        TagByteTokens tokens(row.raw);
        EXPECT_EQ(tokens.name(), row.name) << row.raw;
        QByteArrayList params;
        TagByteTokens::Param p;
        while (tokens.next(p))
            params << p.name.toByteArray() + '=' + p.value.toByteArray() + '(' + p.raw.toByteArray() + ')';
        EXPECT_EQ(params, row.params) << row.raw;
    }
}

} // namespace
