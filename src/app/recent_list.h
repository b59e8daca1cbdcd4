#pragma once
// The recent list: full file paths, most recent first, at most ten. Adding
// compares paths ignoring letter case and keeps the spelling already listed.

#include <QStringList>

namespace tagloom {

class RecentList {
public:
    static constexpr int MaxEntries = 10;

    const QStringList &entries() const { return m_entries; }
    void setEntries(const QStringList &entries);
    // Moves a listed path to the top or inserts a new one there.
    void add(const QString &path);

    // Menu caption of entry `index` (0-based): "&1 path" .. "&A path".
    static QString caption(int index, const QString &path);

private:
    QStringList m_entries;
};

} // namespace tagloom
