#include "base/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <memory>
#include <utility>

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

constexpr qint64 kWriteBehindBytes = qint64(4) << 20;

bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
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

// The new content of a file, written beside it and renamed over it. Where
// the file system allows, the file has no name until it is complete, so not
// even a crash part-way leaves a stray file. Each step gives 0 or an errno;
// whatever is left at the end is removed.
class Replacement {
public:
    Replacement(const QString &target, const QString &folder)
        : m_target(QFile::encodeName(target)), m_folder(QFile::encodeName(folder))
    {
    }
    Replacement(const Replacement &) = delete;
    Replacement &operator=(const Replacement &) = delete;
    ~Replacement()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlink(m_name.constData());
    }

    // New files are readable and writable as any other (the umask applies).
    int open()
    {
        m_fd = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return m_fd >= 0 ? 0 : errno;
        return nameFile([this](const QByteArray &name) {
            m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return m_fd >= 0;
        });
    }

    int append(QByteArrayView bytes)
    {
        if (!writeAll(m_fd, bytes))
            return errno;
        m_written += bytes.size();
        // Start writing each stretch to the disk while the next is being
        // made, so that little is left for the final sync to wait for. A
        // hint only: its failures are the sync's to report.
        if (m_written - m_started >= kWriteBehindBytes) {
            ::sync_file_range(m_fd, m_started, m_written - m_started, SYNC_FILE_RANGE_WRITE);
            m_started = m_written;
        }
        return 0;
    }

    // The file being replaced keeps its permissions.
    int finishWriting()
    {
        struct stat existing {};
        if (::stat(m_target.constData(), &existing) == 0 && ::fchmod(m_fd, existing.st_mode & 07777) != 0)
            return errno;
        // Some file systems report a full disk only when the data reaches it.
        if (::fdatasync(m_fd) != 0 && errno != EINVAL && errno != EROFS)
            return errno;
        return 0;
    }

    int commit()
    {
        if (m_name.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            if (const int error = nameFile([&self](const QByteArray &name) {
                    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
                }))
                return error;
        }
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0)
            return errno;
        if (::rename(m_name.constData(), m_target.constData()) != 0)
            return errno;
        m_name.clear();
        return 0;
    }

private:
    // Gives the file a free name beside the target through `create`.
    template <typename Create>
    int nameFile(Create create)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = m_target + ".tmp" + QByteArray::number(QRandomGenerator::global()->bounded(1000000));
            if (create(name)) {
                m_name = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    QByteArray m_target;
    QByteArray m_folder;
    QByteArray m_name; // the file's name beside the target, once it has one
    int m_fd = -1;
    qint64 m_written = 0;
    qint64 m_started = 0; // the bytes before this are on their way to the disk
};

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

class AtomicFileWriter::Impl {
public:
    explicit Impl(const QString &path) : m_path(path)
    {
        const QFileInfo info(path);
        m_readOnly = info.exists() && !info.isWritable();
        // A link stays a link: the file it points to is what gets replaced.
        const QString target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
        m_folder = QFileInfo(target).absolutePath();
        m_replacement = std::make_unique<Replacement>(target, m_folder);
    }

    Status open()
    {
        // Replacing by rename would succeed even on a read-only file; honour
        // the file's own protection instead.
        if (m_readOnly)
            return Status::failure(QStringLiteral("Cannot create file \"%1\". Access is denied.").arg(m_path));
        if (const int error = m_replacement->open())
            return Status::failure(
                QStringLiteral("Cannot create file \"%1\". %2").arg(m_path, failureCause(error, m_folder)));
        return Status::success();
    }

    bool write(QByteArrayView bytes)
    {
        if (m_error == 0 && !bytes.isEmpty())
            m_error = m_replacement->append(bytes);
        return m_error == 0;
    }

    Status commit()
    {
        if (m_error == 0)
            m_error = m_replacement->finishWriting();
        if (m_error == 0)
            m_error = m_replacement->commit();
        if (m_error != 0)
            return Status::failure(
                QStringLiteral("Cannot write file \"%1\". %2").arg(m_path, failureCause(m_error, m_folder)));
        return Status::success();
    }

private:
    QString m_path;
    QString m_folder;
    bool m_readOnly = false;
    int m_error = 0;
    std::unique_ptr<Replacement> m_replacement;
};

AtomicFileWriter::AtomicFileWriter(const QString &path) : m_impl(std::make_unique<Impl>(path)) {}
AtomicFileWriter::~AtomicFileWriter() = default;

Status AtomicFileWriter::open()
{
    return m_impl->open();
}

bool AtomicFileWriter::write(QByteArrayView bytes)
{
    return m_impl->write(bytes);
}

Status AtomicFileWriter::commit()
{
    return m_impl->commit();
}

Status writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Written with the system's own calls, so the cause of a failure is read
    // where it happened: a full disk or a locked folder says so.
    AtomicFileWriter file(path);
    if (const Status opened = file.open(); !opened)
        return opened;
    file.write(bytes);
    return file.commit();
}

} // namespace tagloom
