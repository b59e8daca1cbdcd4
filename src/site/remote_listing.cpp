#include "site/remote_listing.h"

namespace tagloom {

QString remoteSizeText(qint64 bytes)
{
    // The whole size counts: a file past 4 GB is not shown as its remainder.
    if (bytes < 1024)
        return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 1048576)
        return QString::asprintf("%2.2fKB", double(bytes) / 1024.0);
    return QString::asprintf("%2.2fMB", double(bytes) / 1048576.0);
}

bool isShownEntry(const TFTPFindData &entry)
{
    return entry.name != QLatin1String(".") && entry.name != QLatin1String("..");
}

RemoteRow remoteRow(const TFTPFindData &entry)
{
    RemoteRow row;
    row.name = entry.name;
    row.isDirectory = entry.isDirectory;
    row.size = entry.isDirectory ? QString() : remoteSizeText(entry.size);
    row.type = entry.isDirectory ? QStringLiteral("Directory") : QStringLiteral("File");
    row.lastModified = entry.lastWrite.isValid() ? entry.lastWrite.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"))
                                                 : QString();
    return row;
}

} // namespace tagloom
