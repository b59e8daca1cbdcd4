#include "base/pair_table.h"

#include <algorithm>

namespace tagloom {

PairRows pairRowsFromLists(const QStringList &first, const QStringList &second, int maxRows)
{
    PairRows rows;
    const qsizetype lines = std::max(first.size(), second.size());
    for (qsizetype i = 0; i < lines; ++i) {
        if (maxRows >= 0 && rows.size() >= maxRows)
            break;
        const QString a = i < first.size() ? first.at(i) : QString();
        const QString b = i < second.size() ? second.at(i) : QString();
        if (a.isEmpty() && b.isEmpty())
            continue;
        rows.append({a, b});
    }
    return rows;
}

PairLists listsFromPairRows(const PairRows &rows)
{
    PairLists lists;
    lists.first.reserve(rows.size());
    lists.second.reserve(rows.size());
    for (const PairRow &row : rows) {
        lists.first.append(row.first);
        lists.second.append(row.second);
    }
    return lists;
}

} // namespace tagloom
