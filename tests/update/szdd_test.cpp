// LZ ("SZDD") files written by us and expanded by libmspack.
#include "update/handover.h"
#include "update/szdd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(Szdd, ExpandsUnderTheHeadersNameAndRemovesTheCompressedFile)
{
    QTemporaryDir dir;
    QByteArray data;
    for (int i = 0; i < 10007; ++i)
        data += char(i * 31 % 251);
    const QString packed = dir.filePath(QStringLiteral("tool.ex_"));
    writeBytes(packed, storeAsSzdd(data, 'e'));
    writeBytes(dir.filePath(QStringLiteral("tool.exe")), "old");

    const auto expanded = expandSzddInPlace(packed);
    ASSERT_TRUE(expanded) << expanded.error.toStdString();
    EXPECT_EQ(*expanded, dir.filePath(QStringLiteral("tool.exe")));
    EXPECT_EQ(readBytes(*expanded), data);
    EXPECT_FALSE(QFileInfo::exists(packed));
}

TEST(Szdd, ABrokenFileReplacesNothing)
{
    QTemporaryDir dir;
    const QString packed = dir.filePath(QStringLiteral("page.ht_"));
    writeBytes(packed, "not compressed at all");
    writeBytes(dir.filePath(QStringLiteral("page.htm")), "kept");
    EXPECT_FALSE(expandSzddInPlace(packed));
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("page.htm"))), QByteArray("kept"));
    EXPECT_TRUE(QFileInfo::exists(packed));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(Szdd, ExpandedNames)
{
    EXPECT_EQ(expandedSzddName(QStringLiteral("a.dl_"), 'l'), QStringLiteral("a.dll"));
    EXPECT_EQ(expandedSzddName(QStringLiteral("a.dl_"), '\0'), QStringLiteral("a.dl"));
    // A separator in the header never makes a path of the name.
    EXPECT_EQ(expandedSzddName(QStringLiteral("a.dl_"), '/'), QStringLiteral("a.dl"));
    EXPECT_EQ(expandedSzddName(QStringLiteral("readme"), 'x'), QStringLiteral("readme.out"));
}

TEST(Handover, WritesTheCarriedUpdaterAndBuildsItsCommandLine)
{
    QTemporaryDir dir;
    const QString resource = dir.filePath(QStringLiteral("UPD"));
    writeBytes(resource, storeAsSzdd("#!/bin/sh\nexit 0\n", 'e'));
    const auto updater = writeUpdater(dir.path(), resource);
    ASSERT_TRUE(updater) << updater.error.toStdString();
    EXPECT_EQ(QFileInfo(*updater).fileName(), QStringLiteral("upd.exe"));
    EXPECT_TRUE(QFileInfo(*updater).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("upd.ex_"))));

    EXPECT_EQ(updaterCommandLine(QStringLiteral("/tmp"), 4242, QStringLiteral("/opt/t loom/tagloom"),
                                 QStringLiteral("/tmp/a;/tmp/b c")),
              QStringLiteral("/tmp/upd.exe 4242 \"/opt/t loom/tagloom\" /tmp/a;/tmp/b c"));
    const auto args = parseUpdaterArguments(
        QProcess::splitCommand(QStringLiteral("4242 \"/opt/t loom/tagloom\" /tmp/a;/tmp/b c")));
    ASSERT_TRUE(args);
    EXPECT_EQ(args->processId, 4242);
    EXPECT_EQ(args->appName, QStringLiteral("/opt/t loom/tagloom"));
    EXPECT_EQ(args->components, (QStringList{QStringLiteral("/tmp/a"), QStringLiteral("/tmp/b c")}));
    EXPECT_FALSE(parseUpdaterArguments({QStringLiteral("x"), QStringLiteral("/a")}));
}
