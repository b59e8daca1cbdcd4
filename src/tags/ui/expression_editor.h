#pragma once
// A small plain-text editor that generators can write into through the same
// editor operations as a document window (the CFML builder's expression).
// Like the document's editor, an empty editor has no lines, InsertLine keeps
// the caret on its line and column, and multi-line texts count CR LF, LF or
// CR as breaks.

#include "document/editor_operations.h"

#include <QPlainTextEdit>

namespace tagloom {

class ExpressionEditor : public QPlainTextEdit, public EditorOperations {
    Q_OBJECT
public:
    explicit ExpressionEditor(QWidget *parent = nullptr);

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

private:
    void placeCaret(int line, int column);
};

} // namespace tagloom
