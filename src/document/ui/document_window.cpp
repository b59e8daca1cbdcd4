#include "document/ui/document_window.h"

#include "base/data_folder.h"
#include "settings/setting_rows.h"
#include "settings/settings_store.h"
#include "settings/ui/favourite_folders.h"
#include "base/file_io.h"
#include "base/list_file.h"
#include "base/ui/messages.h"
#include "base/ui/shortcut_text.h"
#include "base/ui/typed_combo_box.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window_commands.h"
#include "document/file_filters.h"
#include "document/ui/menu_table.h"
#include "document/date_stamp.h"
#include "document/ui/embedded_styles.h"
#include "document/insertion.h"
#include "document/ui/lexer_factory.h"
#include "document/ui/preview_pane.h"
#include "document/ui/proof_check_view.h"
#include "document/spell_checker.h"
#include "document/syntax_table.h"

#include <Qsci/qscilexer.h>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tagloom {

DocumentWindow::DocumentWindow(DocumentContext context, QWidget *parent)
    : QWidget(parent), m_context(std::move(context)), m_actions(this)
{
    setAttribute(Qt::WA_DeleteOnClose);

    const QString &fontName = m_context.settings.fontFamily;
    m_font = QFont(fontName, m_context.settings.fontSize);
    m_font.setStyleHint(fontName == QLatin1String("Arial") ? QFont::SansSerif : QFont::TypeWriter);

    buildLayout();
    m_commands = new EditorCommands(m_editor, m_context.commandHooks, this);
    buildMenus();
    setWindowTitle(m_document.title());
    {
        const QSignalBlocker quiet(m_syntaxBox);
        m_syntaxBox->setCurrentText(QStringLiteral("HTML Document"));
    }
    applyColouringFromSelector();
    applySettings();
    connect(m_liveBox, &QCheckBox::toggled, this, [this](bool on) {
        setLivePreview(on);
        // Kept for the next windows and the next run.
        m_context.settings.livePreview = on;
        if (m_context.userStore && !m_context.userStore->isReadOnly()) {
            m_context.userStore->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Live Preview"),
                                         on ? QStringLiteral("True") : QString());
            m_context.userStore->flush();
        }
    });
}

DocumentWindow::~DocumentWindow()
{
    m_loadJob.cancel();
}

EditorOperations &DocumentWindow::operations() const
{
    return *m_editor;
}

bool DocumentWindow::isModified() const
{
    return m_editor->isModifiedFlag();
}

QByteArray DocumentWindow::fileBytes() const
{
    return m_editor->fileBytes();
}

QByteArray DocumentWindow::textBytes() const
{
    return m_document.textBytes(m_editor->buffer());
}

void DocumentWindow::reloadFromFileBytes(const QByteArray &bytes)
{
    m_editor->reloadFromFileBytes(bytes);
}

void DocumentWindow::buildLayout()
{
    m_syntaxBox = new QComboBox(this);
    // A typed name must match a colouring exactly ("php" is none).
    makeTypedComboBox(m_syntaxBox);
    m_syntaxBox->addItems(syntaxSelectorItems());
    m_syntaxBox->setMinimumContentsLength(24);
    m_linesPanel = new QLabel(QStringLiteral("0 Lines"), this);
    m_linesPanel->setFixedWidth(100);
    m_linesPanel->setAlignment(Qt::AlignCenter);
    m_linesPanel->setFrameShape(QFrame::Panel);
    m_linesPanel->setFrameShadow(QFrame::Sunken);
    m_noticePanel = new QLabel(this);
    m_noticePanel->setObjectName(QStringLiteral("NoticePanel"));
    m_noticePanel->hide();

    m_liveBox = new QCheckBox(QStringLiteral("Live Preview"), this);
    m_liveBox->setObjectName(QStringLiteral("LivePreview"));
    m_liveBox->setToolTip(QStringLiteral("Shows the page beside the code as you type, without saving it"));

    auto *topBar = new QHBoxLayout;
    topBar->setContentsMargins(2, 2, 2, 2);
    topBar->addWidget(m_syntaxBox);
    topBar->addWidget(m_liveBox);
    topBar->addStretch(1);
    topBar->addWidget(m_noticePanel);
    topBar->addWidget(m_linesPanel);

    m_editor = new CodeEditor(m_document, this);
    m_embeddedStyles = new EmbeddedStyles(m_editor);
    m_proofView = new ProofCheckView(this);
    m_codeStack = new QStackedWidget(this);
    m_codeStack->addWidget(m_editor);
    m_codeStack->addWidget(m_proofView);

    m_proofBar = new QWidget(this);
    auto *proofLayout = new QHBoxLayout(m_proofBar);
    proofLayout->setContentsMargins(2, 2, 2, 2);
    auto *closeProof = new QPushButton(QStringLiteral("Close Proof-Check Preview"), m_proofBar);
    proofLayout->addWidget(closeProof);
    proofLayout->addStretch(1);
    m_proofBar->hide();
    connect(closeProof, &QPushButton::clicked, this, &DocumentWindow::closeProofCheck);

    auto *codePage = new QWidget(this);
    auto *codeLayout = new QVBoxLayout(codePage);
    codeLayout->setContentsMargins(0, 0, 0, 0);
    codeLayout->setSpacing(0);
    m_codeSplit = new QSplitter(Qt::Horizontal, codePage);
    m_codeSplit->addWidget(m_codeStack);
    codeLayout->addWidget(m_codeSplit, 1);
    codeLayout->addWidget(m_proofBar);

    m_preview = new PreviewPane(this);
    m_preview->setObjectName(QStringLiteral("PreviewPage"));

    m_tabs = new QTabWidget(this);
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->addTab(codePage, QStringLiteral("Code"));
    m_tabs->addTab(m_preview, QStringLiteral("Preview"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (m_tabs->widget(page) == m_preview)
            previewInWindow();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(topBar);
    layout->addWidget(m_tabs, 1);
    setFocusProxy(m_editor);

    connect(m_syntaxBox, &QComboBox::currentTextChanged, this, &DocumentWindow::applyColouringFromSelector);
    connect(m_editor, &CodeEditor::changed, this, &DocumentWindow::updateLinesPanel);
    connect(m_editor, &CodeEditor::displayModeChanged, this, &DocumentWindow::onDisplayModeChanged);
    connect(m_editor, &CodeEditor::caretReported, this, &DocumentWindow::caretReported);
    connect(m_editor, &CodeEditor::filesDropped, this, &DocumentWindow::filesDropped);
}

void DocumentWindow::buildMenus()
{
    m_menuBar = m_actions.buildMenuBar(menuBarItems(), this, MenuPlace::Document);
    m_menuBar->hide(); // the main window shows it while this window is active
    m_contextMenu = m_actions.buildPopupMenu(editorContextMenu(), this);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_contextMenu->popup(m_editor->mapToGlobal(at)); });

    // The window's own commands first; the program's fill the other items.
    bindWindowCommands(*this, m_actions);
    if (m_context.commands)
        m_actions.bindCommands(*m_context.commands);
    bindContextAliases(*this, m_actions);
    m_actions.disableActionsWithoutCommand();
}

void DocumentWindow::closeWindow()
{
    if (parentWidget())
        parentWidget()->close();
    else
        close();
}

void DocumentWindow::applySettings()
{
    const EditorSettings &s = m_context.settings;
    setLivePreview(s.livePreview);
    // Menu shortcuts from the keyboard settings; the editor gives up its own
    // binding of a key that a menu item now carries.
    m_actions.applyStoredShortcuts([&s](const QString &name) { return s.shortcuts.value(name); });
    for (const QString &text : s.shortcuts) {
        const QKeySequence key = shortcutFromText(text);
        if (!key.isEmpty())
            m_editor->releaseKey(key[0].toCombined());
    }
    // The image editor item.
    if (QAction *a = m_actions.action(QStringLiteral("Tools.ImageEditor"))) {
        a->setEnabled(!s.imageEditor.isEmpty());
        a->setText(QStringLiteral("Edit Image using ") + s.imageEditorTitle);
    }
    // The typing aids, each from its list file or detached.
    auto loadAid = [this](bool on, const char *file) -> std::optional<QStringList> {
        if (!on)
            return std::nullopt;
        const QString path = m_context.dataFolder + QLatin1String(file);
        auto list = readListFile(path);
        if (!list) {
            // Said once per run, not again by every window that opens.
            static QSet<QString> reported;
            if (!reported.contains(path)) {
                reported.insert(path);
                showMessage(this, MessageKind::Warning, QString(), list.error);
            }
            return std::nullopt;
        }
        return *list;
    };
    m_editor->setAutoCompleteList(loadAid(s.autoComplete, DataPath::CompletionAuto));
    m_editor->setCompletionList(loadAid(s.inlineCoding, DataPath::CompletionLine));
    // Editor options and numbers (absent or unreadable ones came with their
    // fallbacks).
    m_editor->setAutoIndent(s.autoIndent);
    m_editor->setSmartTabs(s.smartTabs);
    m_editor->setScrollPastEol(s.scrollPastEol);
    m_editor->setUndoLimit(s.undoLimit);
    m_editor->setExtraLineSpacing(s.extraLineSpacing);
    m_editor->setOverwriteMode(!s.insertMode);
    m_editor->setGutter(s.gutter, s.gutterWidth, s.lineNumbers);
    // Spell checking.
    if (QAction *a = m_actions.action(QStringLiteral("Tools.SpellCheck")))
        a->setEnabled(s.spellCheck);
    if (QAction *a = m_actions.action(QStringLiteral("Context.SpellCheck")))
        a->setEnabled(s.spellCheck);
}

void DocumentWindow::applyColouringFromSelector()
{
    const ColouringInfo *info = colouringByName(m_syntaxBox->currentText());
    m_editor->setDocumentLexer([this, info] { applyLexerToDocument(m_editor, info ? &info->colouring : nullptr); });
    // Very long lines keep colouring off (the choice applies once they are
    // gone); a document held without styles has nothing to colour into.
    if (m_editor->longLineShown() > 0 || m_editor->isPlainDocument()) {
        updateNotice();
        return;
    }
    applyColouring(m_editor, info ? &info->colouring : nullptr, m_font,
                   info ? m_context.schemes.value(schemeLanguageOf(info->colouring)) : QVector<AttributeLook>());
    updateEmbeddedStyles();
}

void DocumentWindow::updateEmbeddedStyles()
{
    const ColouringInfo *info = colouringByName(m_syntaxBox->currentText());
    const bool wanted = info && info->colouring == Colouring::MultiHighlighter;
    // Recolouring reads the whole text after every edit.
    const bool affordable = !m_editor->isLargeDocument() && m_editor->longLineShown() == 0;
    m_embeddedStyles->setEnabled(wanted && affordable);
}

void DocumentWindow::onDisplayModeChanged()
{
    const bool longLines = m_editor->longLineShown() > 0;
    if (m_longLinesShown && !longLines)
        applyColouringFromSelector(); // the colouring comes back
    m_longLinesShown = longLines;
    updateEmbeddedStyles();
    updateNotice();
}

namespace {

QString sizeText(qint64 bytes)
{
    if (bytes >= 1024 * 1024)
        return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
    return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
}

} // namespace

void DocumentWindow::updateNotice()
{
    QStringList shown;
    QStringList explained;
    if (m_loading)
        shown << QStringLiteral("Opening...");
    if (m_saving)
        shown << QStringLiteral("Saving...");
    if (const qsizetype longest = m_editor->longLineShown(); longest > 0) {
        shown << QStringLiteral("No colouring: a line of %1").arg(sizeText(longest));
        explained << QStringLiteral("This document has a line of %1. Lines longer than %2 turn colouring off, and "
                                    "only the part of such a line around the caret is drawn, so that the window "
                                    "answers at once while you type.")
                         .arg(sizeText(longest), sizeText(m_editor->limits().longLine));
    }
    if (m_editor->isLargeDocument()) {
        const bool plain = m_editor->isPlainDocument();
        shown << (plain ? QStringLiteral("Large document, no colouring") : QStringLiteral("Large document"));
        explained << QStringLiteral("This document is larger than %1: it is opened and saved in the background, "
                                    "style sheets inside it are not coloured, and screen readers get it as a plain "
                                    "text field.")
                         .arg(sizeText(m_editor->limits().largeDocument));
        explained << (plain ? QStringLiteral("Documents of %1 or more are shown without colouring: colouring keeps "
                                             "a second byte beside every byte of text, doubling the memory they take.")
                                  .arg(sizeText(m_editor->limits().plainDocument))
                            : QStringLiteral("It is coloured a part at a time as you reach it."));
    }
    if (!explained.isEmpty())
        explained << QStringLiteral("The text itself is kept exactly as it is.");
    m_noticePanel->setText(shown.join(QStringLiteral("; ")));
    m_noticePanel->setToolTip(explained.join(QStringLiteral("\n\n")));
    m_noticePanel->setVisible(!shown.isEmpty());
}

void DocumentWindow::updateLinesPanel()
{
    m_linesPanel->setText(QString::number(m_editor->LineCount()) + QLatin1String(" Line(s)"));
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (queryClose())
        event->accept();
    else
        event->ignore();
}

void DocumentWindow::runProofCheck()
{
    if (!m_context.spellChecker)
        return;
    m_proofView->setPlainText(m_editor->allText());
    m_proofShown = m_proofView->checkedText();
    m_codeStack->setCurrentWidget(m_proofView);
    SpellChecker &checker = m_context.spellChecker();
    if (!checker.isReady())
        showMessage(this, MessageKind::Warning, QStringLiteral("Spell Check"), checker.problem());
    else
        m_proofView->runCheck(checker);
    showMessage(this, MessageKind::Information, QStringLiteral("Spell Check"), QStringLiteral("Spell Check Complete"));
    m_proofBar->show();
}

void DocumentWindow::closeProofCheck()
{
    // An unedited check leaves the document's bytes alone; an edited one
    // comes back character for character (line breaks become CR LF).
    const QString checked = m_proofView->checkedText();
    if (checked == m_proofShown)
        m_editor->forgetHistory();
    else
        m_editor->replaceAllSilently(checked);
    m_proofShown.clear();
    m_codeStack->setCurrentWidget(m_editor);
    m_editor->update();
    m_proofBar->hide();
}

bool DocumentWindow::isProofChecking() const
{
    return m_codeStack->currentWidget() == m_proofView;
}

void DocumentWindow::startImageEditor()
{
    const QString program = m_context.settings.imageEditor;
    // The selected text is the one parameter; no shell sees it.
    const QString argument = m_editor->SelectedText();
    if (program.isEmpty() ||
        !QProcess::startDetached(program, argument.isEmpty() ? QStringList() : QStringList{argument},
                                 m_context.dataFolder)) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"),
                    QStringLiteral("You have not specified an image editor.\nYou can do this in the Preferences window."));
    }
}

void DocumentWindow::trigger(const QString &id)
{
    if (QAction *a = m_actions.action(id); a && a->isEnabled())
        a->trigger();
}

} // namespace tagloom
