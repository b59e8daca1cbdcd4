#include "document/ui/editor_commands.h"

#include "base/ui/messages.h"
#include "document/ui/code_editor.h"
#include "document/date_stamp.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace tagloom {

namespace {

using Sci = QsciScintillaBase;
// Bookmark n is gutter marker kFirstMarker + n; markers 25 and up are the folders'.
constexpr int kFirstMarker = 10;
constexpr int kBookmarkMargin = 1;

QImage digitImage(int n)
{
    QImage image(14, 14, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 96, 192));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(image.rect(), 3, 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(n));
    return image;
}

// US-layout symbols on the digit keys: what Ctrl+Shift+digit reports.
int digitOfKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    static const int shifted[] = {Qt::Key_ParenRight, Qt::Key_Exclam,     Qt::Key_At,        Qt::Key_NumberSign,
                                  Qt::Key_Dollar,     Qt::Key_Percent,    Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                                  Qt::Key_Asterisk,   Qt::Key_ParenLeft};
    for (int d = 0; d < 10; ++d)
        if (shifted[d] == key)
            return d;
    return -1;
}

void beep()
{
    QApplication::beep();
}

} // namespace

// --- commands --------------------------------------------------------------

EditorCommands::EditorCommands(CodeEditor *editor, EditorCommandHooks hooks, QObject *parent)
    : QObject(parent), m_editor(editor), m_hooks(std::move(hooks))
{
    for (int n = 0; n < 10; ++n)
        editor->markerDefine(digitImage(n), kFirstMarker + n);
    editor->installEventFilter(this);
    installKeys();
}

void EditorCommands::convertToUppercase()
{
    // With nothing selected this still records an (empty) undo step.
    m_editor->ReplaceSelection(asciiUpper(m_editor->SelectedText()));
}

void EditorCommands::convertToLowercase()
{
    m_editor->ReplaceSelection(asciiLower(m_editor->SelectedText()));
}

void EditorCommands::gotoTop() { m_editor->SetCaretLine(0); }
void EditorCommands::gotoBottom() { m_editor->SetCaretLine(m_editor->LineCount()); }

void EditorCommands::showGotoLine()
{
    GotoLineDialog::instance().showFor(m_editor, m_hooks.activeEditor);
}

// --- bookmarks -------------------------------------------------------------

std::optional<TextPosition> EditorCommands::bookmark(int n) const
{
    if (n < 0 || n > 9 || !m_bookmarks[n])
        return std::nullopt;
    const int line0 = m_editor->markerLine(m_bookmarks[n]->handle);
    if (line0 < 0)
        return std::nullopt; // its line went with Clear All or a deletion
    return TextPosition{line0 + 1, m_bookmarks[n]->column};
}

void EditorCommands::setBookmark(int n)
{
    if (n < 0 || n > 9)
        return;
    const int line = m_editor->CaretLine();
    if (line < 1 || line > std::max(m_editor->LineCount(), 1))
        return;
    for (int other = 0; other < 10; ++other) {
        const std::optional<TextPosition> at = bookmark(other);
        if (other == n || (at && at->line == line)) {
            if (m_bookmarks[other])
                m_editor->markerDeleteHandle(m_bookmarks[other]->handle);
            m_bookmarks[other].reset();
        }
    }
    const int handle = m_editor->markerAdd(line - 1, kFirstMarker + n);
    m_bookmarks[n] = Bookmark{handle, m_editor->CaretColumn()};
}

void EditorCommands::goToBookmark(int n)
{
    const std::optional<TextPosition> at = bookmark(n);
    if (!at || at->line > m_editor->LineCount())
        return;
    m_editor->SetCaretLine(at->line);
    m_editor->SetCaretColumn(at->column);
}

// --- date stamps and view --------------------------------------------------

void EditorCommands::insertDateStamp(int item, const QDateTime &when)
{
    const auto &items = dateStampItems();
    if (item < 0 || item >= int(items.size()))
        return;
    const QString line = formatDateStamp(QLatin1String(items[item].format), when, QLocale());
    m_editor->InsertLine(m_editor->CaretLine(), line);
}

void EditorCommands::toggleLineNumbers()
{
    const bool visible = m_editor->marginWidth(kBookmarkMargin) > 0 || m_editor->marginLineNumbers(0);
    if (visible) {
        m_gutterWidth = m_editor->marginWidth(kBookmarkMargin);
        m_lineNumbers = !m_editor->marginLineNumbers(0);
        m_editor->setGutter(true, m_gutterWidth, m_lineNumbers);
    } else {
        m_lineNumbers = !m_lineNumbers; // shows when the gutter comes back
    }
}

void EditorCommands::toggleGutter()
{
    const bool visible = m_editor->marginWidth(kBookmarkMargin) > 0 || m_editor->marginLineNumbers(0);
    if (visible) {
        m_gutterWidth = m_editor->marginWidth(kBookmarkMargin);
        m_lineNumbers = m_editor->marginLineNumbers(0);
    }
    m_editor->setGutter(!visible, m_gutterWidth, m_lineNumbers);
}

// --- find and replace ------------------------------------------------------

SearchDialog *EditorCommands::findDialog()
{
    if (!m_findDialog) {
        m_findDialog = new SearchDialog(SearchDialog::Kind::Find, m_editor);
        connect(m_findDialog, &SearchDialog::findNextRequested, this,
                [this] { findNext(m_findDialog->findText(), m_findDialog->options()); });
    }
    return m_findDialog;
}

SearchDialog *EditorCommands::replaceDialog()
{
    if (!m_replaceDialog) {
        m_replaceDialog = new SearchDialog(SearchDialog::Kind::Replace, m_editor);
        connect(m_replaceDialog, &SearchDialog::findNextRequested, this,
                [this] { findNext(m_replaceDialog->findText(), m_replaceDialog->options()); });
        connect(m_replaceDialog, &SearchDialog::replaceRequested, this, [this] { replaceFromDialog(false); });
        connect(m_replaceDialog, &SearchDialog::replaceAllRequested, this, [this] { replaceFromDialog(true); });
    }
    return m_replaceDialog;
}

void EditorCommands::showFind()
{
    findDialog()->present();
}

void EditorCommands::showReplace()
{
    replaceDialog()->present();
}

QStringList EditorCommands::lines() const
{
    if (m_editor->hasNoLines())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return m_editor->allText().split(lineBreak);
}

void EditorCommands::selectMatch(const SearchMatch &match, bool caretAtStart)
{
    const int line0 = match.line - 1;
    const int start = match.column - 1;
    const int end = start + match.length;
    if (caretAtStart)
        m_editor->setSelection(line0, end, line0, start);
    else
        m_editor->setSelection(line0, start, line0, end);
}

int EditorCommands::findNext(const QString &text, const SearchOptions &options)
{
    if (!m_editor)
        return 0;
    if (text.isEmpty()) {
        beep();
        if (m_hooks.statusMessage)
            m_hooks.statusMessage(QStringLiteral("Cannot search for nothing"));
        return 0;
    }
    const TextPosition caret{m_editor->CaretLine(), m_editor->CaretColumn()};
    const std::optional<SearchMatch> match = findText(lines(), caret, text, options);
    if (!match) {
        beep();
        if (m_hooks.resultsLine)
            m_hooks.resultsLine(QStringLiteral("Could not find requested text"));
        return 0;
    }
    selectMatch(*match, options.backwards);
    return 1;
}

int EditorCommands::replace(const QString &text, const QString &with, const SearchOptions &options, bool all)
{
    if (!m_editor)
        return 0;
    QWidget *parent = m_replaceDialog && m_replaceDialog->isVisible() ? m_replaceDialog : m_editor->window();
    if (text.isEmpty()) {
        beep();
        showMessage(parent, MessageKind::Plain, QString(), QStringLiteral("Please specify text to find."));
        return 0;
    }
    SearchOptions forwards = options;
    forwards.backwards = false;
    const bool breaksLines = with.contains(QLatin1Char('\r')) || with.contains(QLatin1Char('\n'));
    QStringList current = lines();
    int replaced = 0;
    // Each search starts right after the previous replacement, so a
    // replacement that contains the search text is never searched again.
    while (const std::optional<SearchMatch> match =
               findText(current, {m_editor->CaretLine(), m_editor->CaretColumn()}, text, forwards)) {
        selectMatch(*match, false);
        m_editor->ReplaceSelection(with);
        ++replaced;
        if (!all)
            break;
        if (breaksLines)
            current = lines();
        else
            current[match->line - 1] = m_editor->LineText();
    }
    if (replaced == 0) {
        beep();
        showMessage(parent, MessageKind::Plain, QString(),
                    QStringLiteral("Could not find or replace the desired text.  Check it and try again."));
    }
    return replaced;
}

void EditorCommands::replaceFromDialog(bool all)
{
    replace(m_replaceDialog->findText(), m_replaceDialog->replaceText(), m_replaceDialog->options(), all);
}

// --- keys ------------------------------------------------------------------

// Keys that only rebind an editor command go into the editor's own key map;
// bookmarks, bracket matching and selection modes need code and are handled
// by the event filter below.
void EditorCommands::installKeys()
{
    QsciCommandSet *commands = m_editor->standardCommands();
    const auto bind = [&](QsciCommand::Command id, QKeyCombination key) {
        m_editor->releaseKey(key.toCombined());
        if (QsciCommand *command = commands->find(id))
            command->setKey(key.toCombined());
    };
    const auto bindAlternate = [&](QsciCommand::Command id, QKeyCombination key) {
        m_editor->releaseKey(key.toCombined());
        if (QsciCommand *command = commands->find(id))
            command->setAlternateKey(key.toCombined());
    };
    bind(QsciCommand::LineDelete, Qt::CTRL | Qt::Key_Y);
    bind(QsciCommand::DeleteWordRight, Qt::CTRL | Qt::Key_T);
    bind(QsciCommand::DeleteLineRight, Qt::CTRL | Qt::SHIFT | Qt::Key_Y);
    // Redo lost Ctrl+Y above; it keeps Ctrl+Shift+Z and Shift+Alt+Backspace.
    bind(QsciCommand::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    bindAlternate(QsciCommand::Redo, Qt::SHIFT | Qt::ALT | Qt::Key_Backspace);
    bindAlternate(QsciCommand::Undo, Qt::ALT | Qt::Key_Backspace);
    bindAlternate(QsciCommand::Newline, Qt::CTRL | Qt::Key_M);
    bindAlternate(QsciCommand::Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_I);
    bindAlternate(QsciCommand::Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_U);
    bind(QsciCommand::StutteredPageUp, Qt::CTRL | Qt::Key_PageUp);
    bind(QsciCommand::StutteredPageDown, Qt::CTRL | Qt::Key_PageDown);
    bind(QsciCommand::StutteredPageUpExtend, Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp);
    bind(QsciCommand::StutteredPageDownExtend, Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown);
}

// The caret goes onto the matching bracket (before it), the bracket at the
// caret or just before it being the one matched.
void EditorCommands::moveToMatchingBracket()
{
    const long caret = m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    long match = m_editor->SendScintilla(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(caret), 0L);
    if (match < 0 && caret > 0)
        match = m_editor->SendScintilla(Sci::SCI_BRACEMATCH, static_cast<unsigned long>(caret - 1), 0L);
    if (match >= 0)
        m_editor->SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(match));
}

// Block indent and unindent of a selection within one line (or of the caret
// line): the editor's own Tab would replace the selected text by a tab. A
// selection over several lines is left to the editor, which does each line.
bool EditorCommands::shiftSingleLine(bool indent)
{
    auto send = [this](unsigned int message, qint64 w = 0, qint64 l = 0) {
        return m_editor->SendScintilla(message, static_cast<unsigned long>(w), static_cast<long>(l));
    };
    const long anchor = send(Sci::SCI_GETANCHOR);
    const long caret = send(Sci::SCI_GETCURRENTPOS);
    const long line = send(Sci::SCI_LINEFROMPOSITION, anchor);
    if (m_editor->isReadOnly() || send(Sci::SCI_SELECTIONISRECTANGLE) ||
        line != send(Sci::SCI_LINEFROMPOSITION, caret))
        return false;
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, line);
    long shift = 1;
    if (indent) {
        send(Sci::SCI_INSERTTEXT, lineStart, reinterpret_cast<qint64>("\t"));
    } else {
        const long first = send(Sci::SCI_GETCHARAT, lineStart);
        if (lineStart == send(Sci::SCI_GETLINEENDPOSITION, line) || (first != '\t' && first != ' '))
            return true; // nothing to take away
        send(Sci::SCI_DELETERANGE, lineStart, 1);
        shift = -1;
    }
    // The selection stays on the text it covered.
    send(Sci::SCI_SETSEL, std::max(anchor + shift, lineStart), std::max(caret + shift, lineStart));
    return true;
}

bool EditorCommands::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Ctrl+N breaks the line with the caret staying where it is (a menu
    // shortcut on Ctrl+N, when one is set, wins before this is reached).
    if ((modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier && key == Qt::Key_N && !m_editor->isReadOnly()) {
        const long caret = m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
        m_editor->SendScintilla(Sci::SCI_INSERTTEXT, static_cast<unsigned long>(caret), "\r\n");
        return true;
    }
    modifiers &= ~Qt::KeypadModifier;
    const int digit = digitOfKey(key);
    if (modifiers == Qt::ControlModifier && key >= Qt::Key_0 && key <= Qt::Key_9) {
        goToBookmark(digit);
        return true;
    }
    if (modifiers != (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    if (digit >= 0) {
        setBookmark(digit);
        return true;
    }
    switch (key) {
    case Qt::Key_B: moveToMatchingBracket(); return true;
    case Qt::Key_I: return shiftSingleLine(true);
    case Qt::Key_U: return shiftSingleLine(false);
    case Qt::Key_N:
        m_editor->SendScintilla(Sci::SCI_SETSELECTIONMODE, static_cast<unsigned long>(Sci::SC_SEL_STREAM));
        m_editor->SendScintilla(Sci::SCI_CANCEL); // back to selecting with Shift only
        return true;
    case Qt::Key_C:
        m_editor->SendScintilla(Sci::SCI_SETSELECTIONMODE, static_cast<unsigned long>(Sci::SC_SEL_RECTANGLE));
        return true;
    case Qt::Key_L:
        m_editor->SendScintilla(Sci::SCI_SETSELECTIONMODE, static_cast<unsigned long>(Sci::SC_SEL_LINES));
        return true;
    default: return false;
    }
}

bool EditorCommands::eventFilter(QObject *watched, QEvent *event)
{
    // The event's type first: while the editor is being destroyed it still
    // sends events here, and it is no longer a CodeEditor to compare with.
    if (event->type() == QEvent::KeyPress && watched == m_editor) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (handleKey(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tagloom
