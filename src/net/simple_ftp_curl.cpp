#include "net/simple_ftp_curl.h"
#include "net/ftp_listing_time.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <limits>
#include <memory>

namespace tagloom {

namespace ftp_detail {

Target targetOf(const QString &hostName)
{
    const QString lower = hostName.trimmed().toLower();
    for (const auto &[prefix, scheme] : {std::pair{QStringLiteral("ftps://"), Scheme::Ftps},
                                         std::pair{QStringLiteral("sftp://"), Scheme::Sftp},
                                         std::pair{QStringLiteral("ftp://"), Scheme::Ftp}}) {
        if (lower.startsWith(prefix)) {
            QString host = hostName.trimmed().mid(prefix.size());
            while (host.endsWith(QLatin1Char('/')))
                host.chop(1);
            return {scheme, host};
        }
    }
    return {Scheme::Ftp, hostName.trimmed()};
}

// The URL of an absolute remote path; the leading "%2F" makes an FTP
// server take it from the root rather than from the login folder.
QByteArray urlOf(const Target &target, int port, const QString &absolutePath)
{
    QByteArray path;
    for (const QString &part : absolutePath.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        path += '/' + QUrl::toPercentEncoding(part);
    if (absolutePath.endsWith(QLatin1Char('/')))
        path += '/';
    if (path.isEmpty())
        path = "/";
    QByteArray host = target.host.toUtf8();
    if (host.contains(':') && !host.startsWith('['))
        host = '[' + host + ']';
    const QByteArray scheme = target.scheme == Scheme::Sftp ? "sftp" : "ftp";
    const QByteArray root = target.scheme == Scheme::Sftp ? "" : "/%2F";
    return scheme + "://" + host + ':' + QByteArray::number(port) + root + path;
}

qint32 clamp32(qint64 value)
{
    return qint32(std::clamp<qint64>(value, 0, std::numeric_limits<qint32>::max()));
}

} // namespace ftp_detail

using namespace ftp_detail;

namespace {

const char AnonymousPassword[] = "anonymous@";

bool connectionLost(CURLcode code)
{
    return code == CURLE_COULDNT_CONNECT || code == CURLE_SEND_ERROR || code == CURLE_RECV_ERROR ||
           code == CURLE_GOT_NOTHING || code == CURLE_OPERATION_TIMEDOUT;
}

size_t discardBody(char *, size_t size, size_t count, void *)
{
    return size * count;
}

int debugSeen(CURL *, curl_infotype type, char *data, size_t size, void *userdata)
{
    auto *request = static_cast<TSimpleFTP::Request *>(userdata);
    const QByteArray text(data, qsizetype(size));
    if (type == CURLINFO_HEADER_OUT) {
        request->commandSent = true;
        request->lastCommand = text.split(' ').first().trimmed().toUpper();
        const QString shown = request->lastCommand == "PASS" ? QStringLiteral("PASS ****")
                                                              : QString::fromUtf8(text).trimmed();
        QMetaObject::invokeMethod(request->session, "noteCommand", Qt::QueuedConnection, Q_ARG(QString, shown));
    } else if (type == CURLINFO_HEADER_IN && !request->commandSent) {
        request->welcome << QString::fromUtf8(text).trimmed();
    } else if (type == CURLINFO_TEXT && request->watchState) {
        // The connection events of curl give the state texts.
        TWinInetState state;
        if (text.startsWith("  Trying") || text.startsWith("Trying"))
            state = TWinInetState::Resolved;
        else if (text.startsWith("Connected to"))
            state = TWinInetState::Connected;
        else
            return 0;
        if (state == TWinInetState::Resolved) {
            QMetaObject::invokeMethod(request->session, "noteState", Qt::QueuedConnection, Q_ARG(int, int(state)));
            state = TWinInetState::Connecting;
        }
        QMetaObject::invokeMethod(request->session, "noteState", Qt::QueuedConnection, Q_ARG(int, int(state)));
    }
    return 0;
}

long chunkBegin(const void *info, void *userdata, int)
{
    auto *request = static_cast<TSimpleFTP::Request *>(userdata);
    const auto *file = static_cast<const curl_fileinfo *>(info);
    TFTPFindData entry;
    entry.name = QString::fromUtf8(file->filename);
    entry.isDirectory = file->filetype == CURLFILETYPE_DIRECTORY;
    if (file->flags & CURLFINFOFLAG_KNOWN_SIZE)
        entry.size = file->size;
    if (file->strings.time)
        entry.lastWrite = listingTime(QString::fromUtf8(file->strings.time), QDate::currentDate());
    request->entries.push_back(entry);
    return CURL_CHUNK_BGN_FUNC_SKIP; // listed, never fetched
}

size_t collectBody(char *data, size_t size, size_t count, void *userdata)
{
    static_cast<TSimpleFTP::Request *>(userdata)->body.append(data, qsizetype(size * count));
    return size * count;
}

size_t writeSink(char *data, size_t size, size_t count, void *userdata)
{
    auto *request = static_cast<TSimpleFTP::Request *>(userdata);
    return size_t(request->sink->write(data, qint64(size * count)));
}

size_t readSource(char *buffer, size_t size, size_t count, void *userdata)
{
    auto *request = static_cast<TSimpleFTP::Request *>(userdata);
    const qint64 read = request->source->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

int transferInfo(void *userdata, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal, curl_off_t ulNow)
{
    auto *request = static_cast<TSimpleFTP::Request *>(userdata);
    if (!request->source && !request->sink)
        return 0; // listings and commands move no file
    const bool upload = request->source != nullptr;
    const qint64 now = upload ? ulNow : dlNow;
    const qint64 total = upload ? ulTotal : dlTotal;
    if (request->lastPosted.exchange(now) != now)
        QMetaObject::invokeMethod(request->session, "noteBytes", Qt::QueuedConnection, Q_ARG(qint64, now),
                                  Q_ARG(qint64, total));
    return 0;
}

// libcurl 7.87 and 7.88 cannot open a TLS data connection the server
// connects back to (curl issue 10666, mended in 8.0), so with those an FTPS
// session always asks for passive data connections.
bool activeTlsBroken()
{
    static const bool broken = curl_version_info(CURLVERSION_NOW)->version_num < 0x080000;
    return broken;
}

// Where SSH keeps what it knows: the hosts met before, and the user's own
// key, the first of the usual names that has its public half beside it.
struct SshFiles {
    QByteArray knownHosts, privateKey, publicKey;
};

SshFiles sshFiles()
{
    const QString folder = QDir::homePath() + QStringLiteral("/.ssh");
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SshFiles files;
    files.knownHosts = QFile::encodeName(folder + QStringLiteral("/known_hosts"));
    for (const char *name : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
        const QString key = folder + QLatin1Char('/') + QLatin1String(name);
        if (QFileInfo::exists(key) && QFileInfo::exists(key + QStringLiteral(".pub"))) {
            files.privateKey = QFile::encodeName(key);
            files.publicKey = QFile::encodeName(key + QStringLiteral(".pub"));
            break;
        }
    }
    return files;
}

// A host met for the first time is trusted and remembered, as ssh itself
// does with "accept-new"; a host whose key differs from the remembered one
// is refused, since that is what an impostor looks like.
int checkHostKey(CURL *, const curl_khkey *, const curl_khkey *, curl_khmatch match, void *userdata)
{
    auto *request = static_cast<TSimpleFTP::Request *>(userdata);
    switch (match) {
    case CURLKHMATCH_OK: return CURLKHSTAT_FINE;
    case CURLKHMATCH_MISSING: return CURLKHSTAT_FINE_ADD_TO_FILE;
    default:
        request->hostKeyChanged = true;
        return CURLKHSTAT_REJECT;
    }
}

// curl's string lists, freed with the request.
struct SList {
    curl_slist *list = nullptr;
    explicit SList(const QStringList &lines)
    {
        for (const QString &line : lines)
            list = curl_slist_append(list, line.toUtf8().constData());
    }
    ~SList() { curl_slist_free_all(list); }
    SList(const SList &) = delete;
    SList &operator=(const SList &) = delete;
};


} // namespace

void TSimpleFTP::runOnWorker(const std::function<void()> &work)
{
    m_busy = true;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(work));
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    loop.exec();
    worker->wait();
    m_busy = false;
}

bool TSimpleFTP::isSftp() const
{
    return targetOf(HostName).scheme == Scheme::Sftp;
}

bool TSimpleFTP::perform(Request &request)
{
    if (!m_curl)
        m_curl = new Curl;
    CURL *h = m_curl->handle;
    curl_easy_reset(h);
    const Target target = targetOf(HostName);
    request.session = this;
    const QByteArray user = UserName.isEmpty() ? QByteArray("anonymous") : UserName.toUtf8();
    const QByteArray password = Password.isEmpty() && UserName.isEmpty() ? QByteArray(AnonymousPassword)
                                                                          : Password.toUtf8();
    const long timeout = ConnectTimeout > 0 ? ConnectTimeout : 300000;
    curl_easy_setopt(h, CURLOPT_URL, request.url.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(h, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, timeout);
    curl_easy_setopt(h, CURLOPT_ACCEPTTIMEOUT_MS, timeout);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, qMax(15L, timeout / 1000));
    // A transfer that stalls for a minute is given up rather than left hanging.
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(h, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    if (!Passive && !(target.scheme == Scheme::Ftps && activeTlsBroken()))
        curl_easy_setopt(h, CURLOPT_FTPPORT, "-");
    if (target.scheme == Scheme::Ftps)
        curl_easy_setopt(h, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    if (!CaCertificates.isEmpty())
        curl_easy_setopt(h, CURLOPT_CAINFO, QFile::encodeName(CaCertificates).constData());
    const SshFiles ssh = target.scheme == Scheme::Sftp ? sshFiles() : SshFiles();
    if (target.scheme == Scheme::Sftp) {
        curl_easy_setopt(h, CURLOPT_SSH_KNOWNHOSTS, ssh.knownHosts.constData());
        curl_easy_setopt(h, CURLOPT_SSH_KEYFUNCTION, checkHostKey);
        curl_easy_setopt(h, CURLOPT_SSH_KEYDATA, &request);
        if (!ssh.privateKey.isEmpty()) {
            curl_easy_setopt(h, CURLOPT_SSH_PRIVATE_KEYFILE, ssh.privateKey.constData());
            curl_easy_setopt(h, CURLOPT_SSH_PUBLIC_KEYFILE, ssh.publicKey.constData());
            curl_easy_setopt(h, CURLOPT_KEYPASSWD, password.constData());
        }
    }
    const QByteArray proxy = ProxyName.toUtf8(), bypass = ProxyBypassList.toUtf8();
    if (ResolveNames == TResolveNames::rnLocal) {
        curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    } else if (ResolveNames == TResolveNames::rnProxy) {
        curl_easy_setopt(h, CURLOPT_PROXY, proxy.constData());
        curl_easy_setopt(h, CURLOPT_NOPROXY, bypass.constData());
    }
    curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, debugSeen);
    curl_easy_setopt(h, CURLOPT_DEBUGDATA, &request);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, transferInfo);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &request);
    // SFTP moves files as they are: there is no text mode for the server to
    // undo, so curl's line-end conversion would leave CR LF on a Unix host.
    curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, request.ascii && target.scheme != Scheme::Sftp ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, discardBody);
    SList quote(request.quote), postQuote(request.postQuote);
    if (quote.list)
        curl_easy_setopt(h, CURLOPT_QUOTE, quote.list);
    if (postQuote.list)
        curl_easy_setopt(h, CURLOPT_POSTQUOTE, postQuote.list);
    if (request.nobody)
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    if (request.wildcard) {
        curl_easy_setopt(h, CURLOPT_WILDCARDMATCH, 1L);
        curl_easy_setopt(h, CURLOPT_CHUNK_BGN_FUNCTION, chunkBegin);
        curl_easy_setopt(h, CURLOPT_CHUNK_DATA, &request);
    }
    if (request.collectBody) {
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, collectBody);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &request);
    }
    if (request.sink) {
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeSink);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &request);
    }
    if (request.source) {
        curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(h, CURLOPT_READFUNCTION, readSource);
        curl_easy_setopt(h, CURLOPT_READDATA, &request);
        curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(request.uploadSize));
    }
    runOnWorker([h, &request] { request.code = curl_easy_perform(h); });
    if (request.code != CURLE_OK && connectionLost(request.code) && isConnected()) {
        setState(TWinInetState::NoConnection);
        emit disconnected();
    }
    return request.code == CURLE_OK;
}

QString TSimpleFTP::connectionError(const Request &request) const
{
    switch (request.code) {
    case CURLE_OPERATION_TIMEDOUT: return QStringLiteral("Connection to %1 timed out").arg(HostName);
    case CURLE_FAILED_INIT:
    case CURLE_OUT_OF_MEMORY: return QStringLiteral("Internal WININET error");
    case CURLE_COULDNT_RESOLVE_HOST: return QStringLiteral("Unable to resolve host name '%1'").arg(HostName);
    case CURLE_LOGIN_DENIED:
        if (request.lastCommand == "USER")
            return QStringLiteral("Bad user name: '%1' connecting to %2").arg(UserName, HostName);
        return QStringLiteral("Bad password connecting to %1").arg(HostName);
    case CURLE_COULDNT_CONNECT: return QStringLiteral("Unable to connect to %1").arg(HostName);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        if (request.hostKeyChanged)
            return QStringLiteral("The host key of %1 differs from the one known for it").arg(HostName);
        return QStringLiteral("Unable to verify the identity of %1").arg(HostName);
    default: return QStringLiteral("General Connection Error to %1").arg(HostName);
    }
}

} // namespace tagloom
