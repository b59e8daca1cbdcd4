#pragma once
// A real SSH server (OpenSSH's sshd) on 127.0.0.1 at a free port, with its
// own host key, that lets the user running the tests in with the key that
// clientHome() holds in ".ssh". Its SFTP folders are the machine's own, so
// tests work inside root().

#include "common/loopback_server.h"

#include <QTextStream>
#include <pwd.h>
#include <unistd.h>

namespace tagloom::test {

class SshTestServer : public LoopbackServer {
public:
    SshTestServer()
    {
        const int listenPort = freePort();
        if (!available() || listenPort == 0 || !keygen(file(QStringLiteral("host_key"))) ||
            !QDir().mkpath(clientHome() + QStringLiteral("/.ssh")) ||
            !keygen(clientHome() + QStringLiteral("/.ssh/id_ed25519")))
            return;
        QFile::copy(clientHome() + QStringLiteral("/.ssh/id_ed25519.pub"), file(QStringLiteral("authorized_keys")));
        QDir().mkpath(QStringLiteral("/run/sshd")); // where a root sshd drops its privileges
        QFile config(file(QStringLiteral("sshd_config")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        QTextStream(&config) << "ListenAddress 127.0.0.1\nPort " << listenPort << "\nHostKey "
                             << file(QStringLiteral("host_key")) << "\nAuthorizedKeysFile "
                             << file(QStringLiteral("authorized_keys"))
                             << "\nPidFile none\nUsePAM no\nStrictModes no\nPasswordAuthentication no\n"
                                "PermitRootLogin prohibit-password\nSubsystem sftp internal-sftp\n";
        config.close();
        start(program(), {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"), config.fileName()},
              listenPort);
    }

    static bool available()
    {
        return QFile::exists(program()) && QFile::exists(QStringLiteral("/usr/bin/ssh-keygen"));
    }
    // The home folder to give the client: its ".ssh" holds the user's key.
    QString clientHome() const { return file(QStringLiteral("home")); }
    static QString userName()
    {
        const passwd *user = getpwuid(getuid());
        return user ? QString::fromLocal8Bit(user->pw_name) : QString();
    }
    // Gives the server a new host key, as a server taken over would have.
    bool changeHostKey()
    {
        stop();
        QFile::remove(file(QStringLiteral("host_key")));
        QFile::remove(file(QStringLiteral("host_key.pub")));
        const int listenPort = m_port;
        m_port = 0;
        if (!keygen(file(QStringLiteral("host_key"))))
            return false;
        start(program(), m_process.arguments(), listenPort);
        return isRunning();
    }

private:
    static QString program() { return QStringLiteral("/usr/sbin/sshd"); }
    static bool keygen(const QString &key)
    {
        return quietlyDone(QStringLiteral("/usr/bin/ssh-keygen"),
                                 {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                                  QStringLiteral("-N"), QString(), QStringLiteral("-f"), key});
    }
};

} // namespace tagloom::test
