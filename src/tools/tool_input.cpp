#include "tools/tool_input.h"

#include "base/memory_budget.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tagloom {

namespace {

// Room kept for everything but the input's own work (messages, the
// libraries' small allocations).
constexpr qint64 kMargin = qint64(8) << 20;

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

// Standard input that is not a file: read in pieces up to what fits and
// the stated limit.
Result<QByteArray> readStream(const InputDemand &demand)
{
    const qint64 available = availableMemoryBytes();
    const qint64 most = std::min(kStandardInputLimit, mostThatFits(demand, available));
    QByteArray bytes;
    char piece[64 * 1024];
    while (true) {
        const ssize_t got = ::read(STDIN_FILENO, piece, sizeof piece);
        if (got == 0)
            return Result<QByteArray>::success(std::move(bytes));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Result<QByteArray>::failure(
                QStringLiteral("Cannot read standard input. %1").arg(qt_error_string(errno)));
        }
        if (bytes.size() + got > most) {
            if (most == kStandardInputLimit)
                return Result<QByteArray>::failure(
                    QStringLiteral("Standard input holds more than %1, the most read from it.")
                        .arg(sizeText(kStandardInputLimit)));
            return Result<QByteArray>::failure(
                tooLarge(QStringLiteral("Standard input"), bytes.size() + got, demand, available));
        }
        bytes.append(piece, got);
    }
}

} // namespace

QString sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes);
}

Result<QByteArray> readToolInput(const QString &path, const InputDemand &demand)
{
    const bool standardInput = path == QLatin1String("-");
    struct stat info {};
    const int statResult = standardInput ? ::fstat(STDIN_FILENO, &info) : ::stat(QFile::encodeName(path).constData(), &info);
    if (statResult != 0)
        return Result<QByteArray>::failure(cannotOpen(standardInput ? QStringLiteral("standard input") : path, errno));
    if (standardInput && !S_ISREG(info.st_mode))
        return readStream(demand);
    // A device or a pipe may never end; only files have a size to check.
    if (!S_ISREG(info.st_mode))
        return Result<QByteArray>::failure(
            QStringLiteral("\"%1\" is not a regular file; give - to read standard input.").arg(path));

    const qint64 size = qint64(info.st_size);
    const QString what = standardInput ? QStringLiteral("Standard input") : QStringLiteral("\"%1\"").arg(path);
    if (const qint64 available = availableMemoryBytes(); size > mostThatFits(demand, available))
        return Result<QByteArray>::failure(tooLarge(what, size, demand, available));

    QFile file;
    const bool opened = standardInput ? file.open(STDIN_FILENO, QIODevice::ReadOnly)
                                      : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    // Read what the file held when it was measured, even if it grows.
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const qint64 read = file.read(bytes.data() + got, size - got);
        if (read <= 0)
            break;
        got += read;
    }
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    bytes.truncate(got);
    return Result<QByteArray>::success(std::move(bytes));
}

} // namespace tagloom
