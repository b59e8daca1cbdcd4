// RunUpdate against a real HTTP server on loopback: the status texts in
// order, the checks, the actions, the selection and the downloads.
#include "update/loopback_http_server.h"
#include "update/szdd.h"
#include "update/update_download.h"
#include "update/web_update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <deque>
#include <memory>

using namespace tagloom;
using tagloom::test::LoopbackHttpServer;

namespace {

struct Shown {
    QString text;
    UpdateStatusKind kind;
};

class RecordingHost : public UpdateHost {
public:
    QList<Shown> statuses;
    QStringList events; // messages, questions, commands, in order
    std::deque<bool> answers;  // Yes/No, Yes when empty
    std::optional<QVector<bool>> selection; // empty: keep every entry ticked
    QStringList offered;
    qint64 lastSize = 0, lastReceived = 0;
    int progressReports = 0;

    void status(const QString &text, UpdateStatusKind kind) override { statuses.append({text, kind}); }
    void fileProgress(const QString &, qint64 size, qint64 received) override
    {
        lastSize = size;
        lastReceived = received;
        ++progressReports;
    }
    QVector<bool> chooseFiles(const QStringList &descriptions) override
    {
        offered = descriptions;
        return selection ? *selection : QVector<bool>(descriptions.size(), true);
    }
    void showMessage(const QString &text) override { events << QStringLiteral("msg:") + text; }
    void showHtmlPage(const QString &, const QString &localFile) override
    {
        QFile file(localFile);
        file.open(QIODevice::ReadOnly);
        events << QStringLiteral("page:") + QString::fromLatin1(file.readAll());
    }
    bool askYesNo(const QString &question) override
    {
        events << QStringLiteral("ask:") + question;
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void runCommand(const QString &line) override { events << QStringLiteral("run:") + line; }
    void openInBrowser(const QString &address) override { events << QStringLiteral("show:") + address; }

    QStringList texts() const
    {
        QStringList all;
        for (const Shown &s : statuses)
            all << s.text;
        return all;
    }
    bool has(const QString &text, UpdateStatusKind kind) const
    {
        for (const Shown &s : statuses) {
            if (s.text == text && s.kind == kind)
                return true;
        }
        return false;
    }
};

class WebUpdateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_server = std::make_unique<LoopbackHttpServer>(); }
    static void TearDownTestSuite() { s_server.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(s_server->isUp());
        s_server->remove(QStringLiteral("tagloom501.inf"));
    }

    UpdateOutcome run(const QByteArray &control)
    {
        s_server->put(QStringLiteral("tagloom501.inf"), control);
        return run();
    }
    UpdateOutcome run()
    {
        UpdateSetup setup;
        setup.controlFileAddress = controlFileAddress(s_server->server());
        setup.tempFolder = m_temp.path();
        setup.folders = {QStringLiteral("/usr"), m_app.path(), m_temp.path()};
        return runUpdate(setup, host);
    }
    QString target(const char *name) const { return m_app.filePath(QString::fromLatin1(name)); }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A control file offering two files into the {APP} folder.
    static QByteArray twoFiles(const QByteArray &extra = {})
    {
        return "[update]\nnewversion=5,0,1,0\nlocalversion=\n" + extra +
               "[files]\ncount=2\n"
               "[file1]\ndescr=Main page\nurl=" + s_server->url(QStringLiteral("/index.htm")).toLatin1() +
               "\ntargetdir={APP}/site\n"
               "[file2]\ndescr=Packed tool\nurl=" + s_server->url(QStringLiteral("/tool.ex_")).toLatin1() +
               "\ntargetdir={APP}\ncompressed=1\n";
    }

    static std::unique_ptr<LoopbackHttpServer> s_server;
    QTemporaryDir m_temp;
    QTemporaryDir m_app;
    RecordingHost host;
};

std::unique_ptr<LoopbackHttpServer> WebUpdateTest::s_server;

} // namespace

TEST_F(WebUpdateTest, DateBasedCheck)
{
    run("[update]\ndate=31/12/1979\n");
    EXPECT_TRUE(host.has(QStringLiteral("Date based update found"), UpdateStatusKind::Information));
    EXPECT_TRUE(host.has(QStringLiteral("No new version found"), UpdateStatusKind::NoNewVersion));

    host = RecordingHost();
    run("[update]\ndate=02/01/1980\n[action]\nrunafter=true after\n");
    EXPECT_EQ(host.texts(),
              (QStringList{QStringLiteral("Checking for Internet connection"),
                           QStringLiteral("Found open Internet connection"),
                           QStringLiteral("Download : ") + s_server->url(QStringLiteral("/tagloom501.inf")),
                           QStringLiteral("Update control file found"), QStringLiteral("Date based update found"),
                           QStringLiteral("New version found : 02/01/1980"),
                           QStringLiteral("Finished processing update control file"),
                           QStringLiteral("Closed Internet connection")}));
    EXPECT_TRUE(host.has(QStringLiteral("New version found : 02/01/1980"), UpdateStatusKind::NewVersionFound));
    EXPECT_EQ(host.events, QStringList{QStringLiteral("run:true after")});
    // The control file is deleted once processed.
    EXPECT_FALSE(QFileInfo::exists(m_temp.filePath(QStringLiteral("tagloom501.inf"))));
}

TEST_F(WebUpdateTest, VersionBasedCheckAgainstAnInstalledFile)
{
    QFile installed(target("tagloom.bin"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.write(QByteArray("TAGLOOM-FILEVERSION:5.0.0.9") + '\0');
    installed.close();

    run("[update]\nnewversion=5,0,1,0\nlocalversion={APP}/tagloom.bin\n");
    EXPECT_TRUE(host.has(QStringLiteral("Version based update found"), UpdateStatusKind::Information));
    EXPECT_TRUE(host.has(QStringLiteral("New version found : 5,0,1,0"), UpdateStatusKind::NewVersionFound));

    host = RecordingHost();
    run("[update]\nnewversion=5,0\nlocalversion={APP}/tagloom.bin\n");
    EXPECT_TRUE(host.has(QStringLiteral("No new version found"), UpdateStatusKind::NoNewVersion));
    EXPECT_FALSE(host.texts().contains(QStringLiteral("Finished processing update control file")));
    EXPECT_EQ(host.texts().last(), QStringLiteral("Closed Internet connection"));
}

TEST_F(WebUpdateTest, ActionsInOrderAndNoToTheQueryEndsTheUpdate)
{
    s_server->put(QStringLiteral("note.htm"), "<p>What is new</p>");
    const QByteArray actions = "[application]\nappupdate=1\nappname={APP}/tagloom\nappcomps={TMP}/tagloom\n"
                               "[action]\nmsg=Hello\nhtmldlg=" +
                               s_server->url(QStringLiteral("/note.htm")).toLatin1() +
                               "\nrunbefore=prepare {TMP}\nquery=Go on?\nupdateURL=x\nshowURL=https://example.org/\n"
                               "runafter=finish\n";
    host.answers = {false};
    const UpdateOutcome declined = run(twoFiles(actions));
    EXPECT_EQ(host.events,
              (QStringList{QStringLiteral("msg:Hello"), QStringLiteral("page:<p>What is new</p>"),
                           QStringLiteral("run:prepare ") + m_temp.path(), QStringLiteral("ask:Go on?")}));
    EXPECT_FALSE(declined.restart);
    EXPECT_TRUE(host.offered.isEmpty());
    EXPECT_TRUE(host.has(QStringLiteral("Found HTML dialog instruction in control file"), UpdateStatusKind::HtmlDialog));
    // The control file stays in the temporary folder.
    EXPECT_TRUE(QFileInfo::exists(m_temp.filePath(QStringLiteral("tagloom501.inf"))));

    host = RecordingHost();
    host.answers = {true, false};
    const UpdateOutcome accepted = run(twoFiles(actions));
    EXPECT_EQ(host.events.mid(3), (QStringList{QStringLiteral("ask:Go on?"), QStringLiteral("show:https://example.org/"),
                                               QStringLiteral("ask:Download update files ?"),
                                               QStringLiteral("run:finish")}));
    EXPECT_TRUE(accepted.restart);
    EXPECT_EQ(accepted.appName, m_app.path() + QStringLiteral("/tagloom"));
    EXPECT_EQ(accepted.appComps, m_temp.path() + QStringLiteral("/tagloom"));
}

TEST_F(WebUpdateTest, DownloadsTheSelectedNewerFilesAndExpandsPackedOnes)
{
    QByteArray page;
    for (int i = 0; i < 10000; ++i)
        page += char('a' + i % 26);
    s_server->put(QStringLiteral("index.htm"), page);
    s_server->put(QStringLiteral("tool.ex_"), storeAsSzdd("#!/bin/sh\necho tool\n", 'e'));

    run(twoFiles());
    EXPECT_EQ(host.offered, (QStringList{QStringLiteral("Main page"), QStringLiteral("Packed tool")}));
    EXPECT_EQ(host.events, QStringList{QStringLiteral("ask:Download update files ?")});
    EXPECT_EQ(read(target("site/index.htm")), page);
    EXPECT_EQ(read(target("tool.exe")), QByteArray("#!/bin/sh\necho tool\n"));
    EXPECT_FALSE(QFileInfo::exists(target("tool.ex_")));
    EXPECT_EQ(host.lastReceived, host.lastSize);
    // 4096-byte blocks: the page alone takes at least three reports.
    EXPECT_GE(host.progressReports, 3 + 1);
}

TEST_F(WebUpdateTest, NoToTheDownloadQuestionStillRunsRunafterAndOffersTheRestart)
{
    s_server->put(QStringLiteral("index.htm"), "page");
    host.answers = {false};
    const UpdateOutcome outcome =
        run(twoFiles("[application]\nappupdate=1\nappname={APP}/tagloom\n[action]\nrunafter=after\n"));
    EXPECT_EQ(host.events, (QStringList{QStringLiteral("ask:Download update files ?"), QStringLiteral("run:after")}));
    EXPECT_FALSE(QFileInfo::exists(target("site/index.htm")));
    EXPECT_TRUE(outcome.restart);
}

TEST_F(WebUpdateTest, CancelledSelectionDownloadsNothingAndEmptyAppnameNeverRestarts)
{
    s_server->put(QStringLiteral("index.htm"), "page");
    host.selection = QVector<bool>{false, false};
    const UpdateOutcome outcome = run(twoFiles("[application]\nappupdate=1\nappname=\n"));
    EXPECT_EQ(host.offered.size(), 2);
    EXPECT_TRUE(host.events.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(target("site/index.htm")));
    EXPECT_FALSE(outcome.restart);
}

TEST_F(WebUpdateTest, AFailedFileCancelsTheRestartAndTheNextFileStillComes)
{
    s_server->remove(QStringLiteral("index.htm"));
    s_server->put(QStringLiteral("tool.ex_"), storeAsSzdd("x", 'e'));
    const UpdateOutcome outcome = run(twoFiles("[application]\nappupdate=1\nappname={APP}/tagloom\n"));
    const QString url = s_server->url(QStringLiteral("/index.htm"));
    EXPECT_TRUE(host.has(QStringLiteral("Http status : 404"), UpdateStatusKind::HttpStatus));
    EXPECT_TRUE(host.has(QStringLiteral("Cannot download update file ") + url, UpdateStatusKind::Error));
    EXPECT_EQ(read(target("tool.exe")), QByteArray("x"));
    EXPECT_FALSE(outcome.restart);
}

TEST_F(WebUpdateTest, MissingControlFile)
{
    run();
    const QStringList texts = host.texts();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{QStringLiteral("Http status : 404"), QStringLiteral("Update control file not found"),
                           QStringLiteral("Closed Internet connection")}));
    EXPECT_TRUE(host.has(QStringLiteral("Update control file not found"), UpdateStatusKind::Error));
}

TEST_F(WebUpdateTest, AddressesThatMayNotBeFetched)
{
    // Plain http to anywhere but this machine is refused before any traffic.
    EXPECT_FALSE(isPermittedUpdateAddress(QUrl(QStringLiteral("http://update.example.org/tagloom501.inf"))));
    EXPECT_FALSE(isPermittedUpdateAddress(QUrl(QStringLiteral("http://10.0.0.1/a"))));
    EXPECT_FALSE(isPermittedUpdateAddress(QUrl(QStringLiteral("ftp://127.0.0.1/a"))));
    EXPECT_TRUE(isPermittedUpdateAddress(QUrl(QStringLiteral("https://update.example.org/a"))));
    EXPECT_TRUE(isPermittedUpdateAddress(QUrl(QStringLiteral("http://localhost:8080/a"))));
    EXPECT_EQ(controlFileAddress(QStringLiteral("update.example.org")),
              QStringLiteral("https://update.example.org/tagloom501.inf"));

    QNetworkAccessManager manager;
    QStringList statuses;
    const QString address = QStringLiteral("http://192.0.2.1/tagloom501.inf");
    EXPECT_FALSE(downloadUpdateFile(manager, address, m_temp.filePath(QStringLiteral("x")),
                                    {[&](const QString &text, int) { statuses << text; }, [](qint64, qint64) {}}));
    EXPECT_EQ(statuses.last(), QStringLiteral("File ") + address);

    // A file name is the last segment only.
    EXPECT_EQ(downloadFileName(QUrl(QStringLiteral("http://127.0.0.1/a/b.htm"))), QStringLiteral("b.htm"));
    EXPECT_TRUE(downloadFileName(QUrl(QStringLiteral("http://127.0.0.1/a/..%2F..%2Fetc%2Fx"))).isEmpty());
    EXPECT_TRUE(downloadFileName(QUrl(QStringLiteral("http://127.0.0.1/a/"))).isEmpty());
}

TEST_F(WebUpdateTest, AFileAddressLeadingOutOfItsFolderIsRefused)
{
    const QByteArray control = "[update]\nnewversion=\n[files]\ncount=1\n[file1]\ndescr=Sly\nurl=" +
                               s_server->url(QStringLiteral("/..%2Fsly.htm")).toLatin1() + "\ntargetdir={APP}/in\n";
    s_server->put(QStringLiteral("sly.htm"), "sly");
    run(control);
    EXPECT_TRUE(host.texts().contains(QStringLiteral("Cannot download update file ") +
                                      s_server->url(QStringLiteral("/..%2Fsly.htm"))));
    EXPECT_FALSE(QFileInfo::exists(target("sly.htm")));
}
