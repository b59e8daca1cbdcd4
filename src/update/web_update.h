#pragma once
// RunUpdate: fetches the update control file, decides whether a newer version
// exists, carries out the control file's actions and downloads the chosen
// files. Everything the user sees or answers goes through UpdateHost, so the
// engine shows nothing itself. It runs on the calling thread; the event loop
// turns while data arrives.

#include "update/control_file.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tagloom {

enum class UpdateStatusKind {
    ConnectionError = 1,
    Error = 2,
    Information = 3,
    NoNewVersion = 4,
    NewVersionFound = 5,
    HttpStatus = 6,
    HtmlDialog = 7,
    CabinetError = 8,
};

class UpdateHost {
public:
    virtual ~UpdateHost() = default;
    virtual void status(const QString &text, UpdateStatusKind kind) = 0;
    // FileProgress: `size` is the announced length (-1 when unknown).
    virtual void fileProgress(const QString &file, qint64 size, qint64 received) = 0;
    // The selection of files: one flag per description, true for a ticked entry.
    virtual QVector<bool> chooseFiles(const QStringList &descriptions) = 0;
    virtual void showMessage(const QString &text) = 0;
    // Shows the page fetched from `address` (saved at `localFile`) modally.
    virtual void showHtmlPage(const QString &address, const QString &localFile) = 0;
    virtual bool askYesNo(const QString &question) = 0;
    // Starts a command line without waiting for it.
    virtual void runCommand(const QString &commandLine) = 0;
    virtual void openInBrowser(const QString &address) = 0;
};

struct UpdateSetup {
    QString controlFileAddress;
    QString tempFolder;
    ExpansionFolders folders;
    QString ownExecutable; // reports the program's own version
};

// What step 13 (the restart) needs to know.
struct UpdateOutcome {
    bool restart = false; // wanted and not cancelled
    QString appName;
    QString appComps;
};

inline constexpr char ControlFilePath[] = "/tagloom501.inf";

// "http://" + server + path for a loopback server, "https://" + ... otherwise.
QString controlFileAddress(const QString &server);

UpdateOutcome runUpdate(const UpdateSetup &setup, UpdateHost &host);

} // namespace tagloom
