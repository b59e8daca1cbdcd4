// The document window's rendered pages: the Preview page, and the live
// preview that follows the typing beside the code.

#include "document/ui/document_window.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "document/ui/code_editor.h"
#include "document/ssi_expansion.h"
#include "document/ui/preview_pane.h"
#include "settings/setting_rows.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QSplitter>
#include <QTimer>

namespace tagloom {

namespace {

// A pause in the typing this long re-renders the live preview.
constexpr int LiveDelayMs = 400;
// Above this the page engine cannot take a text directly; such a page is
// previewed from its file.
constexpr qsizetype LiveTextLimit = 1'500'000;

// Relative pictures and style sheets resolve against the page's own folder,
// as they will on the web.
QUrl folderUrl(const QString &folder)
{
    return QUrl::fromLocalFile(QDir(folder).absolutePath() + QLatin1Char('/'));
}

// The saved page as the editor would read it; empty when it is too large to
// be handed to the engine as a text anyway.
QString savedPageText(const QString &file)
{
    if (QFileInfo(file).size() > LiveTextLimit * 4)
        return QString();
    const Result<QByteArray> bytes = readWholeFile(file);
    return bytes ? textFromFileBytes(*bytes) : QString();
}

} // namespace

bool DocumentWindow::expandsIncludes() const
{
    return m_context.settings.expandIncludesAlways || isServerParsedName(fileName());
}

std::optional<QString> DocumentWindow::withIncludesExpanded(const QString &page) const
{
    if (!expandsIncludes() || !holdsServerDirectives(page))
        return std::nullopt;
    IncludeSite site;
    site.pagePath = fileName();
    site.pageFolder = fileName().isEmpty() ? m_context.dataFolder : QFileInfo(fileName()).absolutePath();
    site.root = includeRootFor(site.pagePath, site.pageFolder,
                               m_context.openSiteFolder ? m_context.openSiteFolder() : QString());
    // Room for the rest of the page after the last include that fits.
    site.maxLength = LiveTextLimit - LiveTextLimit / 8;
    QString expanded = expandServerIncludes(page, site);
    if (expanded.size() > LiveTextLimit)
        return std::nullopt;
    return expanded;
}

QString DocumentWindow::previewFile()
{
    if (!fileName().isEmpty())
        return fileName(); // as last saved, not with its unsaved edits
    const QString copy = m_context.dataFolder + QLatin1String(DataPath::PreviewCopy);
    const Status written = writeFileAtomically(copy, fileBytes());
    if (!written) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), written.error);
        return QString();
    }
    return copy;
}

void DocumentWindow::previewInWindow()
{
    const QString file = previewFile();
    if (file.isEmpty())
        return;
    if (expandsIncludes()) {
        const QString page = !fileName().isEmpty()                 ? savedPageText(file)
                             : m_editor->length() > LiveTextLimit ? QString()
                                                                  : m_editor->allText();
        if (const std::optional<QString> expanded = withIncludesExpanded(page)) {
            m_preview->showText(*expanded, folderUrl(QFileInfo(file).absolutePath()));
            return;
        }
    }
    m_preview->showFile(file);
}

void DocumentWindow::setLivePreview(bool on)
{
    if (on && !m_livePreview) {
        m_livePreview = new PreviewPane(m_codeSplit);
        m_livePreview->setObjectName(QStringLiteral("LivePreviewPane"));
        m_codeSplit->addWidget(m_livePreview);
        m_codeSplit->setSizes({1, 1});
        m_liveTimer = new QTimer(this);
        m_liveTimer->setSingleShot(true);
        m_liveTimer->setInterval(LiveDelayMs);
        connect(m_liveTimer, &QTimer::timeout, this, &DocumentWindow::refreshLivePreview);
        // Every insertion and deletion, typed or not, is announced before it
        // happens; the timer fires once the typing pauses.
        connect(m_editor, &CodeEditor::textChanging, m_liveTimer, [this] {
            if (m_livePreview->isVisible())
                m_liveTimer->start();
        });
    }
    if (m_livePreview) {
        m_livePreview->setVisible(on);
        if (on)
            m_liveTimer->start(); // the first page after a pause too, never during start-up
    }
    if (m_liveBox->isChecked() != on) {
        const QSignalBlocker quiet(m_liveBox);
        m_liveBox->setChecked(on);
    }
}

void DocumentWindow::refreshLivePreview()
{
    if (!m_livePreview || !m_livePreview->isVisible() || m_loading)
        return;
    const QString folder = fileName().isEmpty() ? m_context.dataFolder : QFileInfo(fileName()).absolutePath();
    if (m_editor->isLargeDocument() || m_editor->length() > LiveTextLimit) {
        const QString file = previewFile();
        if (!file.isEmpty())
            m_livePreview->showFile(file);
        return;
    }
    const QString text = m_editor->allText();
    m_livePreview->showText(withIncludesExpanded(text).value_or(text), folderUrl(folder));
}

} // namespace tagloom
