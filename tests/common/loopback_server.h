#pragma once
// What the real servers the network tests start on 127.0.0.1 have in
// common: a fresh temporary folder whose "root" they serve, the server's
// process, and the port it listens on, for as long as the object lives.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace tagloom::test {

class LoopbackServer {
public:
    LoopbackServer() { QDir(m_dir.path()).mkpath(QStringLiteral("root")); }
    virtual ~LoopbackServer() { stop(); }
    LoopbackServer(const LoopbackServer &) = delete;
    LoopbackServer &operator=(const LoopbackServer &) = delete;

    bool isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }
    int port() const { return m_port; }
    QString root() const { return m_dir.path() + QStringLiteral("/root"); }
    QString path(const QString &relative) const { return root() + QLatin1Char('/') + relative; }

    void write(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray read(const QString &relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Ends the server at once, as a crash or a cut cable would.
    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

protected:
    QString file(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    // A port nobody listens on just now, for servers that cannot pick one.
    static int freePort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }

    // A self-signed certificate (with its key) made for 127.0.0.1.
    bool makeCertificate(const QString &pem) const
    {
        return quietlyDone(QStringLiteral("openssl"),
                                 {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                                  QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                                  QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                                  QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                                  QStringLiteral("-keyout"), pem, QStringLiteral("-out"), pem});
    }

    // Runs a tool to its end without its chatter; true when it succeeded.
    static bool quietlyDone(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.setStandardErrorFile(QProcess::nullDevice());
        tool.start(program, arguments);
        return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }

    // Starts the server; it listens on `port`, or tells its port on its
    // first line of output when `port` is 0.
    void start(const QString &program, const QStringList &arguments, int port = 0)
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        if (port == 0) {
            while (m_process.state() == QProcess::Running && !m_process.canReadLine())
                m_process.waitForReadyRead(5000);
            m_port = m_process.readLine().trimmed().toInt();
            return;
        }
        // Ready once it accepts a connection.
        for (int tries = 0; tries < 100 && m_process.state() == QProcess::Running; ++tries) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(port));
            if (socket.waitForConnected(100)) {
                m_port = port;
                return;
            }
            m_process.waitForFinished(50);
        }
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

} // namespace tagloom::test
