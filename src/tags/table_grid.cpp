#include "tags/table_grid.h"

#include <algorithm>

namespace tagloom {

TableGrid::TableGrid(int rows, int columns)
{
    resize(rows, columns);
}

QString TableGrid::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return {};
    return m_cells.value({row, column});
}

void TableGrid::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    if (text.isEmpty())
        m_cells.remove({row, column});
    else
        m_cells.insert({row, column}, text);
}

void TableGrid::resize(int rows, int columns)
{
    m_rows = std::max(rows, 1);
    m_columns = std::max(columns, 1);
}

void TableGrid::moveColumn(int from, int to)
{
    if (from == to || from < 1 || to < 1 || from >= m_columns || to >= m_columns)
        return;
    // Where each column ends up; hidden columns beyond the grid stay.
    const auto target = [&](int column) {
        if (column == from)
            return to;
        if (from < to && column > from && column <= to)
            return column - 1;
        if (to < from && column >= to && column < from)
            return column + 1;
        return column;
    };
    QMap<std::pair<int, int>, QString> moved;
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
        moved.insert({it.key().first, target(it.key().second)}, it.value());
    m_cells = std::move(moved);
}

std::optional<int> tableSizeFromText(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > MaxTableSize)
        return std::nullopt;
    return n;
}

namespace {

bool fits(qint64 rows, qint64 columns)
{
    return rows * columns <= MaxTableCells;
}

} // namespace

bool applyColumnsText(TableGrid &grid, const QString &text)
{
    const std::optional<int> columns = tableSizeFromText(text);
    if (!columns || !fits(grid.rowCount(), *columns + 1))
        return false;
    grid.resize(grid.rowCount(), *columns + 1);
    return true;
}

bool applyRowsText(TableGrid &grid, const QString &text)
{
    const std::optional<int> rows = tableSizeFromText(text);
    if (!rows || !fits(*rows, grid.columnCount()))
        return false;
    grid.resize(*rows, grid.columnCount());
    return true;
}

} // namespace tagloom
