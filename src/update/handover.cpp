#include "update/handover.h"

#include "update/szdd.h"

#include <QDir>
#include <QFile>

namespace tagloom {

QString updaterCommandLine(const QString &tempFolder, qint64 processId, const QString &appName,
                           const QString &appComps)
{
    QString folder = tempFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("upd.exe ") + QString::number(processId) + QStringLiteral(" \"") + appName +
           QStringLiteral("\" ") + appComps;
}

Result<QString> writeUpdater(const QString &tempFolder, const QString &resource)
{
    QFile packed(resource);
    if (!packed.open(QIODevice::ReadOnly))
        return Result<QString>::failure(QStringLiteral("The program carries no updater."));
    const QString compressedPath = QDir(tempFolder).filePath(QStringLiteral("upd.ex_"));
    QFile out(compressedPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(packed.readAll()) < 0 || !out.flush())
        return Result<QString>::failure(QStringLiteral("Cannot write %1.").arg(compressedPath));
    out.close();
    const auto expanded = expandSzddInPlace(compressedPath);
    if (!expanded) {
        QFile::remove(compressedPath);
        return expanded;
    }
    QFile::setPermissions(*expanded, QFile::permissions(*expanded) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return expanded;
}

std::optional<UpdaterArguments> parseUpdaterArguments(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return std::nullopt;
    bool ok = false;
    UpdaterArguments parsed;
    parsed.processId = arguments[0].toLongLong(&ok);
    if (!ok || parsed.processId <= 0)
        return std::nullopt;
    parsed.appName = arguments[1];
    for (const QString &part : arguments.mid(2).join(QLatin1Char(' ')).split(QLatin1Char(';'))) {
        if (!part.trimmed().isEmpty())
            parsed.components << part.trimmed();
    }
    return parsed;
}

} // namespace tagloom
