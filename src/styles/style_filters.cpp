#include "styles/style_filters.h"

namespace tagloom {

namespace {

const struct {
    const char *name;
    const char *file;
} kFilters[] = {
    {"Cascading Style Sheets Level 1", "Level1.tlx"},
    {"Cascading Style Sheets Level 2", "Level2.tlx"},
    {"Internet Explorer 3", "IE3.tlx"},
    {"Internet Explorer 4", "IE4.tlx"},
    {"Internet Explorer 5", "IE5.tlx"},
    {"Netscape Communicator 4", "NS4.tlx"},
    {"Opera 3.5", "Opera3.tlx"},
};

} // namespace

QStringList styleFilterNames()
{
    QStringList names;
    for (const auto &filter : kFilters)
        names << QLatin1String(filter.name);
    return names;
}

QString styleFilterPath(const QString &dataFolder, const QString &filter)
{
    for (const auto &f : kFilters)
        if (filter == QLatin1String(f.name))
            return dataFolder + QStringLiteral("/Extensions/CSS/") + QLatin1String(f.file);
    return {};
}

QStringList completionsFor(const QStringList &entries, const QString &prefix)
{
    QStringList found;
    for (const QString &entry : entries)
        if (entry.startsWith(prefix, Qt::CaseInsensitive))
            found << entry;
    return found;
}

QString tokenBefore(const QString &line, int column)
{
    column = std::clamp(column, 0, int(line.size()));
    int start = column;
    while (start > 0) {
        const QChar c = line.at(start - 1);
        if (c.isSpace() || QStringView(u"()[].:;{}").contains(c))
            break;
        --start;
    }
    return line.mid(start, column - start);
}

} // namespace tagloom
