#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/editor_commands.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QDateTime kTuesday(QDate(2026, 12, 8), QTime(14, 5, 9));

class EditorCommandsTest : public ::testing::Test {
protected:
    EditorCommandsTest()
        : commands(&editor, {[this](const QString &m) { status << m; }, [this](const QString &m) { results << m; }, {}})
    {
    }
    void load(const QByteArray &text) { editor.loadText(editorTextFromFile(text), detectEncoding(text)); }
    void select(int line, int fromColumn, int toColumn)
    {
        editor.setSelection(line - 1, fromColumn - 1, line - 1, toColumn - 1);
    }
    void caretAt(int line, int column)
    {
        editor.SetCaretLine(line);
        editor.SetCaretColumn(column);
    }
    QString text() const { return editor.allText(); }

    test::MessageRecorder boxes;
    QStringList status;
    QStringList results;
    CodeEditor editor;
    EditorCommands commands;
};

// One expression, so a test can stream a note after it.
#define EXPECT_CARET(line_, column_) \
    EXPECT_EQ(std::make_pair(editor.CaretLine(), editor.CaretColumn()), std::make_pair(line_, column_))

TEST_F(EditorCommandsTest, UppercaseChangesAsciiLettersOfTheSelection)
{
    load("x Größe y");
    select(1, 3, 8);
    commands.convertToUppercase();
    EXPECT_EQ(text(), QStringLiteral("x GRößE y"));
    EXPECT_CARET(1, 8);
    editor.undoStep();
    EXPECT_EQ(text(), QStringLiteral("x Größe y"));
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("Größe"));

    select(1, 1, 10);
    commands.convertToLowercase();
    EXPECT_EQ(text(), QStringLiteral("x größe y"));
}

TEST_F(EditorCommandsTest, CaseConversionWithNothingSelectedIsStillAnUndoStep)
{
    load("abc");
    caretAt(1, 2);
    QSignalSpy changed(&editor, &CodeEditor::changed);
    commands.convertToUppercase();
    EXPECT_EQ(text(), QStringLiteral("abc"));
    EXPECT_TRUE(editor.isModifiedFlag());
    EXPECT_EQ(changed.count(), 1);
    editor.setModifiedFlag(false);
    editor.undoStep(); // Undo is a recorded edit too
    EXPECT_TRUE(editor.isModifiedFlag());
}

TEST_F(EditorCommandsTest, FindStepsThroughBananaThenReportsNotFound)
{
    load("banana");
    for (const int column : {2, 4, 6}) {
        EXPECT_EQ(commands.findNext(QStringLiteral("a"), {}), 1);
        EXPECT_EQ(editor.SelectedText(), QStringLiteral("a"));
        EXPECT_CARET(1, column + 1);
    }
    EXPECT_EQ(commands.findNext(QStringLiteral("a"), {}), 0);
    EXPECT_EQ(results, QStringList{QStringLiteral("Could not find requested text")});
    EXPECT_TRUE(status.isEmpty());
    // Nothing else changes: the last match stays selected.
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("a"));
    EXPECT_CARET(1, 7);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

// A byte-order mark is a character of the first line like any other, so
// a match after it is selected where it stands.
TEST_F(EditorCommandsTest, FindOnTheFirstLineOfAMarkedFile)
{
    load("\xEF\xBB\xBF" "abc\r\nabc");
    EXPECT_EQ(commands.findNext(QStringLiteral("bc"), {}), 1);
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("bc"));
    EXPECT_CARET(1, 5);
    EXPECT_EQ(commands.findNext(QStringLiteral("bc"), {}), 1);
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("bc"));
    EXPECT_CARET(2, 4);
}

TEST_F(EditorCommandsTest, FindUpPutsTheCaretAtTheMatchStart)
{
    load("abcabc");
    caretAt(1, 7);
    const SearchOptions up{false, false, true};
    EXPECT_EQ(commands.findNext(QStringLiteral("ABC"), up), 1);
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("abc"));
    EXPECT_CARET(1, 4);
    EXPECT_EQ(commands.findNext(QStringLiteral("abc"), up), 1);
    EXPECT_CARET(1, 1);
    EXPECT_EQ(commands.findNext(QStringLiteral("abc"), up), 0);
}

TEST_F(EditorCommandsTest, FindWithEmptyTextGoesToTheStatusBar)
{
    load("abc");
    EXPECT_EQ(commands.findNext(QString(), {}), 0);
    EXPECT_EQ(status, QStringList{QStringLiteral("Cannot search for nothing")});
    EXPECT_TRUE(results.isEmpty());
    EXPECT_CARET(1, 1);
}

TEST_F(EditorCommandsTest, ReplaceOnceAfterAFindReplacesTheNextMatch)
{
    load("a a a");
    commands.findNext(QStringLiteral("a"), {});
    EXPECT_EQ(commands.replace(QStringLiteral("a"), QStringLiteral("b"), {}, false), 1);
    EXPECT_EQ(text(), QStringLiteral("a b a"));
    EXPECT_CARET(1, 4);
    editor.undoStep();
    EXPECT_EQ(text(), QStringLiteral("a a a"));
}

TEST_F(EditorCommandsTest, ReplaceAll)
{
    struct Row {
        const char *name;
        QByteArray document;
        TextPosition from;
        const char *find;
        const char *with;
        SearchOptions options;
        int count;
        const char *expected;
    };
    const Row rows[] = {
        {"x by xx does not loop", "xxx", {1, 1}, "x", "xx", {}, 3, "xxxxxx"},
        {"only from the caret on", "x x\r\nx", {1, 2}, "x", "y", {}, 2, "x y\r\ny"},
        {"whole words only", "cat concatenate cat", {1, 1}, "cat", "dog", {false, true, false}, 2,
         "dog concatenate dog"},
        {"match case", "Ab ab", {1, 1}, "ab", "-", {true, false, false}, 1, "Ab -"},
        {"replacement breaking lines", "a;b;c", {1, 1}, ";", "\r\n", {}, 2, "a\r\nb\r\nc"},
        {"direction up is ignored", "ab ab", {1, 3}, "ab", "X", {false, false, true}, 1, "ab X"},
    };
    for (const Row &row : rows) {
        load(row.document);
        caretAt(row.from.line, row.from.column);
        EXPECT_EQ(commands.replace(QLatin1String(row.find), QLatin1String(row.with), row.options, true), row.count)
            << row.name;
        EXPECT_EQ(text(), QLatin1String(row.expected)) << row.name;
    }
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(EditorCommandsTest, ReplaceFailuresShowPlainBoxes)
{
    load("abc");
    caretAt(1, 2);
    commands.replace(QString(), QStringLiteral("x"), {}, false);
    commands.replace(QStringLiteral("zz"), QStringLiteral("x"), {}, true);
    // Searching starts at the caret, so the "a" before it is not found.
    commands.replace(QStringLiteral("a"), QStringLiteral("x"), {}, false);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Please specify text to find."),
                                          QStringLiteral("Could not find or replace the desired text.  Check it and try again."),
                                          QStringLiteral("Could not find or replace the desired text.  Check it and try again.")}));
    EXPECT_EQ(boxes.shown.at(0).kind, MessageKind::Plain);
    EXPECT_EQ(text(), QStringLiteral("abc"));
    EXPECT_CARET(1, 2);
}

TEST_F(EditorCommandsTest, DialogButtonsUseTheirOwnTextsAndOptions)
{
    load("Cat cat cat");
    SearchDialog *find = commands.findDialog();
    find->setFindText(QStringLiteral("cat"));
    find->setOptions(true, false, false);
    emit find->findNextRequested();
    EXPECT_CARET(1, 8);

    SearchDialog *replace = commands.replaceDialog();
    replace->setFindText(QStringLiteral("CAT"));
    replace->setReplaceText(QStringLiteral("dog"));
    emit replace->replaceAllRequested();
    EXPECT_EQ(text(), QStringLiteral("Cat cat dog"));
    // The dialogs are kept per editor, texts and options with them.
    EXPECT_EQ(commands.findDialog(), find);
    EXPECT_EQ(find->findText(), QStringLiteral("cat"));
    EXPECT_TRUE(find->options().matchCase);
    EXPECT_FALSE(replace->options().backwards);
}

// Typing after Ctrl+F always goes into the search text, whatever control was
// used last, and replaces what was searched for before.
TEST_F(EditorCommandsTest, FindAgainFocusesAndSelectsTheSearchText)
{
    for (const bool hideBetween : {true, false}) {
        commands.showFind();
        SearchDialog *find = commands.findDialog();
        find->setFindText(QStringLiteral("banana"));
        QList<QRadioButton *> directions = find->findChildren<QRadioButton *>();
        ASSERT_FALSE(directions.isEmpty());
        directions.last()->setFocus();
        if (hideBetween)
            find->hide();
        commands.showFind();
        auto *edit = qobject_cast<QLineEdit *>(find->focusWidget());
        ASSERT_NE(edit, nullptr) << hideBetween;
        EXPECT_EQ(edit->text(), QStringLiteral("banana"));
        EXPECT_EQ(edit->selectedText(), QStringLiteral("banana"));
    }
}

TEST_F(EditorCommandsTest, GotoTopAndBottomKeepTheColumn)
{
    load("abcdef\nab\nabcdef");
    caretAt(2, 3);
    commands.gotoBottom();
    EXPECT_CARET(3, 3);
    caretAt(3, 6);
    commands.gotoTop();
    EXPECT_CARET(1, 6);
}

TEST_F(EditorCommandsTest, GotoLineDialog)
{
    load("one\ntwo\nthree");
    GotoLineDialog &dialog = GotoLineDialog::instance();
    commands.showGotoLine();
    EXPECT_EQ(dialog.lineEdit()->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Goto Line Number..."));

    struct Row {
        const char *name;
        const char *typed;
        bool accepted;
        int line;
    };
    const Row rows[] = {
        {"0 goes to line 1", "0", true, 1},
        {"beyond the end goes to the last line", "99999", true, 3},
        {"a word is refused, caret stays", "abc", false, 3},
        {"an empty text is refused", "", false, 3},
        {"a fraction is refused", "2.5", false, 3},
        {"an ordinary number", "2", true, 2},
    };
    for (const Row &row : rows) {
        commands.showGotoLine();
        dialog.lineEdit()->setText(QLatin1String(row.typed));
        EXPECT_EQ(dialog.applyText(), row.accepted) << row.name;
        EXPECT_EQ(editor.CaretLine(), row.line) << row.name;
        EXPECT_EQ(dialog.isVisible(), !row.accepted) << row.name;
    }
    EXPECT_EQ(boxes.shown.size(), 3);
    commands.showGotoLine();
    EXPECT_EQ(dialog.lineEdit()->text(), QStringLiteral("2"));
    dialog.hide();
}

TEST_F(EditorCommandsTest, BookmarksSetAndGo)
{
    load("line one\nline two\nline three\nfour");
    caretAt(2, 5);
    commands.setBookmark(5);
    caretAt(2, 3);
    commands.setBookmark(3);
    EXPECT_FALSE(commands.bookmark(5)) << "another bookmark on the same line goes";
    ASSERT_TRUE(commands.bookmark(3));
    EXPECT_EQ(commands.bookmark(3)->line, 2);
    EXPECT_EQ(commands.bookmark(3)->column, 3);

    caretAt(3, 9);
    commands.setBookmark(3);
    EXPECT_EQ(commands.bookmark(3)->line, 3) << "a bookmark set again moves";
    caretAt(1, 1);
    commands.goToBookmark(3);
    EXPECT_CARET(3, 9);

    commands.goToBookmark(7);
    EXPECT_CARET(3, 9) << "an unset bookmark does nothing";

    editor.InsertLine(0, QStringLiteral("new first"));
    EXPECT_EQ(commands.bookmark(3)->line, 4) << "the bookmark follows its line";

    caretAt(4, 9);
    commands.setBookmark(0);
    caretAt(5, 1);
    editor.setSelection(3, 0, 4, 4); // take "line three" and "four" out
    editor.ReplaceSelection(QString());
    caretAt(1, 1);
    commands.goToBookmark(0);
    EXPECT_CARET(4, 1) << "the column is limited to the shortened line";

    editor.clearAllLines();
    commands.goToBookmark(0);
    EXPECT_CARET(1, 1);
}

TEST_F(EditorCommandsTest, DateStampGoesBelowTheCaretLine)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    load("one\ntwo");
    caretAt(1, 2);
    commands.insertDateStamp(0, kTuesday);
    commands.insertDateStamp(4, kTuesday);
    QLocale::setDefault(previous);
    EXPECT_EQ(text(), QStringLiteral("one\r\nTuesday 8 December 2026 \r\n08/12/2026 \r\ntwo"));
    EXPECT_CARET(1, 2);
    EXPECT_FALSE(editor.isModifiedFlag());
}

TEST_F(EditorCommandsTest, GutterToggles)
{
    editor.setGutter(true, 40, false);
    commands.toggleLineNumbers();
    EXPECT_TRUE(editor.marginLineNumbers(0));
    commands.toggleGutter();
    EXPECT_EQ(editor.marginWidth(1), 0);
    EXPECT_FALSE(editor.marginLineNumbers(0));
    commands.toggleGutter();
    EXPECT_EQ(editor.marginWidth(1), 40);
    EXPECT_TRUE(editor.marginLineNumbers(0));
}

// Line numbers of seven digits are not cut to their last six.
TEST_F(EditorCommandsTest, LineNumbersWidenPastAMillionLines)
{
    editor.setGutter(true, 40, true);
    load("a\r\n");
    const int sixDigits = editor.marginWidth(0);
    EXPECT_GT(sixDigits, 0);
    load(QByteArray(999'999, '\n')); // a line each, the last break is the file's end
    EXPECT_EQ(editor.marginWidth(0), sixDigits) << "999,999 lines";
    editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClick(&editor, Qt::Key_Return);
    ASSERT_EQ(editor.lines(), 1'000'000);
    EXPECT_GT(editor.marginWidth(0), sixDigits);
    commands.toggleLineNumbers();
    EXPECT_EQ(editor.marginWidth(0), 0);
}

TEST_F(EditorCommandsTest, Keys)
{
    load("one (two)\nthree\nfour");
    caretAt(2, 4);
    QTest::keyClick(&editor, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(commands.bookmark(3));
    EXPECT_EQ(commands.bookmark(3)->line, 2);
    caretAt(3, 1);
    QTest::keyClick(&editor, Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(commands.bookmark(1)) << "Shift+1 as a US keyboard reports it";
    caretAt(1, 1);
    QTest::keyClick(&editor, Qt::Key_3, Qt::ControlModifier);
    EXPECT_CARET(2, 4);

    caretAt(1, 5);
    QTest::keyClick(&editor, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_CARET(1, 9) << "matching bracket";

    caretAt(3, 2);
    QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("one (two)\r\nthree\r\n"));
    caretAt(1, 1);
    QTest::keyClick(&editor, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("(two)\r\nthree\r\n"));
}

TEST(EditorKeyMap, BlockIndentLineBreakAndRedoKeys)
{
    CodeEditor editor;
    EditorCommands commands(&editor, {});
    editor.show();
    editor.loadText(editorTextFromFile("one\r\ntwo"), TextEncoding::Utf8);
    editor.selectAll(true);
    QTest::keyClick(&editor, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("\tone\r\n\ttwo"));
    QTest::keyClick(&editor, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("one\r\ntwo"));

    // A selection within one line indents that line and keeps its text selected.
    editor.setSelection(1, 1, 1, 3);
    QTest::keyClick(&editor, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("one\r\n\ttwo"));
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("wo"));
    QTest::keyClick(&editor, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("one\r\ntwo"));
    editor.undoStep();
    editor.undoStep();
    EXPECT_EQ(editor.allText(), QStringLiteral("one\r\ntwo")); // each key one step

    editor.loadText(editorTextFromFile("ab"), TextEncoding::Utf8);
    editor.SetCaretColumn(2);
    QTest::keyClick(&editor, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("a\r\nb"));
    QTest::keyClick(&editor, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("ab"));
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor.allText(), QStringLiteral("a\r\nb"));

    editor.loadText(editorTextFromFile("xy"), TextEncoding::Utf8);
    editor.SetCaretColumn(2);
    QTest::keyClick(&editor, Qt::Key_N, Qt::ControlModifier); // break, caret stays
    EXPECT_EQ(editor.allText(), QStringLiteral("x\r\ny"));
    EXPECT_EQ(editor.CaretLine(), 1);
    EXPECT_EQ(editor.CaretColumn(), 2);
}

} // namespace
