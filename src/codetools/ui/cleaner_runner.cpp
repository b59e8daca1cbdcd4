#include "codetools/ui/cleaner_runner.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace tagloom {

namespace {

quint64 nextRunNumber()
{
    static quint64 runs = 0;
    return ++runs;
}

} // namespace

CleanerRun::CleanerRun(DocumentWindow *doc, QString dataFolder, CleanerHooks hooks)
    : QObject(doc), m_doc(doc), m_dataFolder(std::move(dataFolder)), m_hooks(std::move(hooks))
{
    m_workFile = cleanerWorkFile(m_dataFolder, nextRunNumber());
}

CleanerRun::~CleanerRun()
{
    // A window closed mid-run: the cleaner is not left writing behind it.
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
    QFile::remove(m_workFile);
}

CleanerRun *CleanerRun::start(DocumentWindow *doc, const QString &dataFolder, const CleanerHooks &hooks,
                              CleanerCommand command)
{
    if (!doc || doc->refuseWhileLoading())
        return nullptr;
    QPointer<CleanerRun> run = new CleanerRun(doc, dataFolder, hooks);
    const Status written = writeFileAtomically(run->m_workFile, doc->textBytes());
    if (!written) {
        showMessage(doc, MessageKind::Error, QStringLiteral("Error"), written.error);
        delete run;
        return nullptr;
    }
    const CleanerCommandInfo &info = cleanerCommandInfo(command);
    if (!run->launch(info)) {
        // The run goes on: its reload brings back the text unchanged.
        showMessage(doc, MessageKind::Error, QStringLiteral("Error"),
                    QStringLiteral("The HTML cleaner (tidy) could not be started."));
    }
    showMessage(doc, MessageKind::Information, QString(), QString::fromUtf8(info.message));
    if (!run) // the window went while the message was up
        return nullptr;
    run->m_minimumWait->start();
    run->m_limit->start();
    run->showReport();
    return run;
}

bool CleanerRun::launch(const CleanerCommandInfo &info)
{
    m_minimumWait = new QTimer(this);
    m_minimumWait->setSingleShot(true);
    m_minimumWait->setInterval(m_hooks.minimumWaitMs);
    connect(m_minimumWait, &QTimer::timeout, this, [this] {
        m_waited = true;
        tryReload();
    });
    m_limit = new QTimer(this);
    m_limit->setSingleShot(true);
    m_limit->setInterval(std::max(m_hooks.giveUpMs, m_hooks.minimumWaitMs));
    connect(m_limit, &QTimer::timeout, this, &CleanerRun::giveUp);

    auto find = m_hooks.findProgram ? m_hooks.findProgram
                                    : [](const QString &name) { return QStandardPaths::findExecutable(name); };
    const QString program = cleanerProgram(m_dataFolder, find);
    m_cleanerDone = true; // until a cleaner is running
    if (program.isEmpty())
        return false;
    const QString extensions = m_dataFolder + QStringLiteral("/Extensions");
    m_process = new QProcess(this);
    m_process->setProgram(program);
    m_process->setArguments(cleanerArguments(QString::fromUtf8(info.configName), m_workFile));
    m_process->setWorkingDirectory(extensions);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    // The shipped configurations name their own report file; the generated
    // one does not, so its report (the cleaner's error stream) goes there.
    if (info.command == CleanerCommand::FixFormat)
        m_process->setStandardErrorFile(m_dataFolder + QLatin1String(DataPath::CleanerErrorLog));
    else
        m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, [this] {
        m_cleanerDone = true;
        if (m_reportShown)
            showReport(); // now complete
        tryReload();
    });
    m_process->start();
    if (!m_process->waitForStarted(10000)) {
        m_process->disconnect(this);
        return false;
    }
    m_cleanerDone = false;
    return true;
}

void CleanerRun::showReport()
{
    m_reportShown = true;
    if (!m_hooks.showReport)
        return;
    // The report as it stands (it may be an earlier run's, or none yet).
    const auto log = readWholeFile(m_dataFolder + QLatin1String(DataPath::CleanerErrorLog));
    m_hooks.showReport(log ? QString::fromLocal8Bit(*log) : QString());
}

void CleanerRun::tryReload()
{
    if (m_over || !m_waited || !m_cleanerDone)
        return;
    const auto cleaned = readWholeFile(m_workFile);
    if (!cleaned) {
        showMessage(m_doc, MessageKind::Error, QStringLiteral("Error"), cleaned.error);
        end(false);
        return;
    }
    m_doc->reloadFromFileBytes(*cleaned);
    m_doc->editor()->setModifiedFlag(true);
    end(true);
}

void CleanerRun::giveUp()
{
    if (m_over || m_cleanerDone)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(1000);
    end(false);
    showMessage(m_doc, MessageKind::Error, QStringLiteral("Error"),
                QStringLiteral("The HTML cleaner did not finish in time.\nThe document has been left as it was."));
}

void CleanerRun::end(bool reloaded)
{
    m_over = true;
    m_minimumWait->stop();
    m_limit->stop();
    emit finished(reloaded);
    deleteLater();
}

} // namespace tagloom
