#pragma once
// One HTTP GET whose body goes into a local file, for Open from Web. It runs
// on the calling thread's event loop: start() returns at once, progress()
// reports the running byte count and finished() ends every started fetch
// exactly once, also after abort() or a network error.
//
// The body is received into a new file beside the target, which takes the
// target's place only when the whole body arrived (an error page counts);
// a fetch that breaks off, is aborted, overflows the size limit or brings an
// empty body leaves an existing target exactly as it was. It is taken from
// the network no faster than it is written, so memory stays bounded however
// fast the server sends. The page is asked for uncompressed, and a body that
// comes compressed all the same is refused, never saved as compressed bytes.
// Redirects are followed as long as they do not lead from https to http;
// only the final response's status and body count.

#include "base/result.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

namespace tagloom {

inline constexpr char WebFetchUserAgent[] = "Quenby Fetchwell";
inline constexpr char WebFetchAccept[] = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";

// The most body bytes one fetch takes: far beyond any hand-written
// page, and a stop for a server whose body never ends.
inline constexpr qint64 WebFetchSizeLimit = qint64(1) << 30;

struct WebFetchResult {
    bool ok = false;           // the body was complete and its final status below 400
    bool bodyComplete = false; // the whole final body arrived and was written
    bool saved = false;        // the target file now holds that body
    bool aborted = false;      // ended by abort()
    bool tooLarge = false;     // stopped at the size limit
    int statusCode = 0;        // final HTTP status; 0 when no response arrived
    QString reason;            // the status line's reason phrase
    qint64 bytesReceived = 0;  // body bytes received (and written to the new file)
    QString error;             // why the body was not kept, for the user; empty when it was, and after abort()
};

// The message of a fetch stopped at `limit` bytes.
QString webFetchTooLargeMessage(qint64 limit);

// Makes an absolute URL of what a user typed: a text without "://" is taken
// as an http address ("www.example.com/a.htm", "localhost:8080/").
QUrl urlFromTypedText(const QString &text);

class WebFetch : public QObject {
    Q_OBJECT
public:
    explicit WebFetch(QObject *parent = nullptr);
    // A running fetch is dropped without finished(); the target stays as it was.
    ~WebFetch() override;

    // Starts a GET of `url` for the file `targetPath`. Fails when a fetch is
    // already running or the new file cannot be created beside the target.
    Status start(const QUrl &url, const QString &targetPath);
    // Ends the running fetch at once; finished() follows with aborted set.
    void abort();
    bool isRunning() const { return m_reply != nullptr; }
    // Body bytes beyond which a fetch stops; for fetches started later.
    void setSizeLimit(qint64 bytes) { m_sizeLimit = bytes; }
    qint64 sizeLimit() const { return m_sizeLimit; }

signals:
    void progress(qint64 bytesReceived);
    void finished(const tagloom::WebFetchResult &result);

private:
    Status createFile(const QString &targetPath);
    void writeAvailable();
    void stopWithError(const QString &error);
    void onFinished();
    QString putInPlace();

    std::unique_ptr<QNetworkAccessManager> m_manager;
    QNetworkReply *m_reply = nullptr;
    std::unique_ptr<QTemporaryFile> m_file; // removed unless put in place
    QString m_targetPath;
    qint64 m_received = 0;
    qint64 m_sizeLimit = WebFetchSizeLimit;
    bool m_aborted = false;
    bool m_tooLarge = false;
    QString m_stopError; // why the fetch stopped itself
};

} // namespace tagloom
