#include "tags/table_markup.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A grid of `rows` by `columns` grid columns, filled row by row from
// `texts`, starting at column 1.
TableGrid gridOf(int rows, int columns, const QStringList &texts = {})
{
    TableGrid grid(rows, columns);
    for (int i = 0; i < texts.size(); ++i)
        grid.setCell(i / (columns - 1), 1 + i % (columns - 1), texts.at(i));
    return grid;
}

TEST(TableMarkup, LinesBetweenTheMarkers)
{
    const QString empty = QStringLiteral("<td nowrap><br></td>");
    const struct {
        const char *name;
        TableFields fields;
        QStringList lines;
    } cases[] = {
        {"name and age, second body row empty",
         {"3", "3", "0", "0", "0", gridOf(3, 4, {"Name", "Age", "", "Ann", "31"})},
         {"<!-- INSERT HTML //-->", "<table width=\"0\" height=\"0\" border=\"0\">", "<tr>", "<th nowrap>Name</th>",
          "<th nowrap>Age</th>", "<th nowrap><br></th>", "</tr>", "<tr>", "<td nowrap>Ann</td>", "<td nowrap>31</td>",
          empty, "</tr>", "<tr>", empty, empty, empty, "</tr>", "</table><p>", "<p>", "<!--END INSERT //-->"}},
        {"one row: the header alone",
         {"2", "1", "1", "50", "80%", gridOf(1, 3, {"a", "b"})},
         {"<!-- INSERT HTML //-->", "<table width=\"80%\" height=\"50\" border=\"1\">", "<tr>", "<th nowrap>a</th>",
          "<th nowrap>b</th>", "</tr>", "</table><p>", "<p>", "<!--END INSERT //-->"}},
        {"one column: one th and one td per row",
         {"1", "2", "0", "0", "0", gridOf(2, 2, {"h", "d"})},
         {"<!-- INSERT HTML //-->", "<table width=\"0\" height=\"0\" border=\"0\">", "<tr>", "<th nowrap>h</th>",
          "</tr>", "<tr>", "<td nowrap>d</td>", "</tr>", "</table><p>", "<p>", "<!--END INSERT //-->"}},
        {"no table column: an empty header row",
         {"", "1", "0", "0", "0", gridOf(1, 1)},
         {"<!-- INSERT HTML //-->", "<table width=\"0\" height=\"0\" border=\"0\">", "<tr>", "</tr>", "</table><p>",
          "<p>", "<!--END INSERT //-->"}},
        {"sizes, mark-up and the table's own tag in cells go in as typed",
         {"1", "2", "x\"y", "", " ", gridOf(2, 2, {"<b>&amp;</b>", "<table border=1>"})},
         {"<!-- INSERT HTML //-->", "<table width=\" \" height=\"\" border=\"x\"y\">", "<tr>",
          "<th nowrap><b>&amp;</b></th>", "</tr>", "<tr>", "<td nowrap><table border=1></td>", "</tr>",
          "</table><p>", "<p>", "<!--END INSERT //-->"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tableLines(c.fields), c.lines) << c.name;
}

TEST(TableMarkup, InsertedAsOneTextBelowTheCaretLineWithCrLfBreaks)
{
    TableFields fields;
    fields.Grid2 = gridOf(2, 2, {"one\ntwo", "three\rfour\r\nfive"});
    const Insertion insertion = tableMarkup(fields);
    EXPECT_EQ(insertion.mode, InsertMode::Line);
    EXPECT_EQ(insertion.texts,
              QStringList{"<!-- INSERT HTML //-->\r\n<table width=\"0\" height=\"0\" border=\"0\">\r\n<tr>\r\n"
                          "<th nowrap>one\r\ntwo</th>\r\n</tr>\r\n<tr>\r\n<td nowrap>three\r\nfour\r\nfive</td>\r\n"
                          "</tr>\r\n</table><p>\r\n<p>\r\n<!--END INSERT //-->"});
}

TEST(TableMarkup, DraggedColumnMovesItsCellsInEveryRow)
{
    TableGrid grid = gridOf(2, 4, {"A", "B", "C", "a", "b", "c"});
    const struct {
        int from, to;
        QStringList header; // the th lines' texts after the move
        QStringList body;
    } cases[] = {
        {1, 3, {"B", "C", "A"}, {"b", "c", "a"}},
        {3, 1, {"C", "A", "B"}, {"c", "a", "b"}},
        {2, 2, {"A", "B", "C"}, {"a", "b", "c"}},
        {0, 2, {"A", "B", "C"}, {"a", "b", "c"}}, // the fixed column does not move
        {1, 4, {"A", "B", "C"}, {"a", "b", "c"}}, // past the grid: nothing
    };
    for (const auto &c : cases) {
        TableGrid moved = grid;
        moved.moveColumn(c.from, c.to);
        QStringList header, body;
        for (int column = 1; column < 4; ++column) {
            header << moved.cell(0, column);
            body << moved.cell(1, column);
        }
        EXPECT_EQ(header, c.header) << c.from << "->" << c.to;
        EXPECT_EQ(body, c.body) << c.from << "->" << c.to;
    }
}

TEST(TableMarkup, SizeFieldsFollowOnlyWholeNumbersInRange)
{
    const struct {
        const char *text;
        int columnsAfter; // grid columns after "Columns:" takes the text
        int rowsAfter;    // grid rows after "Rows:" takes it
    } cases[] = {
        {"5", 6, 5},       {" 2 ", 3, 2},    {"1", 2, 1},       {"32767", 32768, 32767},
        {"", 4, 3},        {"0", 4, 3},      {"-2", 4, 3},      {"32768", 4, 3},
        {"2.5", 4, 3},     {"abc", 4, 3},    {"3x", 4, 3},      {"99999999999", 4, 3},
    };
    for (const auto &c : cases) {
        TableGrid grid;
        EXPECT_EQ(applyColumnsText(grid, c.text), c.columnsAfter != 4) << c.text;
        EXPECT_EQ(grid.columnCount(), c.columnsAfter) << c.text;
        EXPECT_EQ(grid.rowCount(), 3) << c.text;
        grid = TableGrid();
        EXPECT_EQ(applyRowsText(grid, c.text), c.rowsAfter != 3) << c.text;
        EXPECT_EQ(grid.rowCount(), c.rowsAfter) << c.text;
        EXPECT_EQ(grid.columnCount(), 4) << c.text;
    }
}

TEST(TableMarkup, AGridTooLargeToWriteIsRefused)
{
    // Either spinner may reach 32767, but not both: the grid stays below
    // MaxTableCells cells and keeps its size when a field would pass it.
    TableGrid grid;
    ASSERT_TRUE(applyRowsText(grid, QStringLiteral("32767")));
    EXPECT_TRUE(applyColumnsText(grid, QStringLiteral("31")));
    EXPECT_FALSE(applyColumnsText(grid, QStringLiteral("32")));
    EXPECT_EQ(grid.columnCount(), 32);
    ASSERT_TRUE(applyRowsText(grid, QStringLiteral("1")));
    ASSERT_TRUE(applyColumnsText(grid, QStringLiteral("32767")));
    EXPECT_TRUE(applyRowsText(grid, QStringLiteral("32")));
    EXPECT_FALSE(applyRowsText(grid, QStringLiteral("33")));
    EXPECT_EQ(grid.rowCount(), 32);
    EXPECT_EQ(grid.columnCount(), 32768);
}

TEST(TableMarkup, CellsSurviveResizingAndTheReset)
{
    TableFields fields;
    fields.Grid2 = gridOf(3, 4, {"a", "b", "c", "d", "e", "f", "g", "h", "i"});
    // Retyping "Columns:" as "1" on the way to "12" hides columns 2 and 3
    // for a moment; their texts come back.
    ASSERT_TRUE(applyColumnsText(fields.Grid2, QStringLiteral("1")));
    EXPECT_EQ(fields.Grid2.cell(0, 2), QString());
    ASSERT_TRUE(applyColumnsText(fields.Grid2, QStringLiteral("12")));
    EXPECT_EQ(fields.Grid2.cell(2, 3), QStringLiteral("i"));
    fields.Grid2.setCell(2, 12, QStringLiteral("far"));

    fields.EditCols = QStringLiteral("12");
    fields.EditRows = QStringLiteral("7");
    fields.EditBorder = fields.EditHeight = fields.EditWidth = QStringLiteral("9");
    resetTableFields(fields);
    EXPECT_EQ(QStringList({fields.EditCols, fields.EditRows, fields.EditBorder, fields.EditHeight, fields.EditWidth}),
              QStringList({"3", "3", "0", "0", "0"}));
    EXPECT_EQ(fields.Grid2.rowCount(), 3);
    EXPECT_EQ(fields.Grid2.columnCount(), 4);
    EXPECT_EQ(fields.Grid2.cell(0, 1), QStringLiteral("a"));
    EXPECT_EQ(fields.Grid2.cell(2, 3), QStringLiteral("i"));
    EXPECT_EQ(fields.Grid2.cell(2, 12), QString()); // outside the grid
    fields.Grid2.setCell(2, 12, QStringLiteral("ignored"));
    fields.Grid2.resize(3, 13);
    EXPECT_EQ(fields.Grid2.cell(2, 12), QStringLiteral("far"));
}

} // namespace
