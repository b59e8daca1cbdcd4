#include "base/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tagloom {

namespace {

// Why a call on a file in `folder` failed, from the errno it left. The
// folder is named where the folder, not the file, is what refused.
QString failureCause(int error, const QString &folder)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QStringLiteral("There is no space left on the device.");
    case EACCES:
    case EPERM:
        return QStringLiteral("The folder \"%1\" cannot be written to.").arg(folder);
    case EROFS:
        return QStringLiteral("The folder \"%1\" cannot be written to: it is on a read-only file system.").arg(folder);
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("The folder \"%1\" does not exist.").arg(folder);
    case EIO:
        return QStringLiteral("The device reported an input/output error.");
    default:
        return qt_error_string(error) + QLatin1Char('.');
    }
}

// A new, empty file beside `target`, named after it, readable and writable
// as any new file would be (the process's umask applies); -1 with errno set
// when the folder refuses.
int createTemporaryBeside(const QString &target, QByteArray &name)
{
    const QByteArray base = QFile::encodeName(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + ".tmp" + QByteArray::number(QRandomGenerator::global()->generate() % 1000000);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

Result<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return Result<QByteArray>::success(std::move(bytes));
}

Status writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Replacing by rename would succeed even on a read-only file; honour the
    // file's own protection instead.
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        return Status::failure(
            QStringLiteral("Cannot create file \"%1\". Access is denied.").arg(path));
    // A link stays a link: the file it points to is what gets replaced.
    const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    const QString folder = QFileInfo(target).absolutePath();

    // Written with the system's own calls, so the cause of a failure is read
    // where it happened: a full disk or a locked folder says so.
    QByteArray temporary;
    const int fd = createTemporaryBeside(target, temporary);
    if (fd < 0)
        return Status::failure(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, failureCause(errno, folder)));
    struct stat existing {};
    bool done = writeAll(fd, bytes);
    if (done && ::stat(QFile::encodeName(target).constData(), &existing) == 0)
        done = ::fchmod(fd, existing.st_mode & 07777) == 0;
    // Some file systems report a full disk only when the data reaches it.
    if (done && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        done = false;
    int error = done ? 0 : errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        done = false;
        error = errno;
    }
    if (done)
        return Status::success();
    ::unlink(temporary.constData());
    return Status::failure(QStringLiteral("Cannot write file \"%1\". %2").arg(path, failureCause(error, folder)));
}

} // namespace tagloom
