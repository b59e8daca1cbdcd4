#include "tags/ui/expression_editor.h"

#include <QTextBlock>

namespace tagloom {

namespace {

// The editor keeps LF breaks; generators hand it CR LF or CR as well.
QString withEditorBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

ExpressionEditor::ExpressionEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

QString ExpressionEditor::SelectedText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void ExpressionEditor::ReplaceSelection(const QString &text)
{
    textCursor().insertText(withEditorBreaks(text));
}

int ExpressionEditor::CaretLine() const { return textCursor().blockNumber() + 1; }

int ExpressionEditor::CaretColumn() const { return textCursor().positionInBlock() + 1; }

void ExpressionEditor::SetCaretColumn(int column) { placeCaret(CaretLine(), column); }

void ExpressionEditor::SetCaretLine(int line) { placeCaret(line, CaretColumn()); }

QString ExpressionEditor::LineText() const { return textCursor().block().text(); }

void ExpressionEditor::ReplaceLine(const QString &text)
{
    const int line = CaretLine();
    const int column = CaretColumn();
    QTextCursor cursor(textCursor().block());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(withEditorBreaks(text));
    placeCaret(line, column);
}

void ExpressionEditor::InsertLine(int index, const QString &text)
{
    const int line = CaretLine();
    const int column = CaretColumn();
    const QString piece = withEditorBreaks(text);
    const int lines = LineCount();
    QTextCursor cursor(document());
    if (lines == 0) {
        cursor.insertText(piece);
    } else if (index >= lines) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + piece);
    } else {
        cursor.setPosition(document()->findBlockByNumber(std::max(index, 0)).position());
        cursor.insertText(piece + QLatin1Char('\n'));
    }
    placeCaret(line, column);
}

int ExpressionEditor::LineCount() const
{
    return document()->isEmpty() ? 0 : document()->blockCount();
}

void ExpressionEditor::placeCaret(int line, int column)
{
    const QTextBlock block = document()->findBlockByNumber(std::clamp(line, 1, document()->blockCount()) - 1);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::clamp(column - 1, 0, block.length() - 1));
    setTextCursor(cursor);
}

} // namespace tagloom
