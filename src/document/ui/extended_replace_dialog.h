#pragma once
// Search > Extended Find and Replace: replaces a text in a list of disk
// files (not in open documents). A modeless, always-on-top singleton; every
// show starts from empty fields. The work runs on the UI thread and lets
// events through between stretches of each file.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

class QElapsedTimer;

namespace tagloom {

class ExtendedReplace;
class SearchAnimation;

class ExtendedReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExtendedReplaceDialog(QWidget *parent = nullptr);

    // Resets the fields, centres the dialog on the screen and shows it.
    void showDialog();

    QStringList files() const;
    void setFiles(const QStringList &files);
    // As a drop does: the list becomes what the paths yield, in order.
    void addDroppedPaths(const QStringList &paths);
    void runReplace();
    bool isRunning() const { return m_running; }
    bool isAnimating() const;

    QLineEdit *findEdit() const { return m_findEdit; }
    QLineEdit *replaceEdit() const { return m_replaceEdit; }
    QListWidget *fileList() const { return m_fileList; }
    QCheckBox *caseCheck() const { return m_caseCheck; }
    QCheckBox *wholeWordsCheck() const { return m_wholeWordsCheck; }
    QCheckBox *promptCheck() const { return m_promptCheck; }
    QCheckBox *backupCheck() const { return m_backupCheck; }
    QPushButton *replaceButton() const { return m_replaceButton; }
    QPushButton *selectButton() const { return m_selectButton; }
    QString counterText(int index) const; // files read, bytes written, bytes read, occurrences
    QString percentText() const;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void resetFields();
    void selectFiles();
    void showCounters(const ExtendedReplace &run);
    void waitUntilElapsed(const QElapsedTimer &clock, qint64 minimumMs);

    QLineEdit *m_findEdit = nullptr;
    QLineEdit *m_replaceEdit = nullptr;
    QListWidget *m_fileList = nullptr;
    QPushButton *m_selectButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QCheckBox *m_caseCheck = nullptr;
    QCheckBox *m_wholeWordsCheck = nullptr;
    QCheckBox *m_promptCheck = nullptr;
    QCheckBox *m_backupCheck = nullptr;
    QLabel *m_counters[4] = {};
    QProgressBar *m_progress = nullptr;
    QLabel *m_percent = nullptr;
    QPushButton *m_replaceButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    SearchAnimation *m_animation = nullptr;
    bool m_running = false;
};

} // namespace tagloom
