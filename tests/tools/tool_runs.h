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

} // namespace tagloom::test
