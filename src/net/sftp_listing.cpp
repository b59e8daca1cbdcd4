#include "net/sftp_listing.h"
#include "net/ftp_listing_time.h"

#include <QRegularExpression>

namespace tagloom {

std::optional<TFTPFindData> sftpListingEntry(const QString &line, const QDate &today)
{
    // mode, links, owner, group, size, three time fields, then the name as
    // it stands (it may hold spaces).
    static const QRegularExpression entry(QStringLiteral(
        "^([-dlbcps])\\S*\\s+\\d+\\s+\\S+\\s+\\S+\\s+(\\d+)\\s+(\\S+\\s+\\S+\\s+\\S+) (.+)$"));
    const auto m = entry.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    TFTPFindData found;
    found.name = m.captured(4);
    const QChar type = m.captured(1).at(0);
    if (type == QLatin1Char('l')) {
        const qsizetype arrow = found.name.indexOf(QLatin1String(" -> "));
        if (arrow > 0)
            found.name.truncate(arrow);
    }
    if (found.name == QLatin1String(".") || found.name == QLatin1String(".."))
        return std::nullopt;
    found.isDirectory = type == QLatin1Char('d');
    found.size = found.isDirectory ? 0 : m.captured(2).toLongLong();
    found.lastWrite = listingTime(m.captured(3), today);
    return found;
}

} // namespace tagloom
