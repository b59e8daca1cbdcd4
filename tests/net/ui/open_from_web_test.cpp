#include "base/data_folder.h"
#include "net/ui/open_from_web_dialog.h"
#include "common/ui/stand_ins.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

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
        return QTest::qWaitFor([this] { return !dialog->isVisible(); }, 5000);
    }

    test::TempDataFolder data{false};
    test::MessageRecorder messages;
    test::FileDialogStandIn fileDialogs;
    LoopbackHttpServer server;
    std::unique_ptr<OpenFromWebDialog> dialog;
    QStringList opened;
    QString statusAtOpen;
};

TEST_F(OpenFromWebTest, EveryOutcomeWritesWhatArrivedOpensItAndResets)
{
    QTcpServer closed;
    closed.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
    const QString refusedUrl = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();

    const QString received = QStringLiteral("Received %1 bytes in total.").arg(PageBody.size());
    const struct {
        const char *name;
        QString url;
        QByteArray body;
        QString status; // a prefix when it ends in ": "
    } rows[] = {
        {"ok", server.url("/page"), PageBody, received},
        {"not found keeps the error page", server.url("/missing"), MissingBody,
         QStringLiteral("Failed : 404 Not Found")},
        {"redirect keeps only the target", server.url("/moved"), PageBody, received},
        {"refused connection", refusedUrl, QByteArray(), QStringLiteral("Failed : ")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        opened.clear();
        test::writeBytes(target(), "stale text that must be truncated");
        ASSERT_TRUE(fetch(row.url, target()));
        EXPECT_EQ(test::readBytes(target()).toStdString(), row.body.toStdString());
        EXPECT_EQ(opened, QStringList{target()});
        if (row.status.endsWith(QLatin1String(": ")))
            EXPECT_TRUE(statusAtOpen.startsWith(row.status)) << statusAtOpen.toStdString();
        else
            EXPECT_EQ(statusAtOpen.toStdString(), row.status.toStdString());
        EXPECT_TRUE(dialog->okButton()->isEnabled());
        EXPECT_FALSE(dialog->abortButton()->isEnabled());
        EXPECT_TRUE(dialog->statusText().isEmpty());
        EXPECT_TRUE(dialog->fileNameEdit()->text().isEmpty());
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(OpenFromWebTest, SendsTheFixedRequestHeaders)
{
    ASSERT_TRUE(fetch(server.url("/page"), target()));
    ASSERT_EQ(server.requests.size(), 1);
    const SeenRequest &seen = server.requests.constFirst();
    EXPECT_EQ(seen.line.toStdString(), "GET /page HTTP/1.1");
    EXPECT_EQ(seen.headers.value("user-agent").toStdString(), "Quenby Fetchwell");
    EXPECT_EQ(seen.headers.value("accept").toStdString(), "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
}

TEST_F(OpenFromWebTest, AbortEndsTheTransferAndStillOpensThePartialFile)
{
    fillIn(server.url("/big"), target());
    dialog->okButton()->click();
    EXPECT_EQ(dialog->statusText(), QStringLiteral("Loading"));
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    ASSERT_TRUE(dialog->abortButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialog->statusText().endsWith(QLatin1String(" bytes received.")); },
                                5000));

    dialog->abortButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog->isVisible(); }, 5000));
    const qint64 size = test::readBytes(target()).size();
    EXPECT_GT(size, 0);
    EXPECT_LT(size, BigSize);
    EXPECT_EQ(opened, QStringList{target()});
    EXPECT_EQ(statusAtOpen.toStdString(), QStringLiteral("Received %1 bytes in total.").arg(size).toStdString());
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    EXPECT_FALSE(dialog->abortButton()->isEnabled());
    EXPECT_FALSE(dialog->isTransferring());
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
