#include "app/recent_list.h"

namespace tagloom {

void RecentList::setEntries(const QStringList &entries)
{
    m_entries = entries;
}

void RecentList::add(const QString &path)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).compare(path, Qt::CaseInsensitive) == 0) {
            at = i;
            break;
        }
    }
    if (at < 0)
        m_entries.prepend(path);
    else if (at > 0)
        m_entries.move(at, 0);
    while (m_entries.size() > MaxEntries)
        m_entries.removeLast();
}

QString RecentList::caption(int index, const QString &path)
{
    return QLatin1Char('&') + QString::number(index + 1, 16).toUpper() + QLatin1Char(' ') + path;
}

} // namespace tagloom
