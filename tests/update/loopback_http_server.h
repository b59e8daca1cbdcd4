#pragma once
// A real HTTP server on 127.0.0.1 (python3's http.server) serving the files
// of a temporary folder; a missing file answers 404.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QFile>

namespace tagloom::test {

class LoopbackHttpServer {
public:
    LoopbackHttpServer()
    {
        m_process.setProgram(QStringLiteral("python3"));
        m_process.setArguments({QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                                QStringLiteral("0"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                                QStringLiteral("--directory"), m_root.path()});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        static const QRegularExpression portLine(QStringLiteral("port (\\d+)"));
        QByteArray out;
        while (m_process.waitForReadyRead(10000)) {
            out += m_process.readAllStandardOutput();
            const auto match = portLine.match(QString::fromLatin1(out));
            if (match.hasMatch()) {
                m_port = match.captured(1).toInt();
                break;
            }
        }
    }
    ~LoopbackHttpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool isUp() const { return m_port > 0; }
    // "127.0.0.1:port", as the update server setting holds it.
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString url(const QString &path) const { return QStringLiteral("http://") + server() + path; }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_root.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    void remove(const QString &name) const { QFile::remove(m_root.filePath(name)); }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};

} // namespace tagloom::test
