// Version words and IsNewer, the control file reader and the folder names
// that expanded values may hold.
#include "update/control_file.h"
#include "update/file_version.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

} // namespace

TEST(FileVersion, WordsAreSignedAndWrapAsThirtyTwoBits)
{
    EXPECT_EQ(makeVersion(5, 0, 1, 0).high, 5 * 65536);
    EXPECT_EQ(makeVersion(5, 0, 1, 0).low, 65536);
    // 32768*65536 does not fit a signed word: it turns negative.
    EXPECT_LT(makeVersion(32768, 0, 0, 0).high, 0);
    EXPECT_FALSE(parseVersion(QStringLiteral("5,0")));
    EXPECT_FALSE(parseVersion(QStringLiteral("5,0,x,1")));
    EXPECT_TRUE(parseVersion(QStringLiteral("5,0,1,0,7")));
}

TEST(FileVersion, IsNewerAgainstFilesOnDisk)
{
    QTemporaryDir dir;
    // Markers as our executables carry them, among other bytes; the first
    // marker is broken and must not hide the second.
    const QString v5009 = writeFile(dir, "a.bin",
                                    QByteArray(5000, 'x') + QByteArray("TAGLOOM-FILEVERSION:", 20) + "zz" +
                                        QByteArray(1, '\0') + "TAGLOOM-FILEVERSION:5.0.0.9" + QByteArray(1, '\0'));
    const QString bare = writeFile(dir, "b.bin", "no version here");
    const QString missing = dir.filePath(QStringLiteral("absent.exe"));
    const QString own = QCoreApplication::applicationFilePath();

    const struct {
        const char *name;
        QString newVersion;
        QString local;
        bool newer;
    } rows[] = {
        {"third part before fourth", "5,0,1,0", v5009, true},
        {"same version", "5,0,0,9", v5009, false},
        {"older", "5,0,0,8", v5009, false},
        {"high word decides", "4,9,9,9", v5009, false},
        {"two parts invalid", "5,0", v5009, false},
        {"invalid even against no version", "5,0", bare, false},
        {"empty new version", "", v5009, true},
        {"empty local version", "1,0,0,0", "", true},
        {"file without version is -1,-1", "0,0,0,0", bare, true},
        {"missing file is -1,-1", "0,0,0,0", missing, true},
        {"-1,-1 against -1,-1 is not newer", "65535,65535,65535,65535", bare, false},
        {"own executable is 5.0.0.0", "5,0,0,0", own, false},
        {"own executable older than 5.0.0.1", "5,0,0,1", own, true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(isNewer(row.newVersion, row.local, own), row.newer) << row.name;
}

TEST(ControlFile, SectionsAndKeysIgnoreCaseAndValuesStayAsWritten)
{
    const ControlFile file = ControlFile::fromBytes(
        "key=outside\r\n[Update]\r\nNewVersion = 5,0,1,0\r\n; a remark\r\ndate=02/01/1980\r"
        "date=31/12/1979\n[file1]\nurl=http://127.0.0.1/a=b.ex_\ncompressed=one\n[files]\ncount=3");
    EXPECT_EQ(file.value(QStringLiteral("update"), QStringLiteral("newversion")), QStringLiteral("5,0,1,0"));
    EXPECT_EQ(file.value(QStringLiteral("UPDATE"), QStringLiteral("date")), QStringLiteral("02/01/1980"));
    EXPECT_EQ(file.value(QStringLiteral("file1"), QStringLiteral("url")), QStringLiteral("http://127.0.0.1/a=b.ex_"));
    EXPECT_EQ(file.number(QStringLiteral("file1"), QStringLiteral("compressed"), 7), 7);
    EXPECT_EQ(file.number(QStringLiteral("files"), QStringLiteral("count")), 3);
    EXPECT_FALSE(file.contains(QString(), QStringLiteral("key")));
    EXPECT_FALSE(file.contains(QStringLiteral("update"), QStringLiteral("localversion")));
}

TEST(ControlFile, FolderNamesAreExpanded)
{
    const ExpansionFolders folders{QStringLiteral("/usr/"), QStringLiteral("/"), QStringLiteral("/tmp/x")};
    const struct {
        const char *in;
        const char *out;
    } rows[] = {
        {"{WIN}/bin", "/usr/bin"},
        {"{app}/tagloom", "/./tagloom"},
        {"{Tmp}/{TMP}", "/tmp/x//tmp/x"},
        {"{HOME}/{tmp", "{HOME}/{tmp"},
        {"plain", "plain"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(expandFolders(QString::fromLatin1(row.in), folders), QString::fromLatin1(row.out)) << row.in;
}
