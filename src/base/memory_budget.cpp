#include "base/memory_budget.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <limits>
#include <sys/resource.h>

namespace tagloom {

namespace {

// A "Name:   1234 kB" line of a /proc file, in bytes; -1 when absent.
qint64 procKilobytes(const char *file, const QByteArray &name)
{
    QFile f{QString::fromLatin1(file)};
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith(name))
            continue;
        bool ok = false;
        const qint64 kb = line.mid(name.size()).trimmed().split(' ').value(0).toLongLong(&ok);
        return ok ? kb * 1024 : -1;
    }
    return -1;
}

} // namespace

qint64 availableMemoryBytes()
{
    qint64 available = std::numeric_limits<qint64>::max();
    if (const qint64 system = procKilobytes("/proc/meminfo", "MemAvailable:"); system >= 0)
        available = system;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        const qint64 used = std::max<qint64>(procKilobytes("/proc/self/status", "VmSize:"), 0);
        available = std::min(available, std::max<qint64>(qint64(limit.rlim_cur) - used, 0));
    }
    return available;
}

} // namespace tagloom
