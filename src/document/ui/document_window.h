#pragma once
// A document window: one document in a syntax-coloured editor, with the
// syntax selector and line-count panel above it, the Code and Preview tabs
// below, the hidden proof-check view, its own menu bar (shown by the main
// window while this window is active) and the editor's context menu.

#include "base/background_job.h"
#include "base/result.h"
#include "base/ui/action_registry.h"
#include "settings/app_settings.h"
#include "document/document.h"
#include "document/ui/editor_commands.h"
#include "document/highlighter_scheme.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QSplitter;
class QTimer;
class QLabel;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QTabWidget;

namespace tagloom {

class PreviewPane;

class CodeEditor;
class CommandRegistry;
class EmbeddedStyles;
class EditorOperations;
class ProofCheckView;
class ScintillaLoader;
class SettingsStore;
class SpellChecker;

// What a document window needs from the program around it.
struct DocumentContext {
    EditorSettings settings;
    QString dataFolder;
    // The per-user settings, for the save dialog's favourite folders (may be null).
    SettingsStore *userStore = nullptr;
    // Stored colour schemes by language name ("HTML Document", ...).
    QHash<QString, QVector<AttributeLook>> schemes;
    // The program's commands: menu items that are not the window's own run
    // these (may be null: then only the window's own items work).
    const CommandRegistry *commands = nullptr;
    // Where find and replace report, and the editor the goto-line dialog acts on.
    EditorCommandHooks commandHooks;
    // The spell checker shared by all windows, made on first use.
    std::function<SpellChecker &()> spellChecker;
    // The local folder of the open site, empty when none is (may be null).
    std::function<QString()> openSiteFolder;
};

class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(DocumentContext context, QWidget *parent = nullptr);
    ~DocumentWindow() override;

    CodeEditor *editor() const { return m_editor; }
    EmbeddedStyles *embeddedStyles() const { return m_embeddedStyles; }
    EditorCommands *commands() const { return m_commands; }
    EditorOperations &operations() const;
    QMenuBar *documentMenuBar() const { return m_menuBar; }
    ActionRegistry &actions() { return m_actions; }
    QComboBox *syntaxBox() const { return m_syntaxBox; }
    QLabel *linesPanel() const { return m_linesPanel; }
    // Says what is done differently for a large document or very long lines
    // (hidden when nothing is); its tool tip explains.
    QLabel *noticePanel() const { return m_noticePanel; }
    // The Preview page, and the live preview beside the code (nullptr until
    // the live preview is first turned on).
    QTabWidget *pageTabs() const { return m_tabs; }
    PreviewPane *preview() const { return m_preview; }
    PreviewPane *livePreview() const { return m_livePreview; }
    QCheckBox *livePreviewBox() const { return m_liveBox; }

    Document &document() { return m_document; }
    const QString &fileName() const { return m_document.path(); }
    bool isModified() const;
    // The document as its file would hold it now, unsaved edits included.
    QByteArray fileBytes() const;
    // The same text as the editor holds it (8-bit or UTF-8, CR LF), for the
    // tools that read mark-up byte by byte.
    QByteArray textBytes() const;
    // Replaces the editor's text with a file's bytes as one reload (a whole-
    // document tool's result); the modified flag stays as it was.
    void reloadFromFileBytes(const QByteArray &bytes);

    // Loads a file into this window. A missing file keeps the window empty
    // and untitled-looking but remembers the path for a later Save; a file
    // that cannot be read (or is too large to hold) is reported and leaves
    // the window untitled, so that no Save can replace the file.
    enum class LoadResult { Loaded, Missing, Failed };
    LoadResult LoadDocument(const QString &path);
    // A large file is read in the background: LoadDocument returns at once
    // and loadFinished() follows; meanwhile the editor is empty and read-only.
    bool isLoading() const { return m_loading; }
    // True, after telling the user, while the file is still being read: the
    // empty editor must not be written anywhere, least of all over the file.
    bool refuseWhileLoading();
    // Save (Save As when untitled). False when cancelled or the write failed;
    // a failed write is reported and leaves the document as it was. A large
    // document is written in the background: true says it started, and
    // saveFinished() tells the outcome (the modified flag clears then, unless
    // the text changed meanwhile).
    bool save();
    bool isSaving() const { return m_saving; }
    bool saveAs();
    // Runs this window's save dialog, proposing `proposed`; the chosen path
    // (remembered for the next use) or the empty text when cancelled.
    QString runSaveDialog(const QString &proposed);
    // The name the save dialog showed last (empty before its first use).
    const QString &lastSaveDialogName() const { return m_lastSaveDialogName; }
    const QString &dataFolder() const { return m_context.dataFolder; }
    // The settings this window took when it was made.
    const EditorSettings &settings() const { return m_context.settings; }

    // The close prompt; true when the window may close.
    bool queryClose();

    // Proof check: the text goes to the proof-check view and is spell-checked.
    void runProofCheck();
    void closeProofCheck();
    bool isProofChecking() const;
    ProofCheckView *proofView() const { return m_proofView; }

    // "Edit with Image Editor": the selection goes to the image editor.
    void startImageEditor();
    // Closes the window (its frame in the main window), asking first.
    void closeWindow();

    // Runs the editor's command of an action id ("Edit.Undo").
    void trigger(const QString &id);

signals:
    void loadFinished();
    void saveFinished(bool ok);
    void caretReported(int line, int column);
    void filesDropped(const QStringList &paths);
    void spellCheckEnabled(bool enabled);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void applySettings();
    void applyColouringFromSelector();
    void updateLinesPanel();
    void updateNotice();
    void updateEmbeddedStyles();
    // The Preview page shows the document's file as last saved, or, for an
    // untitled document, the editor's text written to the preview copy.
    void previewInWindow();
    // The file a preview shows: the document's own, or for an untitled one
    // the preview copy, written now; empty (after saying why) when the copy
    // cannot be written.
    QString previewFile();
    // The page text with its server-side includes expanded, when the
    // document's name or the option asks for that and it holds any; nothing
    // when it is to be shown as it is (also when expanded it would be too
    // large to hand to the page engine as a text).
    std::optional<QString> withIncludesExpanded(const QString &page) const;
    bool expandsIncludes() const;
    void setLivePreview(bool on);
    void refreshLivePreview();
    void onDisplayModeChanged();
    void startBackgroundLoad(const QString &path);
    void fillEditorInBackground(const QString &path, std::shared_ptr<LoadedText> read);
    void finishBackgroundLoad(const ScintillaLoader *loader, const LoadedText &loaded, const QString &error);
    void startBackgroundSave();
    void finishBackgroundSave(const Status &status, quint64 editsAtCopy);
    void reportSave(const Status &status);
    // Save, waiting (with the event loop running) for a background one.
    bool saveAndWait();

    DocumentContext m_context;
    ActionRegistry m_actions;
    Document m_document;
    QString m_lastSaveDialogName;
    QFont m_font;
    CodeEditor *m_editor = nullptr;
    EmbeddedStyles *m_embeddedStyles = nullptr;
    EditorCommands *m_commands = nullptr;
    ProofCheckView *m_proofView = nullptr;
    QString m_proofShown; // the text the proof check showed, to tell whether it was edited
    QWidget *m_proofBar = nullptr;
    QStackedWidget *m_codeStack = nullptr;
    QTabWidget *m_tabs = nullptr;
    QSplitter *m_codeSplit = nullptr;
    PreviewPane *m_preview = nullptr;
    PreviewPane *m_livePreview = nullptr;
    QCheckBox *m_liveBox = nullptr;
    QTimer *m_liveTimer = nullptr;
    QComboBox *m_syntaxBox = nullptr;
    QLabel *m_linesPanel = nullptr;
    QLabel *m_noticePanel = nullptr;
    BackgroundJob m_loadJob;
    bool m_loading = false;
    bool m_saving = false;
    bool m_saveAgain = false;
    bool m_lastSaveOk = true;
    bool m_longLinesShown = false;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_contextMenu = nullptr;
};

} // namespace tagloom
