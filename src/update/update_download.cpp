#include "update/update_download.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>

namespace tagloom {

namespace {

bool isLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// The status kinds the download step reports.
constexpr int KindError = 2;
constexpr int KindInformation = 3;
constexpr int KindHttpStatus = 6;

} // namespace

bool isPermittedUpdateAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("https") || (scheme == QLatin1String("http") && isLoopbackHost(url.host()));
}

QString downloadFileName(const QUrl &url)
{
    // The segment is cut before it is decoded, so that an encoded separator
    // ("..%2F") stays inside it and is refused below.
    const QString path = url.path(QUrl::FullyEncoded);
    const QString name = QUrl::fromPercentEncoding(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toLatin1());
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QChar()))
        return QString();
    return name;
}

bool downloadUpdateFile(QNetworkAccessManager &manager, const QString &address, const QString &targetPath,
                        const DownloadReport &report)
{
    report.status(QStringLiteral("Download : ") + address, KindInformation);
    const QUrl url(address);
    if (!isPermittedUpdateAddress(url)) {
        report.status(QStringLiteral("Only https addresses are fetched (plain http only from this machine): ") +
                          address,
                      KindInformation);
        report.status(QStringLiteral("File ") + address, KindError);
        return false;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(UpdateAgentName));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setRawHeader("Accept-Encoding", "identity");
    // The system's proxy for the world; never one for the local machine.
    const auto proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    manager.setProxy(isLoopbackHost(url.host()) || proxies.isEmpty() ? QNetworkProxy(QNetworkProxy::NoProxy)
                                                                      : proxies.first());

    QSaveFile file(targetPath);
    bool fileOpen = false;
    bool httpFailed = false;
    qint64 received = 0;
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;

    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl &next) {
        if (isPermittedUpdateAddress(next))
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    const auto readBlocks = [&] {
        const int code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (httpFailed || code > 299)
            return;
        if (!fileOpen)
            fileOpen = file.open(QIODevice::WriteOnly);
        if (!fileOpen) {
            reply->abort();
            return;
        }
        const qint64 size = reply->header(QNetworkRequest::ContentLengthHeader).isValid()
                                ? reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()
                                : -1;
        while (reply->bytesAvailable() > 0) {
            const QByteArray block = reply->read(UpdateBlockSize);
            if (file.write(block) != block.size()) {
                reply->abort();
                return;
            }
            received += block.size();
            report.progress(size, received);
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const int code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (code > 299 && !reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid()) {
            httpFailed = true;
            report.status(QStringLiteral("Http status : ") + QString::number(code), KindHttpStatus);
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, readBlocks);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    readBlocks();

    const bool ok = !httpFailed && reply->error() == QNetworkReply::NoError && fileOpen && received > 0;
    // Refused, unreachable, broken off or led elsewhere than it may go.
    if (!httpFailed && reply->error() != QNetworkReply::NoError)
        report.status(QStringLiteral("File ") + address, KindError);
    reply->disconnect();
    reply->deleteLater();
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tagloom
