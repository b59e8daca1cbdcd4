#pragma once
// A real FTP server (pyftpdlib) on 127.0.0.1 at a free port, serving a fresh
// temporary folder, for as long as the object lives. User "webmaster" with
// password "secret" may do everything; anonymous users may read. With TLS
// the server asks for explicit TLS on every connection, with a certificate
// made for 127.0.0.1 that caFile() names for the client to trust.

#include "common/loopback_server.h"

namespace tagloom::test {

class FtpTestServer : public LoopbackServer {
public:
    enum class Security { Plain, Tls };

    explicit FtpTestServer(Security security = Security::Plain)
    {
        if (security == Security::Tls && !makeCertificate(caFile()))
            return;
        start(python(), {QStringLiteral("-c"), QString::fromLatin1(Script), root(),
                         security == Security::Tls ? caFile() : QString()});
    }

    // Whether a server could be started here at all.
    static bool available()
    {
        return QProcess::execute(python(), {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")}) == 0;
    }

    QString caFile() const { return file(QStringLiteral("server.pem")); }

private:
    // pyftpdlib is a Debian package, found by the system's own interpreter.
    static QString python()
    {
        return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                  : QStringLiteral("python3");
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

};

} // namespace tagloom::test
