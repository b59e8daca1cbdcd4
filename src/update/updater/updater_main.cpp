// The updater: started by the program as it ends, with the program's process
// id, the program file to start again and the components (paths separated by
// ';'). It waits for that process to end, puts each component into the
// program's folder under its own name (expanding LZ compressed ones), and
// starts the program again.

#include "update/handover.h"
#include "update/szdd.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

// Read by the program's version check, as other files' version resources are.
__attribute__((used)) const char UpdaterVersion[] = "TAGLOOM-FILEVERSION:5.0.0.0";

// A process that has ended but whose parent has not collected it yet counts as ended.
bool isRunning(qint64 pid)
{
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && (line[close + 2] == 'Z' || line[close + 2] == 'X'))
            return false;
    }
    return true;
}

bool isLzCompressed(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(8) == QByteArray("SZDD\x88\xf0\x27\x33", 8);
}

// Copies `source` over `target` through a new file beside it, so that the
// target is either the old or the new file, never half of one.
bool putInPlace(const QString &source, const QString &target)
{
    const QString part = target + QStringLiteral(".upd-new");
    QFile::remove(part);
    if (!QFile::copy(source, part))
        return false;
    QFile::setPermissions(part, QFile::permissions(QFileInfo::exists(target) ? target : source));
    if (::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(part);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    (void)UpdaterVersion;
    const auto args = tagloom::parseUpdaterArguments(app.arguments().mid(1));
    if (!args) {
        std::fprintf(stderr, "usage: upd.exe <process id> \"<program>\" <component>[;<component>...]\n");
        return 2;
    }
    // The program ends at once after starting us; give it ample time.
    QDeadlineTimer deadline(120 * 1000);
    while (isRunning(args->processId)) {
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "upd.exe: process %lld did not end\n", args->processId);
            return 1;
        }
        QThread::msleep(50);
    }

    const QDir programFolder = QFileInfo(args->appName).absoluteDir();
    int failures = 0;
    for (QString component : args->components) {
        if (isLzCompressed(component)) {
            const auto expanded = tagloom::expandSzddInPlace(component);
            if (!expanded) {
                std::fprintf(stderr, "upd.exe: %s\n", qPrintable(expanded.error));
                ++failures;
                continue;
            }
            component = *expanded;
        }
        const QString target = programFolder.filePath(QFileInfo(component).fileName());
        if (QFileInfo(component).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
            continue;
        if (!putInPlace(component, target)) {
            std::fprintf(stderr, "upd.exe: cannot put %s in place\n", qPrintable(component));
            ++failures;
        }
    }
    if (!QProcess::startDetached(args->appName, {}, programFolder.absolutePath())) {
        std::fprintf(stderr, "upd.exe: cannot start %s\n", qPrintable(args->appName));
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
