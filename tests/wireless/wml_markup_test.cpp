#include "common/line_list.h"
#include "wireless/wml_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;
using test::LineList;

namespace {

TEST(WmlMarkup, CardIsAnOpeningAndAClosingLine)
{
    const struct {
        const char *name;
        WmlCardFields fields;
        QStringList lines;
    } cases[] = {
        {"empty fields keep both attributes", {}, {"<card id=\"\" title=\"\">", "</card>"}},
        {"name and title", {"main", "Welcome"}, {"<card id=\"main\" title=\"Welcome\">", "</card>"}},
        {"values as typed", {"a\"b", "<&>"}, {"<card id=\"a\"b\" title=\"<&>\">", "</card>"}},
    };
    for (const auto &c : cases) {
        const Insertion insertion = wmlCardMarkup(c.fields);
        EXPECT_EQ(insertion.mode, InsertMode::Lines) << c.name;
        EXPECT_EQ(insertion.texts, c.lines) << c.name;
    }
}

TEST(WmlMarkup, GoWritesOnlyTheAttributesItHas)
{
    const WmlGoFields shown;
    WmlGoFields emptied;
    emptied.Method.clear();
    emptied.EncodingType.clear();
    const struct {
        const char *name;
        WmlGoFields fields;
        const char *line;
    } cases[] = {
        {"as shown, with an address", {"x.wml", false, shown.Method, shown.EncodingType, "", ""},
         "<go href=\"x.wml\" sendreferer=\"False\" method=\"GET\" "
         "enctype=\"application/x-www-form-urlencoded\"> </go>"},
        {"every field emptied", emptied, "<go href=\"\" sendreferer=\"False\"> </go>"},
        {"everything, in fixed order", {"a.wml", true, "PUT", "multipart/form-data", "n1", "c1"},
         "<go href=\"a.wml\" sendreferer=\"True\" method=\"PUT\" enctype=\"multipart/form-data\" id=\"n1\" "
         "class=\"c1\"> </go>"},
        {"name and class alone", {"", false, "", "", "go1", "big"},
         "<go href=\"\" sendreferer=\"False\" id=\"go1\" class=\"big\"> </go>"},
        {"a typed method and placeholders as text", {"%1", false, "post", "", "%2", ""},
         "<go href=\"%1\" sendreferer=\"False\" method=\"post\" id=\"%2\"> </go>"},
    };
    for (const auto &c : cases) {
        const Insertion insertion = wmlGoMarkup(c.fields);
        EXPECT_EQ(insertion.mode, InsertMode::Line) << c.name;
        EXPECT_EQ(insertion.texts, QStringList{QString::fromLatin1(c.line)}) << c.name;
    }
}

TEST(WmlMarkup, AccessPathAlwaysGetsALeadingSlash)
{
    const struct {
        const char *name;
        WmlAccessFields fields;
        const char *line;
    } cases[] = {
        {"empty", {}, "<access domain=\"\" path=\"/\"/>"},
        {"domain and path", {"example.com", "cards"}, "<access domain=\"example.com\" path=\"/cards\"/>"},
        {"a typed slash is doubled", {"example.com", "/cards"}, "<access domain=\"example.com\" path=\"//cards\"/>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wmlAccessMarkup(c.fields).texts, QStringList{QString::fromLatin1(c.line)}) << c.name;
}

TEST(WmlMarkup, OnTheLastLineTheCardBecomesTheNewLastLines)
{
    LineList document;
    document.lines = QStringList{"<wml>", "</wml>"};
    document.caretLine = 2;
    insert(&document, wmlCardMarkup({"c", "T"}));
    EXPECT_EQ(document.lines, QStringList({"<wml>", "</wml>", "<card id=\"c\" title=\"T\">", "</card>"}));
    EXPECT_EQ(document.caretLine, 2);
}

} // namespace
