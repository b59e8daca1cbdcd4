// The hand-over end to end: the real updater waits for a running program to
// end, puts the new component in place and starts the program again.
#include "update/handover.h"
#include "update/szdd.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

void writeFile(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool waitForFile(const QString &path, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!QFileInfo::exists(path) && !deadline.hasExpired())
        QThread::msleep(20);
    return QFileInfo::exists(path);
}

} // namespace

TEST(Updater, WaitsForTheProgramReplacesItsComponentAndStartsItAgain)
{
    QTemporaryDir program;
    QTemporaryDir temp;
    const QString app = program.filePath(QStringLiteral("fakeapp"));
    const QString started = program.filePath(QStringLiteral("started"));
    // The fake program: records that it ran, with the component it found.
    writeFile(app, "#!/bin/sh\ncat \"$(dirname \"$0\")/comp.txt\" > \"$(dirname \"$0\")/started\"\n", true);
    writeFile(program.filePath(QStringLiteral("comp.txt")), "old component");
    writeFile(temp.filePath(QStringLiteral("comp.tx_")), storeAsSzdd("new component", 't'));
    writeFile(temp.filePath(QStringLiteral("extra.dat")), "plain component");

    // The running program the updater waits for.
    QProcess running;
    running.start(QStringLiteral("sleep"), {QStringLiteral("1")});
    ASSERT_TRUE(running.waitForStarted());

    const QString line = updaterCommandLine(temp.path(), running.processId(), app,
                                            temp.filePath(QStringLiteral("comp.tx_")) + QLatin1Char(';') +
                                                temp.filePath(QStringLiteral("extra.dat")));
    QStringList parts = QProcess::splitCommand(line);
    parts.removeFirst(); // upd.exe: the built updater stands in for the written one
    QProcess updater;
    updater.start(QStringLiteral(TAGLOOM_UPDATER_PATH), parts);
    ASSERT_TRUE(updater.waitForStarted());

    // While the program runs, nothing is replaced.
    QThread::msleep(300);
    EXPECT_EQ(updater.state(), QProcess::Running);
    EXPECT_EQ(readFile(program.filePath(QStringLiteral("comp.txt"))), QByteArray("old component"));
    EXPECT_FALSE(QFileInfo::exists(started));

    ASSERT_TRUE(running.waitForFinished(5000));
    ASSERT_TRUE(updater.waitForFinished(10000));
    EXPECT_EQ(updater.exitCode(), 0) << updater.readAllStandardError().toStdString();
    EXPECT_EQ(readFile(program.filePath(QStringLiteral("extra.dat"))), QByteArray("plain component"));
    ASSERT_TRUE(waitForFile(started, 5000));
    QThread::msleep(100);
    EXPECT_EQ(readFile(started), QByteArray("new component"));
}

TEST(Updater, RefusesACommandLineWithoutProcessId)
{
    QProcess updater;
    updater.start(QStringLiteral(TAGLOOM_UPDATER_PATH), {QStringLiteral("none"), QStringLiteral("/bin/true")});
    ASSERT_TRUE(updater.waitForFinished(5000));
    EXPECT_NE(updater.exitCode(), 0);
}
