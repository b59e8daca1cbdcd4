#include "base/ui/system_open.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "tags/ui/tag_help.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class TagHelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = setSystemOpenHandler([this](const QUrl &url) {
            opened.append(url.toLocalFile());
            return true;
        });
        folder.write(QStringLiteral("/Help/Reference/tables/td.html"), "<p>td</p>");
        folder.write(QStringLiteral("/Help/Reference/lists/dl.html"), "<p>dl</p>");
        editor.loadText(editorTextFromFile("<table><tr><td>Table</td></tr>\n<DL>"), TextEncoding::Utf8);
    }
    void TearDown() override { setSystemOpenHandler(std::move(previous)); }
    void caretAt(int line, int column) { editor.setCursorPosition(line - 1, column - 1); }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    CodeEditor editor;
    QStringList opened;
    SystemOpenHandler previous;
};

TEST_F(TagHelpTest, TheWordAtTheCaretOpensItsPageAndStaysSelected)
{
    caretAt(1, 14); // inside "td"
    showTagHelp(&editor, folder.path(), nullptr);
    EXPECT_EQ(opened, QStringList{folder.path() + QStringLiteral("/Help/Reference/tables/td.html")});
    EXPECT_EQ(editor.SelectedText(), QStringLiteral("td"));

    caretAt(1, 18); // "Table": mixed case names nothing, and nothing is said
    showTagHelp(&editor, folder.path(), nullptr);
    caretAt(2, 5); // end of line: no word
    showTagHelp(&editor, folder.path(), nullptr);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());

    caretAt(2, 2); // a selection is used as it stands
    editor.setSelection(1, 1, 1, 3);
    showTagHelp(&editor, folder.path(), nullptr);
    EXPECT_EQ(opened.last(), folder.path() + QStringLiteral("/Help/Reference/lists/dl.html"));
}

TEST_F(TagHelpTest, AMissingReferenceFolderIsAnError)
{
    QDir(folder.path() + QStringLiteral("/Help")).removeRecursively();
    caretAt(1, 14);
    showTagHelp(&editor, folder.path(), nullptr);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("ERROR: Please re-set the program.")});
}

} // namespace
