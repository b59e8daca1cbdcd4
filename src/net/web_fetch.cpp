#include "net/web_fetch.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tagloom {

namespace {

// How much body Qt may hold before it is written. Past it the reply stops
// reading the socket, so a fast server waits for the disk instead of filling
// memory, and each write on the calling thread stays short.
constexpr qint64 ReadBufferSize = 256 * 1024;

// The error Qt reports for a response with an error status (404, 500), whose
// body, the server's error page, arrived whole. Any other error means the
// transfer itself broke.
QNetworkReply::NetworkError errorOfStatus(int status)
{
    static const struct {
        int status;
        QNetworkReply::NetworkError error;
    } table[] = {
        {400, QNetworkReply::ProtocolInvalidOperationError},
        {401, QNetworkReply::AuthenticationRequiredError},
        {403, QNetworkReply::ContentAccessDenied},
        {404, QNetworkReply::ContentNotFoundError},
        {405, QNetworkReply::ContentOperationNotPermittedError},
        {407, QNetworkReply::ProxyAuthenticationRequiredError},
        {409, QNetworkReply::ContentConflictError},
        {410, QNetworkReply::ContentGoneError},
        {418, QNetworkReply::ProtocolInvalidOperationError},
        {500, QNetworkReply::InternalServerError},
        {501, QNetworkReply::OperationNotImplementedError},
        {503, QNetworkReply::ServiceUnavailableError},
    };
    for (const auto &row : table) {
        if (row.status == status)
            return row.error;
    }
    if (status >= 500)
        return QNetworkReply::UnknownServerError;
    if (status >= 400)
        return QNetworkReply::UnknownContentError;
    return QNetworkReply::NoError;
}

// A body in a content coding (gzip, br) is refused rather than saved as
// compressed bytes: it was asked for as it is, so a server that sends it
// coded anyway is at fault. Returns the message, empty when the body is plain.
QString refusedCoding(const QNetworkReply &reply)
{
    const QByteArray coding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    if (coding.isEmpty() || coding == "identity")
        return QString();
    return QStringLiteral("The server sent the page compressed (%1) although it was asked for the page as it is.")
        .arg(QString::fromLatin1(coding));
}

} // namespace

QString webFetchTooLargeMessage(qint64 limit)
{
    return QStringLiteral("The page is larger than %1 (%2 bytes), the largest page Open from Web takes.")
        .arg(QLocale::c().formattedDataSize(limit, 0, QLocale::DataSizeIecFormat))
        .arg(limit);
}

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

Status WebFetch::start(const QUrl &url, const QString &targetPath)
{
    if (m_reply)
        return Status::failure(QStringLiteral("A page is still being fetched."));
    const Status created = createFile(targetPath);
    if (!created)
        return created;
    m_received = 0;
    m_aborted = false;
    m_tooLarge = false;
    m_stopError.clear();

    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", WebFetchUserAgent);
    request.setRawHeader("Accept", WebFetchAccept);
    // Follow moved pages the way a browser would, but never from https down
    // to http; the bodies of the redirect responses are not kept.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    // Asks for the page as it is. Left to itself Qt offers compressed codings
    // and inflates what arrives all at once in memory, refuses large pages
    // silently and takes a cut-off stream for a whole one.
    request.setRawHeader("Accept-Encoding", "identity");

    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(ReadBufferSize);
    connect(m_reply, &QNetworkReply::readyRead, this, &WebFetch::writeAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &WebFetch::onFinished);
    return Status::success();
}

Status WebFetch::createFile(const QString &targetPath)
{
    const QFileInfo target(targetPath);
    // Renaming over the target would succeed on a read-only file; honour its
    // protection as opening it for writing would.
    if (target.isDir() || (target.exists() && !target.isWritable()))
        return Status::failure(
            QStringLiteral("Cannot create file \"%1\". Access is denied.").arg(target.absoluteFilePath()));
    auto file = std::make_unique<QTemporaryFile>(target.absoluteFilePath() + QLatin1String(".XXXXXX"));
    if (!file->open())
        return Status::failure(
            QStringLiteral("Cannot create file \"%1\". %2").arg(target.absoluteFilePath(), file->errorString()));
    // The page keeps the old file's permissions, or gets those of a new file.
    file->setPermissions(target.exists() ? target.permissions()
                                         : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
    m_file = std::move(file);
    m_targetPath = target.absoluteFilePath();
    return Status::success();
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
    if (!m_reply || m_aborted || !m_stopError.isEmpty())
        return;
    if (m_received == 0 && m_reply->bytesAvailable() > 0) {
        const QString refused = refusedCoding(*m_reply);
        if (!refused.isEmpty()) {
            stopWithError(refused);
            return;
        }
    }
    const qint64 before = m_received;
    // Qt holds about one buffer's worth here, so this loop stays short.
    while (m_reply && m_stopError.isEmpty() && m_reply->bytesAvailable() > 0) {
        const QByteArray block = m_reply->read(ReadBufferSize);
        if (block.size() > m_sizeLimit - m_received) {
            m_tooLarge = true;
            stopWithError(webFetchTooLargeMessage(m_sizeLimit));
            return;
        }
        if (m_file->write(block) != block.size()) {
            // A full disk: stop downloading what cannot be kept.
            stopWithError(QStringLiteral("Cannot write file \"%1\". %2").arg(m_targetPath, m_file->errorString()));
            return;
        }
        m_received += block.size();
    }
    if (m_received > before)
        emit progress(m_received);
}

void WebFetch::stopWithError(const QString &error)
{
    m_stopError = error;
    m_reply->abort(); // emits finished() before returning
}

void WebFetch::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    writeAvailable(); // whatever arrived with the end of the response
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    WebFetchResult result;
    result.statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    result.bytesReceived = m_received;
    result.aborted = m_aborted;
    result.tooLarge = m_tooLarge;
    // Qt can take a connection closed too early for the end of the body.
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (m_stopError.isEmpty() && !m_aborted && reply->error() == errorOfStatus(result.statusCode) &&
        length.isValid() && length.toLongLong() != m_received)
        m_stopError = QStringLiteral("The connection closed after %1 of the page's %2 bytes.")
                          .arg(m_received)
                          .arg(length.toLongLong());
    result.bodyComplete =
        !m_aborted && m_stopError.isEmpty() && reply->error() == errorOfStatus(result.statusCode);
    result.ok = result.bodyComplete && result.statusCode < 400;
    if (!m_stopError.isEmpty()) {
        result.error = m_stopError;
    } else if (!result.bodyComplete && !m_aborted) {
        result.error = reply->errorString();
    }
    // An empty body replaces nothing; it is put in place only when there is
    // no file yet, so that there is one to open.
    if (result.bodyComplete && (m_received > 0 || !QFileInfo::exists(m_targetPath))) {
        result.error = putInPlace();
        result.saved = result.error.isEmpty();
    }
    m_file.reset(); // removes the received file unless it was put in place
    emit finished(result);
}

QString WebFetch::putInPlace()
{
    if (!m_file->flush())
        return QStringLiteral("Cannot write file \"%1\". %2").arg(m_targetPath, m_file->errorString());
    const QByteArray received = QFile::encodeName(m_file->fileName());
    m_file->close();
    // rename() replaces the target in one step. Unlike QSaveFile::commit() it
    // does not wait for the disk, which after a large page would freeze the
    // window for as long as the disk needs.
    if (std::rename(received.constData(), QFile::encodeName(m_targetPath).constData()) != 0)
        return QStringLiteral("Cannot write file \"%1\". %2")
            .arg(m_targetPath, QString::fromLocal8Bit(std::strerror(errno)));
    m_file->setAutoRemove(false);
    return QString();
}

} // namespace tagloom
