#include "net/ftp_paths.h"

#include <QDir>
#include <QStringList>

namespace tagloom {

QString remoteJoin(const QString &folder, TFTPFileSystemType type)
{
    if (type == TFTPFileSystemType::ftUnknown || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString localJoin(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString stripTrailingSeparator(const QString &name)
{
    if (name.size() > 1 && (name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\'))))
        return name.left(name.size() - 1);
    return name;
}

RemoteParts splitRemoteName(const QString &name)
{
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), name};
    return {name.left(slash + 1), name.mid(slash + 1)};
}

QString resolveRemoteFolder(const QString &current, const QString &given)
{
    const QString start = given.startsWith(QLatin1Char('/')) ? QString() : current;
    QStringList parts;
    for (const QString &part : (start + QLatin1Char('/') + given).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts << part;
    }
    return parts.isEmpty() ? QStringLiteral("/") : QLatin1Char('/') + parts.join(QLatin1Char('/')) + QLatin1Char('/');
}

QString localPath(const QString &localDir, const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return name;
    return localJoin(localDir) + name;
}

} // namespace tagloom
