#pragma once
// tagloom-tools run as a program, as scripts run it.

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <sys/resource.h>

namespace tagloom::test {

struct ToolRun {
    QProcess::ExitStatus exitStatus;
    int status;
    QByteArray out;
    QByteArray err;
};

struct ToolSetup {
    std::function<void()> inChild; // after fork, before exec: async-signal-safe calls only
    QString standardOutputFile;    // instead of a pipe
    QByteArray standardInput;
};

ToolRun runTools(const QStringList &arguments, const ToolSetup &setup = {});

// For ToolSetup::inChild: the child may map at most `bytes`, as under ulimit -v.
std::function<void()> addressSpaceLimit(rlim_t bytes);

// The peak resident memory of one run in bytes, as /usr/bin/time reports it,
// or -1 when it could not be measured or the run did not end with status 0
// or 1. (A child started from the test itself would count the test's own
// memory in its peak.)
qint64 peakMemoryOfRun(const QStringList &arguments);

} // namespace tagloom::test
