#include "base/data_folder.h"
#include "net/ui/open_from_web_dialog.h"
#include "common/ui/stand_ins.h"
#include "net/streaming_http_server.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace tagloom;

namespace {

const QByteArray PageBody = "<html><body>Hello from the page</body></html>\r\n";
const QByteArray MissingBody = "<html><body>No such page</body></html>";
constexpr int BigSize = 4 << 20;
constexpr int BigChunk = 32 << 10;

struct SeenRequest {
    QByteArray line;                      // "GET /page HTTP/1.1"
    QMap<QByteArray, QByteArray> headers; // names in lower case
};

// A small HTTP server on 127.0.0.1: /page answers 200, /moved redirects to
// /page, /big trickles a few MB, anything else is 404. Every response closes
// its connection.
class LoopbackHttpServer : public QObject {
public:
    LoopbackHttpServer()
    {
        m_server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QLatin1String(path));
    }
    QList<SeenRequest> requests;

private:
    void readRequest(QTcpSocket *socket)
    {
        const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
        socket->setProperty("head", head);
        const qsizetype end = head.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
        const QList<QByteArray> lines = head.left(end).split('\n');
        SeenRequest seen{lines.value(0).trimmed(), {}};
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            seen.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        requests.append(seen);

        const QByteArray path = seen.line.split(' ').value(1);
        if (path == "/page")
            send(socket, "200 OK", PageBody);
        else if (path == "/moved")
            send(socket, "302 Found", "Moved to /page", "Location: /page\r\n");
        else if (path == "/big")
            trickle(socket);
        else
            send(socket, "404 Not Found", MissingBody);
    }
    static QByteArray head(const char *status, qsizetype length, const QByteArray &extra = {})
    {
        return "HTTP/1.1 " + QByteArray(status) + "\r\nContent-Length: " + QByteArray::number(length) +
               "\r\nConnection: close\r\n" + extra + "\r\n";
    }
    static void send(QTcpSocket *socket, const char *status, const QByteArray &body, const QByteArray &extra = {})
    {
        socket->write(head(status, body.size(), extra) + body);
        socket->disconnectFromHost();
    }
    static void trickle(QTcpSocket *socket)
    {
        socket->write(head("200 OK", BigSize));
        auto *timer = new QTimer(socket);
        auto sent = std::make_shared<int>(0);
        connect(timer, &QTimer::timeout, socket, [socket, timer, sent] {
            const int n = std::min(BigChunk, BigSize - *sent);
            socket->write(QByteArray(n, 'x'));
            *sent += n;
            if (*sent >= BigSize) {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(20);
    }

    QTcpServer m_server;
};

// Runs the event loop the way the program's own loop does, without the
// pauses QTest::qWaitFor takes between rounds; false when `done` never held.
template <typename Predicate>
bool runEventsUntil(Predicate done, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

// The memory this process holds, in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The running total the status line shows during a transfer; -1 otherwise.
qint64 receivedSoFar(const QString &status)
{
    if (!status.endsWith(QLatin1String(" bytes received.")))
        return -1;
    return status.section(QLatin1Char(' '), 0, 0).toLongLong();
}

class OpenFromWebTest : public ::testing::Test {
protected:
    OpenFromWebTest()
    {
        dialog = std::make_unique<OpenFromWebDialog>(data.path(), [this](const QString &path) {
            opened.append(path);
            statusAtOpen = dialog->statusText(); // hiding clears it right after
        });
    }
    QString target(const char *name = "/fetched.htm") const { return data.path() + QLatin1String(name); }
    void fillIn(const QString &url, const QString &file)
    {
        if (!dialog->isVisible())
            dialog->show();
        dialog->urlBox()->setEditText(url);
        dialog->fileNameEdit()->setText(file);
    }
    // Runs one whole transfer through OK; false when it never ended.
    bool fetch(const QString &url, const QString &file)
    {
        fillIn(url, file);
        dialog->okButton()->click();
        return runEventsUntil([this] { return !dialog->isVisible(); }, 20000);
    }

    // The data folder's entries besides the history folder: the target, or
    // nothing, never a left-over piece of a page.
    QStringList pageFiles() const
    {
        QStringList entries = test::folderEntries(data.path());
        entries.removeAll(QStringLiteral("Extensions"));
        return entries;
    }

    test::TempDataFolder data{false};
    test::MessageRecorder messages;
    test::FileDialogStandIn fileDialogs;
    LoopbackHttpServer server;
    std::unique_ptr<OpenFromWebDialog> dialog;
    QStringList opened;
    QString statusAtOpen;
};

TEST_F(OpenFromWebTest, OnlyAWholeBodyReplacesTheTargetAndTheResultIsOpened)
{
    using Server = test::StreamingHttpServer;
    // A long table compresses far better than 40 to 1.
    const QByteArray bigPage = QByteArray("<tr><td>cell</td><td>cell</td></tr>\r\n").repeated(500'000);
    const QByteArray gzipPage = test::gzipped(bigPage);
    const QByteArray bomb = test::gzipped(QByteArray(64 << 20, '\0'));
    const QByteArray gzip = "Content-Encoding: gzip\r\n";
    Server onRequest(Server::Answer{Server::okHead(bigPage.size()), bigPage},
                     Server::Answer{Server::okHead(gzipPage.size(), gzip), gzipPage});
    Server bombing(Server::okHead(bomb.size(), gzip), bomb, 1);
    Server endless(Server::endlessHead(), QByteArray(64 << 10, 'x'), -1);
    Server cutOff(Server::okHead(1 << 20), QByteArray(1000, 'x'), 1);
    Server empty(Server::okHead(0), QByteArray(), 1);
    Server large(Server::okHead(1 << 20), QByteArray(1 << 20, 'x'), 1);
    // Taken after the servers, so that none of them can be given its port.
    QTcpServer closed;
    closed.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
    const QString refusedUrl = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    const QByteArray old = "stale text that must survive a failed transfer";
    const QString limitText = QStringLiteral("4 MiB (4194304 bytes)");
    const QString noText;
    const struct {
        const char *name;
        QString url;
        bool oldFile;
        std::optional<QByteArray> expected; // the target afterwards; none: no file
        QString status;                     // as the file opens; a prefix when it ends in ": "
        QString message;                    // a part of the one message; empty: none
        qint64 sizeLimit = WebFetchSizeLimit;
        qint64 diskRoom = 0; // a full disk after this many bytes
    } rows[] = {
        {"page replaces the old file", server.url("/page"), true, PageBody,
         QStringLiteral("Received %1 bytes in total.").arg(PageBody.size()), noText},
        {"error page replaces the old file", server.url("/missing"), true, MissingBody,
         QStringLiteral("Failed : 404 Not Found"), noText},
        {"redirect keeps only the target", server.url("/moved"), true, PageBody,
         QStringLiteral("Received %1 bytes in total.").arg(PageBody.size()), noText},
        {"page compressed on request arrives whole", onRequest.url("/"), true, bigPage,
         QStringLiteral("Received %1 bytes in total.").arg(bigPage.size()), noText},
        {"empty page keeps the old file", empty.url("/"), true, old, QStringLiteral("Received 0 bytes in total."),
         noText},
        {"empty page makes a file to open", empty.url("/"), false, QByteArray(),
         QStringLiteral("Received 0 bytes in total."), noText},
        {"refused connection keeps the old file", refusedUrl, true, old, QStringLiteral("Failed : "),
         QStringLiteral("was left as it was")},
        {"refused connection leaves no file", refusedUrl, false, std::nullopt, QStringLiteral("Failed : "),
         QStringLiteral("could not be saved")},
        {"cut-off body keeps the old file", cutOff.url("/"), true, old, QStringLiteral("Failed : "),
         QStringLiteral("was left as it was")},
        {"compressed body sent unasked keeps the old file", bombing.url("/"), true, old,
         QStringLiteral("Failed : "), QStringLiteral("compressed (gzip)")},
        {"endless body stops at the size limit", endless.url("/"), true, old, QStringLiteral("Failed : "), limitText,
         4 << 20},
        {"full disk keeps the old file", large.url("/"), true, old, QStringLiteral("Failed : "),
         QStringLiteral("Cannot write file"), WebFetchSizeLimit, 256 << 10},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        opened.clear();
        messages.shown.clear();
        QFile::remove(target());
        if (row.oldFile)
            test::writeBytes(target(), old);
        dialog->setSizeLimit(row.sizeLimit);
        {
            std::optional<test::FileSizeLimit> disk;
            if (row.diskRoom > 0)
                disk.emplace(row.diskRoom);
            ASSERT_TRUE(fetch(row.url, target()));
        }
        if (row.expected) {
            const QByteArray kept = test::readBytes(target());
            EXPECT_TRUE(kept == *row.expected) << kept.size() << " bytes: " << kept.left(60).toStdString();
            EXPECT_EQ(opened, QStringList{target()});
            EXPECT_EQ(pageFiles(), QStringList{QStringLiteral("fetched.htm")});
            if (row.status.endsWith(QLatin1String(": ")))
                EXPECT_TRUE(statusAtOpen.startsWith(row.status)) << statusAtOpen.toStdString();
            else
                EXPECT_EQ(statusAtOpen.toStdString(), row.status.toStdString());
        } else {
            EXPECT_TRUE(opened.isEmpty());
            EXPECT_TRUE(pageFiles().isEmpty()) << pageFiles().join(QLatin1Char(' ')).toStdString();
        }
        if (row.message.isEmpty()) {
            EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
        } else {
            EXPECT_EQ(messages.shown.size(), 1);
            const test::ShownMessage shown = messages.shown.value(0, {MessageKind::Information, {}, {}});
            EXPECT_EQ(shown.kind, MessageKind::Error);
            EXPECT_TRUE(shown.text.contains(row.message)) << shown.text.toStdString();
        }
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        EXPECT_FALSE(dialog->abortButton()->isEnabled());
        EXPECT_TRUE(dialog->statusText().isEmpty());
        EXPECT_TRUE(dialog->fileNameEdit()->text().isEmpty());
    }
}

// What goes on the wire, read by a raw socket: the two fixed headers, a
// request for the page uncompressed, and what Qt adds that cannot be left out.
TEST_F(OpenFromWebTest, SendsTheFixedRequestHeadersAndAsksForNoCompression)
{
    ASSERT_TRUE(fetch(server.url("/page"), target()));
    ASSERT_EQ(server.requests.size(), 1);
    const SeenRequest &seen = server.requests.constFirst();
    EXPECT_EQ(seen.line.toStdString(), "GET /page HTTP/1.1");
    EXPECT_EQ(seen.headers.value("user-agent").toStdString(), "Quenby Fetchwell");
    EXPECT_EQ(seen.headers.value("accept").toStdString(), "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    EXPECT_EQ(seen.headers.value("accept-encoding").toStdString(), "identity");
    const QList<QByteArray> expectedNames = {"accept",     "accept-encoding", "accept-language",
                                             "connection", "host",            "user-agent"};
    EXPECT_EQ(seen.headers.keys(), expectedNames);
}

// Abort goes through the event loop like a user's click, so a window swamped
// by a fast transfer would answer it late.
TEST_F(OpenFromWebTest, AbortEndsTheTransferAtOnceAndKeepsTheOldFile)
{
    test::StreamingHttpServer endless(test::StreamingHttpServer::endlessHead(), QByteArray(64 << 10, 'x'), -1);
    const struct {
        const char *name;
        QString url;
        bool oldFile;
        const test::StreamingHttpServer *fast;
    } rows[] = {
        {"slow server", server.url("/big"), true, nullptr},
        {"fast endless server", endless.url("/"), true, &endless},
        {"fast endless server, no earlier file", endless.url("/"), false, &endless},
    };
    const QByteArray old = "the earlier page";
    constexpr int AbortAfterMs = 50;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        opened.clear();
        QFile::remove(target());
        if (row.oldFile)
            test::writeBytes(target(), old);
        fillIn(row.url, target());
        dialog->okButton()->click();
        EXPECT_EQ(dialog->statusText(), QStringLiteral("Loading"));
        EXPECT_FALSE(dialog->okButton()->isEnabled());
        ASSERT_TRUE(dialog->abortButton()->isEnabled());
        ASSERT_TRUE(runEventsUntil([this] { return receivedSoFar(dialog->statusText()) > 0; }, 5000));

        QElapsedTimer clock;
        qint64 abortedAt = -1;
        QTimer::singleShot(AbortAfterMs, dialog.get(), [&] {
            abortedAt = clock.elapsed();
            dialog->abortButton()->click();
        });
        clock.start();
        ASSERT_TRUE(runEventsUntil([this] { return !dialog->isVisible(); }, 5000));
        // Generous against a busy machine; a transfer that blocks the loop
        // held the click back by half a second or more.
        EXPECT_LT(abortedAt, AbortAfterMs + 250) << "the Abort click waited behind the transfer";
        EXPECT_FALSE(dialog->isTransferring());
        if (row.oldFile) {
            EXPECT_TRUE(statusAtOpen.startsWith(QLatin1String("Aborted after "))) << statusAtOpen.toStdString();
            const QByteArray kept = test::readBytes(target());
            EXPECT_TRUE(kept == old) << kept.size() << " bytes: " << kept.left(60).toStdString();
            EXPECT_EQ(opened, QStringList{target()});
            EXPECT_EQ(pageFiles(), QStringList{QStringLiteral("fetched.htm")});
        } else {
            EXPECT_TRUE(opened.isEmpty());
            EXPECT_TRUE(pageFiles().isEmpty()) << pageFiles().join(QLatin1Char(' ')).toStdString();
        }
        if (row.fast) {
            // The server sees the connection go, and sends nothing more.
            EXPECT_TRUE(runEventsUntil([&] { return row.fast->clientLeftEarly(); }, 2000));
        }
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        EXPECT_FALSE(dialog->abortButton()->isEnabled());
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A server that sends without end as fast as the loopback carries: the page
// must be taken no faster than it is written, and the program's loop must
// keep running its timers (and so its painting and typing) meanwhile.
TEST_F(OpenFromWebTest, AFastEndlessPageNeitherFillsMemoryNorStallsTheWindow)
{
    test::StreamingHttpServer endless(test::StreamingHttpServer::endlessHead(), QByteArray(64 << 10, 'x'), -1);
    const qint64 residentBefore = residentBytes();
    qint64 residentMost = residentBefore;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
        residentMost = std::max(residentMost, residentBytes());
    });
    fillIn(endless.url("/"), target());
    clock.start();
    ticker.start(10);
    dialog->okButton()->click();
    constexpr qint64 Enough = 200 << 20;
    ASSERT_TRUE(runEventsUntil([this] { return receivedSoFar(dialog->statusText()) >= Enough; }, 30000));
    dialog->abortButton()->click();
    ticker.stop();
    EXPECT_LT(longestGap, 250); // a blocked loop stalled for 0.5 to 4 s
    EXPECT_LT(residentMost - residentBefore, 64 << 20);
}

TEST_F(OpenFromWebTest, OkRefusesWithoutAUsableFileAndStaysOpen)
{
    const struct {
        const char *name;
        QString file;
        QString message; // a prefix
        int historyGrowth;
    } rows[] = {
        {"empty name", QString(), QStringLiteral("Please specify a filename to save the file to."), 0},
        {"folder missing", target("/no/such/folder/page.htm"), QStringLiteral("Cannot create file \""), 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        messages.shown.clear();
        fillIn(server.url("/page"), row.file);
        const int history = dialog->urlBox()->count();
        dialog->okButton()->click();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown.constFirst().kind, MessageKind::Error);
        EXPECT_TRUE(messages.shown.constFirst().text.startsWith(row.message))
            << messages.shown.constFirst().text.toStdString();
        EXPECT_EQ(dialog->urlBox()->count(), history + row.historyGrowth);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        EXPECT_FALSE(dialog->abortButton()->isEnabled());
        EXPECT_TRUE(dialog->statusText().isEmpty());
    }
    QTest::qWait(50);
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(OpenFromWebTest, HistoryIsReloadedOnShowAndKeepsRepeatedUrls)
{
    data.write(QLatin1String(DataPath::WebRecent), "http://earlier.example/\r\n");
    const QString url = server.url("/page");
    ASSERT_TRUE(fetch(url, target()));
    ASSERT_TRUE(fetch(url, target()));
    EXPECT_EQ(data.read(QLatin1String(DataPath::WebRecent)),
              "http://earlier.example/\r\n" + url.toLatin1() + "\r\n" + url.toLatin1() + "\r\n");

    // A history edited behind the dialog's back replaces its list on show.
    data.write(QLatin1String(DataPath::WebRecent), "http://other.example/\r\n");
    dialog->show();
    EXPECT_EQ(dialog->urlBox()->count(), 1);
    EXPECT_EQ(dialog->urlBox()->itemText(0), QStringLiteral("http://other.example/"));
}

TEST_F(OpenFromWebTest, BrowseFillsTheNameAndHidingForgetsIt)
{
    dialog->show();
    fileDialogs.answers = {target(), QString()};
    dialog->browseButton()->click();
    EXPECT_EQ(dialog->fileNameEdit()->text(), target());
    dialog->browseButton()->click(); // cancelled: the name stays
    EXPECT_EQ(dialog->fileNameEdit()->text(), target());
    ASSERT_EQ(fileDialogs.requests.size(), 2);
    EXPECT_EQ(fileDialogs.requests[0].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(fileDialogs.requests[0].title, QStringLiteral("Save As..."));
    EXPECT_EQ(fileDialogs.requests[1].proposedPath, target());

    dialog->cancelButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->fileNameEdit()->text().isEmpty());
    EXPECT_TRUE(QFile::exists(data.file(QLatin1String(DataPath::WebRecent))));
    dialog->show();
    dialog->browseButton()->click();
    ASSERT_EQ(fileDialogs.requests.size(), 3);
    EXPECT_TRUE(fileDialogs.requests[2].proposedPath.isEmpty());
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
