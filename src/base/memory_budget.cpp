#include "base/memory_budget.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <limits>
#include <sys/resource.h>

namespace tagloom {

namespace {

constexpr qint64 kUnlimited = std::numeric_limits<qint64>::max();

QByteArray readSmallFile(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The number after `field` in a "Name:   value kB" file such as
// /proc/meminfo, in bytes; -1 when it is not there.
qint64 kilobyteField(const QByteArray &text, const char *field)
{
    const qsizetype at = text.indexOf(field);
    if (at < 0)
        return -1;
    const qsizetype start = at + qsizetype(qstrlen(field));
    const qsizetype end = text.indexOf('\n', start);
    bool ok = false;
    const qint64 kilobytes = text.mid(start, end - start).trimmed().split(' ').first().toLongLong(&ok);
    return ok ? kilobytes * 1024 : -1;
}

// A control group's limit less its use; kUnlimited without a limit.
qint64 groupRoom(const char *limitPath, const char *usagePath)
{
    bool limited = false;
    bool used = false;
    const qint64 limit = readSmallFile(limitPath).trimmed().toLongLong(&limited);
    const qint64 usage = readSmallFile(usagePath).trimmed().toLongLong(&used);
    if (!limited || !used || limit >= (qint64(1) << 60))
        return kUnlimited;
    return limit - usage;
}

// The room under a resource limit of this process, given how much of it the
// process holds (a field of /proc/self/status).
qint64 limitRoom(int resource, const QByteArray &status, const char *heldField)
{
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kUnlimited;
    return qint64(limit.rlim_cur) - std::max<qint64>(0, kilobyteField(status, heldField));
}

} // namespace

qint64 availableMemoryBytes()
{
    const QByteArray status = readSmallFile("/proc/self/status");
    qint64 room = std::min(limitRoom(RLIMIT_AS, status, "VmSize:"), limitRoom(RLIMIT_DATA, status, "VmData:"));
    if (const qint64 system = kilobyteField(readSmallFile("/proc/meminfo"), "MemAvailable:"); system >= 0)
        room = std::min(room, system);
    room = std::min(room, groupRoom("/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory.current"));
    room = std::min(room, groupRoom("/sys/fs/cgroup/memory/memory.limit_in_bytes",
                                    "/sys/fs/cgroup/memory/memory.usage_in_bytes"));
    return room;
}

} // namespace tagloom
