#pragma once
// The Insert Navigation Menu dialog's mark-up: a form with a drop-down whose
// choice loads the chosen address at once. No field is required; empty
// values give empty attributes.

#include "tags/markup_outcome.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tagloom {

// One data row of the grid: column 0 is the text, column 1 the address.
struct NavigationRow {
    QString Text;
    QString Link;
};

// The dialog's fields as shown: "1" item and one empty data row.
struct NavigationFields {
    QString Items = QStringLiteral("1"); // "Number of Items:" as typed
    QList<NavigationRow> Rows = {NavigationRow{}}; // data rows in the grid's current order
    QString Name; // "Name for Menu:"
};

// The item count that "Number of Items:" holds: a whole number from 1 to
// 32767 in plain digits (surrounding blanks allowed). Anything else, an
// empty field while the user retypes it too, is no count.
std::optional<int> navigationItemCount(const QString &itemsText);

// The grid after "Number of Items:" changed to `itemsText`: one data row per
// item, existing rows kept from the top and new rows empty. Without a count
// the rows stay as they are.
QList<NavigationRow> resizedNavigationRows(const QList<NavigationRow> &rows, const QString &itemsText);

// The menu's lines: the form, the select with the name three times, the
// "Select Item" option, one option per row in row order, and the closings.
QStringList navigationLines(const NavigationFields &fields);

// OK: the lines, starting directly below the caret line.
MarkupOutcome navigationMarkup(const NavigationFields &fields);

} // namespace tagloom
