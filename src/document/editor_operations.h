#pragma once
// The editor operations through which every generator puts text into a
// document. Lines and columns are 1-based and columns count characters;
// InsertLine takes a 0-based index into the line list.

#include <QString>

namespace tagloom {

class EditorOperations {
public:
    virtual ~EditorOperations() = default;

    // The selection; lines of a multi-line selection joined by CR LF.
    virtual QString SelectedText() const = 0;
    // Replaces the selection (or inserts at the caret) as one undo step;
    // the caret ends after the text and nothing stays selected.
    virtual void ReplaceSelection(const QString &text) = 0;
    virtual int CaretLine() const = 0;
    virtual int CaretColumn() const = 0;
    virtual void SetCaretColumn(int column) = 0;
    virtual void SetCaretLine(int line) = 0;
    // The caret line's text; empty when the document has no lines.
    virtual QString LineText() const = 0;
    // Replaces the caret line's text; the caret stays, the modified flag too.
    virtual void ReplaceLine(const QString &text) = 0;
    // Inserts `text` as one line before line `index`; the caret stays, the
    // modified flag too. An index past the end appends.
    virtual void InsertLine(int index, const QString &text) = 0;
    virtual int LineCount() const = 0;
};

} // namespace tagloom
