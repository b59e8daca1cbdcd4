#include "base/file_io.h"
#include "common/temp_data.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <optional>

using namespace tagloom;

namespace {

// A failed save says why, in the words of the cause, and leaves the folder
// as it was: the old file intact, no temporary file beside it.
TEST(FileIo, AFailedWriteNamesItsCauseAndLeavesTheFolderAsItWas)
{
    const QByteArray original = "<p>as it was</p>\r\n";
    const struct {
        const char *name;
        const char *target;     // relative to the folder
        bool existing;          // the target holds `original` before the save
        qint64 fileSizeLimit;   // 0: none
        const char *cause;      // "%1" stands for the target's folder
    } rows[] = {
        {"a full disk under an existing file", "/page.htm", true, 4096, "There is no space left on the device."},
        {"a full disk under a new file", "/new.htm", false, 4096, "There is no space left on the device."},
        {"a folder that does not exist", "/missing/page.htm", false, 0, "The folder \"%1\" does not exist."},
    };
    for (const auto &row : rows) {
        test::TempDataFolder folder(false);
        const QString path = folder.file(QLatin1String(row.target));
        if (row.existing)
            test::writeBytes(path, original);
        const QStringList before = test::folderEntries(folder.path());
        Status saved;
        {
            std::optional<test::FileSizeLimit> limit;
            if (row.fileSizeLimit > 0)
                limit.emplace(row.fileSizeLimit);
            saved = writeFileAtomically(path, QByteArray(64 * 1024, 'x'));
        }
        EXPECT_FALSE(saved) << row.name;
        const QString cause = QString::fromLatin1(row.cause).replace(QLatin1String("%1"), QFileInfo(path).absolutePath());
        EXPECT_TRUE(saved.error.startsWith(QStringLiteral("Cannot")) && saved.error.contains(path) &&
                    saved.error.endsWith(cause))
            << row.name << ": " << saved.error.toStdString();
        EXPECT_EQ(test::folderEntries(folder.path()), before) << row.name;
        if (row.existing) {
            EXPECT_EQ(test::readBytes(path), original) << row.name;
        }
    }
}

// The file is replaced, not rewritten in place, yet it keeps what the old one
// had: its permissions, and the link that led to it.
TEST(FileIo, AReplacedFileKeepsItsModeAndItsLink)
{
    test::TempDataFolder folder(false);
    const QString real = folder.file(QStringLiteral("/real.htm"));
    const QString link = folder.file(QStringLiteral("/link.htm"));
    test::writeBytes(real, "old");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(real, mode);
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(test::readBytes(real), QByteArray("new"));
    EXPECT_EQ(QFileInfo(real).permissions() & 0x7077, mode & 0x7077);
    EXPECT_EQ(test::folderEntries(folder.path()), (QStringList{QStringLiteral("link.htm"), QStringLiteral("real.htm")}));
}

// A file written piece by piece, past the stretches that are sent to the
// disk while the rest is written, replaces the old one only when committed;
// dropped before, it leaves the folder as it was.
TEST(FileIo, AFileWrittenInPiecesTakesItsPlaceOnlyWhenCommitted)
{
    QByteArray content;
    for (int i = 0; content.size() < 10 * 1024 * 1024; ++i)
        content += "<p>line " + QByteArray::number(i) + "</p>\r\n";
    for (const bool commit : {true, false}) {
        test::TempDataFolder folder(false);
        const QString path = folder.file(QStringLiteral("/page.htm"));
        test::writeBytes(path, "old");
        const QStringList before = test::folderEntries(folder.path());
        {
            AtomicFileWriter file(path);
            ASSERT_TRUE(file.open());
            for (qsizetype at = 0; at < content.size(); at += 65536)
                ASSERT_TRUE(file.write(QByteArrayView(content).sliced(at, std::min<qsizetype>(65536, content.size() - at))));
            if (commit) {
                ASSERT_TRUE(file.commit());
            }
        }
        EXPECT_EQ(test::readBytes(path), commit ? content : QByteArray("old")) << (commit ? "committed" : "dropped");
        EXPECT_EQ(test::folderEntries(folder.path()), before) << (commit ? "committed" : "dropped");
    }
}

} // namespace
