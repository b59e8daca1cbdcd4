#include "document/ui/code_editor.h"
#include "document/insertion.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class EditorOperationsTest : public ::testing::Test {
protected:
    // Loads `text` (lines separated by \n) as a freshly opened document.
    void load(const QByteArray &text)
    {
        editor.loadText(editorTextFromFile(text), detectEncoding(text));
    }
    void select(int line, int fromColumn, int toColumn)
    {
        editor.setSelection(line - 1, fromColumn - 1, line - 1, toColumn - 1);
    }
    QString text() const { return editor.allText(); }
    void expectCaret(int line, int column) const
    {
        EXPECT_EQ(editor.CaretLine(), line);
        EXPECT_EQ(editor.CaretColumn(), column);
    }

    CodeEditor editor;
};

TEST_F(EditorOperationsTest, WrapSelectionThenOneUndoBringsTheSelectionBack)
{
    load("a cat b");
    select(1, 3, 6);
    ASSERT_EQ(editor.SelectedText(), QStringLiteral("cat"));
    editor.ReplaceSelection(QStringLiteral("<B>") + editor.SelectedText() + QStringLiteral("</b>"));
    EXPECT_EQ(text(), QStringLiteral("a <B>cat</b> b"));
    expectCaret(1, 13);
    EXPECT_TRUE(editor.SelectedText().isEmpty());
    EXPECT_TRUE(editor.isModifiedFlag());

    editor.undoStep();
    EXPECT_EQ(text(), QStringLiteral("a cat b"));
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("cat"));
    EXPECT_TRUE(editor.isModifiedFlag()); // back to the loaded text, but edited all the same

    editor.redoStep();
    EXPECT_EQ(text(), QStringLiteral("a <B>cat</b> b"));
}

TEST_F(EditorOperationsTest, UndoFromTheEditorsOwnKeysAlsoReselects)
{
    load("a cat b");
    select(1, 3, 6);
    editor.ReplaceSelection(QStringLiteral("dog"));
    editor.SendScintilla(QsciScintillaBase::SCI_UNDO);
    QCoreApplication::processEvents();
    EXPECT_EQ(text(), QStringLiteral("a cat b"));
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("cat"));
}

TEST_F(EditorOperationsTest, WrapWithNothingSelectedLeavesCaretAfterClosingTag)
{
    load("xy");
    editor.SetCaretColumn(2);
    editor.ReplaceSelection(QStringLiteral("<B>") + editor.SelectedText() + QStringLiteral("</b>"));
    EXPECT_EQ(text(), QStringLiteral("x<B></b>y"));
    expectCaret(1, 9);
}

TEST_F(EditorOperationsTest, ReplaceSelectionSplitsEveryKindOfLineBreak)
{
    load("xy");
    editor.SetCaretColumn(2);
    editor.ReplaceSelection(QStringLiteral("a\r\nb"));
    EXPECT_EQ(text(), QStringLiteral("xa\r\nby"));
    expectCaret(2, 2);

    load("");
    editor.ReplaceSelection(QStringLiteral("1\n2\r3"));
    EXPECT_EQ(editor.LineCount(), 3);
    EXPECT_EQ(text(), QStringLiteral("1\r\n2\r\n3"));
}

TEST_F(EditorOperationsTest, EmptyReplacementIsStillAnUndoStep)
{
    load("abc");
    QSignalSpy changed(&editor, &CodeEditor::changed);
    editor.ReplaceSelection(QString());
    EXPECT_TRUE(editor.isModifiedFlag());
    EXPECT_TRUE(editor.isUndoAvailable());
    EXPECT_EQ(changed.count(), 1);
    editor.undoStep();
    EXPECT_TRUE(editor.isModifiedFlag());
    EXPECT_EQ(text(), QStringLiteral("abc"));
}

TEST_F(EditorOperationsTest, InsertLineBelowLastLineKeepsCaretFlagAndChangeEvent)
{
    load("one\ntwo");
    editor.SetCaretLine(2);
    editor.SetCaretColumn(3);
    QSignalSpy changed(&editor, &CodeEditor::changed);
    editor.InsertLine(editor.CaretLine(), QStringLiteral("three"));
    EXPECT_EQ(text(), QStringLiteral("one\r\ntwo\r\nthree"));
    expectCaret(2, 3);
    EXPECT_FALSE(editor.isModifiedFlag());
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(EditorOperationsTest, InsertLineKeepsEarlierUndoStepsConsistent)
{
    load("");
    editor.ReplaceSelection(QStringLiteral("abc"));
    editor.InsertLine(0, QStringLiteral("top"));
    EXPECT_EQ(text(), QStringLiteral("top\r\nabc"));
    EXPECT_TRUE(editor.isModifiedFlag()); // it was modified before
    editor.undoStep();                    // takes the inserted line back
    EXPECT_EQ(text(), QStringLiteral("abc"));
    editor.undoStep();
    EXPECT_EQ(text(), QString());
}

TEST_F(EditorOperationsTest, LineModeInsertsOnlyThroughInsertLine)
{
    load("<body>");
    insert(&editor, linesInsertion({QStringLiteral("<?php if () { ?>"), QStringLiteral(""),
                                    QStringLiteral("<?php } ?>")}));
    EXPECT_EQ(text(), QStringLiteral("<body>\r\n<?php if () { ?>\r\n\r\n<?php } ?>"));
    expectCaret(1, 1);
    EXPECT_FALSE(editor.isModifiedFlag());
    insert(nullptr, lineInsertion(QStringLiteral("ignored"))); // no document: nothing happens
}

TEST_F(EditorOperationsTest, AboveGoesDirectlyOverTheCaretLine)
{
    const struct {
        const char *name;
        QByteArray text;
        int caretLine;
        QString expected;
    } cases[] = {
        {"middle line", "a\nb\nc", 2, QStringLiteral("a\r\nNEW\r\nb\r\nc")},
        {"first line: the new first line", "a\nb", 1, QStringLiteral("NEW\r\na\r\nb")},
        {"last line", "a\nb", 2, QStringLiteral("a\r\nNEW\r\nb")},
    };
    for (const auto &c : cases) {
        load(c.text);
        editor.SetCaretLine(c.caretLine);
        insert(&editor, aboveInsertion(QStringLiteral("NEW")));
        EXPECT_EQ(text(), c.expected) << c.name;
        EXPECT_FALSE(editor.isModifiedFlag()) << c.name;
    }
}

TEST_F(EditorOperationsTest, EndAppendsAfterTheLastLineWhereverTheCaretIs)
{
    const QStringList lines = {QStringLiteral("<HTML>"), QString(), QStringLiteral("</HTML>")};
    load("a\nb\nc");
    editor.SetCaretLine(1);
    insert(&editor, endInsertion(lines));
    EXPECT_EQ(text(), QStringLiteral("a\r\nb\r\nc\r\n<HTML>\r\n\r\n</HTML>"));

    // A new, empty document: exactly the lines, no empty line above them.
    CodeEditor fresh;
    insert(&fresh, endInsertion(lines));
    EXPECT_EQ(fresh.allText(), QStringLiteral("<HTML>\r\n\r\n</HTML>"));
    EXPECT_EQ(fresh.LineCount(), 3);

    // A document without any line at all.
    load("x");
    editor.clearAllLines();
    insert(&editor, endInsertion(lines));
    EXPECT_EQ(text(), QStringLiteral("<HTML>\r\n\r\n</HTML>"));
}

TEST_F(EditorOperationsTest, AppendMovesCaretByTheAppendedLength)
{
    load("abc");
    editor.SetCaretColumn(2);
    insert(&editor, appendInsertion(QStringLiteral("<BR>")));
    EXPECT_EQ(text(), QStringLiteral("abc<BR>"));
    expectCaret(1, 6);
    EXPECT_FALSE(editor.isModifiedFlag());

    load("");
    insert(&editor, appendInsertion(QStringLiteral("&nbsp;")));
    EXPECT_EQ(text(), QStringLiteral("&nbsp;"));
    expectCaret(1, 7);
}

TEST_F(EditorOperationsTest, CaretLimitsFollowScrollPastEndOfLine)
{
    load("0123456789\nab");
    editor.SetCaretColumn(100);
    expectCaret(1, 11);
    editor.SetCaretColumn(-5);
    expectCaret(1, 1);
    editor.SetCaretLine(0);
    expectCaret(1, 1);
    editor.SetCaretColumn(9);
    editor.SetCaretLine(99);
    expectCaret(2, 3); // last line, column limited to its end

    editor.setScrollPastEol(true);
    editor.SetCaretColumn(100);
    expectCaret(2, 100);
    editor.SetCaretColumn(5000);
    expectCaret(2, 1025);
    editor.SetCaretColumn(6);
    editor.ReplaceSelection(QStringLiteral("x")); // pads the line up to the caret
    EXPECT_EQ(editor.LineText(), QStringLiteral("ab   x"));
    expectCaret(2, 7);
    editor.setScrollPastEol(false);
    editor.SetCaretColumn(50);
    expectCaret(2, 7);
}

TEST_F(EditorOperationsTest, ColumnsCountCharactersNotBytes)
{
    load("Gr\xc3\xb6\xc3\x9f" "e");
    editor.SetCaretColumn(4);
    EXPECT_EQ(editor.CaretColumn(), 4);
    insert(&editor, appendInsertion(QStringLiteral("\u00e4")));
    EXPECT_EQ(editor.LineText(), QStringLiteral("Gr\u00f6\u00dfe\u00e4"));
    expectCaret(1, 5);
}

TEST_F(EditorOperationsTest, SelectedTextJoinsLinesWithCrLf)
{
    load("ab\ncd\nef");
    editor.setSelection(0, 1, 2, 1);
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("b\r\ncd\r\ne"));
}

TEST_F(EditorOperationsTest, DocumentWithoutLines)
{
    load("abc");
    editor.clearAllLines();
    EXPECT_EQ(editor.LineCount(), 0);
    EXPECT_EQ(editor.LineText(), QString());
    EXPECT_FALSE(editor.isUndoAvailable());
    editor.InsertLine(editor.CaretLine(), QStringLiteral("first"));
    EXPECT_EQ(editor.LineCount(), 1);
    EXPECT_EQ(text(), QStringLiteral("first"));

    editor.clearAllLines();
    editor.ReplaceLine(QStringLiteral("only"));
    EXPECT_EQ(text(), QStringLiteral("only"));
    EXPECT_EQ(editor.LineCount(), 1);
}

TEST_F(EditorOperationsTest, ReplaceLineKeepsCaretAndFlag)
{
    load("one\ntwo\nthree");
    editor.SetCaretLine(2);
    editor.SetCaretColumn(2);
    editor.ReplaceLine(QStringLiteral("TWO!"));
    EXPECT_EQ(text(), QStringLiteral("one\r\nTWO!\r\nthree"));
    expectCaret(2, 2);
    EXPECT_FALSE(editor.isModifiedFlag());
}

TEST_F(EditorOperationsTest, ModifiedFlagSurvivesEmptiedHistory)
{
    load("abc");
    editor.ReplaceSelection(QStringLiteral("x"));
    editor.replaceAllSilently(QStringLiteral("copied back"));
    EXPECT_TRUE(editor.isModifiedFlag());
    EXPECT_FALSE(editor.isUndoAvailable());
    editor.setModifiedFlag(false);
    EXPECT_FALSE(editor.isModifiedFlag());
}

TEST_F(EditorOperationsTest, BytesSurviveLoadingWhateverTheEncoding)
{
    // Latin-1, a NUL, a stray UTF-8 sequence and every break style.
    const QByteArray file("caf\xe9\0x\r\nna\xc3\xafve\rlast\n", 20);
    load(file);
    EXPECT_EQ(editor.encoding(), TextEncoding::Latin1);
    EXPECT_EQ(fileBytesFromEditor(editor.buffer(), editor.hasNoLines()),
              QByteArray("caf\xe9\0x\r\nna\xc3\xafve\r\nlast\r\n", 22));
    // Editing a line through the operations keeps its other bytes.
    insert(&editor, appendInsertion(QStringLiteral("<BR>")));
    EXPECT_TRUE(editor.buffer().startsWith(QByteArray("caf\xe9\0x<BR>\r\n", 12)));
}

} // namespace
