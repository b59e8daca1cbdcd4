#include "tags/ui/expression_editor.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// The builder's editor inserts lines as the document's editor does.
TEST(ExpressionEditor, InsertLineKeepsTheCaretWhereItWas)
{
    const struct {
        const char *name;
        const char *before;
        int caretLine, caretColumn;
        int index;
        const char *line;
        const char *after;
        int lineCount;
    } cases[] = {
        {"an empty editor gets its first line", "", 1, 1, 1, "+", "+", 1},
        {"below the caret line", "a\nb", 1, 2, 1, "or", "a\nor\nb", 3},
        {"past the end appends", "a\nb", 2, 1, 7, "xor", "a\nb\nxor", 3},
        {"above the caret line, the caret keeps its line number", "a\nb", 2, 2, 0, "z", "z\na\nb", 3},
        {"a piece with any line breaks is several lines", "a", 1, 1, 1, "x\r\ny\rz", "a\nx\ny\nz", 4},
        {"an empty piece is an empty line", "a", 1, 1, 1, "", "a\n", 2},
    };
    for (const auto &c : cases) {
        ExpressionEditor editor;
        editor.setPlainText(QString::fromLatin1(c.before));
        editor.SetCaretLine(c.caretLine);
        editor.SetCaretColumn(c.caretColumn);
        editor.InsertLine(c.index, QString::fromLatin1(c.line));
        EXPECT_EQ(editor.toPlainText(), QString::fromLatin1(c.after)) << c.name;
        EXPECT_EQ(editor.CaretLine(), c.caretLine) << c.name;
        EXPECT_EQ(editor.CaretColumn(), c.caretColumn) << c.name;
        EXPECT_EQ(editor.LineCount(), c.lineCount) << c.name;
    }
}

TEST(ExpressionEditor, LinesAndSelectionInTheDocumentsTerms)
{
    ExpressionEditor editor;
    EXPECT_EQ(editor.LineCount(), 0);
    editor.setPlainText(QStringLiteral("one\ntwo\nthree"));
    editor.SetCaretLine(2);
    EXPECT_EQ(editor.LineText(), QStringLiteral("two"));
    editor.ReplaceLine(QStringLiteral("2"));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("one\n2\nthree"));
    editor.selectAll();
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("one\r\n2\r\nthree"));
    editor.ReplaceSelection(QStringLiteral("a\r\nb"));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("a\nb"));
}

} // namespace
