#pragma once
// One cleaner run on one document window: the text goes to a working file of
// its own, HTML Tidy is started on it, the command's message is shown, the
// Results page gets the cleaner's report, and the window's text is replaced
// by the cleaned file once the cleaner has finished and at least the
// minimum wait (3000 ms) has passed. The run belongs to its window: closing
// the window ends it, and no other window is ever reloaded by it.

#include "codetools/cleaner_run.h"
#include "settings/app_settings.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QProcess;
class QTimer;

namespace tagloom {

class DocumentWindow;

// What a run needs from the program around it.
struct CleanerHooks {
    // The Results page: brought to the front and given this text.
    std::function<void(const QString &report)> showReport;
    // The current settings (the Tidy tag lists).
    std::function<AppSettings()> settings;
    // A program on the search path; default: the system's search.
    std::function<QString(const QString &name)> findProgram;
    // The least wait before the reload, and how long a cleaner may take
    // before the run gives up and leaves the document as it was.
    int minimumWaitMs = 3000;
    int giveUpMs = 120000;
};

class CleanerRun : public QObject {
    Q_OBJECT
public:
    // Runs `command` on `doc` (nothing while the window is still loading its
    // file). The run lives until its reload, as a child of `doc`; nullptr
    // when the text could not be handed to the cleaner at all.
    static CleanerRun *start(DocumentWindow *doc, const QString &dataFolder, const CleanerHooks &hooks,
                             CleanerCommand command);
    ~CleanerRun() override;

    const QString &workFile() const { return m_workFile; }

signals:
    // The run is over: `reloaded` says whether the text came back.
    void finished(bool reloaded);

private:
    CleanerRun(DocumentWindow *doc, QString dataFolder, CleanerHooks hooks);
    bool launch(const CleanerCommandInfo &info);
    void showReport();
    void tryReload();
    void giveUp();
    void end(bool reloaded);

    DocumentWindow *m_doc;
    QString m_dataFolder;
    CleanerHooks m_hooks;
    QString m_workFile;
    QProcess *m_process = nullptr;
    QTimer *m_minimumWait = nullptr;
    QTimer *m_limit = nullptr;
    bool m_cleanerDone = false;
    bool m_waited = false;
    bool m_reportShown = false;
    bool m_over = false;
};

} // namespace tagloom
