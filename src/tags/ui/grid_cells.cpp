#include "tags/ui/grid_cells.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tagloom {

QString shownCellText(const QTableWidget *grid, int row, int column)
{
    const int logicalRow = grid->verticalHeader()->logicalIndex(row);
    const int logicalColumn = grid->horizontalHeader()->logicalIndex(column);
    const QTableWidgetItem *item = grid->item(logicalRow, logicalColumn);
    return item ? item->text() : QString();
}

void setCellText(QTableWidget *grid, int row, int column, const QString &text)
{
    if (row < 0 || column < 0)
        return;
    if (QTableWidgetItem *item = grid->item(row, column))
        item->setText(text);
    else if (!text.isEmpty())
        grid->setItem(row, column, new QTableWidgetItem(text));
}

void unmoveSections(QHeaderView *header)
{
    if (!header->sectionsMoved())
        return;
    for (int logical = 0; logical < header->count(); ++logical)
        header->moveSection(header->visualIndex(logical), logical);
}

void makeSectionsMovable(QTableWidget *grid, bool columnsToo)
{
    grid->verticalHeader()->setSectionsMovable(true);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setSectionsMovable(columnsToo);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

} // namespace tagloom
