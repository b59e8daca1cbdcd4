#pragma once
// The document editor: QScintilla holding the document's bytes (lines joined
// by CR LF) and offering the editor operations with their exact caret, undo
// and modified-flag rules. It is the view of a Document, which it keeps told
// of the encoding and of whether there are any lines.
//
// InsertLine and ReplaceLine leave the modified flag and the line count as
// they were, but are recorded for Undo all the same, so that earlier undo
// steps never point at moved text; Undo takes such an insertion back.

#include "document/document.h"
#include "document/editor_operations.h"

#include <Qsci/qsciscintilla.h>
#include <QHash>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tagloom {

class CompletionPopup;
class LongLineView;
class ScintillaLoader;

// Sizes past which the editor changes how it holds and shows a document, so
// that the window keeps answering.
struct LargeDocumentLimits {
    // Lines of more bytes turn colouring off and are drawn only around the
    // caret: Scintilla measures a whole line whenever it changes.
    qsizetype longLine = 32 * 1024;
    // The bytes of such a line drawn around the caret: a score of screens
    // wide, and measured again at every change of the line.
    qsizetype longLineWindow = 4 * 1024;
    // Documents of this many bytes or more are large: opened and saved off
    // the user-interface thread, plainer for screen readers.
    qint64 largeDocument = 4 * 1024 * 1024;
    // Large documents of this many bytes or more without a very long line are
    // held without colouring: Scintilla keeps a style byte beside every byte
    // of text, doubling what the document costs.
    qint64 plainDocument = 32 * 1024 * 1024;

    // Whether a document read from a file is held without styles.
    bool holdsPlain(qint64 bytes, qsizetype longestLine) const
    {
        return bytes >= plainDocument && longestLine <= longLine;
    }
};

class CodeEditor : public QsciScintilla, public EditorOperations {
    Q_OBJECT
public:
    // A view of `document`, which must outlive it.
    explicit CodeEditor(Document &document, QWidget *parent = nullptr);
    // A view of a document of its own (an untitled one).
    explicit CodeEditor(QWidget *parent = nullptr);

    Document &document() const { return *m_document; }

    // EditorOperations
    QString SelectedText() const override;
    void ReplaceSelection(const QString &text) override;
    int CaretLine() const override;
    int CaretColumn() const override;
    void SetCaretColumn(int column) override;
    void SetCaretLine(int line) override;
    QString LineText() const override;
    void ReplaceLine(const QString &text) override;
    void InsertLine(int index, const QString &text) override;
    int LineCount() const override;

    // Replaces the whole text: not recorded for Undo, empties the history,
    // clears the modified flag, caret to line 1.
    void loadText(const EditorText &text, TextEncoding encoding);
    // Replaces the whole text from a file's bytes like loadText, but keeps the
    // modified flag (a tool's result read back into the editor).
    void reloadText(const EditorText &text, TextEncoding encoding);
    // Takes the document a ScintillaLoader built from `loaded` as the whole
    // text: like loadText, without the work of building it here.
    void adoptLoadedDocument(const ScintillaLoader &loader, const LoadedText &loaded);
    // How the current colouring is set on a document swapped in: Scintilla
    // keeps the lexer with the document, not with the view.
    void setDocumentLexer(std::function<void()> apply) { m_documentLexer = std::move(apply); }
    // Copies the text into `into` (resized to fit); a buffer already faulted
    // in makes this a plain copy, quick even for hundreds of megabytes.
    bool copyBuffer(QByteArray &into) const;
    // Replaces the whole text keeping the modified flag (spell-check copy-back).
    void replaceAllSilently(const QString &text);
    // Clear All: no lines at all; not recorded, history emptied, flag kept.
    void clearAllLines();
    // Empties the undo and redo history; the text and the flag stay.
    void forgetHistory();

    QByteArray buffer() const;
    // The document as its file holds it: every line followed by CR LF.
    QByteArray fileBytes() const;
    // Replaces the whole text with a file's bytes as one reload: no undo
    // step, history emptied, caret to line 1, the modified flag kept (a
    // whole-document tool's result read back into the editor).
    void reloadFromFileBytes(const QByteArray &bytes);
    bool hasNoLines() const { return m_document->hasNoLines() && length() == 0; }
    TextEncoding encoding() const { return m_document->encoding(); }
    QString allText() const;

    bool isModifiedFlag() const;
    void setModifiedFlag(bool modified);

    // The document is large: opened and saved in the background; screen
    // readers get it (and one with very long lines) as a plain field, since
    // counting its characters on every caret move takes too long.
    bool isLargeDocument() const { return m_largeDocument; }
    // The document has no room for styles: it is shown without colouring.
    bool isPlainDocument() const;
    const LargeDocumentLimits &limits() const { return m_limits; }
    void setLimits(const LargeDocumentLimits &limits) { m_limits = limits; }
    // The length of the longest line when colouring was turned off for it
    // (0: colouring as chosen).
    qsizetype longLineShown() const;
    // Insertions and deletions so far, recorded or not (a save in the
    // background tells by it whether the text changed meanwhile).
    quint64 editCount() const { return m_edits; }
    // Raises a change event still waiting for its edit to finish.
    void flushChange();

    // Undo and redo; Undo of a replaced selection selects it again.
    void undoStep();
    void redoStep();

    void setScrollPastEol(bool on);
    bool scrollPastEol() const { return m_scrollPastEol; }
    void setExtraLineSpacing(int pixels);
    void setGutter(bool visible, int widthPixels, bool lineNumbers);
    void setEditorFont(const QFont &font);
    const QFont &editorFont() const { return m_editorFont; }
    void setUndoLimit(int steps) { m_undoLimit = steps; }
    // Smart tabs: Tab moves to the start of the next word of the line above.
    void setSmartTabs(bool on) { m_smartTabs = on; }
    bool smartTabs() const { return m_smartTabs; }
    int undoLimit() const { return m_undoLimit; }

    // Takes `key` (a Qt key combination) from the editor's own key map, so a
    // menu shortcut on the same key reaches its menu item.
    void releaseKey(int key);

    // The typing aids; nullopt detaches one, so its key does nothing.
    void setAutoCompleteList(std::optional<QStringList> list) { m_autoList = std::move(list); }
    void setCompletionList(std::optional<QStringList> list) { m_completionList = std::move(list); }
    bool hasAutoCompleteList() const { return m_autoList.has_value(); }
    bool hasCompletionList() const { return m_completionList.has_value(); }
    // Ctrl+G: the word before the caret becomes its expansion.
    void runAutoComplete();
    // Ctrl+Space: the completion list opens below the caret.
    void openCompletionList();
    CompletionPopup *completionPopup() const { return m_popup; }

    // Typing as from the keyboard: insert or overwrite mode applies, "\n" is
    // a line break with the editor's auto indent.
    void typeText(const QString &text);
    void deleteBeforeCaret(int characters);
    // Replaces the `characters` before the caret on its line by `text`.
    void replaceBeforeCaret(int characters, const QString &text);
    QPoint caretPixelPosition() const;

signals:
    // An edit recorded for Undo happened (typing, replace, cut, paste, undo...).
    void changed();
    // Text is about to be inserted (`length` > 0) or deleted (< 0) at `position`.
    void textChanging(qint64 position, qint64 length);
    // The document became large or small, or got or lost very long lines.
    void displayModeChanged();
    // A key was released or the editor clicked: where the caret now is.
    void caretReported(int line, int column);
    // Files were dropped on the editor.
    void filesDropped(const QStringList &paths);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Caret {
        int line = 1;
        int column = 1;
    };
    void applyDocumentSettings();
    void showTop();
    QByteArray toBytes(const QString &text) const;
    QString fromBytes(const QByteArray &bytes) const;
    QByteArray bytesAt(qint64 start, qint64 end) const;
    qint64 caretPosition() const;
    qint64 caretVirtualSpace() const;
    qint64 lineStart(int line0) const;
    qint64 lineEnd(int line0) const;
    int lineCharacters(int line0) const;
    qint64 countCharacters(qint64 from, qint64 to) const;
    void placeCaret(int line, int column);
    // An edit that keeps the modified flag and raises no change event.
    template <typename Edit>
    void silentEdit(Edit edit);
    // The column a smart Tab moves to, or 0 when the line above gives none.
    int smartTabColumn() const;
    void onModified(int position, int type, const char *text, int length, int linesAdded, int line,
                    int foldNow, int foldPrev, int token, int annotationLinesAdded);
    void applyPendingSelection();
    // Keeps the last caret column counted true across an edit.
    void keepColumnCount(qint64 position, qint64 length);
    // After the whole text was replaced: large or not, long lines or not.
    void takeMeasureOfText(qsizetype longestLine);
    // Widens the line-number margin when the line count gains a digit.
    void fitLineNumbers();

    QFont m_editorFont;
    std::optional<QStringList> m_autoList;
    std::optional<QStringList> m_completionList;
    CompletionPopup *m_popup = nullptr;
    std::unique_ptr<Document> m_ownDocument;
    Document *m_document;
    bool m_scrollPastEol = false;
    bool m_smartTabs = false;
    bool m_modified = false;
    bool m_changePending = false;
    bool m_largeDocument = false;
    bool m_lineNumbers = false;
    int m_lineNumberDigits = 0;
    LargeDocumentLimits m_limits;
    LongLineView *m_longLines = nullptr;
    std::function<void()> m_documentLexer;
    quint64 m_edits = 0;
    int m_silent = 0;
    int m_undoLimit = 32767;
    int m_nextToken = 1;
    QHash<int, QPair<qint64, qint64>> m_selectionOfToken; // token -> (anchor, caret)
    struct ColumnCount {
        qint64 lineStart = -1;
        qint64 position = -1;
        qint64 characters = 0;
    };
    mutable ColumnCount m_columnCount; // the last caret column counted
    std::optional<QPair<qint64, qint64>> m_pendingSelection;
};

} // namespace tagloom
