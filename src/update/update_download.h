#pragma once
// The download step of the web update: one HTTP GET whose body goes into a
// file, run on the calling thread with the event loop turning between blocks
// so that the window stays live.
//
// The control file can make the program run commands and replace itself, so
// every address is fetched over HTTPS with the certificate verified; plain
// HTTP is accepted for the local machine only. Redirects are held to the same
// rule. The target file is replaced only when a body of at least one byte
// arrived whole.

#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

namespace tagloom {

inline constexpr char UpdateAgentName[] = "VevOzuvur";
inline constexpr qint64 UpdateBlockSize = 4096;

// https, or http to a loopback host ("localhost", 127.0.0.0/8, ::1).
bool isPermittedUpdateAddress(const QUrl &url);

// The last path segment of `url` when it can serve as a file name: not
// empty, not "." or "..", without separators; empty otherwise.
QString downloadFileName(const QUrl &url);

struct DownloadReport {
    // A status text for the user and its kind (see UpdateStatusKind).
    std::function<void(const QString &text, int kind)> status;
    // After each block: the announced size (-1 when unknown) and the bytes so far.
    std::function<void(qint64 size, qint64 received)> progress;
};

// Fetches `address` into `targetPath`; true when the file now holds the body.
// Reports "Download : " + address first, then "Http status : " + code (kind
// 6) for a status above 299, or "File " + address (kind 2) when the address
// cannot be opened at all.
bool downloadUpdateFile(QNetworkAccessManager &manager, const QString &address, const QString &targetPath,
                        const DownloadReport &report);

} // namespace tagloom
