// The per-user data folder of an installed copy.
#include "base/data_folder.h"
#include "common/temp_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tagloom;

namespace {

// An installed program folder: executables, a library, writable lists and
// the folders only read.
struct Installation {
    Installation()
    {
        test::writeBytes(path("Extensions/recent.tlx"), "installed recent");
        test::writeBytes(path("Extensions/Attr/A.tlx"), "href");
        test::writeBytes(path("default.htm"), "<html>");
        test::writeBytes(path("Help/index.htm"), "help");
        test::writeBytes(path("Reference/quenby.html"), "reference");
        test::writeBytes(path("Supplies/Templates/page.htm"), "template");
        test::writeBytes(path("tagloom"), "program");
        QFile::setPermissions(path("tagloom"), QFile::permissions(path("tagloom")) | QFile::ExeOwner);
        test::writeBytes(path("libtagloom_pageengine.so"), "library");
    }
    QString path(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }
    QTemporaryDir dir;
};

TEST(UserDataFolder, CopiesWritableFilesOnceAndLinksTheReadOnlyFolders)
{
    Installation installed;
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/Quenby/Tagloom");
    ASSERT_TRUE(prepareUserDataFolder(installed.dir.path(), user));

    EXPECT_EQ(test::readBytes(user + "/Extensions/recent.tlx"), "installed recent");
    EXPECT_EQ(test::readBytes(user + "/Extensions/Attr/A.tlx"), "href");
    EXPECT_EQ(test::readBytes(user + "/default.htm"), "<html>");
    for (const QString &folder : readOnlyDataFolders()) {
        const QFileInfo link(user + QLatin1Char('/') + folder);
        EXPECT_TRUE(link.isSymLink()) << folder.toStdString();
        EXPECT_EQ(link.symLinkTarget(), installed.path(folder));
    }
    EXPECT_EQ(test::readBytes(user + "/Supplies/Templates/page.htm"), "template");
    EXPECT_FALSE(QFileInfo::exists(user + "/tagloom"));
    EXPECT_FALSE(QFileInfo::exists(user + "/libtagloom_pageengine.so"));

    // What the user changed stays; what a newer installation added arrives.
    test::writeBytes(user + "/Extensions/recent.tlx", "the user's recent");
    test::writeBytes(installed.path("Extensions/new.tlx"), "new list");
    QFile::remove(user + "/Help");
    QDir().mkpath(user + "/Help"); // a folder of the user's own in a link's place
    ASSERT_TRUE(prepareUserDataFolder(installed.dir.path(), user));
    EXPECT_EQ(test::readBytes(user + "/Extensions/recent.tlx"), "the user's recent");
    EXPECT_EQ(test::readBytes(user + "/Extensions/new.tlx"), "new list");
    EXPECT_FALSE(QFileInfo(user + "/Help").isSymLink());
}

TEST(UserDataFolder, IsAlwaysChosenForAnInstallation)
{
    // An installed copy keeps the users' data apart, root's too.
    Installation installed;
    test::writeBytes(installed.path(".tagloom-installed"), "");
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/data");
    EXPECT_EQ(chooseDataFolder(installed.dir.path(), user), user);
    EXPECT_EQ(test::readBytes(user + "/Extensions/recent.tlx"), "installed recent");
    EXPECT_FALSE(QFileInfo::exists(user + "/.tagloom-installed"));
}

TEST(UserDataFolder, IsChosenOnlyWhenTheProgramFolderCannotBeWritten)
{
    Installation installed;
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/data");
    EXPECT_EQ(chooseDataFolder(installed.dir.path(), user), installed.dir.path());
    EXPECT_FALSE(QFileInfo::exists(user));
    if (geteuid() == 0)
        GTEST_SKIP() << "as root every folder can be written";
    QFile::setPermissions(installed.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(chooseDataFolder(installed.dir.path(), user), user);
    EXPECT_EQ(test::readBytes(user + "/Extensions/recent.tlx"), "installed recent");
    QFile::setPermissions(installed.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
