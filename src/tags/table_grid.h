#pragma once
// The cell texts of the table dialog's grid and the rules that tie its size
// to the "Columns:" and "Rows:" fields. Column 0 is the narrow fixed column
// that holds nothing; columns 1 to columnCount() - 1 are the table's columns.
// Row 0 is the header row, rows 1 to rowCount() - 1 the body rows.

#include <QMap>
#include <QString>
#include <optional>
#include <utility>

namespace tagloom {

class TableGrid {
public:
    // The size the dialog starts with and returns to after OK and Cancel:
    // 3 table columns (4 grid columns) and 3 rows.
    static constexpr int DefaultRows = 3;
    static constexpr int DefaultColumns = 4;

    TableGrid() = default;
    TableGrid(int rows, int columns);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    // Empty outside the grid. Setting a cell outside the grid does nothing.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    // Cells outside the new size keep their texts, hidden, and show again
    // when the grid grows back over them: a size typed digit by digit
    // ("1" on the way to "12") loses nothing. Sizes below 1 count as 1.
    void resize(int rows, int columns);

    // A column dragged from grid position `from` to `to`; the columns in
    // between shift by one, as in the grid widget. Column 0 stays put.
    void moveColumn(int from, int to);

private:
    int m_rows = DefaultRows;
    int m_columns = DefaultColumns;
    QMap<std::pair<int, int>, QString> m_cells; // (row, column) -> text; empty cells absent
};

// The largest number a "Columns:" or "Rows:" spinner holds.
inline constexpr int MaxTableSize = 32767;

// Grids beyond this many cells are refused, because the mark-up of a table
// of 32767 by 32767 cells (tens of gigabytes) cannot be built.
inline constexpr qint64 MaxTableCells = 1 << 20;

// The number in a "Columns:" or "Rows:" text: a whole number from 1 to
// MaxTableSize, surrounding blanks allowed; nothing for any other text,
// an empty one included (the field while the user retypes it).
std::optional<int> tableSizeFromText(const QString &text);

// "Columns:" changed to `text`: the grid takes that many table columns
// (plus the fixed one). "Rows:" changed: the grid takes that many rows.
// A text that is not a size, or a size whose grid would pass MaxTableCells,
// leaves the grid as it is; the return says whether the grid followed.
bool applyColumnsText(TableGrid &grid, const QString &text);
bool applyRowsText(TableGrid &grid, const QString &text);

} // namespace tagloom
