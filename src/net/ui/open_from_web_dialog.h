#pragma once
// File > Open from Web: fetches a URL into a local file chosen by the user
// and opens that file as a document: the page, or the server's error page,
// as it arrived. A transfer that fails or is aborted leaves an earlier file
// untouched and opens that instead, with a message on failure. A hidden
// singleton; the URL history lives in the data folder's webrecent.tlx and is
// reloaded on every show and written on every hide.

#include "net/web_fetch.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace tagloom {

class OpenFromWebDialog : public QDialog {
    Q_OBJECT
public:
    using OpenDocumentFile = std::function<void(const QString &path)>;

    OpenFromWebDialog(QString dataFolder, OpenDocumentFile openDocumentFile, QWidget *parent = nullptr);
    ~OpenFromWebDialog() override;

    QComboBox *urlBox() const { return m_urlBox; }
    QLineEdit *fileNameEdit() const { return m_fileNameEdit; }
    QPushButton *browseButton() const { return m_browseButton; }
    QCheckBox *proxyCheck() const { return m_proxyCheck; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *abortButton() const { return m_abortButton; }
    QString statusText() const;
    bool isTransferring() const { return m_fetch.isRunning(); }
    // Pages larger than this many bytes are refused (WebFetchSizeLimit unless lowered).
    void setSizeLimit(qint64 bytes) { m_fetch.setSizeLimit(bytes); }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildLayout();
    void browseClicked();
    void okClicked();
    void transferFinished(const WebFetchResult &result);
    void setStatus(const QString &text);
    QString webRecentPath() const;

    QString m_dataFolder;
    OpenDocumentFile m_openDocumentFile;
    WebFetch m_fetch;
    QString m_targetPath;
    QString m_fetchedUrl;
    QString m_browseName; // the save dialog's remembered name

    QComboBox *m_urlBox = nullptr;
    QLineEdit *m_fileNameEdit = nullptr;
    QPushButton *m_browseButton = nullptr;
    QCheckBox *m_proxyCheck = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_abortButton = nullptr;
    QStatusBar *m_statusBar = nullptr;
};

} // namespace tagloom
