#include "tags/link_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(LinkMarkup, InsertedText)
{
    struct Row {
        const char *name;
        LinkFields fields;
        bool editMode;
        InsertMode mode;
        QStringList texts;
    };
    const Row rows[] = {
        {"wraps the selection (Home), closing tag in capitals", {"index.html", "_top", "", "", ""}, false,
         InsertMode::Wrap, {R"(<a href="index.html" target="_top">)", "</A>"}},
        {"fixed order whatever is filled", {"u", "_blank", "s", "n", "c"}, false, InsertMode::Wrap,
         {R"(<a href="u" target="_blank" style="s" name="n" class="c">)", "</A>"}},
        {"values as typed", {R"(a"b)", "", "", " n ", ""}, false, InsertMode::Wrap,
         {R"(<a href="a"b" name=" n ">)", "</A>"}},
        {"edit mode: only the opening tag, over the selection", {"new.html", "", "", "", "c"}, true,
         InsertMode::Replace, {R"(<a href="new.html" class="c">)"}},
    };
    for (const Row &row : rows) {
        const MarkupOutcome outcome = linkMarkup(row.fields, row.editMode);
        ASSERT_FALSE(outcome.refused()) << row.name;
        EXPECT_TRUE(outcome.messages.isEmpty()) << row.name;
        EXPECT_EQ(outcome.insertion->mode, row.mode) << row.name;
        EXPECT_EQ(outcome.insertion->texts, row.texts) << row.name;
    }
}

TEST(LinkMarkup, EmptyLinkIsRefused)
{
    for (const bool editMode : {false, true}) {
        const MarkupOutcome outcome = linkMarkup({"", "_top", "s", "n", "c"}, editMode);
        EXPECT_TRUE(outcome.refused());
        EXPECT_EQ(outcome.messages,
                  (QList<DialogMessage>{{DialogMessage::Kind::Error, QStringLiteral("Please specify a file to link to")}}));
    }
}

} // namespace
