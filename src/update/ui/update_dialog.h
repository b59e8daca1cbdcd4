#pragma once
// "Update Tagloom 5.0": one button that runs the web update, a progress bar
// for the file being fetched and a panel with the latest status. After a run
// that asks for it, the program hands over to its updater and ends.

#include "update/web_update.h"

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tagloom {

// What the dialog does outside itself; each has a real default, tests
// replace them.
struct UpdateDialogHooks {
    std::function<QString()> server;                         // the update server ("host[:port]")
    std::function<void(const QString &)> runCommand;         // start a command line, not waited for
    std::function<void(const QString &)> openInBrowser;      // the default web browser
    std::function<bool(const QString &)> startUpdater;       // the updater's command line
    std::function<void()> endProgram;                        // ends at once, writing nothing
};

class UpdateDialog : public QDialog, private UpdateHost {
    Q_OBJECT
public:
    explicit UpdateDialog(UpdateDialogHooks hooks, QWidget *parent = nullptr);

    // RunUpdate: the "&Update..." button.
    void runUpdateNow();

signals:
    // Each text the panel shows, as it shows it.
    void statusShown(const QString &text);

private:
    void status(const QString &text, UpdateStatusKind kind) override;
    void fileProgress(const QString &file, qint64 size, qint64 received) override;
    QVector<bool> chooseFiles(const QStringList &descriptions) override;
    void showMessage(const QString &text) override;
    void showHtmlPage(const QString &address, const QString &localFile) override;
    bool askYesNo(const QString &question) override;
    void runCommand(const QString &commandLine) override;
    void openInBrowser(const QString &address) override;
    void restart(const UpdateOutcome &outcome);

    UpdateDialogHooks m_hooks;
    QProgressBar *m_progress;
    QLabel *m_panel;
    QPushButton *m_button;
};

} // namespace tagloom
