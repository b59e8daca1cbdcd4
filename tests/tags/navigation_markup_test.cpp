#include "tags/navigation_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(NavigationMarkup, MenuBelowCaretLine)
{
    NavigationFields f;
    f.Name = "nav";
    f.Rows = {{"Home", "index.html"}, {"Contact", "contact.html"}};
    const Insertion insertion = *navigationMarkup(f).insertion;
    EXPECT_EQ(insertion.mode, InsertMode::Lines);
    EXPECT_EQ(insertion.texts,
              (QStringList{"<form>",
                           R"(<select name="nav" onChange='top.location.href=this.form.nav.options[this.form.nav.selectedIndex].value'>)",
                           "<option value='#'>Select Item", R"(<option value="index.html">Home)",
                           R"(<option value="contact.html">Contact)", "</select>", "</form>"}));
}

TEST(NavigationMarkup, RowsAndName)
{
    struct Row {
        const char *name;
        QString items;
        QList<NavigationRow> filled; // typed into the grid before the count changed
        QString menuName;
        QStringList options; // the lines after "Select Item"
    };
    const Row rows[] = {
        {"three items, only the first filled", "3", {{"Home", "index.html"}}, "m",
         {R"(<option value="index.html">Home)", R"(<option value="">)", R"(<option value="">)"}},
        {"rows in their grid order", "2", {{"B", "b.html"}, {"A", "a.html"}}, "m",
         {R"(<option value="b.html">B)", R"(<option value="a.html">A)"}},
        {"fewer items drop the last rows", "1", {{"A", "a"}, {"B", "b"}}, "m", {R"(<option value="a">A)"}},
        {"a count that is no number keeps the rows", "2x", {{"A", "a"}, {"B", "b"}, {"C", "c"}}, "m",
         {R"(<option value="a">A)", R"(<option value="b">B)", R"(<option value="c">C)"}},
        {"as shown: one empty row", "1", {}, "m", {R"(<option value="">)"}},
    };
    for (const Row &row : rows) {
        NavigationFields f;
        if (!row.filled.isEmpty())
            f.Rows = row.filled;
        f.Items = row.items;
        f.Rows = resizedNavigationRows(f.Rows, f.Items);
        f.Name = row.menuName;
        const QStringList lines = navigationLines(f);
        EXPECT_EQ(lines.mid(3, lines.size() - 5), row.options) << row.name;
    }

    NavigationFields unnamed;
    EXPECT_EQ(navigationLines(unnamed).at(1),
              R"(<select name="" onChange='top.location.href=this.form..options[this.form..selectedIndex].value'>)");
}

TEST(NavigationMarkup, ItemCount)
{
    struct Row {
        const char *text;
        std::optional<int> count;
    };
    const Row rows[] = {
        {"1", 1},      {"3", 3},          {" 7 ", 7},     {"032767", 32767}, {"32767", 32767},
        {"", std::nullopt},    {"  ", std::nullopt},   {"abc", std::nullopt},  {"2.5", std::nullopt},
        {"0", std::nullopt},   {"-1", std::nullopt},   {"+3", std::nullopt},   {"1,000", std::nullopt},
        {"32768", std::nullopt}, {"99999999999999999999", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const Row &row : rows)
        EXPECT_EQ(navigationItemCount(QString::fromLatin1(row.text)), row.count) << row.text;
}

} // namespace
