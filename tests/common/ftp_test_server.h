#pragma once
// A real FTP server (pyftpdlib) on 127.0.0.1 at a free port, serving a fresh
// temporary folder, for as long as the object lives. User "webmaster" with
// password "secret" may do everything; anonymous users may read. With TLS
// the server asks for explicit TLS on every connection, with a certificate
// made for 127.0.0.1 that caFile() names for the client to trust.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace tagloom::test {

class FtpTestServer {
public:
    enum class Security { Plain, Tls };

    explicit FtpTestServer(Security security = Security::Plain)
    {
        if (security == Security::Tls && !makeCertificate())
            return;
        QDir(m_dir.path()).mkpath(QStringLiteral("root"));
        m_process.setProgram(python());
        m_process.setArguments({QStringLiteral("-c"), QString::fromLatin1(Script), root(),
                                security == Security::Tls ? certificate() : QString()});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        while (m_process.state() == QProcess::Running && !m_process.canReadLine())
            m_process.waitForReadyRead(5000);
        m_port = m_process.readLine().trimmed().toInt();
    }
    ~FtpTestServer() { stop(); }
    FtpTestServer(const FtpTestServer &) = delete;
    FtpTestServer &operator=(const FtpTestServer &) = delete;

    // Whether a server could be started here at all.
    static bool available()
    {
        return QProcess::execute(python(), {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")}) == 0;
    }

    bool isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }
    int port() const { return m_port; }
    QString root() const { return m_dir.path() + QStringLiteral("/root"); }
    QString path(const QString &relative) const { return root() + QLatin1Char('/') + relative; }
    QString caFile() const { return certificate(); }

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

private:
    // pyftpdlib is a Debian package, found by the system's own interpreter.
    static QString python()
    {
        return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                  : QStringLiteral("python3");
    }
    QString certificate() const { return m_dir.path() + QStringLiteral("/server.pem"); }
    bool makeCertificate() const
    {
        return QProcess::execute(QStringLiteral("openssl"),
                                 {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                                  QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                                  QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                                  QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                                  QStringLiteral("-keyout"), certificate(), QStringLiteral("-out"), certificate()}) == 0;
    }

    static constexpr char Script[] = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer
logging.basicConfig(level=logging.CRITICAL)
root, cert = sys.argv[1], sys.argv[2]
users = DummyAuthorizer()
users.add_user('webmaster', 'secret', root, perm='elradfmwMT')
users.add_anonymous(root)
handler = TLS_FTPHandler if cert else FTPHandler
if cert:
    handler.certfile = cert
    handler.tls_control_required = True
    handler.tls_data_required = True
handler.authorizer = users
handler.auth_failed_timeout = 0
handler.banner = 'Tagloom test server ready.'
server = FTPServer(('127.0.0.1', 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
)";

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

} // namespace tagloom::test
