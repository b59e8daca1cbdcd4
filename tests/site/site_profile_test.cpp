#include "site/site_profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

SiteProfile sample()
{
    SiteProfile p;
    p.author = "Ann Smith";
    p.filesLocation = "/home/ann/site";
    p.ftpServer = "ftp.example.com";
    p.ftpServerPort = "2121";
    p.ftpUsername = "ann";
    p.ftpPassword = "s3cret";
    p.ftpDirectory = "/www";
    p.ftpServerTimeout = "5000";
    return p;
}

bool ownerOnly(const QString &path)
{
    const QFileDevice::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFileDevice::Permissions p = QFile::permissions(path);
    return (p & others) == 0 && (p & QFile::ReadOwner) && (p & QFile::WriteOwner);
}

} // namespace

TEST(SiteProfileTest, WritesFourExactLinesAndReadsThemBack)
{
    SiteProfile empty;
    EXPECT_EQ(profileFileBytes(empty), "<PROJECT OWNER=\"\" DIRECTORY=\"\">\r\n"
                                       "<FTPADMIN USERNAME=\"\" PASSWORD=\"\">\r\n"
                                       "<FTPSERVR SERVERPORT=\"\" SERVERADDR=\"\">\r\n"
                                       "<FTPFILES DIRECTORY=\"\" TIMEOUT=\"\">\r\n");
    QTemporaryDir dir;
    const QString path = dir.filePath("mysite.tlp");
    ASSERT_TRUE(writeProfileFile(path, sample()));
    const Result<SiteProfile> back = readProfileFile(path);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == sample());
    // It holds a password: nobody but its owner may read it, also after a rewrite.
    EXPECT_TRUE(ownerOnly(path));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther | QFile::ReadGroup);
    ASSERT_TRUE(writeProfileFile(path, empty));
    EXPECT_TRUE(ownerOnly(path));
    EXPECT_FALSE(readProfileFile(dir.filePath("absent.tlp")));
}

TEST(SiteProfileTest, ReadsHandWrittenProfilesLeniently)
{
    SiteProfile p;
    p.author = "kept";
    p.ftpServer = "old";
    readProfileInto("text <ftpservr serveraddr=\"x\" color=red>\n<Other a=\"1\"><FTPSERVR SERVERADDR=y><FTPFILES\n"
                    "TIMEOUT=\"9\">",
                    p);
    EXPECT_EQ(p.ftpServer, "y"); // the later tag wins
    EXPECT_EQ(p.author, "kept"); // no tag for it
    // A tag spanning lines is joined without a space: FTPFILESTIMEOUT is no tag of ours.
    EXPECT_TRUE(p.ftpServerTimeout.isEmpty());
}

TEST(SiteProfileTest, QuotesAndClosingBracketsInValuesTruncate)
{
    SiteProfile written = sample();
    written.author = "a>b";
    SiteProfile read;
    readProfileInto(profileFileBytes(written), read);
    EXPECT_EQ(read.author, "\"a"); // the tag ended at ">", before the closing quote
    EXPECT_TRUE(read.filesLocation.isEmpty());
    EXPECT_EQ(read.ftpServer, "ftp.example.com"); // other lines are unharmed

    written = sample();
    written.ftpUsername = "5\" user";
    read = SiteProfile();
    readProfileInto(profileFileBytes(written), read);
    EXPECT_EQ(read.ftpUsername, "5");
    EXPECT_TRUE(read.ftpPassword.isEmpty()); // swallowed by the stray quote
}

TEST(SiteProfileTest, HandsOnAConnectionWithDefaultsWarningsAndRefusals)
{
    SiteProfile p = sample();
    SiteConnectionResult r = connectionFromProfile(p);
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_TRUE(r.warnings.isEmpty());
    EXPECT_EQ(r.connection.port, 2121);
    EXPECT_EQ(r.connection.timeoutMs, 5000);
    EXPECT_EQ(r.connection.remoteDir, "/www");
    EXPECT_EQ(r.connection.localDir, "/home/ann/site");

    p.ftpUsername.clear();
    p.ftpPassword.clear();
    p.ftpServerPort.clear();
    p.ftpServerTimeout.clear();
    r = connectionFromProfile(p);
    EXPECT_EQ(r.warnings, (QStringList{"You did not give a username.\nUsing anonymous instead.",
                                       "You did not give a password.\nUsing anonymous instead."}));
    EXPECT_EQ(r.connection.userName, "anonymous");
    EXPECT_EQ(r.connection.password, AnonymousPassword);
    EXPECT_EQ(r.connection.port, 21);
    EXPECT_EQ(r.connection.timeoutMs, 30000);

    p.ftpServer.clear();
    EXPECT_EQ(connectionFromProfile(p).error, "You must specify an FTP server.");

    const struct {
        const char *port, *timeout;
    } refused[] = {{"21x", ""}, {"-1", ""}, {"70000", ""}, {"0", ""}, {"", "3.5"}, {"", "lots"}, {"", "-5"}};
    for (const auto &row : refused) {
        p = sample();
        p.ftpServerPort = row.port;
        p.ftpServerTimeout = row.timeout;
        EXPECT_FALSE(connectionFromProfile(p).error.isEmpty()) << row.port << "/" << row.timeout;
    }
}

TEST(SiteProfileTest, TheProjectsFolderIsMadeWhenMissing)
{
    QTemporaryDir dir;
    const Result<QString> folder = profilesFolder(dir.path());
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, dir.path() + "/Projects");
    EXPECT_TRUE(QFileInfo(*folder).isDir());
}
