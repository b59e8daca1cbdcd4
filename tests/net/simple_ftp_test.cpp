// The FTP session against a real FTP server on loopback.
#include "net/simple_ftp.h"
#include "common/ftp_test_server.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <tuple>
#include <vector>

using namespace tagloom;
using test::FtpTestServer;

namespace {

class SimpleFtpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FtpTestServer::available())
            GTEST_SKIP() << "pyftpdlib is not installed";
        ASSERT_TRUE(server.isRunning());
        configure(ftp, server);
    }

    void configure(TSimpleFTP &session, const FtpTestServer &on, const QString &scheme = QString())
    {
        session.HostName = scheme + QStringLiteral("127.0.0.1");
        session.Port = on.port();
        session.UserName = QStringLiteral("webmaster");
        session.Password = QStringLiteral("secret");
        session.ConnectTimeout = 3000;
        session.ConnectRetries = 1;
        session.LocalDir = local.path();
    }

    QByteArray localFile(const QString &name) const
    {
        QFile file(local.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeLocal(const QString &name, const QByteArray &bytes) const
    {
        QFile file(local.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::map<QString, TFTPFindData> listing()
    {
        std::map<QString, TFTPFindData> found;
        QObject::connect(&ftp, &TSimpleFTP::findItem, &ftp, [&](const TFTPFindData &e) { found[e.name] = e; });
        ftp.List();
        ftp.disconnect(&ftp, &TSimpleFTP::findItem, &ftp, nullptr);
        return found;
    }

    FtpTestServer server;
    QTemporaryDir local;
    TSimpleFTP ftp;
};

// Everything a signal sent, in order.
template <typename... Args>
struct Heard {
    template <typename Signal>
    Heard(TSimpleFTP &session, Signal signal)
    {
        QObject::connect(&session, signal, &session, [this](Args... args) { calls.push_back({args...}); });
    }
    std::vector<std::tuple<std::decay_t<Args>...>> calls;
};

TEST_F(SimpleFtpTest, ConnectsWithTheWelcomeTextAndListsSizesAndTypes)
{
    server.write("page.htm", QByteArray(1024, 'x'));
    server.write("empty.txt", QByteArray());
    QDir(server.root()).mkdir("pics");
    Heard<> connected(ftp, &TSimpleFTP::connected);
    Heard<int, const QString &> states(ftp, &TSimpleFTP::stateChanged);

    ASSERT_TRUE(ftp.Connect()) << ftp.lastError().toStdString();
    EXPECT_EQ(connected.calls.size(), 1u);
    EXPECT_TRUE(ftp.isConnected());
    EXPECT_TRUE(ftp.welcomeText().contains("Tagloom test server ready.")) << ftp.welcomeText().toStdString();
    EXPECT_EQ(ftp.GetCurrentDir(), "/");
    ASSERT_FALSE(states.calls.empty());
    EXPECT_EQ(std::get<1>(states.calls.back()), "Connected to 127.0.0.1");

    QStringList names;
    EXPECT_EQ(ftp.List(QString(), &names), 3);
    const auto found = listing();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found.at("page.htm").size, 1024);
    EXPECT_FALSE(found.at("page.htm").isDirectory);
    EXPECT_EQ(found.at("empty.txt").size, 0);
    EXPECT_TRUE(found.at("pics").isDirectory);
    EXPECT_TRUE(found.at("page.htm").lastWrite.isValid());
    EXPECT_EQ(found.count("."), 0u);

    Heard<> disconnected(ftp, &TSimpleFTP::disconnected);
    EXPECT_TRUE(ftp.Disconnect());
    EXPECT_EQ(disconnected.calls.size(), 1u);
    EXPECT_EQ(ftp.state(), TWinInetState::NoConnection);
}

TEST_F(SimpleFtpTest, AFolderGivenBeforeConnectingIsEnteredOnConnect)
{
    QDir(server.root()).mkpath("www/pics");
    server.write("www/index.htm", "home");
    EXPECT_TRUE(ftp.ChangeDir("www/")); // nothing is contacted yet
    EXPECT_EQ(ftp.RemoteDir(), "www/");
    ASSERT_TRUE(ftp.Connect());
    EXPECT_EQ(ftp.GetCurrentDir(), "/www/");
    EXPECT_EQ(listing().count("index.htm"), 1u);

    EXPECT_TRUE(ftp.ChangeDir("pics"));
    EXPECT_EQ(ftp.GetCurrentDir(), "/www/pics/");
    EXPECT_FALSE(ftp.ChangeDir("nowhere"));
    EXPECT_EQ(ftp.GetCurrentDir(), "/www/pics/");
    EXPECT_TRUE(ftp.ChangeDir(".."));
    EXPECT_EQ(ftp.GetCurrentDir(), "/www/");
    EXPECT_FALSE(ftp.ChangeDir("index.htm")); // a file is no folder
}

TEST_F(SimpleFtpTest, TransfersRenamesDeletesAndMakesFolders)
{
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += char(i * 7);
    writeLocal("photo.bin", bytes);
    ASSERT_TRUE(ftp.Connect());
    Heard<const TFTPProgressInfo &> progress(ftp, &TSimpleFTP::transferProgress);

    ASSERT_TRUE(ftp.Put("photo.bin")) << ftp.lastError().toStdString();
    EXPECT_EQ(server.read("photo.bin"), bytes);
    EXPECT_FALSE(QFile::exists(server.path("photo.bin.tlpart")));
    ASSERT_FALSE(progress.calls.empty());
    const TFTPProgressInfo last = std::get<0>(progress.calls.back());
    EXPECT_EQ(last.bytesDone, bytes.size());
    EXPECT_EQ(last.bytesTotal, bytes.size());
    EXPECT_EQ(last.fileName, "photo.bin");

    EXPECT_TRUE(ftp.Rename("photo.bin", "picture.bin"));
    EXPECT_FALSE(QFile::exists(server.path("photo.bin")));
    QFile::remove(local.filePath("photo.bin"));
    EXPECT_TRUE(ftp.Get("picture.bin"));
    EXPECT_EQ(localFile("picture.bin"), bytes);

    EXPECT_TRUE(ftp.MakeDir("new folder/"));
    EXPECT_TRUE(QFileInfo(server.path("new folder")).isDir());
    EXPECT_TRUE(ftp.RemoveDir("new folder/"));
    EXPECT_FALSE(QFileInfo::exists(server.path("new folder")));
    EXPECT_FALSE(ftp.RemoveDir("new folder"));

    EXPECT_TRUE(ftp.Delete("picture.bin"));
    EXPECT_FALSE(QFile::exists(server.path("picture.bin")));
    EXPECT_FALSE(ftp.Delete("picture.bin"));
    EXPECT_EQ(ftp.lastError(), "Error deleting picture.bin");
    EXPECT_FALSE(ftp.Put("absent.htm"));
    EXPECT_TRUE(ftp.lastError().endsWith(": local file not found"));
}

TEST_F(SimpleFtpTest, GetsAFileTheCurrentListingDoesNotShow)
{
    QDir(server.root()).mkpath("hidden/deep");
    server.write("hidden/deep/secret.htm", "found");
    ASSERT_TRUE(ftp.Connect());
    EXPECT_EQ(listing().count("secret.htm"), 0u);
    EXPECT_TRUE(ftp.Get("/hidden/deep/secret.htm"));
    EXPECT_EQ(localFile("secret.htm"), "found");
    EXPECT_FALSE(ftp.Get("missing.htm"));
    EXPECT_TRUE(ftp.lastError().endsWith("remote file not found")) << ftp.lastError().toStdString();
    EXPECT_FALSE(QFile::exists(local.filePath("missing.htm")));
}

TEST_F(SimpleFtpTest, GroupOperationsCoverTheWholeFolder)
{
    writeLocal("a.htm", "A");
    writeLocal("b.css", "B");
    QDir(local.path()).mkdir("sub"); // only files travel
    ASSERT_TRUE(ftp.Connect());
    EXPECT_EQ(ftp.PutGroup("*.*"), 2);
    EXPECT_EQ(server.read("a.htm"), "A");
    EXPECT_EQ(server.read("b.css"), "B");
    EXPECT_FALSE(QFileInfo::exists(server.path("sub")));

    QDir(server.root()).mkdir("folder");
    server.write("c.js", "C");
    QTemporaryDir other;
    ftp.LocalDir = other.path();
    // The folder cannot be fetched: a failure, and the loop goes on.
    EXPECT_EQ(ftp.GetGroup("*.*"), 3);
    for (const char *name : {"a.htm", "b.css", "c.js"})
        EXPECT_TRUE(QFile::exists(other.filePath(name))) << name;

    EXPECT_EQ(ftp.DeleteGroup("*.*"), 3);
    EXPECT_EQ(QDir(server.root()).entryList(QDir::Files).size(), 0);
    EXPECT_TRUE(QFileInfo(server.path("folder")).isDir());
}

TEST_F(SimpleFtpTest, TransferTypesChooseTheServersMode)
{
    writeLocal("page.htm", "a\r\nb\r\n");
    writeLocal("data.bin", "a\r\nb\r\n");
    ASSERT_TRUE(ftp.Connect());
    QStringList types;
    QObject::connect(&ftp, &TSimpleFTP::commandSent, &ftp, [&](const QString &command) {
        if (command.startsWith("TYPE") || command.startsWith("PASS"))
            types << command;
    });
    const struct {
        TFTPTransferType type;
        const char *file;
        const char *expected;
    } rows[] = {
        {TFTPTransferType::ttBinary, "page.htm", "TYPE I"},
        {TFTPTransferType::ttAscii, "data.bin", "TYPE A"},
        // Left to the session: text for a page, binary for anything else.
        {TFTPTransferType::ttUnknown, "data.bin", "TYPE I"},
        {TFTPTransferType::ttUnknown, "page.htm", "TYPE A"},
    };
    for (const auto &row : rows) {
        ftp.Disconnect(); // a fresh connection announces its type again
        ASSERT_TRUE(ftp.Connect());
        types.clear();
        ftp.TransferType = row.type;
        ASSERT_TRUE(ftp.Put(row.file));
        EXPECT_EQ(types, QStringList{row.expected}) << row.file;
        EXPECT_EQ(server.read(row.file), "a\r\nb\r\n");
    }
    // The password never shows in the command log.
    types.clear();
    ftp.Disconnect();
    ASSERT_TRUE(ftp.Connect());
    EXPECT_EQ(types, QStringList{"PASS ****"});
}

TEST_F(SimpleFtpTest, ConnectionFailuresGiveTheirTexts)
{
    ftp.Password = "wrong";
    Heard<const QString &> raised(ftp, &TSimpleFTP::errorRaised);
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(ftp.lastError(), "Bad password connecting to 127.0.0.1");
    EXPECT_EQ(ftp.state(), TWinInetState::NoConnection);
    EXPECT_TRUE(raised.calls.empty()); // silent by default

    ftp.SilentExceptions = false;
    EXPECT_FALSE(ftp.Get("x"));
    ASSERT_EQ(raised.calls.size(), 1u);
    EXPECT_EQ(std::get<0>(raised.calls[0]), "Not connected!");

    server.stop();
    ftp.Password = "secret";
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(ftp.lastError(), "Unable to connect to 127.0.0.1");
    EXPECT_EQ(std::get<0>(raised.calls.back()), "Unable to connect to 127.0.0.1");
}

TEST_F(SimpleFtpTest, OnLoginMayChangeTheLoginData)
{
    ftp.Password = "wrong";
    ftp.OnLogin = [](QString &user, QString &password) {
        EXPECT_EQ(user, "webmaster");
        password = "secret";
    };
    EXPECT_TRUE(ftp.Connect()) << ftp.lastError().toStdString();
    EXPECT_EQ(ftp.Password, "secret");
}

TEST_F(SimpleFtpTest, AnonymousUsersLogInWithoutAName)
{
    server.write("open.htm", "x");
    ftp.UserName.clear();
    ftp.Password.clear();
    ASSERT_TRUE(ftp.Connect()) << ftp.lastError().toStdString();
    EXPECT_EQ(listing().count("open.htm"), 1u);
    writeLocal("w.htm", "w");
    EXPECT_FALSE(ftp.Put("w.htm")); // anonymous may only read
    EXPECT_FALSE(QFile::exists(server.path("w.htm")));
}

TEST_F(SimpleFtpTest, FileSystemTypeStaysWhileConnected)
{
    ASSERT_TRUE(ftp.Connect());
    EXPECT_FALSE(ftp.setFileSystemType(TFTPFileSystemType::ftUnknown));
    EXPECT_EQ(ftp.lastError(), "Cannot change file system type when connected");
    ftp.Disconnect();
    EXPECT_TRUE(ftp.setFileSystemType(TFTPFileSystemType::ftUnknown));
}

// A transfer cut off half-way leaves no cut-off file under the real name.
TEST_F(SimpleFtpTest, ATransferCutOffLeavesNoTruncatedFile)
{
    const QByteArray big(48 * 1024 * 1024, 'z');
    writeLocal("big.bin", big);
    server.write("old.bin", "previous");
    ASSERT_TRUE(ftp.Connect());
    QObject::connect(&ftp, &TSimpleFTP::transferProgress, &ftp, [&](const TFTPProgressInfo &info) {
        if (info.bytesDone > 0)
            server.stop();
    });
    EXPECT_FALSE(ftp.Put("big.bin"));
    EXPECT_FALSE(QFile::exists(server.path("big.bin")));
    EXPECT_EQ(server.read("old.bin"), "previous");
}

TEST_F(SimpleFtpTest, ADownloadCutOffKeepsTheLocalFile)
{
    server.write("big.bin", QByteArray(48 * 1024 * 1024, 'z'));
    writeLocal("big.bin", "mine");
    ASSERT_TRUE(ftp.Connect());
    QObject::connect(&ftp, &TSimpleFTP::transferProgress, &ftp, [&](const TFTPProgressInfo &info) {
        if (info.bytesDone > 0)
            server.stop();
    });
    EXPECT_FALSE(ftp.Get("big.bin"));
    EXPECT_EQ(localFile("big.bin"), "mine");
}

// Explicit TLS through the same session, when the host says "ftps://". This
// server's TLS data connections fail with the pyOpenSSL at hand (for every
// client, curl's command-line tool too), so this covers login and commands
// on the encrypted control connection; secure_sessions_test moves files.
TEST_F(SimpleFtpTest, WorksOverExplicitTls)
{
    FtpTestServer secure(FtpTestServer::Security::Tls);
    ASSERT_TRUE(secure.isRunning());
    TSimpleFTP session;
    configure(session, secure, "ftps://");
    session.CaCertificates = secure.caFile();
    ASSERT_TRUE(session.Connect()) << session.lastError().toStdString();
    EXPECT_TRUE(session.welcomeText().contains("Tagloom test server ready."));
    EXPECT_TRUE(session.MakeDir("private"));
    EXPECT_TRUE(QFileInfo(secure.path("private")).isDir());
    EXPECT_TRUE(session.Rename("private", "kept"));
    EXPECT_TRUE(session.RemoveDir("kept"));
    EXPECT_FALSE(QFileInfo::exists(secure.path("kept")));

    // The server refuses a plain connection, and an untrusted certificate is refused.
    TSimpleFTP plain;
    configure(plain, secure);
    EXPECT_FALSE(plain.Connect());
    TSimpleFTP untrusting;
    configure(untrusting, secure, "ftps://");
    EXPECT_FALSE(untrusting.Connect());
}

} // namespace
