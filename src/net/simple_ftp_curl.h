#pragma once
// Inside the FTP session, shared by its two source files: one operation's
// curl request, the easy handle kept for the session, and how a host and a
// remote path become a curl URL.

#include "net/simple_ftp.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <atomic>
#include <curl/curl.h>
#include <vector>

namespace tagloom {

// One operation's request and what curl's callbacks gathered while it ran.
// The callbacks run on the worker thread; the caller reads the fields only
// after the worker has ended.
struct TSimpleFTP::Request {
    QByteArray url;
    bool nobody = false;
    bool wildcard = false;
    bool collectBody = false;  // keep what the server sends in `body`
    bool ascii = false;
    bool watchState = false;
    QStringList quote, postQuote;
    QFile *source = nullptr;
    QSaveFile *sink = nullptr;
    qint64 uploadSize = -1;

    TSimpleFTP *session = nullptr;
    CURLcode code = CURLE_OK;
    QByteArray body;           // an SFTP listing
    QByteArray lastCommand;    // the verb of the last command sent
    QStringList welcome;       // replies before the first command
    bool commandSent = false;
    bool hostKeyChanged = false; // SFTP: the server's key is not the one known
    std::vector<TFTPFindData> entries;
    std::atomic<qint64> lastPosted{-1};
};

class TSimpleFTP::Curl {
public:
    Curl() : handle(curl_easy_init()) {}
    ~Curl() { curl_easy_cleanup(handle); }
    Curl(const Curl &) = delete;
    Curl &operator=(const Curl &) = delete;
    CURL *handle;
};

namespace ftp_detail {

enum class Scheme { Ftp, Ftps, Sftp };

struct Target {
    Scheme scheme = Scheme::Ftp;
    QString host;
};

// "ftps://host" and "sftp://host" choose the protocol; a bare host is FTP.
Target targetOf(const QString &hostName);
// The URL of an absolute remote path on `target`.
QByteArray urlOf(const Target &target, int port, const QString &absolutePath);
// A byte count as the 32-bit progress record holds it.
qint32 clamp32(qint64 value);

} // namespace ftp_detail

} // namespace tagloom
