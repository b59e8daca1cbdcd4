#pragma once
// TSimpleFTP: the FTP session the site client publishes through, on libcurl.
//
// One libcurl easy handle is kept for the whole session, so the control
// connection stays open from one operation to the next. Every operation
// runs curl on a worker thread while the calling thread waits in a nested
// event loop: the user interface repaints and takes input during a transfer,
// and progress and state changes arrive as signals on the calling thread.
// One operation runs at a time; a call made while one runs (from a window
// event during the nested loop) fails at once.
//
// A host written "ftps://host" uses explicit TLS on the control and data
// connections, "sftp://host" uses SFTP; a bare host (or "ftp://host") is
// plain FTP. Every operation returns success; lastError() holds the text of
// the last failure, and with SilentExceptions off that text is also sent as
// errorRaised() for the window to show.

#include "net/ftp_paths.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

namespace tagloom {

enum class TFTPTransferType { ttBinary, ttAscii, ttUnknown };
enum class TResolveNames { rnLocal, rnPreConfig, rnProxy };

// Connection states, numbered as the status texts know them.
enum class TWinInetState {
    Disconnecting = 0,
    NoConnection = 1,
    Connecting = 2,
    Connected = 3,
    Resolving = 4,
    Resolved = 5,
};
// The status text of `state` ("%s" being `host`).
QString winInetStateText(int state, const QString &host);

// Progress of the running transfer; the name part of the file only.
struct TFTPProgressInfo {
    qint32 bytesDone = 0;
    qint32 bytesTotal = 0;
    qint32 fileIndex = 0; // 1-based within a group operation
    qint32 fileCount = 0;
    QString fileName;
};

// One listed entry, from libcurl's own parser of the server's listing.
struct TFTPFindData {
    QString name;
    bool isDirectory = false;
    qint64 size = 0;
    QDateTime lastWrite; // as the server gave it, no time-zone conversion
};

// Percent of the current file done, rounded; 0 when the total is 0.
int progressPercent(const TFTPProgressInfo &info);

class TSimpleFTP : public QObject {
    Q_OBJECT
public:
    explicit TSimpleFTP(QObject *parent = nullptr);
    // Disconnects first.
    ~TSimpleFTP() override;

    QString HostName, UserName, Password;
    int Port = 21;
    int ConnectTimeout = 300000; // milliseconds; 0 means 300000
    int ConnectRetries = 3;
    TResolveNames ResolveNames = TResolveNames::rnLocal;
    QString ProxyName, ProxyBypassList;
    bool EnableCache = false; // curl caches no FTP files: every listing and transfer asks the server
    bool Passive = false;
    TFTPTransferType TransferType = TFTPTransferType::ttBinary;
    bool FailIfExistsOnGet = false;
    bool SilentExceptions = true;
    QString LocalDir;
    // Asked just before connecting; may change the user name and password.
    std::function<void(QString &userName, QString &password)> OnLogin;
    // A file of trusted certificates for FTPS (a private server's own
    // certificate); empty trusts the system's authorities.
    QString CaCertificates;

    TFTPFileSystemType fileSystemType() const { return m_fileSystemType; }
    // Refused while connected.
    bool setFileSystemType(TFTPFileSystemType type);
    QString RemoteDir() const { return m_remoteDir; }
    TWinInetState state() const { return m_state; }
    bool isConnected() const { return m_state == TWinInetState::Connected; }
    bool isBusy() const { return m_busy; }
    QString welcomeText() const { return m_welcome; }
    QString lastError() const { return m_lastError; }
    TFTPProgressInfo progress() const { return m_progress; }

    bool Connect();
    bool Disconnect();
    bool ChangeDir(const QString &folder);
    QString GetCurrentDir() const;
    // Every entry of the folder named by the path's folder part (the current
    // folder when there is none); findItem() for each, names into `names`.
    int List(const QString &pathWithMask = QString(), QStringList *names = nullptr);
    bool Get(const QString &remoteName);
    bool Put(const QString &localName);
    bool Delete(const QString &remoteName);
    bool MakeDir(const QString &name);
    bool RemoveDir(const QString &name);
    bool Rename(const QString &oldName, const QString &newName);
    int GetGroup(const QString &mask);
    int PutGroup(const QString &mask);
    int DeleteGroup(const QString &mask);

    struct Request; // one operation, inside the implementation

signals:
    void connected();
    void disconnected();
    void findItem(const tagloom::TFTPFindData &entry);
    void stateChanged(int state, const QString &text);
    void transferProgress(const tagloom::TFTPProgressInfo &info);
    void directoryChanged(const QString &folder);
    void errorRaised(const QString &message);
    // Every failed download or upload, silent or not, for a log.
    void transferFailed(const QString &message);
    // Each command sent to the server, for a log; a password is masked.
    void commandSent(const QString &command);

private slots:
    // A connection event of curl, delivered on the session's thread.
    void noteState(int state) { setState(TWinInetState(state)); }
    // curl's byte counts of the running transfer.
    void noteBytes(qint64 done, qint64 total);
    void noteCommand(const QString &command) { emit commandSent(command); }

private:
    class Curl;

    bool fail(const QString &message);
    bool failTransfer(const QString &message);
    void setState(TWinInetState state);
    bool connectOnce();
    bool perform(Request &request);
    QString connectionError(const Request &request) const;
    bool listInto(const QString &folder, std::vector<TFTPFindData> &entries);
    // The files a group operation's mask names, with the mask's folder part
    // ("" for the current folder); false when not connected or unlisted.
    bool listGroup(const QString &mask, QString &folderPart, std::vector<TFTPFindData> &entries);
    bool runCommands(const QStringList &commands);
    QStringList commands(const char *ftpVerb, const char *sftpVerb, const QString &path) const;
    bool isSftp() const;
    void runOnWorker(const std::function<void()> &work);
    QString absoluteRemote(const QString &name) const;
    bool transferGet(const QString &remotePath, const QString &localPath);
    bool transferPut(const QString &localPath, const QString &remotePath);
    void startFile(const QString &name, qint64 total);
    void reportBytes(qint64 done);
    bool useAscii(const QString &fileName) const;

    Curl *m_curl = nullptr;
    TWinInetState m_state = TWinInetState::NoConnection;
    TFTPFileSystemType m_fileSystemType = TFTPFileSystemType::ftUnix;
    QString m_remoteDir;  // as last given
    QString m_currentDir; // the server folder we are in, absolute, ending in "/"
    QString m_welcome;
    QString m_lastError;
    TFTPProgressInfo m_progress;
    bool m_busy = false;
};

} // namespace tagloom
