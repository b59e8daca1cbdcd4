#include "document/ui/code_editor.h"
#include "document/ui/editor_accessible.h"
#include "document/ui/long_line_view.h"
#include "document/ui/scintilla_calls.h"

#include "base/text_codec.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexer.h>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace tagloom {

using namespace sci;

CodeEditor::CodeEditor(QWidget *parent) : CodeEditor(*new Document, parent)
{
    m_ownDocument.reset(m_document);
}

CodeEditor::CodeEditor(Document &document, QWidget *parent) : QsciScintilla(parent), m_document(&document)
{
    applyDocumentSettings();
    setEolVisibility(false);
    setAutoIndent(true);
    setCaretLineVisible(false);
    setMarginLineNumbers(0, false);
    setMarginWidth(0, 0);
    setMarginType(1, QsciScintilla::SymbolMargin);
    setMarginWidth(1, 32);
    setMarginWidth(2, 0);
    setFolding(QsciScintilla::NoFoldStyle);
    setWrapMode(QsciScintilla::WrapNone);
    setAcceptDrops(true);
    // Pasted text takes the document's CR LF breaks.
    SendScintilla(Sci::SCI_SETPASTECONVERTENDINGS, 1UL);
    // Only the notices sent before a change: QScintilla turns every notice
    // of a done insertion or deletion into an accessibility event, counting
    // the characters from the start of the document to get its offset.
    SendScintilla(Sci::SCI_SETMODEVENTMASK,
                  W(Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE | Sci::SC_MOD_CONTAINER));
    // Colour what is shown first and the rest in idle steps; keep the shown
    // lines' layouts (a very long line costs a lot to measure again).
    SendScintilla(Sci::SCI_SETIDLESTYLING, W(Sci::SC_IDLESTYLING_TOVISIBLE));
    SendScintilla(Sci::SCI_SETLAYOUTCACHE, W(Sci::SC_CACHE_PAGE));
    installEditorAccessible([](const QWidget *w) {
        const auto *editor = qobject_cast<const CodeEditor *>(w);
        return editor && (editor->isLargeDocument() || editor->longLineShown() > 0);
    });
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &CodeEditor::onModified);
    connect(this, &CodeEditor::changed, this, &CodeEditor::fitLineNumbers);
    m_longLines = new LongLineView(this);
}

// --- bytes and positions ---------------------------------------------------

QByteArray CodeEditor::toBytes(const QString &text) const
{
    return heldAsUtf8(encoding()) ? text.toUtf8() : text.toLatin1();
}

QString CodeEditor::fromBytes(const QByteArray &bytes) const
{
    return heldAsUtf8(encoding()) ? decodeUtf8(bytes) : QString::fromLatin1(bytes);
}

QByteArray CodeEditor::bytesAt(qint64 start, qint64 end) const
{
    if (end <= start)
        return QByteArray();
    const auto *p = reinterpret_cast<const char *>(SendScintilla(Sci::SCI_GETRANGEPOINTER, W(start), L(end - start)));
    return p ? QByteArray(p, end - start) : QByteArray();
}

QByteArray CodeEditor::buffer() const
{
    return bytesAt(0, SendScintilla(Sci::SCI_GETLENGTH));
}

QByteArray CodeEditor::fileBytes() const
{
    return m_document->fileBytes(buffer());
}

void CodeEditor::reloadFromFileBytes(const QByteArray &bytes)
{
    const EditorText text = m_document->adoptFileBytes(bytes);
    reloadText(text, m_document->encoding());
}

QString CodeEditor::allText() const
{
    return fromBytes(buffer());
}

qint64 CodeEditor::caretPosition() const
{
    return SendScintilla(Sci::SCI_GETCURRENTPOS);
}

qint64 CodeEditor::caretVirtualSpace() const
{
    const long main = SendScintilla(Sci::SCI_GETMAINSELECTION);
    return SendScintilla(Sci::SCI_GETSELECTIONNCARETVIRTUALSPACE, W(main));
}

qint64 CodeEditor::lineStart(int line0) const
{
    return SendScintilla(Sci::SCI_POSITIONFROMLINE, W(line0));
}

qint64 CodeEditor::lineEnd(int line0) const
{
    return SendScintilla(Sci::SCI_GETLINEENDPOSITION, W(line0));
}

int CodeEditor::lineCharacters(int line0) const
{
    return static_cast<int>(countCharacters(lineStart(line0), lineEnd(line0)));
}

// --- editor operations -----------------------------------------------------

QString CodeEditor::SelectedText() const
{
    if (SendScintilla(Sci::SCI_SELECTIONISRECTANGLE)) {
        const long n = SendScintilla(Sci::SCI_GETSELECTIONS);
        QByteArray joined;
        for (long i = 0; i < n; ++i) {
            if (i > 0)
                joined += CrLf;
            joined += bytesAt(SendScintilla(Sci::SCI_GETSELECTIONNSTART, W(i)),
                              SendScintilla(Sci::SCI_GETSELECTIONNEND, W(i)));
        }
        return fromBytes(joined);
    }
    return fromBytes(bytesAt(SendScintilla(Sci::SCI_GETSELECTIONSTART), SendScintilla(Sci::SCI_GETSELECTIONEND)));
}

void CodeEditor::ReplaceSelection(const QString &text)
{
    const QByteArray bytes = toBytes(text);
    const QByteArray inserted = normaliseLineBreaks(bytes, CrLf);
    const bool hasSelection = SendScintilla(Sci::SCI_GETSELECTIONSTART) != SendScintilla(Sci::SCI_GETSELECTIONEND);
    const int token = m_nextToken++;
    if (hasSelection)
        m_selectionOfToken.insert(token, {SendScintilla(Sci::SCI_GETANCHOR), caretPosition()});

    ++m_silent;
    SendScintilla(Sci::SCI_BEGINUNDOACTION);
    // A marker step: it makes even an empty insertion an undo step, and its
    // undo tells us which selection to bring back.
    SendScintilla(Sci::SCI_ADDUNDOACTION, W(token), 0L);
    if (hasSelection) {
        SendScintilla(Sci::SCI_REPLACESEL, "");
    } else if (const qint64 pad = caretVirtualSpace(); pad > 0) {
        const qint64 pos = caretPosition();
        const QByteArray spaces(pad, ' ');
        SendScintilla(Sci::SCI_INSERTTEXT, W(pos), spaces.constData());
        SendScintilla(Sci::SCI_SETEMPTYSELECTION, W(pos + pad));
    }
    SendScintilla(Sci::SCI_ADDTEXT, static_cast<uintptr_t>(inserted.size()), inserted.constData());
    SendScintilla(Sci::SCI_ENDUNDOACTION);
    --m_silent;
    SendScintilla(Sci::SCI_SETEMPTYSELECTION, W(caretPosition()));
    SendScintilla(Sci::SCI_CHOOSECARETX);
    SendScintilla(Sci::SCI_SCROLLCARET);
    m_modified = true;
    emit changed();
}

int CodeEditor::CaretLine() const
{
    return static_cast<int>(SendScintilla(Sci::SCI_LINEFROMPOSITION, W(caretPosition()))) + 1;
}

int CodeEditor::CaretColumn() const
{
    const qint64 pos = caretPosition();
    const int line0 = static_cast<int>(SendScintilla(Sci::SCI_LINEFROMPOSITION, W(pos)));
    const qint64 start = lineStart(line0);
    // Counting from the last answer keeps a caret far out on a very long
    // line cheap to report; edits before that answer void it.
    ColumnCount &known = m_columnCount;
    const bool reusable = known.lineStart == start && known.position <= pos && known.position >= start;
    const qint64 from = reusable ? known.position : start;
    const qint64 characters = (reusable ? known.characters : 0) + countCharacters(from, pos);
    known = {start, pos, characters};
    return static_cast<int>(characters + caretVirtualSpace()) + 1;
}

void CodeEditor::placeCaret(int line, int column)
{
    const int lines = static_cast<int>(SendScintilla(Sci::SCI_GETLINECOUNT));
    const int line0 = std::clamp(line, 1, std::max(lines, 1)) - 1;
    const int length = lineCharacters(line0);
    // Scrolling past the end of line allows 1024 columns of virtual space;
    // text itself is never cut off from the caret.
    const int maxColumn = m_scrollPastEol ? std::max(1025, length + 1) : length + 1;
    const int x = std::clamp(column, 1, maxColumn);
    qint64 pos = lineEnd(line0);
    qint64 virtualSpace = 0;
    if (x - 1 < length)
        pos = SendScintilla(Sci::SCI_POSITIONRELATIVE, W(lineStart(line0)), L(x - 1));
    else
        virtualSpace = x - 1 - length;
    SendScintilla(Sci::SCI_SETEMPTYSELECTION, W(pos));
    if (virtualSpace > 0) {
        SendScintilla(Sci::SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, L(virtualSpace));
        SendScintilla(Sci::SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, L(virtualSpace));
    }
    SendScintilla(Sci::SCI_CHOOSECARETX);
    m_longLines->followCaret();
    SendScintilla(Sci::SCI_SCROLLCARET);
}

void CodeEditor::SetCaretColumn(int column)
{
    placeCaret(CaretLine(), column);
}

void CodeEditor::SetCaretLine(int line)
{
    placeCaret(line, CaretColumn());
}

QString CodeEditor::LineText() const
{
    if (hasNoLines())
        return QString();
    const int line0 = CaretLine() - 1;
    return fromBytes(bytesAt(lineStart(line0), lineEnd(line0)));
}

int CodeEditor::LineCount() const
{
    return hasNoLines() ? 0 : static_cast<int>(SendScintilla(Sci::SCI_GETLINECOUNT));
}

template <typename Edit>
void CodeEditor::silentEdit(Edit edit)
{
    const bool wasModified = isModifiedFlag();
    const Caret caret{CaretLine(), CaretColumn()};
    ++m_silent;
    SendScintilla(Sci::SCI_BEGINUNDOACTION);
    edit();
    SendScintilla(Sci::SCI_ENDUNDOACTION);
    --m_silent;
    if (!wasModified)
        SendScintilla(Sci::SCI_SETSAVEPOINT);
    placeCaret(caret.line, caret.column);
}

void CodeEditor::ReplaceLine(const QString &text)
{
    const QByteArray bytes = toBytes(text);
    silentEdit([&] {
        if (hasNoLines()) {
            SendScintilla(Sci::SCI_INSERTTEXT, 0UL, bytes.constData());
            m_document->setNoLines(false);
            return;
        }
        const int line0 = CaretLine() - 1;
        SendScintilla(Sci::SCI_SETTARGETSTART, W(lineStart(line0)));
        SendScintilla(Sci::SCI_SETTARGETEND, W(lineEnd(line0)));
        SendScintilla(Sci::SCI_REPLACETARGET, W(bytes.size()), bytes.constData());
    });
}

void CodeEditor::InsertLine(int index, const QString &text)
{
    const QByteArray bytes = toBytes(text);
    silentEdit([&] {
        const int lines = LineCount();
        QByteArray piece;
        qint64 at = 0;
        if (lines == 0) {
            piece = bytes;
        } else if (index >= lines) {
            at = SendScintilla(Sci::SCI_GETLENGTH);
            piece = CrLf + bytes;
        } else {
            at = lineStart(std::max(index, 0));
            piece = bytes + CrLf;
        }
        SendScintilla(Sci::SCI_SETTARGETSTART, W(at));
        SendScintilla(Sci::SCI_SETTARGETEND, W(at));
        SendScintilla(Sci::SCI_REPLACETARGET, W(piece.size()), piece.constData());
        m_document->setNoLines(false);
    });
}

// The flag is ours, not the editor component's save point: every recorded
// edit sets it, Undo and Redo included (undoing back to the saved text still
// asks on close), and emptying the history leaves it alone.
bool CodeEditor::isModifiedFlag() const
{
    return m_modified;
}

void CodeEditor::setModifiedFlag(bool modified)
{
    m_modified = modified;
    if (!modified)
        SendScintilla(Sci::SCI_SETSAVEPOINT);
}

// --- undo ------------------------------------------------------------------

void CodeEditor::onModified(int position, int type, const char *, int length, int, int, int, int, int token, int)
{
    const bool textChange = type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE);
    if (textChange) {
        ++m_edits;
        keepColumnCount(position, (type & Sci::SC_MOD_BEFOREINSERT) ? length : -length);
    }
    if (type & Sci::SC_MOD_BEFOREINSERT)
        m_document->setNoLines(false);
    if (textChange)
        emit textChanging(position, (type & Sci::SC_MOD_BEFOREINSERT) ? length : -length);
    if ((type & Sci::SC_MOD_CONTAINER) && (type & Sci::SC_PERFORMED_UNDO)) {
        auto it = m_selectionOfToken.constFind(token);
        if (it != m_selectionOfToken.constEnd()) {
            m_pendingSelection = *it;
            // Undo from the editor's own keys ends by placing the caret; the
            // selection is put back right after that.
            QTimer::singleShot(0, this, &CodeEditor::applyPendingSelection);
        }
    }
    if (m_silent)
        return;
    const bool marker = (type & Sci::SC_MOD_CONTAINER) && (type & (Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO));
    if (textChange || marker) {
        m_modified = true;
        // The notice comes before the change: the change event waits until
        // it is done (the end of the key, drop or command, or the next turn
        // of the event loop).
        if (!m_changePending) {
            m_changePending = true;
            QTimer::singleShot(0, this, &CodeEditor::flushChange);
        }
    }
}


void CodeEditor::applyPendingSelection()
{
    if (!m_pendingSelection)
        return;
    const auto [anchor, caret] = *m_pendingSelection;
    m_pendingSelection.reset();
    SendScintilla(Sci::SCI_SETSEL, W(anchor), L(caret));
}

void CodeEditor::undoStep()
{
    SendScintilla(Sci::SCI_UNDO);
    applyPendingSelection();
    flushChange();
    m_longLines->followCaret();
}

void CodeEditor::redoStep()
{
    SendScintilla(Sci::SCI_REDO);
    flushChange();
    m_longLines->followCaret();
}

// --- options ---------------------------------------------------------------

void CodeEditor::setScrollPastEol(bool on)
{
    m_scrollPastEol = on;
    SendScintilla(Sci::SCI_SETVIRTUALSPACEOPTIONS,
                  on ? W(Sci::SCVS_USERACCESSIBLE | Sci::SCVS_RECTANGULARSELECTION) : W(Sci::SCVS_RECTANGULARSELECTION));
    if (!on && caretVirtualSpace() > 0)
        SendScintilla(Sci::SCI_SETEMPTYSELECTION, W(caretPosition()));
}

void CodeEditor::setExtraLineSpacing(int pixels)
{
    SendScintilla(Sci::SCI_SETEXTRAASCENT, W(pixels / 2));
    SendScintilla(Sci::SCI_SETEXTRADESCENT, W(pixels - pixels / 2));
}

void CodeEditor::setGutter(bool visible, int widthPixels, bool lineNumbers)
{
    m_lineNumbers = visible && lineNumbers;
    m_lineNumberDigits = 0;
    setMarginLineNumbers(0, m_lineNumbers);
    if (!m_lineNumbers)
        setMarginWidth(0, 0);
    fitLineNumbers();
    setMarginWidth(1, visible ? std::max(widthPixels, 0) : 0);
}

void CodeEditor::fitLineNumbers()
{
    if (!m_lineNumbers)
        return;
    // Room for six digits, and for more once a page has a million lines.
    int digits = 1;
    for (long lines = SendScintilla(Sci::SCI_GETLINECOUNT); lines >= 10; lines /= 10)
        ++digits;
    digits = std::max(digits, 6);
    if (digits == m_lineNumberDigits)
        return;
    m_lineNumberDigits = digits;
    setMarginWidth(0, QString(digits, QLatin1Char('0')));
}

void CodeEditor::setEditorFont(const QFont &font)
{
    m_editorFont = font;
    setFont(font);
    setMarginsFont(font);
    // A lexer keeps each style's weight and slant; only the face and size change.
    if (QsciLexer *l = lexer()) {
        l->setDefaultFont(font);
        for (int style = 0; style <= QsciScintillaBase::STYLE_MAX; ++style) {
            if (l->description(style).isEmpty())
                continue;
            QFont styled = l->font(style);
            styled.setFamily(font.family());
            styled.setPointSize(font.pointSize());
            styled.setStyleHint(font.styleHint());
            l->setFont(styled, style);
        }
    }
}

void CodeEditor::releaseKey(int key)
{
    if (key == 0)
        return;
    for (QsciCommand *command : standardCommands()->commands()) {
        if (command->key() == key)
            command->setKey(0);
        if (command->alternateKey() == key)
            command->setAlternateKey(0);
    }
}

// --- events ----------------------------------------------------------------

void CodeEditor::keyPressEvent(QKeyEvent *event)
{
    if (m_smartTabs && event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier &&
        SelectedText().isEmpty() && !isReadOnly()) {
        if (const int target = smartTabColumn(); target > CaretColumn()) {
            ReplaceSelection(QString(target - CaretColumn(), QLatin1Char(' ')));
            event->accept();
            return;
        }
    }
    if (event->modifiers() == Qt::ControlModifier) {
        if (event->key() == Qt::Key_G) {
            runAutoComplete();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Space) {
            openCompletionList();
            event->accept();
            return;
        }
    }
    QsciScintilla::keyPressEvent(event);
    flushChange();
    m_longLines->followCaret();
}

void CodeEditor::inputMethodEvent(QInputMethodEvent *event)
{
    QsciScintilla::inputMethodEvent(event);
    flushChange();
}

void CodeEditor::mousePressEvent(QMouseEvent *event)
{
    QsciScintilla::mousePressEvent(event); // the middle button pastes
    flushChange();
    m_longLines->followCaret();
}

void CodeEditor::keyReleaseEvent(QKeyEvent *event)
{
    QsciScintilla::keyReleaseEvent(event);
    emit caretReported(CaretLine(), CaretColumn());
}

void CodeEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QsciScintilla::mouseReleaseEvent(event);
    emit caretReported(CaretLine(), CaretColumn());
}

static QStringList localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

void CodeEditor::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QsciScintilla::dragEnterEvent(event);
}

void CodeEditor::dragMoveEvent(QDragMoveEvent *event)
{
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QsciScintilla::dragMoveEvent(event);
}

void CodeEditor::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(paths);
        return;
    }
    QsciScintilla::dropEvent(event);
    flushChange();
}

} // namespace tagloom
