#include "document/text_search.h"

#include <climits>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {


// --- the search ------------------------------------------------------------

TEST(TextSearchTest, Matches)
{
    struct Row {
        const char *name;
        QStringList lines;
        TextPosition caret;
        const char *needle;
        SearchOptions options;
        std::optional<SearchMatch> expected;
    };
    const SearchOptions down;
    const SearchOptions up{false, false, true};
    const SearchOptions word{false, true, false};
    const SearchOptions exact{true, false, false};
    const QStringList banana{QStringLiteral("banana")};
    const QStringList abcabc{QStringLiteral("abcabc")};
    const Row rows[] = {
        {"first a from the line start", banana, {1, 1}, "a", down, SearchMatch{1, 2, 1}},
        {"next a after a found one", banana, {1, 3}, "a", down, SearchMatch{1, 4, 1}},
        {"last a", banana, {1, 5}, "a", down, SearchMatch{1, 6, 1}},
        {"nothing after the last", banana, {1, 7}, "a", down, std::nullopt},
        {"whole word: inside a word", {QStringLiteral("concatenate")}, {1, 1}, "cat", word, std::nullopt},
        {"whole word: digit after", {QStringLiteral("cat2")}, {1, 1}, "cat", word, std::nullopt},
        {"whole word: full stop after", {QStringLiteral("the cat.")}, {1, 1}, "cat", word, SearchMatch{1, 5, 3}},
        {"whole word: underscore is no letter", {QStringLiteral("cat_x")}, {1, 1}, "cat", word, SearchMatch{1, 1, 3}},
        {"whole word: skips a bad one on the line", {QStringLiteral("cats cat")}, {1, 1}, "cat", word,
         SearchMatch{1, 6, 3}},
        {"up from the line end: right-most", abcabc, {1, 7}, "abc", up, SearchMatch{1, 4, 3}},
        {"up from a match start", abcabc, {1, 4}, "abc", up, SearchMatch{1, 1, 3}},
        {"up: a match must end before the caret", abcabc, {1, 6}, "abc", up, SearchMatch{1, 1, 3}},
        {"up from the start finds nothing", abcabc, {1, 1}, "abc", up, std::nullopt},
        {"up into earlier lines", {QStringLiteral("ab x"), QStringLiteral("zz")}, {2, 3}, "ab", up, SearchMatch{1, 1, 2}},
        {"down into later lines", {QStringLiteral("xx"), QStringLiteral("cab")}, {1, 1}, "ab", down, SearchMatch{2, 2, 2}},
        {"down never looks before the caret", {QStringLiteral("ab ab")}, {1, 2}, "ab", down, SearchMatch{1, 4, 2}},
        {"without match case", {QStringLiteral("A Cat")}, {1, 1}, "cAT", down, SearchMatch{1, 3, 3}},
        {"with match case", {QStringLiteral("A Cat")}, {1, 1}, "cat", exact, std::nullopt},
        {"non-ASCII letters fold too", {QStringLiteral("GRÖßE")}, {1, 1}, "größe", down, SearchMatch{1, 1, 5}},
        {"columns count characters", {QString::fromUtf8("\xF0\x9F\x98\x80" "ab")}, {1, 1}, "ab", down,
         SearchMatch{1, 2, 2}},
        {"caret beyond the line end", {QStringLiteral("ab"), QStringLiteral("ab")}, {1, 40}, "ab", down,
         SearchMatch{2, 1, 2}},
        {"empty text finds nothing", banana, {1, 1}, "", down, std::nullopt},
        {"no lines at all", {}, {1, 1}, "a", down, std::nullopt},
    };
    for (const Row &row : rows) {
        const std::optional<SearchMatch> found =
            findText(row.lines, row.caret, QString::fromUtf8(row.needle), row.options);
        ASSERT_EQ(found.has_value(), row.expected.has_value()) << row.name;
        if (found) {
            EXPECT_EQ(found->line, row.expected->line) << row.name;
            EXPECT_EQ(found->column, row.expected->column) << row.name;
            EXPECT_EQ(found->length, row.expected->length) << row.name;
        }
    }
}

TEST(TextSearchTest, CaseConversionTouchesAsciiOnly)
{
    EXPECT_EQ(asciiUpper(QStringLiteral("Größe")), QStringLiteral("GRößE"));
    EXPECT_EQ(asciiLower(QStringLiteral("ÄRGER <B>")), QStringLiteral("Ärger <b>"));
}

TEST(TextSearchTest, LineNumbers)
{
    EXPECT_EQ(parseLineNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(parseLineNumber(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(parseLineNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(parseLineNumber(QStringLiteral("99999999999")), INT_MAX);
    EXPECT_EQ(parseLineNumber(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(parseLineNumber(QStringLiteral("1.5")), std::nullopt);
    EXPECT_EQ(parseLineNumber(QString()), std::nullopt);
}

} // namespace
