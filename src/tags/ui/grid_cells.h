#pragma once
// The grids of the tag dialogs, whose rows (and for the table its columns)
// the user may drag into a new order: what counts is the order shown, so
// cells are read by their shown position.

class QHeaderView;
class QString;
class QTableWidget;

namespace tagloom {

// The text of the cell shown at `row`, `column` (0-based, in shown order);
// empty when the cell has no text.
QString shownCellText(const QTableWidget *grid, int row, int column);
// Sets the text of the cell at `row`, `column` of the grid's own order.
void setCellText(QTableWidget *grid, int row, int column, const QString &text);
// The sections back in their first order after the user dragged some.
void unmoveSections(QHeaderView *header);
// Rows (and columns when `columnsToo`) may be resized and dragged.
void makeSectionsMovable(QTableWidget *grid, bool columnsToo);

} // namespace tagloom
