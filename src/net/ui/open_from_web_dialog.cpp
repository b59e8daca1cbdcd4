#include "net/ui/open_from_web_dialog.h"

#include "base/ui/typed_combo_box.h"
#include "base/data_folder.h"
#include "base/ui/file_dialogs.h"
#include "base/list_file.h"
#include "base/ui/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tagloom {

OpenFromWebDialog::OpenFromWebDialog(QString dataFolder, OpenDocumentFile openDocumentFile, QWidget *parent)
    : QDialog(parent), m_dataFolder(std::move(dataFolder)), m_openDocumentFile(std::move(openDocumentFile))
{
    setWindowTitle(QStringLiteral("Open from Web..."));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildLayout();

    connect(m_browseButton, &QPushButton::clicked, this, &OpenFromWebDialog::browseClicked);
    connect(m_okButton, &QPushButton::clicked, this, &OpenFromWebDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &OpenFromWebDialog::reject);
    connect(m_abortButton, &QPushButton::clicked, &m_fetch, &WebFetch::abort);
    connect(&m_fetch, &WebFetch::progress, this, [this](qint64 total) {
        setStatus(QString::number(total) + QLatin1String(" bytes received."));
    });
    connect(&m_fetch, &WebFetch::finished, this, &OpenFromWebDialog::transferFinished);
}

OpenFromWebDialog::~OpenFromWebDialog() = default;

void OpenFromWebDialog::buildLayout()
{
    m_urlBox = new QComboBox(this);
    // A typed address is fetched as typed, never completed from the history,
    // which grows only when OK is pressed, not on Enter in the box.
    makeTypedComboBox(m_urlBox);
    m_urlBox->setMinimumWidth(380);

    m_fileNameEdit = new QLineEdit(this);
    m_browseButton = new QPushButton(QStringLiteral("&Browse"), this);
    m_browseButton->setAutoDefault(false);
    // Shown for familiarity only: requests never use a proxy.
    m_proxyCheck = new QCheckBox(QStringLiteral("Use Proxy Server"), this);

    m_okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancelButton->setAutoDefault(false);
    m_abortButton = new QPushButton(QStringLiteral("&Abort"), this);
    m_abortButton->setAutoDefault(false);
    m_abortButton->setEnabled(false);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileNameEdit, 1);
    fileRow->addWidget(m_browseButton);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_proxyCheck);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_okButton);
    buttonRow->addWidget(m_cancelButton);
    buttonRow->addWidget(m_abortButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please enter a URL that you wish to open:"), this));
    layout->addWidget(m_urlBox);
    layout->addWidget(new QLabel(QStringLiteral("Please choose a filename to save with:"), this));
    layout->addLayout(fileRow);
    layout->addLayout(buttonRow);
    layout->addWidget(m_statusBar);
}

QString OpenFromWebDialog::statusText() const
{
    return m_statusBar->currentMessage();
}

void OpenFromWebDialog::setStatus(const QString &text)
{
    if (text.isEmpty())
        m_statusBar->clearMessage();
    else
        m_statusBar->showMessage(text);
}

QString OpenFromWebDialog::webRecentPath() const
{
    return m_dataFolder + QLatin1String(DataPath::WebRecent);
}

void OpenFromWebDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) // restored from minimised: nothing was hidden
        return;
    // A missing history file is simply an empty history.
    const Result<QStringList> urls = readListFile(webRecentPath());
    const QString typed = m_urlBox->currentText();
    m_urlBox->clear();
    if (urls)
        m_urlBox->addItems(*urls);
    m_urlBox->setEditText(typed);
}

void OpenFromWebDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    QStringList urls;
    for (int i = 0; i < m_urlBox->count(); ++i)
        urls.append(m_urlBox->itemText(i));
    QDir().mkpath(QFileInfo(webRecentPath()).absolutePath());
    const Status written = writeListFile(webRecentPath(), urls);
    if (!written)
        showMessage(parentWidget(), MessageKind::Error, QStringLiteral("Error"), written.error);
    m_fileNameEdit->clear();
    m_browseName.clear();
    setStatus(QString());
}

void OpenFromWebDialog::reject()
{
    // Leaving while a page loads ends the transfer first, as Abort does.
    if (m_fetch.isRunning())
        m_fetch.abort();
    QDialog::reject();
}

void OpenFromWebDialog::browseClicked()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save As...");
    request.proposedPath = m_browseName;
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    m_browseName = chosen;
    m_fileNameEdit->setText(chosen);
}

void OpenFromWebDialog::okClicked()
{
    if (m_fetch.isRunning())
        return;
    if (m_fileNameEdit->text().isEmpty()) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"),
                    QStringLiteral("Please specify a filename to save the file to."));
        return;
    }
    const QString urlText = m_urlBox->currentText();
    m_urlBox->addItem(urlText);
    m_urlBox->setEditText(urlText);

    const QString path = QFileInfo(m_fileNameEdit->text()).absoluteFilePath();
    const Status started = m_fetch.start(urlFromTypedText(urlText), path);
    if (!started) {
        // Say why and let the user pick another name; nothing was fetched.
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), started.error);
        return;
    }
    m_targetPath = path;
    m_fetchedUrl = urlText;
    m_okButton->setEnabled(false);
    m_abortButton->setEnabled(true);
    setStatus(QStringLiteral("Loading"));
}

void OpenFromWebDialog::transferFinished(const WebFetchResult &result)
{
    const QString &path = m_targetPath;
    if (result.statusCode >= 400)
        setStatus(QStringLiteral("Failed : %1 %2").arg(result.statusCode).arg(result.reason));
    else if (result.aborted)
        setStatus(QStringLiteral("Aborted after %1 bytes received.").arg(result.bytesReceived));
    else if (!result.error.isEmpty())
        setStatus(QStringLiteral("Failed : ") + result.error);
    else
        setStatus(QStringLiteral("Received %1 bytes in total.").arg(result.bytesReceived));

    m_okButton->setEnabled(true);
    m_abortButton->setEnabled(false);
    // The document opens whatever the file now holds: the page, the server's
    // error page, or the earlier file when nothing usable arrived.
    if (m_openDocumentFile && QFileInfo::exists(path))
        m_openDocumentFile(path);
    hide();
    // Say why the page was not kept; the earlier file, opened in its place,
    // would otherwise pass for it.
    if (!result.error.isEmpty()) {
        QString text = QStringLiteral("%1 could not be saved.\n%2").arg(m_fetchedUrl, result.error);
        if (QFileInfo::exists(path))
            text += QStringLiteral("\nThe file \"%1\" was left as it was.").arg(path);
        showMessage(parentWidget(), MessageKind::Error, QStringLiteral("Error"), text);
    }
}

} // namespace tagloom
