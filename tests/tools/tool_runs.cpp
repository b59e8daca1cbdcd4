#include "tool_runs.h"

#include <QCoreApplication>

namespace tagloom::test {

ToolRun runTools(const QStringList &arguments, const ToolSetup &setup)
{
    QProcess process;
    if (setup.inChild)
        process.setChildProcessModifier(setup.inChild);
    if (!setup.standardOutputFile.isEmpty())
        process.setStandardOutputFile(setup.standardOutputFile);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tagloom-tools"), arguments);
    process.waitForStarted();
    process.write(setup.standardInput);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus(), process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

std::function<void()> addressSpaceLimit(rlim_t bytes)
{
    return [bytes] {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_AS, &limit);
    };
}

} // namespace tagloom::test
