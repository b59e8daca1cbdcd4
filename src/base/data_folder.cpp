#include "base/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tagloom {

namespace {

// What lies beside the executable but is program, not data.
bool isProgramFile(const QFileInfo &entry)
{
    return entry.isFile() && (entry.isExecutable() || entry.suffix() == QLatin1String("so"));
}

Status copyMissing(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return Status::failure(QStringLiteral("Cannot create the folder %1").arg(to));
    QDirIterator files(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        const QFileInfo entry = files.fileInfo();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(entry.filePath());
        if (entry.isDir()) {
            if (!QDir().mkpath(target))
                return Status::failure(QStringLiteral("Cannot create the folder %1").arg(target));
            continue;
        }
        if (QFileInfo::exists(target))
            continue; // the user's own, changed or not
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(entry.filePath(), target))
            return Status::failure(QStringLiteral("Cannot copy %1 to %2").arg(entry.filePath(), target));
        // Installed files are read-only; the copies are the user's to change.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return Status::success();
}

} // namespace

QString dataFolderFromExecutable(const QString &executablePath)
{
    const qsizetype cut = executablePath.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return QString();
    if (cut == 0)
        return QStringLiteral("/");
    return executablePath.left(cut);
}

QString programFolder()
{
    return dataFolderFromExecutable(QCoreApplication::applicationFilePath());
}

const QStringList &readOnlyDataFolders()
{
    static const QStringList folders{QStringLiteral("Help"), QStringLiteral("Reference"), QStringLiteral("Supplies")};
    return folders;
}

bool folderWritable(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.tagloom-probe-XXXXXX"));
    return probe.open();
}

Status prepareUserDataFolder(const QString &installed, const QString &user)
{
    if (!QDir().mkpath(user))
        return Status::failure(QStringLiteral("Cannot create the folder %1").arg(user));
    const QFileInfoList entries =
        QDir(installed).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const QString target = user + QLatin1Char('/') + entry.fileName();
        if (readOnlyDataFolders().contains(entry.fileName()) && entry.isDir()) {
            // A link follows the installed copy; a link left by an earlier
            // installation elsewhere is pointed here; a real folder the user
            // put in its place stays.
            const QFileInfo existing(target);
            if (existing.isSymLink() && existing.symLinkTarget() == entry.absoluteFilePath())
                continue;
            if (existing.isSymLink())
                QFile::remove(target);
            else if (existing.exists())
                continue;
            if (!QFile::link(entry.absoluteFilePath(), target))
                return Status::failure(QStringLiteral("Cannot link %1 to %2").arg(target, entry.absoluteFilePath()));
            continue;
        }
        if (isProgramFile(entry) || entry.fileName() == QLatin1String(InstallationMark + 1))
            continue;
        if (entry.isDir()) {
            if (const Status copied = copyMissing(entry.filePath(), target); !copied)
                return copied;
        } else if (!QFileInfo::exists(target)) {
            if (!QFile::copy(entry.filePath(), target))
                return Status::failure(QStringLiteral("Cannot copy %1 to %2").arg(entry.filePath(), target));
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
        }
    }
    return Status::success();
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quenby/Tagloom");
}

QString chooseDataFolder(const QString &installed, const QString &user)
{
    // An installed copy keeps every user's data apart even for a user who
    // may write to the installation (root), which its package owns.
    const bool isInstallation = QFileInfo::exists(installed + QLatin1String(InstallationMark));
    if (!isInstallation && folderWritable(installed))
        return installed;
    if (!prepareUserDataFolder(installed, user))
        return installed; // the program still reads; writing will say why it fails
    return user;
}

QString dataFolder()
{
    static const QString folder = chooseDataFolder(programFolder(), userDataFolder());
    return folder;
}

} // namespace tagloom
