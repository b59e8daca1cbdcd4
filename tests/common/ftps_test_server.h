#pragma once
// A real FTPS server (vsftpd) on 127.0.0.1 at a free port that asks for
// explicit TLS on the control and the data connections, with a certificate
// made for 127.0.0.1 that caFile() names for the client to trust. Anonymous
// users log in without a password and may do everything inside "pub".

#include "common/loopback_server.h"

#include <QTextStream>

namespace tagloom::test {

class FtpsTestServer : public LoopbackServer {
public:
    FtpsTestServer()
    {
        const int listenPort = freePort();
        if (!available() || listenPort == 0 || !makeCertificate(caFile()))
            return;
        QDir(file(QStringLiteral("empty"))).mkpath(QStringLiteral("."));
        QDir(root()).mkpath(QStringLiteral("pub"));
        QFile::setPermissions(path(QStringLiteral("pub")), QFile::Permissions(0x7777));
        // An anonymous root the anonymous user could write to is refused.
        QFile::setPermissions(root(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::ExeOther);
        QFile config(file(QStringLiteral("vsftpd.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        QTextStream(&config) << "listen=YES\nlisten_address=127.0.0.1\nlisten_port=" << listenPort
                             << "\nbackground=NO\nrun_as_launching_user=YES\nseccomp_sandbox=NO\n"
                                "anonymous_enable=YES\nlocal_enable=NO\nno_anon_password=YES\nanon_root="
                             << root()
                             << "\nwrite_enable=YES\nanon_upload_enable=YES\nanon_mkdir_write_enable=YES\n"
                                "anon_other_write_enable=YES\nanon_umask=022\nftpd_banner=Tagloom secure test server.\n"
                                "ssl_enable=YES\nallow_anon_ssl=YES\nforce_anon_logins_ssl=YES\n"
                                "force_anon_data_ssl=YES\nrequire_ssl_reuse=NO\nrsa_cert_file="
                             << caFile() << "\nsecure_chroot_dir=" << file(QStringLiteral("empty")) << '\n';
        config.close();
        start(program(), {config.fileName()}, listenPort);
    }
    ~FtpsTestServer() override
    {
        // Let the temporary folder go again.
        QFile::setPermissions(root(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    static bool available() { return QFile::exists(program()); }
    QString caFile() const { return file(QStringLiteral("server.pem")); }

private:
    static QString program() { return QStringLiteral("/usr/sbin/vsftpd"); }
};

} // namespace tagloom::test
