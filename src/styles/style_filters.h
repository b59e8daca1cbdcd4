#pragma once
// The editor's completion filters: one list file of property names per CSS
// level or browser, and the choice among them by the word before the caret.

#include <QString>
#include <QStringList>

namespace tagloom {

// The "Filter for Editor:" items, in their order.
QStringList styleFilterNames();

// The list file of the filter named exactly `filter` below `dataFolder`;
// empty for a name that is no filter.
QString styleFilterPath(const QString &dataFolder, const QString &filter);

// The entries that start with `prefix` (ignoring case), in list order; all
// of them for an empty prefix.
QStringList completionsFor(const QStringList &entries, const QString &prefix);

// The token that ends at `column` of `line`: it starts after the last
// space, "(", ")", "[", "]", ".", ":", ";", "{" or "}".
QString tokenBefore(const QString &line, int column);

} // namespace tagloom
