// The FTP session over FTPS (vsftpd) and SFTP (OpenSSH) on loopback: the
// same work a user publishing a site does, over the encrypted protocols.
#include "net/simple_ftp.h"
#include "common/ftps_test_server.h"
#include "common/ssh_test_server.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace tagloom;
using namespace tagloom::test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::map<QString, TFTPFindData> listing(TSimpleFTP &ftp)
{
    std::map<QString, TFTPFindData> found;
    QObject::connect(&ftp, &TSimpleFTP::findItem, &ftp, [&](const TFTPFindData &e) { found[e.name] = e; });
    ftp.List();
    ftp.disconnect(&ftp, &TSimpleFTP::findItem, &ftp, nullptr);
    return found;
}

// Connects, then in `folder` (a folder of `server`, given as the server
// names it): makes a folder, puts a file, lists, renames, gets it back,
// deletes and removes the folder, checking the server's disk at each step.
void publishRoundTrip(TSimpleFTP &ftp, const LoopbackServer &server, const QString &folder, const QString &onServer)
{
    QTemporaryDir local;
    ftp.LocalDir = local.path();
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += char(i * 7);
    QFile page(local.filePath("photo.bin"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(bytes);
    page.close();

    ASSERT_TRUE(ftp.Connect()) << ftp.lastError().toStdString();
    ASSERT_TRUE(ftp.ChangeDir(folder)) << ftp.lastError().toStdString();
    ASSERT_TRUE(ftp.MakeDir("pics")) << ftp.lastError().toStdString();
    EXPECT_TRUE(QFileInfo(server.path(onServer + "pics")).isDir());
    ASSERT_TRUE(ftp.Put("photo.bin")) << ftp.lastError().toStdString();
    EXPECT_EQ(server.read(onServer + "photo.bin"), bytes);
    EXPECT_FALSE(QFile::exists(server.path(onServer + "photo.bin.tlpart")));

    const auto found = listing(ftp);
    ASSERT_EQ(found.size(), 2u); // never "." or ".."
    EXPECT_EQ(found.at("photo.bin").size, bytes.size());
    EXPECT_FALSE(found.at("photo.bin").isDirectory);
    EXPECT_TRUE(found.at("photo.bin").lastWrite.isValid());
    EXPECT_TRUE(found.at("pics").isDirectory);

    EXPECT_TRUE(ftp.Rename("photo.bin", "picture.bin")) << ftp.lastError().toStdString();
    EXPECT_TRUE(ftp.Get("picture.bin")) << ftp.lastError().toStdString();
    EXPECT_EQ(readAll(local.filePath("picture.bin")), bytes);
    EXPECT_TRUE(ftp.Delete("picture.bin")) << ftp.lastError().toStdString();
    EXPECT_FALSE(QFile::exists(server.path(onServer + "picture.bin")));
    EXPECT_TRUE(ftp.RemoveDir("pics")) << ftp.lastError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(server.path(onServer + "pics")));
    EXPECT_TRUE(ftp.Disconnect());
}

TEST(FtpsSession, PublishesOverEncryptedControlAndDataConnections)
{
    if (!FtpsTestServer::available())
        GTEST_SKIP() << "vsftpd is not installed";
    FtpsTestServer server;
    ASSERT_TRUE(server.isRunning());
    TSimpleFTP ftp;
    ftp.HostName = "ftps://127.0.0.1";
    ftp.Port = server.port();
    ftp.CaCertificates = server.caFile();
    ftp.ConnectTimeout = 3000;
    publishRoundTrip(ftp, server, "pub", "pub/");
    EXPECT_TRUE(ftp.welcomeText().contains("Tagloom secure test server.")) << ftp.welcomeText().toStdString();
}

class SftpSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SshTestServer::available())
            GTEST_SKIP() << "OpenSSH's server is not installed";
        ASSERT_TRUE(server.isRunning());
        savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(server.clientHome()));
        ftp.HostName = "sftp://127.0.0.1";
        ftp.Port = server.port();
        ftp.UserName = SshTestServer::userName();
        ftp.ConnectTimeout = 3000;
        ftp.SilentExceptions = true;
    }
    void TearDown() override
    {
        if (!savedHome.isNull())
            qputenv("HOME", savedHome);
    }

    SshTestServer server;
    TSimpleFTP ftp;
    QByteArray savedHome;
};

TEST_F(SftpSession, PublishesWithTheUsersKeyAndRemembersTheHost)
{
    const QString knownHosts = server.clientHome() + "/.ssh/known_hosts";
    EXPECT_FALSE(QFile::exists(knownHosts));
    publishRoundTrip(ftp, server, server.root(), QString());
    // The host met for the first time is remembered, as ssh's "accept-new".
    const QByteArray known = readAll(knownHosts);
    EXPECT_TRUE(known.contains("127.0.0.1") && known.contains("ssh-ed25519")) << known.constData();
}

TEST_F(SftpSession, TextFilesKeepTheirLineEnds)
{
    QTemporaryDir local;
    ftp.LocalDir = local.path();
    ftp.TransferType = TFTPTransferType::ttAscii;
    QFile page(local.filePath("page.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<p>one</p>\n<p>two</p>\n");
    page.close();
    ASSERT_TRUE(ftp.Connect()) << ftp.lastError().toStdString();
    ASSERT_TRUE(ftp.ChangeDir(server.root()));
    ASSERT_TRUE(ftp.Put("page.htm")) << ftp.lastError().toStdString();
    EXPECT_EQ(server.read("page.htm"), "<p>one</p>\n<p>two</p>\n");
    QFile::remove(local.filePath("page.htm"));
    ASSERT_TRUE(ftp.Get("page.htm"));
    EXPECT_EQ(readAll(local.filePath("page.htm")), "<p>one</p>\n<p>two</p>\n");
}

TEST_F(SftpSession, RefusesAHostWhoseKeyChangedAndAUserWithoutAKey)
{
    ASSERT_TRUE(ftp.Connect()) << ftp.lastError().toStdString();
    ftp.Disconnect();
    ASSERT_TRUE(server.changeHostKey());
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(ftp.lastError(), "The host key of sftp://127.0.0.1 differs from the one known for it");
    EXPECT_FALSE(ftp.isConnected());

    QFile::remove(server.clientHome() + "/.ssh/known_hosts");
    QFile::remove(server.clientHome() + "/.ssh/id_ed25519");
    EXPECT_FALSE(ftp.Connect());
    EXPECT_FALSE(ftp.isConnected());
}

} // namespace
