#include "document/completion_lists.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QStringList kExampleList = {
    "<HTML", "=<HTML>", "=</html>", "<BODY", "=<BODY>", "=</body>", "<A", "=<A href=\"..\"></a>",
    "<P", "=<P align=\"..\">", "=</p>", "", "= ", " ", "= ", "<KILL",
};

TEST(CompletionLists, WordBeforeCaret)
{
    const struct {
        const char *line;
        int column;
        const char *word;
    } cases[] = {
        {"x<A", 4, "x<A"}, {"(<A", 4, "<A"}, {"a b", 4, "b"}, {"a.b", 3, ""}, {"f(x]y", 6, "y"},
        {"abc", 2, "a"},   {"abc", 9, ""},   {"", 1, ""},     {"\t<p", 4, "<p"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wordBeforeCaret(QLatin1String(c.line), c.column), QLatin1String(c.word)) << c.line << " " << c.column;
}

TEST(CompletionLists, ExpansionLookup)
{
    EXPECT_EQ(expansionOf(kExampleList, QStringLiteral("<p")), (QStringList{"<P align=\"..\">", "</p>"}));
    EXPECT_EQ(expansionOf(kExampleList, QStringLiteral("<kill")), QStringList());
    EXPECT_FALSE(expansionOf(kExampleList, QStringLiteral("x<A")));
    EXPECT_EQ(expansionOf(kExampleList, QString()), QStringList{" "}); // the first empty line's expansion
    EXPECT_EQ(leadingBlanks(QStringLiteral("  \tx ")), 3);
}

TEST(CompletionLists, RowFollowsTypedPrefix)
{
    const QStringList snippets = {"<table>", "<TABLE border=1>", "<td>"};
    EXPECT_EQ(completionRow(snippets, QStringLiteral("<ta"), 2), 0);
    EXPECT_EQ(completionRow(snippets, QStringLiteral("<TD"), 0), 2);
    EXPECT_EQ(completionRow(snippets, QStringLiteral("<zz"), 1), 1);
    EXPECT_EQ(completionRow(snippets, QString(), 2), 0);
}

} // namespace
