#include "tools/tool_input.h"

#include "base/memory_budget.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tagloom {

namespace {

// Room kept for everything but the input's own work (messages, the
// libraries' small allocations).
constexpr qint64 kMargin = qint64(8) << 20;

// Blocks small enough to stay in the processor's cache while the work goes
// over them, large enough that a read costs little per byte.
constexpr qsizetype kBlockBytes = qsizetype(128) << 10;

QString cannotOpen(const QString &path, int error)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, qt_error_string(error));
}

QString tooLarge(const QString &what, qint64 size, const InputDemand &demand, qint64 available)
{
    return QStringLiteral("%1 is too large to %2: its %3 need about %4 of memory, and only %5 is available.")
        .arg(what, QLatin1String(demand.work), sizeText(size),
             sizeText(qint64(double(size) * demand.bytesPerByte)), sizeText(std::max<qint64>(0, available)));
}

// The most bytes of input that fit in `available` memory.
qint64 mostThatFits(const InputDemand &demand, qint64 available)
{
    return qint64(double(std::max<qint64>(0, available - kMargin)) / demand.bytesPerByte);
}

} // namespace

QString sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes);
}

ToolInput::ToolInput() = default;

ToolInput::~ToolInput()
{
    if (m_fd > STDERR_FILENO)
        ::close(m_fd);
}

Status ToolInput::open(const QString &path, const InputDemand &demand)
{
    const bool standardInput = path == QLatin1String("-");
    m_demand = demand;
    struct stat info {};
    const int statResult =
        standardInput ? ::fstat(STDIN_FILENO, &info) : ::stat(QFile::encodeName(path).constData(), &info);
    if (statResult != 0)
        return Status::failure(cannotOpen(standardInput ? QStringLiteral("standard input") : path, errno));
    if (standardInput && !S_ISREG(info.st_mode)) {
        // A stream has no size to check before it is read.
        m_fd = STDIN_FILENO;
        m_stream = true;
        m_available = availableMemoryBytes();
        m_most = std::min(kStandardInputLimit, mostThatFits(demand, m_available));
        return Status::success();
    }
    // A device or a pipe may never end; only files have a size to check.
    if (!S_ISREG(info.st_mode))
        return Status::failure(
            QStringLiteral("\"%1\" is not a regular file; give - to read standard input.").arg(path));
    m_size = qint64(info.st_size);
    const QString what = standardInput ? QStringLiteral("Standard input") : QStringLiteral("\"%1\"").arg(path);
    if (const qint64 available = availableMemoryBytes(); m_size > mostThatFits(demand, available))
        return Status::failure(tooLarge(what, m_size, demand, available));
    m_fd = standardInput ? STDIN_FILENO : ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return Status::failure(cannotOpen(path, errno));
    ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_path = path;
    return Status::success();
}

Result<QByteArrayView> ToolInput::next()
{
    if (!m_buffer)
        m_buffer.reset(new char[size_t(kBlockBytes)]);
    const Result<qsizetype> got = read(m_buffer.get(), kBlockBytes);
    if (!got)
        return Result<QByteArrayView>::failure(got.error);
    return Result<QByteArrayView>::success(QByteArrayView(m_buffer.get(), *got));
}

// Up to `room` bytes into `into`; 0 at the end. A file is read as far as
// its size when it was measured, even if it grows.
Result<qsizetype> ToolInput::read(char *into, qsizetype room)
{
    if (!m_stream)
        room = qsizetype(std::min<qint64>(room, m_size - m_read));
    while (room > 0) {
        const ssize_t got = ::read(m_fd, into, size_t(room));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Result<qsizetype>::failure(
                m_stream ? QStringLiteral("Cannot read standard input. %1").arg(qt_error_string(errno))
                         : QStringLiteral("Cannot read file \"%1\". %2").arg(m_path, qt_error_string(errno)));
        m_read += got;
        if (m_stream && m_read > m_most)
            return Result<qsizetype>::failure(streamTooLarge());
        return Result<qsizetype>::success(qsizetype(got));
    }
    return Result<qsizetype>::success(0);
}

QString ToolInput::streamTooLarge() const
{
    if (m_most == kStandardInputLimit)
        return QStringLiteral("Standard input holds more than %1, the most read from it.")
            .arg(sizeText(kStandardInputLimit));
    return tooLarge(QStringLiteral("Standard input"), m_read, m_demand, m_available);
}

Result<QByteArray> readToolInput(const QString &path, const InputDemand &demand)
{
    ToolInput input;
    if (const Status opened = input.open(path, demand); !opened)
        return Result<QByteArray>::failure(opened.error);
    QByteArray bytes;
    if (input.size() > 0)
        bytes.reserve(qsizetype(input.size()));
    while (true) {
        const Result<QByteArrayView> block = input.next();
        if (!block)
            return Result<QByteArray>::failure(block.error);
        if (block->isEmpty())
            return Result<QByteArray>::success(std::move(bytes));
        bytes.append(*block);
    }
}

} // namespace tagloom
