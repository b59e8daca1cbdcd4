#include "codetools/ui/rtf_editor_window.h"
#include "common/ui/stand_ins.h"

#include <QAction>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(RtfEditor, SavesAndReopensFormattingAndAsksBeforeLosingEdits)
{
    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    const QString path = folder.file(QStringLiteral("/note.rtf"));
    {
        RtfEditorWindow editor;
        QTextCursor cursor(editor.textEdit()->document());
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("Shopping "), QTextCharFormat());
        cursor.insertText(QStringLiteral("list"), bold);
        cursor.insertBlock();
        cursor.createList(QTextListFormat::ListDisc);
        cursor.insertText(QStringLiteral("Bread"), QTextCharFormat());
        ASSERT_TRUE(editor.saveTo(path));
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("RTF Editor - note.rtf"));
        EXPECT_TRUE(test::readBytes(path).startsWith("{\\rtf1"));

        editor.textEdit()->append(QStringLiteral("more"));
        messages.answers = {QMessageBox::Cancel};
        EXPECT_FALSE(editor.close()); // unsaved edits: the user cancelled
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("Save the changes to note.rtf?"));
        messages.answers = {QMessageBox::No};
        EXPECT_TRUE(editor.close());
    }
    RtfEditorWindow reopened;
    ASSERT_TRUE(reopened.openFile(path));
    QTextDocument *doc = reopened.textEdit()->document();
    ASSERT_EQ(doc->blockCount(), 2);
    const QTextBlock first = doc->firstBlock();
    EXPECT_EQ(first.text(), QStringLiteral("Shopping list"));
    QTextCursor at(doc);
    at.setPosition(first.position() + 11); // inside "list"
    EXPECT_TRUE(at.charFormat().font().bold());
    at.setPosition(first.position() + 2);
    EXPECT_FALSE(at.charFormat().font().bold());
    EXPECT_EQ(first.next().text(), QStringLiteral("Bread"));
    EXPECT_NE(first.next().textList(), nullptr);
    EXPECT_FALSE(doc->isModified());
}

} // namespace

namespace {

TEST(RtfEditor, TheBoldButtonBoldsWhatIsTypedNext)
{
    RtfEditorWindow editor;
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QTest::keyClicks(editor.textEdit(), QStringLiteral("plain "));
    QAction *bold = nullptr;
    for (QAction *a : editor.findChildren<QAction *>())
        if (a->text() == QLatin1String("&Bold"))
            bold = a;
    ASSERT_NE(bold, nullptr);
    bold->trigger();
    QTest::keyClicks(editor.textEdit(), QStringLiteral("strong"));
    QTextCursor at(editor.textEdit()->document());
    at.setPosition(10);
    EXPECT_TRUE(at.charFormat().font().bold());
    at.setPosition(3);
    EXPECT_FALSE(at.charFormat().font().bold());
    EXPECT_EQ(bold->shortcut().toString().toStdString(), "Ctrl+B");
    // Its key turns it off again.
    QTest::keyClick(editor.textEdit(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(bold->isChecked());
}

} // namespace
