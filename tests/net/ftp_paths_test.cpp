#include "net/ftp_listing_time.h"
#include "net/sftp_listing.h"
#include "net/ftp_paths.h"
#include "net/simple_ftp.h"

#include <gtest/gtest.h>

using namespace tagloom;

TEST(FtpPathsTest, JoinsAndSplitsByTheSessionRules)
{
    EXPECT_EQ(remoteJoin("/site", TFTPFileSystemType::ftUnix), "/site/");
    EXPECT_EQ(remoteJoin("/site/", TFTPFileSystemType::ftUnix), "/site/");
    EXPECT_EQ(remoteJoin("/site", TFTPFileSystemType::ftUnknown) + "a.htm", "/sitea.htm");
    EXPECT_EQ(localJoin("/home/me"), "/home/me/");
    EXPECT_EQ(localJoin("/"), "/");
    EXPECT_EQ(stripTrailingSeparator("pics/"), "pics");
    EXPECT_EQ(stripTrailingSeparator("pics\\"), "pics");
    EXPECT_EQ(stripTrailingSeparator("/"), "/");
    EXPECT_EQ(stripTrailingSeparator("a//"), "a/");

    const RemoteParts path = splitRemoteName("/www/pics/a.gif");
    EXPECT_EQ(path.folder, "/www/pics/");
    EXPECT_EQ(path.name, "a.gif");
    const RemoteParts bare = splitRemoteName("a.gif");
    EXPECT_TRUE(bare.folder.isEmpty());
    EXPECT_EQ(bare.name, "a.gif");

    EXPECT_EQ(localPath("/site", "index.htm"), "/site/index.htm");
    EXPECT_EQ(localPath("/site", "/other/index.htm"), "/other/index.htm");
}

TEST(FtpPathsTest, ResolvesFoldersFromTheCurrentOne)
{
    const struct {
        const char *current, *given, *expected;
    } rows[] = {
        {"/", "www", "/www/"},         {"/www/", "pics", "/www/pics/"}, {"/www/pics/", "..", "/www/"},
        {"/", "..", "/"},              {"/www/", "/etc/x", "/etc/x/"},  {"/www/", "./a/../b/", "/www/b/"},
        {"/www/", "", "/www/"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(resolveRemoteFolder(row.current, row.given), row.expected) << row.current << " + " << row.given;
}

TEST(FtpPathsTest, ReadsTheListingsTimeTexts)
{
    const QDate today(2026, 12, 9);
    EXPECT_EQ(listingTime("Dec  9 22:55", today), QDateTime(QDate(2026, 12, 9), QTime(22, 55)));
    // A month ahead of today with a time belongs to last year.
    EXPECT_EQ(listingTime("Dec 31 08:00", QDate(2026, 1, 2)), QDateTime(QDate(2025, 12, 31), QTime(8, 0)));
    EXPECT_EQ(listingTime("Jan  5  2024", today), QDateTime(QDate(2024, 1, 5), QTime(0, 0)));
    EXPECT_EQ(listingTime("12-09-26  10:55PM", today), QDateTime(QDate(2026, 12, 9), QTime(22, 55)));
    EXPECT_EQ(listingTime("01-02-99  12:05AM", today), QDateTime(QDate(1999, 1, 2), QTime(0, 5)));
    EXPECT_FALSE(listingTime("yesterday", today).isValid());
}

TEST(FtpPathsTest, ReadsSftpLongNames)
{
    const QDate today(2026, 12, 10);
    const auto file = sftpListingEntry("-rw-r--r--    1 web  web     70000 Dec  9 22:55 my page.htm", today);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, "my page.htm");
    EXPECT_EQ(file->size, 70000);
    EXPECT_FALSE(file->isDirectory);
    EXPECT_EQ(file->lastWrite, QDateTime(QDate(2026, 12, 9), QTime(22, 55)));
    const auto folder = sftpListingEntry("drwxr-xr-x    2 web  web      4096 Jan  5  2024 images", today);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->isDirectory);
    EXPECT_EQ(folder->size, 0);
    const auto link = sftpListingEntry("lrwxrwxrwx    1 web  web         9 Dec  1 10:00 www -> public_html", today);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->name, "www");
    EXPECT_FALSE(sftpListingEntry("drwxr-xr-x    4 web  web      4096 Dec 10 00:10 .", today));
    EXPECT_FALSE(sftpListingEntry("drwxr-xr-x    4 web  web      4096 Dec 10 00:10 ..", today));
    EXPECT_FALSE(sftpListingEntry("total 8", today));
}

TEST(FtpPathsTest, StateTextsAndProgressPercent)
{
    EXPECT_EQ(winInetStateText(0, "h"), "Disconnecting from h");
    EXPECT_EQ(winInetStateText(1, "h"), "No connection");
    EXPECT_EQ(winInetStateText(2, "h"), "Connecting to h");
    EXPECT_EQ(winInetStateText(3, "h"), "Connected to h");
    EXPECT_EQ(winInetStateText(4, "h"), "Resolving name h");
    EXPECT_EQ(winInetStateText(5, "h"), "Resolved name h");
    EXPECT_EQ(winInetStateText(9, "h"), "Unknown state!  Contact support ...");
    EXPECT_EQ(progressPercent({0, 0, 0, 0, {}}), 0);
    EXPECT_EQ(progressPercent({1, 3, 0, 0, {}}), 33);
    EXPECT_EQ(progressPercent({2, 3, 0, 0, {}}), 67);
    EXPECT_EQ(progressPercent({3, 3, 0, 0, {}}), 100);
}
