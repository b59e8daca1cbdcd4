#pragma once
// Two-column tables filled from a pair of list files, line N of each file
// making row N. Row 1 is the header. A line number at which both files hold
// an empty line gives no row; a missing line counts as empty.

#include <QStringList>
#include <QVector>

namespace tagloom {

struct PairRow {
    QString first;
    QString second;
    friend bool operator==(const PairRow &a, const PairRow &b)
    {
        return a.first == b.first && a.second == b.second;
    }
};

using PairRows = QVector<PairRow>;

// The Named Colors and Characters tables hold 91 rows, header included.
inline constexpr int FixedTableRows = 91;

// maxRows < 0 takes every row.
PairRows pairRowsFromLists(const QStringList &first, const QStringList &second, int maxRows = -1);

struct PairLists {
    QStringList first;
    QStringList second;
};
PairLists listsFromPairRows(const PairRows &rows);

} // namespace tagloom
