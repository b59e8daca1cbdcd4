#include "document/ui/document_window.h"

#include "base/background_job.h"
#include "base/ui/messages.h"
#include "document/syntax_table.h"
#include "document/file_filters.h"
#include "document/ui/code_editor.h"
#include "document/ui/embedded_styles.h"
#include "document/ui/scintilla_loader.h"
#include "settings/ui/favourite_folders.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <cstring>

// A document window's file: loading, saving and the close prompt. Large
// documents are read and written off the user-interface thread, so that the
// window keeps answering while hundreds of megabytes move.

namespace tagloom {

namespace {

// What the background part of a load hands back.
struct BackgroundLoad {
    std::shared_ptr<ScintillaLoader> loader;
    LoadedText loaded;
    QString error;
};

constexpr qsizetype kLoadStep = 8 * 1024 * 1024;
// Room for what is typed between preparing a save's copy and making it.
constexpr qsizetype kSaveSlack = 1024 * 1024;

} // namespace

DocumentWindow::LoadResult DocumentWindow::LoadDocument(const QString &path)
{
    m_document.setPath(path);
    if (!QFileInfo(path).isFile()) {
        showMessage(this, MessageKind::Plain, QString(),
                    QStringLiteral("The file you selected could not be found.  Please try again."));
        return LoadResult::Missing;
    }
    const bool large = QFileInfo(path).size() >= m_editor->limits().largeDocument;
    Result<EditorText> loaded;
    if (large) {
        if (Status fits = fitsInEditor(path, availableMemoryBytes()); !fits)
            loaded.error = fits.error;
    } else {
        loaded = m_document.load();
    }
    if (!loaded.error.isEmpty()) {
        // The window must not stay bound to a file it does not show.
        m_document.setPath(QString());
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), loaded.error);
        return LoadResult::Failed;
    }
    setWindowTitle(m_document.title());
    if (const ColouringInfo *info = colouringForExtension(upperExtension(path)))
        m_syntaxBox->setCurrentText(QLatin1String(info->languageName));
    if (large) {
        startBackgroundLoad(path);
        return LoadResult::Loaded;
    }
    m_editor->loadText(*loaded, m_document.encoding());
    updateEmbeddedStyles();
    return LoadResult::Loaded;
}

void DocumentWindow::startBackgroundLoad(const QString &path)
{
    m_editor->setReadOnly(true); // the empty text shown until the file is in
    m_loading = true;
    updateNotice();
    // First the file is read and its lines measured; the kind of document
    // that holds it depends on them.
    const qint64 memory = availableMemoryBytes();
    m_loadJob = BackgroundJob::start(
        this, [path, memory](const BackgroundJob::CancelFlag &) { return readDocumentFile(path, memory); },
        [this, path](Result<LoadedText> &&read) {
            if (!read) {
                finishBackgroundLoad(nullptr, LoadedText{}, read.error);
                return;
            }
            fillEditorInBackground(path, std::make_shared<LoadedText>(std::move(*read)));
        });
}

void DocumentWindow::fillEditorInBackground(const QString &path, std::shared_ptr<LoadedText> read)
{
    const bool plain = m_editor->limits().holdsPlain(read->text.buffer.size(), read->longestLine);
    std::shared_ptr<ScintillaLoader> loader = ScintillaLoader::create(m_editor, !plain);
    m_loadJob = BackgroundJob::start(
        this,
        [path, loader, read](const BackgroundJob::CancelFlag &cancelled) {
            BackgroundLoad result;
            QByteArray &buffer = read->text.buffer;
            for (qsizetype at = 0; at < buffer.size() && !cancelled; at += kLoadStep) {
                if (!loader->add(buffer.constData() + at, std::min(kLoadStep, buffer.size() - at))) {
                    result.error = QStringLiteral("There is not enough memory to open the file \"%1\".").arg(path);
                    return result;
                }
            }
            loader->finish();
            buffer = QByteArray(); // the editor has its own copy now
            result.loaded = std::move(*read);
            result.loader = loader;
            return result;
        },
        [this](BackgroundLoad &&result) { finishBackgroundLoad(result.loader.get(), result.loaded, result.error); });
}

void DocumentWindow::finishBackgroundLoad(const ScintillaLoader *loader, const LoadedText &loaded,
                                          const QString &error)
{
    m_loading = false;
    m_editor->setReadOnly(false);
    if (!loader || !error.isEmpty()) {
        m_document.setPath(QString());
        setWindowTitle(m_document.title());
        updateNotice();
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), error);
        return;
    }
    m_document.adopt(loaded);
    m_editor->adoptLoadedDocument(*loader, loaded);
    updateEmbeddedStyles();
    updateNotice();
    emit loadFinished();
}

bool DocumentWindow::refuseWhileLoading()
{
    if (!m_loading)
        return false;
    showMessage(this, MessageKind::Information, QStringLiteral("Information"),
                QStringLiteral("The file \"%1\" is still being opened. Try again once its text is shown.")
                    .arg(m_document.path()));
    return true;
}

bool DocumentWindow::save()
{
    if (refuseWhileLoading())
        return false;
    if (m_document.isUntitled())
        return saveAs();
    if (m_editor->isLargeDocument()) {
        startBackgroundSave();
        return true;
    }
    const Status status = m_document.save(m_editor->buffer());
    reportSave(status);
    if (status)
        m_editor->setModifiedFlag(false);
    return status.ok;
}

void DocumentWindow::reportSave(const Status &status)
{
    if (!status)
        showMessage(this, MessageKind::Error, QStringLiteral("Error"),
                    status.error + QStringLiteral("\n\nThe document was not saved and is still open."));
}

void DocumentWindow::startBackgroundSave()
{
    if (m_saving) {
        m_saveAgain = true; // once this one is written
        return;
    }
    m_saving = true;
    updateNotice();
    // Faulting in hundreds of megabytes costs more than copying into them:
    // a worker prepares the copy's memory, the copy is one plain memcpy
    // here, and a worker writes the file.
    const qsizetype length = m_editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    BackgroundJob::start(
        this,
        [length](const BackgroundJob::CancelFlag &) {
            QByteArray copy;
            copy.resize(length + kSaveSlack);
            memset(copy.data(), 0, copy.size());
            copy.resize(0);
            return copy;
        },
        [this](QByteArray &&copy) {
            const quint64 edits = m_editor->editCount();
            if (!m_editor->copyBuffer(copy)) {
                finishBackgroundSave(Status::failure(QStringLiteral("The editor's text could not be read.")), edits);
                return;
            }
            BackgroundJob::start(
                this,
                [copy = std::move(copy), path = m_document.path(), encoding = m_document.encoding(),
                 noLines = m_editor->hasNoLines()](const BackgroundJob::CancelFlag &) {
                    return writeDocumentFile(path, copy, encoding, noLines);
                },
                [this, edits](Status &&status) { finishBackgroundSave(status, edits); });
        });
}

void DocumentWindow::finishBackgroundSave(const Status &status, quint64 editsAtCopy)
{
    m_saving = false;
    m_lastSaveOk = status.ok;
    // Edits made while the file was written are not in it.
    if (status && m_editor->editCount() == editsAtCopy)
        m_editor->setModifiedFlag(false);
    updateNotice();
    reportSave(status);
    if (m_saveAgain) {
        m_saveAgain = false;
        startBackgroundSave();
        return;
    }
    emit saveFinished(status.ok);
}

bool DocumentWindow::saveAndWait()
{
    if (!save())
        return false;
    if (!m_saving)
        return true;
    // The event loop keeps running; nothing may change the text meanwhile,
    // since the window closes once it is written.
    m_editor->setReadOnly(true);
    QEventLoop wait;
    connect(this, &DocumentWindow::saveFinished, &wait, &QEventLoop::quit);
    wait.exec();
    m_editor->setReadOnly(false);
    return m_lastSaveOk;
}

QString DocumentWindow::runSaveDialog(const QString &proposed)
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save As File");
    request.proposedPath = proposed;
    request.filters = saveFilters();
    request.defaultSuffix = QStringLiteral("htm");
    const QString path = chooseFileWithFavourites(this, request, m_context.userStore);
    if (!path.isEmpty())
        m_lastSaveDialogName = path;
    return path;
}

bool DocumentWindow::saveAs()
{
    if (refuseWhileLoading())
        return false;
    const QString path = runSaveDialog(m_document.path());
    if (path.isEmpty())
        return false;
    m_document.setPath(path);
    setWindowTitle(m_document.title());
    return save();
}

bool DocumentWindow::queryClose()
{
    if (!isModified())
        return true;
    const auto answer = showMessage(this, MessageKind::Question, QStringLiteral("Confirm"),
                                    QStringLiteral("Save changes to %1?").arg(m_document.path()),
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return saveAndWait(); // a cancelled or failed save keeps the window open
    return answer == QMessageBox::No;
}

} // namespace tagloom
