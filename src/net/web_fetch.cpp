#include "net/web_fetch.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace tagloom {

QUrl urlFromTypedText(const QString &text)
{
    const QString trimmed = text.trimmed();
    // QUrl would read "localhost:8080" as scheme "localhost", so look for the
    // separator rather than asking QUrl for a scheme.
    if (trimmed.isEmpty() || trimmed.contains(QLatin1String("://")))
        return QUrl(trimmed, QUrl::TolerantMode);
    return QUrl(QLatin1String("http://") + trimmed, QUrl::TolerantMode);
}

WebFetch::WebFetch(QObject *parent) : QObject(parent), m_manager(std::make_unique<QNetworkAccessManager>())
{
    // The fetch never goes through a proxy, whatever the environment says.
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

WebFetch::~WebFetch()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool WebFetch::start(const QUrl &url, QIODevice *target)
{
    if (m_reply || !target)
        return false;
    m_target = target;
    m_written = 0;
    m_aborted = false;
    m_writeError.clear();

    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", WebFetchUserAgent);
    request.setRawHeader("Accept", WebFetchAccept);
    // Follow moved pages the way a browser would, but never from https down
    // to http; the bodies of the redirect responses are not kept.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &WebFetch::writeAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &WebFetch::onFinished);
    return true;
}

void WebFetch::abort()
{
    if (!m_reply)
        return;
    m_aborted = true;
    m_reply->abort(); // emits finished() before returning
}

void WebFetch::writeAvailable()
{
    if (!m_reply || !m_writeError.isEmpty())
        return;
    const QByteArray block = m_reply->readAll();
    if (block.isEmpty())
        return;
    if (m_target->write(block) != block.size()) {
        // A full disk or a vanished file: stop downloading what cannot be kept.
        m_writeError = m_target->errorString();
        m_reply->abort();
        return;
    }
    m_written += block.size();
    emit progress(m_written);
}

void WebFetch::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    if (!m_aborted)
        writeAvailable(); // whatever arrived with the end of the response
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    WebFetchResult result;
    result.statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    result.bytesWritten = m_written;
    result.aborted = m_aborted;
    if (!m_writeError.isEmpty())
        result.error = m_writeError;
    else if (reply->error() != QNetworkReply::NoError)
        result.error = reply->errorString();
    result.ok = !m_aborted && result.error.isEmpty() && result.statusCode < 400;
    m_target = nullptr;
    emit finished(result);
}

} // namespace tagloom
