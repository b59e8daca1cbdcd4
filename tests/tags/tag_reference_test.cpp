#include "tags/tag_reference.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(TagReference, ElementNamesInOneCaseFindTheirGroupsPage)
{
    const struct {
        const char *word;
        const char *page; // nullptr: no page
    } cases[] = {
        {"td", "/Help/Reference/tables/td.html"},
        {"TD", "/Help/Reference/tables/td.html"},
        {"body", "/Help/Reference/html/body.html"},
        {"DOCTYPE", "/Help/Reference/html/doctype.html"},
        {"DL", "/Help/Reference/lists/dl.html"},
        {"h1", "/Help/Reference/block/h1.html"},
        {"img", "/Help/Reference/special/img.html"},
        {"Td", nullptr},      // mixed case
        {"Table", nullptr},
        {"h3", nullptr},      // only h1 has a page
        {"<td>", nullptr},    // a selection must be the name alone
        {"td ", nullptr},
        {"href", nullptr},
        {"", nullptr},
    };
    for (const auto &c : cases) {
        const std::optional<QString> page = referencePageFor(QString::fromLatin1(c.word));
        if (c.page)
            EXPECT_EQ(page.value_or(QStringLiteral("(none)")), QLatin1String(c.page)) << c.word;
        else
            EXPECT_FALSE(page) << c.word;
    }
}

TEST(TagReference, TheWordAtTheCaretIsItsRunOfLettersAndDigits)
{
    const QString body = QStringLiteral("<BODY bgcolor=red>");
    for (int column : {2, 4, 6}) { // on B, on D, right after Y
        const std::optional<WordSpan> word = tagWordAt(body, column);
        ASSERT_TRUE(word) << column;
        EXPECT_EQ(body.mid(word->start, word->end - word->start), QStringLiteral("BODY")) << column;
    }
    const QString doctype = QStringLiteral("<!DOCTYPE html>");
    const std::optional<WordSpan> word = tagWordAt(doctype, 4);
    ASSERT_TRUE(word);
    EXPECT_EQ(doctype.mid(word->start, word->end - word->start), QStringLiteral("DOCTYPE")); // "!" is no part of it
    EXPECT_FALSE(tagWordAt(QStringLiteral("<td>"), 5));   // at the end of the line
    EXPECT_FALSE(tagWordAt(QStringLiteral("<td>"), 9));   // beyond it
    EXPECT_FALSE(tagWordAt(QStringLiteral("a  b"), 3));   // between blanks
    EXPECT_FALSE(tagWordAt(QString(), 1));
}

} // namespace
