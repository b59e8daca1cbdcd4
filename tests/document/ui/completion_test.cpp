#include "document/ui/code_editor.h"
#include "document/completion_lists.h"
#include "document/ui/completion_popup.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QStringList kExampleList = {
    "<HTML", "=<HTML>", "=</html>", "<BODY", "=<BODY>", "=</body>", "<A", "=<A href=\"..\"></a>",
    "<P", "=<P align=\"..\">", "=</p>", "", "= ", " ", "= ", "<KILL",
};

class TypingAidsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.setAutoCompleteList(kExampleList);
        editor.show();
    }
    void type(const char *text) { QTest::keyClicks(&editor, QLatin1String(text)); }
    void ctrl(Qt::Key key) { QTest::keyClick(&editor, key, Qt::ControlModifier); }
    QString text() const { return editor.allText(); }

    CodeEditor editor;
};

TEST_F(TypingAidsTest, AutoCompleteExpandsKnownWordsOnly)
{
    type("<p");
    ctrl(Qt::Key_G);
    EXPECT_EQ(text(), QStringLiteral("<P align=\"..\">\r\n</p>"));
    EXPECT_TRUE(editor.isModifiedFlag());

    editor.loadText(editorTextFromFile("x<A"), TextEncoding::Utf8);
    editor.SetCaretColumn(4);
    ctrl(Qt::Key_G);
    EXPECT_EQ(text(), QStringLiteral("x<A"));

    editor.loadText(editorTextFromFile("(<A"), TextEncoding::Utf8);
    editor.SetCaretColumn(4);
    ctrl(Qt::Key_G);
    EXPECT_EQ(text(), QStringLiteral("(<A href=\"..\"></a>"));
}

TEST_F(TypingAidsTest, CaretMarkerAndIndentation)
{
    editor.setAutoCompleteList(QStringList{"<a", "=<a href=\"|\"></a>", "<ul", "=<ul>", "=  <li>", "=</ul>"});
    editor.setAutoIndent(true);
    type("<a");
    ctrl(Qt::Key_G);
    EXPECT_EQ(text(), QStringLiteral("<a href=\"\"></a>"));
    EXPECT_EQ(editor.CaretColumn(), 10);

    editor.loadText(editorTextFromFile(""), TextEncoding::Utf8);
    type("<ul");
    ctrl(Qt::Key_G);
    EXPECT_EQ(text(), QStringLiteral("<ul>\r\n  <li>\r\n</ul>"));

    editor.setAutoIndent(false); // no indentation to take back: nothing else is deleted
    editor.loadText(editorTextFromFile(""), TextEncoding::Utf8);
    type("<ul");
    ctrl(Qt::Key_G);
    EXPECT_EQ(text(), QStringLiteral("<ul>\r\n  <li>\r\n</ul>"));
}

TEST_F(TypingAidsTest, DetachedAidsIgnoreTheirKeys)
{
    editor.setAutoCompleteList(std::nullopt);
    type("<p");
    ctrl(Qt::Key_G);
    ctrl(Qt::Key_Space);
    EXPECT_EQ(text(), QStringLiteral("<p"));
    EXPECT_EQ(editor.completionPopup(), nullptr);
}

TEST_F(TypingAidsTest, CompletionListReplacesTheTypedWord)
{
    editor.setCompletionList(QStringList{"<table>", "<TABLE border=1>", "<td>"});
    type("x <ta");
    ctrl(Qt::Key_Space);
    CompletionPopup *popup = editor.completionPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->currentRow(), 0);
    QKeyEvent d(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
    popup->handleKey(&d);
    EXPECT_EQ(text(), QStringLiteral("x <tad"));
    EXPECT_EQ(popup->currentRow(), 0); // nothing starts with <tad: the row stays
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    popup->handleKey(&back);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    popup->handleKey(&down);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    popup->handleKey(&enter);
    EXPECT_EQ(text(), QStringLiteral("x <TABLE border=1>"));
    EXPECT_FALSE(popup->isVisible());

    ctrl(Qt::Key_Space);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    popup->handleKey(&escape);
    EXPECT_EQ(text(), QStringLiteral("x <TABLE border=1>"));
}

TEST_F(TypingAidsTest, SmartTabFollowsTheWordsOfTheLineAbove)
{
    editor.loadText(editorTextFromFile("<td>   name   value\r\n\r\n"), TextEncoding::Utf8);
    editor.SetCaretLine(2);
    editor.setSmartTabs(true);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.CaretColumn(), 8);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.CaretColumn(), 15);
    QTest::keyClick(&editor, Qt::Key_Tab); // nothing further above: a plain tab
    EXPECT_EQ(editor.LineText(), QStringLiteral("              \t"));

    editor.setSmartTabs(false);
    editor.loadText(editorTextFromFile("<td>   name\r\n\r\n"), TextEncoding::Utf8);
    editor.SetCaretLine(2);
    QTest::keyClick(&editor, Qt::Key_Tab);
    EXPECT_EQ(editor.LineText(), QStringLiteral("\t"));
}

} // namespace
