#include "net/simple_ftp.h"
#include "net/simple_ftp_curl.h"
#include "net/sftp_listing.h"

#include <QDir>
#include <QFileInfo>

namespace tagloom {

using namespace ftp_detail;

namespace {

// Uploads land under this name beside the target and take its place only
// once complete, so a broken upload never leaves a cut-off file behind.
const char UploadSuffix[] = ".tlpart";

// Kinds of file that "let the session choose" sends as text.
bool isTextName(const QString &name)
{
    static const QStringList textSuffixes{
        QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("shtml"), QStringLiteral("txt"),
        QStringLiteral("css"), QStringLiteral("js"),   QStringLiteral("xml"),   QStringLiteral("wml"),
        QStringLiteral("php"), QStringLiteral("asp"),  QStringLiteral("pl"),    QStringLiteral("cgi")};
    return textSuffixes.contains(QFileInfo(name).suffix().toLower());
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

QString winInetStateText(int state, const QString &host)
{
    switch (state) {
    case 0: return QStringLiteral("Disconnecting from %1").arg(host);
    case 1: return QStringLiteral("No connection");
    case 2: return QStringLiteral("Connecting to %1").arg(host);
    case 3: return QStringLiteral("Connected to %1").arg(host);
    case 4: return QStringLiteral("Resolving name %1").arg(host);
    case 5: return QStringLiteral("Resolved name %1").arg(host);
    default: return QStringLiteral("Unknown state!  Contact support ...");
    }
}

int progressPercent(const TFTPProgressInfo &info)
{
    if (info.bytesTotal <= 0)
        return 0;
    return int(qRound64(double(info.bytesDone) * 100.0 / double(info.bytesTotal)));
}


TSimpleFTP::TSimpleFTP(QObject *parent) : QObject(parent)
{
    static const bool curlReady = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(curlReady);
}

TSimpleFTP::~TSimpleFTP()
{
    if (!m_busy)
        Disconnect();
    delete m_curl;
}

bool TSimpleFTP::setFileSystemType(TFTPFileSystemType type)
{
    if (isConnected())
        return fail(QStringLiteral("Cannot change file system type when connected"));
    m_fileSystemType = type;
    return true;
}

bool TSimpleFTP::fail(const QString &message)
{
    m_lastError = message;
    if (!SilentExceptions)
        emit errorRaised(message);
    return false;
}

bool TSimpleFTP::failTransfer(const QString &message)
{
    emit transferFailed(message);
    return fail(message);
}

void TSimpleFTP::setState(TWinInetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(int(state), winInetStateText(int(state), HostName));
}


bool TSimpleFTP::Connect()
{
    if (isConnected())
        return true;
    if (m_busy)
        return fail(QStringLiteral("General Connection Error to %1").arg(HostName));
    const Target target = targetOf(HostName);
    if (OnLogin)
        OnLogin(UserName, Password);
    std::unique_ptr<Request> request;
    for (int attempt = 0; attempt < qMax(1, ConnectRetries); ++attempt) {
        request = std::make_unique<Request>();
        request->nobody = true;
        request->watchState = true;
        request->url = urlOf(target, Port, QStringLiteral("/"));
        setState(TWinInetState::Resolving);
        if (perform(*request))
            break;
        if (request->code != CURLE_COULDNT_CONNECT && request->code != CURLE_OPERATION_TIMEDOUT)
            break;
    }
    if (request->code != CURLE_OK) {
        delete m_curl;
        m_curl = nullptr;
        setState(TWinInetState::NoConnection);
        return fail(connectionError(*request));
    }
    char *entry = nullptr;
    curl_easy_getinfo(m_curl->handle, CURLINFO_FTP_ENTRY_PATH, &entry);
    m_currentDir = resolveRemoteFolder(QStringLiteral("/"), entry ? QString::fromUtf8(entry) : QStringLiteral("/"));
    m_welcome = request->welcome.isEmpty() ? QStringLiteral("No error description available")
                                           : request->welcome.join(QStringLiteral("\r\n"));
    setState(TWinInetState::Connected);
    if (!m_remoteDir.isEmpty())
        ChangeDir(m_remoteDir);
    emit connected();
    return true;
}

bool TSimpleFTP::Disconnect()
{
    if (m_busy)
        return false;
    const bool wasOpen = m_state != TWinInetState::NoConnection;
    if (wasOpen)
        setState(TWinInetState::Disconnecting);
    if (m_curl) {
        // Closing says goodbye to the server, which may take a moment.
        Curl *curl = m_curl;
        m_curl = nullptr;
        runOnWorker([curl] { delete curl; });
    }
    setState(TWinInetState::NoConnection);
    if (wasOpen)
        emit disconnected();
    return true;
}

bool TSimpleFTP::ChangeDir(const QString &folder)
{
    if (!isConnected()) {
        m_remoteDir = folder;
        return true;
    }
    const QString target = resolveRemoteFolder(m_currentDir, stripTrailingSeparator(folder));
    Request request;
    request.nobody = true;
    request.url = urlOf(targetOf(HostName), Port, target);
    if (!perform(request)) {
        m_lastError = QStringLiteral("Couldn't change to directory %1").arg(folder);
        return m_fileSystemType == TFTPFileSystemType::ftUnknown ? false : fail(m_lastError);
    }
    m_currentDir = target;
    m_remoteDir = folder;
    emit directoryChanged(folder);
    return true;
}

QString TSimpleFTP::GetCurrentDir() const
{
    if (!isConnected())
        return m_remoteDir;
    return m_currentDir.isEmpty() ? m_remoteDir : m_currentDir;
}

bool TSimpleFTP::listInto(const QString &folder, std::vector<TFTPFindData> &entries)
{
    Request request;
    const Target target = targetOf(HostName);
    if (target.scheme == Scheme::Sftp) {
        // curl hands over the server's long lines; the session reads them.
        request.collectBody = true;
        request.url = urlOf(target, Port, remoteJoin(folder, TFTPFileSystemType::ftUnix));
        if (!perform(request))
            return false;
        const QDate today = QDate::currentDate();
        for (const QByteArray &line : request.body.split('\n')) {
            if (auto entry = sftpListingEntry(QString::fromUtf8(line).trimmed(), today))
                entries.push_back(std::move(*entry));
        }
        return true;
    }
    request.wildcard = true;
    request.url = urlOf(target, Port, remoteJoin(folder, TFTPFileSystemType::ftUnix)) + '*';
    // An empty folder matches nothing, which curl reports as a missing file.
    if (!perform(request) && request.code != CURLE_REMOTE_FILE_NOT_FOUND)
        return false;
    entries = std::move(request.entries);
    return true;
}

int TSimpleFTP::List(const QString &pathWithMask, QStringList *names)
{
    if (!isConnected()) {
        fail(QStringLiteral("Not connected!"));
        return 0;
    }
    const RemoteParts parts = splitRemoteName(pathWithMask);
    const QString folder = parts.folder.isEmpty() ? m_currentDir : resolveRemoteFolder(m_currentDir, parts.folder);
    std::vector<TFTPFindData> entries;
    if (!listInto(folder, entries)) {
        m_lastError = QStringLiteral("Couldn't change to directory %1").arg(folder);
        return 0;
    }
    for (const TFTPFindData &entry : entries) {
        emit findItem(entry);
        if (names)
            names->append(entry.name);
    }
    return int(entries.size());
}

QString TSimpleFTP::absoluteRemote(const QString &name) const
{
    const RemoteParts parts = splitRemoteName(name);
    const QString folder = parts.folder.isEmpty() ? m_currentDir : resolveRemoteFolder(m_currentDir, parts.folder);
    return remoteJoin(folder, m_fileSystemType) + parts.name;
}

QStringList TSimpleFTP::commands(const char *ftpVerb, const char *sftpVerb, const QString &path) const
{
    if (isSftp())
        return {QLatin1String(sftpVerb) + QLatin1Char(' ') + quoted(path)};
    return {QLatin1String(ftpVerb) + QLatin1Char(' ') + path};
}

bool TSimpleFTP::runCommands(const QStringList &commandLines)
{
    Request request;
    request.nobody = true;
    request.quote = commandLines;
    request.url = urlOf(targetOf(HostName), Port, m_currentDir);
    return perform(request);
}

bool TSimpleFTP::useAscii(const QString &fileName) const
{
    switch (TransferType) {
    case TFTPTransferType::ttAscii: return true;
    case TFTPTransferType::ttBinary: return false;
    case TFTPTransferType::ttUnknown: break;
    }
    return isTextName(fileName);
}

void TSimpleFTP::startFile(const QString &name, qint64 total)
{
    m_progress.bytesDone = 0;
    m_progress.bytesTotal = clamp32(total);
    m_progress.fileName = name;
    emit transferProgress(m_progress);
}

void TSimpleFTP::noteBytes(qint64 done, qint64 total)
{
    if (total > 0)
        m_progress.bytesTotal = clamp32(total);
    m_progress.bytesDone = clamp32(m_progress.bytesTotal > 0 ? qMin<qint64>(done, m_progress.bytesTotal) : done);
    emit transferProgress(m_progress);
}

void TSimpleFTP::reportBytes(qint64 done)
{
    // A finished file is complete, whatever the last count said.
    m_progress.bytesTotal = clamp32(qMax<qint64>(done, m_progress.bytesTotal));
    m_progress.bytesDone = m_progress.bytesTotal;
    emit transferProgress(m_progress);
}

bool TSimpleFTP::Get(const QString &remoteName)
{
    const RemoteParts parts = splitRemoteName(remoteName);
    const QString remote = absoluteRemote(remoteName);
    const QString local = localJoin(LocalDir) + parts.name;
    if (!isConnected())
        return fail(QStringLiteral("Not connected!"));
    if (m_busy || (FailIfExistsOnGet && QFileInfo::exists(local)))
        return failTransfer(QStringLiteral("Error getting %1 from %2").arg(remote, HostName));
    startFile(parts.name, 0);
    return transferGet(remote, local);
}

bool TSimpleFTP::transferGet(const QString &remotePath, const QString &localPath)
{
    // The local file is replaced only by a complete download.
    QSaveFile sink(localPath);
    if (!sink.open(QIODevice::WriteOnly))
        return failTransfer(QStringLiteral("Error getting %1 from %2").arg(remotePath, HostName));
    Request request;
    request.sink = &sink;
    request.ascii = useAscii(localPath);
    request.url = urlOf(targetOf(HostName), Port, remotePath);
    if (!perform(request)) {
        sink.cancelWriting();
        if (request.code == CURLE_REMOTE_FILE_NOT_FOUND)
            return failTransfer(QStringLiteral("Error getting %1 to %2: remote file not found").arg(remotePath, localPath));
        return failTransfer(QStringLiteral("Error getting %1 from %2").arg(remotePath, HostName));
    }
    const qint64 size = sink.size();
    if (!sink.commit())
        return failTransfer(QStringLiteral("Error getting %1 from %2").arg(remotePath, HostName));
    reportBytes(size);
    return true;
}

bool TSimpleFTP::Put(const QString &localName)
{
    const QString local = localPath(LocalDir, localName);
    const QString name = QFileInfo(local).fileName();
    const QString remote = remoteJoin(m_currentDir, m_fileSystemType) + name;
    if (!isConnected())
        return fail(QStringLiteral("Not connected!"));
    if (!QFileInfo(local).isFile())
        return failTransfer(QStringLiteral("Error putting %1 to %2: local file not found").arg(local, remote));
    if (m_busy)
        return failTransfer(QStringLiteral("Error putting %1 to %2").arg(local, remote));
    startFile(name, QFileInfo(local).size());
    return transferPut(local, remote);
}

bool TSimpleFTP::transferPut(const QString &localPath, const QString &remotePath)
{
    QFile source(localPath);
    if (!source.open(QIODevice::ReadOnly))
        return failTransfer(QStringLiteral("Error putting %1 to %2: local file not found").arg(localPath, remotePath));
    const QString partial = remotePath + QLatin1String(UploadSuffix);
    Request request;
    request.source = &source;
    request.uploadSize = source.size();
    request.ascii = useAscii(localPath);
    request.url = urlOf(targetOf(HostName), Port, partial);
    // Runs only after a complete upload: the whole file takes the real name.
    if (isSftp())
        request.postQuote = {QStringLiteral("rename %1 %2").arg(quoted(partial), quoted(remotePath))};
    else
        request.postQuote = {QStringLiteral("RNFR ") + partial, QStringLiteral("RNTO ") + remotePath};
    bool done = perform(request);
    if (!done && request.code == CURLE_QUOTE_ERROR && !isSftp()) {
        // The file arrived whole but some servers rename onto no existing
        // file: the old one makes way, then the new one takes its name.
        done = runCommands({QStringLiteral("*DELE ") + remotePath, QStringLiteral("RNFR ") + partial,
                            QStringLiteral("RNTO ") + remotePath});
    }
    if (!done) {
        if (isConnected())
            runCommands(commands("DELE", "rm", partial));
        return failTransfer(QStringLiteral("Error putting %1 to %2").arg(localPath, remotePath));
    }
    reportBytes(request.uploadSize);
    return true;
}

bool TSimpleFTP::Delete(const QString &remoteName)
{
    if (!isConnected())
        return fail(QStringLiteral("Not connected!"));
    if (!runCommands(commands("DELE", "rm", absoluteRemote(remoteName))))
        return fail(QStringLiteral("Error deleting %1").arg(remoteName));
    return true;
}

bool TSimpleFTP::MakeDir(const QString &name)
{
    if (!isConnected())
        return fail(QStringLiteral("Not connected!"));
    const QString last = stripTrailingSeparator(name).section(QLatin1Char('/'), -1);
    if (!runCommands(commands("MKD", "mkdir", remoteJoin(m_currentDir, m_fileSystemType) + last)))
        return fail(QStringLiteral("Error creating directory %1").arg(name));
    return true;
}

bool TSimpleFTP::RemoveDir(const QString &name)
{
    if (!isConnected())
        return fail(QStringLiteral("Not connected!"));
    if (!runCommands(commands("RMD", "rmdir", absoluteRemote(stripTrailingSeparator(name)))))
        return fail(QStringLiteral("Error removing directory %1").arg(name));
    return true;
}

bool TSimpleFTP::Rename(const QString &oldName, const QString &newName)
{
    if (!isConnected())
        return fail(QStringLiteral("Not connected!"));
    const QString from = absoluteRemote(oldName), to = absoluteRemote(newName);
    const QStringList lines = isSftp() ? QStringList{QStringLiteral("rename %1 %2").arg(quoted(from), quoted(to))}
                                       : QStringList{QStringLiteral("RNFR ") + from, QStringLiteral("RNTO ") + to};
    if (!runCommands(lines))
        return fail(QStringLiteral("Error renaming file from %1 to %2").arg(oldName, newName));
    return true;
}

namespace {

// "*.*" means every file, as it always has to Windows users.
QString filePattern(const QString &mask)
{
    return mask == QLatin1String("*.*") || mask.isEmpty() ? QStringLiteral("*") : mask;
}

} // namespace

int TSimpleFTP::PutGroup(const QString &mask)
{
    const bool fullPath = mask.contains(QLatin1Char('/'));
    const QString folder = fullPath ? QFileInfo(mask).path() : LocalDir;
    const QString pattern = filePattern(fullPath ? QFileInfo(mask).fileName() : mask);
    const QFileInfoList files =
        QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    int done = 0;
    m_progress.fileCount = int(files.size());
    for (int i = 0; i < files.size() && isConnected(); ++i) {
        m_progress.fileIndex = i + 1;
        if (Put(files[i].absoluteFilePath()))
            ++done;
    }
    m_progress.fileIndex = m_progress.fileCount = 0;
    return done;
}

bool TSimpleFTP::listGroup(const QString &mask, QString &folderPart, std::vector<TFTPFindData> &entries)
{
    if (!isConnected()) {
        fail(QStringLiteral("Not connected!"));
        return false;
    }
    folderPart = splitRemoteName(mask).folder;
    return listInto(folderPart.isEmpty() ? m_currentDir : resolveRemoteFolder(m_currentDir, folderPart), entries);
}

int TSimpleFTP::GetGroup(const QString &mask)
{
    QString folderPart;
    std::vector<TFTPFindData> entries;
    if (!listGroup(mask, folderPart, entries))
        return 0;
    int done = 0;
    m_progress.fileCount = int(entries.size());
    for (size_t i = 0; i < entries.size() && isConnected(); ++i) {
        m_progress.fileIndex = int(i) + 1;
        if (Get(folderPart + entries[i].name))
            ++done;
    }
    m_progress.fileIndex = m_progress.fileCount = 0;
    return done;
}

int TSimpleFTP::DeleteGroup(const QString &mask)
{
    QString folderPart;
    std::vector<TFTPFindData> entries;
    if (!listGroup(mask, folderPart, entries))
        return 0;
    int done = 0;
    for (size_t i = 0; i < entries.size() && isConnected(); ++i) {
        if (Delete(folderPart + entries[i].name))
            ++done;
    }
    return done;
}


} // namespace tagloom
