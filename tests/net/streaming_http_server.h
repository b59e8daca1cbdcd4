#pragma once
// An HTTP server on 127.0.0.1 that runs in its own thread, so that it sends
// as fast as the socket takes data however busy the thread under test is.
// Every connection gets the same answer: a head (status line and headers,
// without the blank line), then a body repeated `repeat` times, or without
// end when `repeat` is negative, until the client goes away.

#include <QByteArray>
#include <QHostAddress>
#include <QProcess>
#include <QSemaphore>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <atomic>
#include <optional>

namespace tagloom::test {

class StreamingHttpServer : public QThread {
public:
    struct Answer {
        QByteArray head;
        QByteArray body;
        qint64 repeat = 1;
    };

    StreamingHttpServer(QByteArray head, QByteArray body, qint64 repeat)
        : StreamingHttpServer(Answer{std::move(head), std::move(body), repeat}, std::nullopt)
    {
    }
    // Answers `gzipped` to a request that accepts gzip and `plain` to any
    // other, as a server that compresses on request does.
    StreamingHttpServer(Answer plain, std::optional<Answer> gzipped)
        : m_plain(std::move(plain)), m_gzipped(std::move(gzipped))
    {
        start();
        m_ready.acquire();
    }
    ~StreamingHttpServer() override
    {
        m_stop = true;
        wait();
    }

    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QLatin1String(path));
    }
    // Body bytes the socket has taken so far, over all connections.
    qint64 bytesSent() const { return m_sent; }
    // True once a client went away before its body was complete.
    bool clientLeftEarly() const { return m_clientLeft; }

    // A body that ends after `size` bytes, with its length announced.
    static QByteArray okHead(qint64 size, const QByteArray &extra = {})
    {
        return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(size) + "\r\nConnection: close\r\n" + extra;
    }
    // A body without a length that goes on until the connection closes.
    static QByteArray endlessHead() { return "HTTP/1.1 200 OK\r\nConnection: close\r\n"; }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        m_port = server.serverPort();
        m_ready.release();
        while (!m_stop) {
            if (!server.waitForNewConnection(50))
                continue;
            QTcpSocket *socket = server.nextPendingConnection();
            serve(*socket);
            delete socket;
        }
    }

private:
    void serve(QTcpSocket &socket)
    {
        QByteArray request;
        while (!request.contains("\r\n\r\n") && !m_stop) {
            if (!socket.waitForReadyRead(50) && socket.state() != QAbstractSocket::ConnectedState)
                return;
            request += socket.readAll();
        }
        request = request.left(request.indexOf("\r\n\r\n"));
        const Answer &answer = m_gzipped && acceptsGzip(request) ? *m_gzipped : m_plain;
        if (!send(socket, answer.head + "\r\n"))
            return;
        for (qint64 i = 0; answer.repeat < 0 || i < answer.repeat; ++i) {
            if (!send(socket, answer.body)) {
                m_clientLeft = true;
                return;
            }
            m_sent += answer.body.size();
        }
        socket.disconnectFromHost();
        if (socket.state() != QAbstractSocket::UnconnectedState)
            socket.waitForDisconnected(2000);
    }
    static bool acceptsGzip(const QByteArray &request)
    {
        for (const QByteArray &line : request.split('\n')) {
            if (line.toLower().startsWith("accept-encoding:"))
                return line.toLower().contains("gzip");
        }
        return false;
    }
    // Blocks until the socket has taken all of `bytes`; false when the client
    // is gone or the server stops.
    bool send(QTcpSocket &socket, const QByteArray &bytes)
    {
        socket.write(bytes);
        while (socket.bytesToWrite() > 0) {
            if (m_stop || socket.state() != QAbstractSocket::ConnectedState)
                return false;
            socket.waitForBytesWritten(50);
        }
        return socket.state() == QAbstractSocket::ConnectedState;
    }

    const Answer m_plain;
    const std::optional<Answer> m_gzipped;
    QSemaphore m_ready;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_sent{0};
    std::atomic<bool> m_clientLeft{false};
};

// `bytes` compressed by the real gzip program.
inline QByteArray gzipped(const QByteArray &bytes)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-c"), QStringLiteral("-n")});
    gzip.write(bytes);
    gzip.closeWriteChannel();
    gzip.waitForFinished(-1);
    return gzip.readAllStandardOutput();
}

} // namespace tagloom::test
