#pragma once
// The table dialog's mark-up: the grid written as an HTML table, one element
// per line, between two marker comments, as new lines below the caret line.

#include "document/insertion.h"
#include "tags/table_grid.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// The fields of "Create a Table...". The three size texts go into the
// opening tag verbatim, numbers or not; the grid's own size decides the
// cells written (EditCols and EditRows reach it through applyColumnsText
// and applyRowsText as the user types).
struct TableFields {
    QString EditCols = QStringLiteral("3");
    QString EditRows = QStringLiteral("3");
    QString EditBorder = QStringLiteral("0");
    QString EditHeight = QStringLiteral("0");
    QString EditWidth = QStringLiteral("0");
    TableGrid Grid2; // columns in their shown order
};

// The grid as table lines: `<table border=1>`, the header row of `th`
// cells from row 0, a `tr` of `td` cells for every further row, and
// "</table><p>". Column 0 is never written; an empty cell is "<br>".
QStringList exportTableGrid(const TableGrid &grid);

// The lines the dialog inserts: the marker "<!-- INSERT HTML //-->", the
// table export with its opening tag carrying width, height and border,
// "<p>" and the marker "<!--END INSERT //-->".
QStringList tableLines(const TableFields &fields);

// Those lines as one text inserted as a new line below the caret line.
// Line breaks typed into cells become CR LF like the rest, so the table
// arrives with one kind of line break; there is no final line break.
Insertion tableMarkup(const TableFields &fields);

// OK and Cancel both end with this: the size fields back to their first
// values and the grid to 3 rows by 4 columns. Cell texts are kept.
void resetTableFields(TableFields &fields);

} // namespace tagloom
