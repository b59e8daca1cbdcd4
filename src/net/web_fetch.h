#pragma once
// One HTTP GET whose body is streamed into a device as it arrives, for Open
// from Web. It runs on the calling thread's event loop: start() returns at
// once, progress() reports the running byte count and finished() ends every
// started fetch exactly once, also after abort() or a network error.
// Redirects are followed as long as they do not lead from https to http;
// only the final response's status and body count.

#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

namespace tagloom {

inline constexpr char WebFetchUserAgent[] = "Quenby Fetchwell";
inline constexpr char WebFetchAccept[] = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";

struct WebFetchResult {
    bool ok = false;         // a final status below 400, body complete
    bool aborted = false;    // ended by abort()
    int statusCode = 0;      // final HTTP status; 0 when no response arrived
    QString reason;          // the status line's reason phrase
    qint64 bytesWritten = 0; // body bytes written to the device
    QString error;           // network or write failure; empty when none
};

// Makes an absolute URL of what a user typed: a text without "://" is taken
// as an http address ("www.example.com/a.htm", "localhost:8080/").
QUrl urlFromTypedText(const QString &text);

class WebFetch : public QObject {
    Q_OBJECT
public:
    explicit WebFetch(QObject *parent = nullptr);
    // A running fetch is dropped without finished().
    ~WebFetch() override;

    // Starts a GET of `url` into `target`, which must be open for writing and
    // outlive the fetch (not owned). False when a fetch is already running.
    bool start(const QUrl &url, QIODevice *target);
    // Ends the running fetch early; finished() follows with aborted set.
    void abort();
    bool isRunning() const { return m_reply != nullptr; }

signals:
    void progress(qint64 bytesWritten);
    void finished(const tagloom::WebFetchResult &result);

private:
    void writeAvailable();
    void onFinished();

    std::unique_ptr<QNetworkAccessManager> m_manager;
    QNetworkReply *m_reply = nullptr;
    QIODevice *m_target = nullptr;
    qint64 m_written = 0;
    bool m_aborted = false;
    QString m_writeError;
};

} // namespace tagloom
