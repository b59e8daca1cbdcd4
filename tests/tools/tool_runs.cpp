#include "tool_runs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

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

qint64 peakMemoryOfRun(const QStringList &arguments)
{
    const QString time = QStringLiteral("/usr/bin/time");
    QTemporaryDir folder;
    if (!QFile::exists(time) || !folder.isValid())
        return -1;
    const QString report = folder.filePath(QStringLiteral("peak"));
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(time, QStringList{QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), report,
                                    QCoreApplication::applicationDirPath() + QStringLiteral("/tagloom-tools")} +
                            arguments);
    process.waitForFinished(60000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1)
        return -1;
    QFile file(report);
    bool ok = false;
    const qint64 kilobytes = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().split('\n').last().toLongLong(&ok) : 0;
    return ok ? kilobytes * 1024 : -1;
}

} // namespace tagloom::test
