#include "update/ui/update_dialog.h"

#include "base/ui/messages.h"
#include "update/handover.h"
#include "update/ui/selection_dialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <climits>

namespace tagloom {

namespace {

// Starts a command line (program and arguments, quoted as a shell would)
// without waiting for it.
bool startCommandLine(const QString &commandLine)
{
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty())
        return false;
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
}

void fillDefaults(UpdateDialogHooks &hooks)
{
    if (!hooks.server)
        hooks.server = [] { return QStringLiteral("update.tagloom.org"); };
    if (!hooks.runCommand)
        hooks.runCommand = [](const QString &line) { startCommandLine(line); };
    if (!hooks.openInBrowser)
        hooks.openInBrowser = [](const QString &address) { QDesktopServices::openUrl(QUrl(address)); };
    if (!hooks.startUpdater)
        hooks.startUpdater = startCommandLine;
    if (!hooks.endProgram)
        hooks.endProgram = [] { QCoreApplication::exit(0); };
}

} // namespace

UpdateDialog::UpdateDialog(UpdateDialogHooks hooks, QWidget *parent) : QDialog(parent), m_hooks(std::move(hooks))
{
    fillDefaults(m_hooks);
    setObjectName(QStringLiteral("TUpdateForm"));
    setWindowTitle(QStringLiteral("Update Tagloom 5.0"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *layout = new QVBoxLayout(this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_panel = new QLabel(QStringLiteral("Click \"Update...\" to begin."), this);
    m_panel->setObjectName(QStringLiteral("StatusPanel"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setMinimumWidth(360);
    m_panel->setWordWrap(true);
    m_button = new QPushButton(QStringLiteral("&Update..."), this);
    m_button->setObjectName(QStringLiteral("UpdateButton"));
    layout->addWidget(m_progress);
    layout->addWidget(m_panel);
    layout->addWidget(m_button, 0, Qt::AlignRight);
    connect(m_button, &QPushButton::clicked, this, &UpdateDialog::runUpdateNow);
}

void UpdateDialog::runUpdateNow()
{
    // The run turns the event loop; a second click must not start another.
    m_button->setEnabled(false);
    UpdateSetup setup;
    setup.controlFileAddress = controlFileAddress(m_hooks.server().trimmed());
    setup.tempFolder = QDir::tempPath();
    setup.folders = systemExpansionFolders();
    setup.ownExecutable = QCoreApplication::applicationFilePath();
    const UpdateOutcome outcome = runUpdate(setup, *this);
    m_button->setEnabled(true);
    if (outcome.restart)
        restart(outcome);
}

void UpdateDialog::restart(const UpdateOutcome &outcome)
{
    if (tagloom::showMessage(this, MessageKind::Question, QString(),
                             QStringLiteral("Shutting down application to update executable files ?"),
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const auto updater = writeUpdater(QDir::tempPath());
    if (!updater) {
        status(updater.error, UpdateStatusKind::Error);
        return;
    }
    const QString line =
        updaterCommandLine(QDir::tempPath(), QCoreApplication::applicationPid(), outcome.appName, outcome.appComps);
    if (!m_hooks.startUpdater(line)) {
        status(QStringLiteral("Cannot start ") + *updater, UpdateStatusKind::Error);
        return;
    }
    m_hooks.endProgram();
}

void UpdateDialog::status(const QString &text, UpdateStatusKind kind)
{
    QString shown = text;
    if (kind == UpdateStatusKind::NoNewVersion)
        shown = QStringLiteral("No new version available");
    else if (kind == UpdateStatusKind::Error)
        shown = text + QLatin1Char('\n') + QStringLiteral("Update discontinued");
    m_panel->setText(shown);
    emit statusShown(shown);
}

void UpdateDialog::fileProgress(const QString &, qint64 size, qint64 received)
{
    // The bar counts in int: very large files are shown in kilobytes.
    const qint64 total = size > 0 ? size : received;
    const int shift = total > INT_MAX ? 10 : 0;
    m_progress->setMaximum(int(total >> shift));
    m_progress->setValue(int(qMin(received, total) >> shift));
}

QVector<bool> UpdateDialog::chooseFiles(const QStringList &descriptions)
{
    return SelectionDialog::choose(descriptions, this);
}

void UpdateDialog::showMessage(const QString &text)
{
    tagloom::showMessage(this, MessageKind::Information, QString(), text);
}

void UpdateDialog::showHtmlPage(const QString &address, const QString &localFile)
{
    QDialog page(this);
    page.setObjectName(QStringLiteral("HtmlDialog"));
    page.setWindowTitle(address);
    auto *layout = new QVBoxLayout(&page);
    auto *browser = new QTextBrowser(&page);
    browser->setOpenLinks(false);
    browser->setSource(QUrl::fromLocalFile(localFile), QTextDocument::HtmlResource);
    layout->addWidget(browser);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &page);
    connect(buttons, &QDialogButtonBox::rejected, &page, &QDialog::reject);
    layout->addWidget(buttons);
    page.resize(560, 420);
    page.exec();
}

bool UpdateDialog::askYesNo(const QString &question)
{
    return tagloom::showMessage(this, MessageKind::Question, QString(), question,
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void UpdateDialog::runCommand(const QString &commandLine)
{
    m_hooks.runCommand(commandLine);
}

void UpdateDialog::openInBrowser(const QString &address)
{
    m_hooks.openInBrowser(address);
}

} // namespace tagloom
