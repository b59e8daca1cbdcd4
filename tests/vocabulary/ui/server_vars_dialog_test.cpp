#include "base/list_file.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "vocabulary/server_variables.h"
#include "vocabulary/ui/server_vars_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}


class ServerVarsDialogTest : public ::testing::Test {
protected:
    ServerVarsDialogTest()
        : dialog(data.path(), [this] { return active; })
    {
        first.ReplaceSelection(QStringLiteral("x"));
        second.ReplaceSelection(QStringLiteral("y"));
    }
    void typeAndPressOk(const QString &name)
    {
        dialog.variableField()->setEditText(name);
        dialog.okButton()->click();
    }

    test::TempDataFolder data;
    test::MessageRecorder messages;
    CodeEditor first;
    CodeEditor second;
    EditorOperations *active = &first;
    ServerVarsDialog dialog;
};

TEST_F(ServerVarsDialogTest, OkInsertsTheTypedNameBelowTheCaretLineAndHides)
{
    dialog.showFor(ServerVariableKind::Php);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.variableField()->currentText().isEmpty());
    typeAndPressOk(QStringLiteral("REMOTE_ADDR"));
    EXPECT_EQ(first.allText(), QStringLiteral("x\r\n<?php echo $REMOTE_ADDR; ?>"));
    EXPECT_EQ(first.CaretLine(), 1);
    EXPECT_FALSE(dialog.isVisible());

    // A missing list is reported; a typed name still goes in.
    QFile::remove(data.file(QStringLiteral("/Extensions/aspvars.tlx")));
    dialog.showFor(ServerVariableKind::Asp);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(dialog.variableField()->count(), 0);
    dialog.okButton()->click(); // an empty field inserts too
    EXPECT_EQ(first.allText(),
              QStringLiteral("x\r\n<%= Request.ServerVariables(\"\") %>\r\n<?php echo $REMOTE_ADDR; ?>"));
}

// A typed name is inserted as typed, and Return presses OK at once.
TEST_F(ServerVarsDialogTest, TypedNameIsNotCompletedAndReturnPressesOk)
{
    dialog.showFor(ServerVariableKind::Php);
    ASSERT_GT(dialog.variableField()->findText(QStringLiteral("REMOTE_ADDR")), -1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.variableField()->setFocus();
    QTest::keyClicks(dialog.variableField(), QStringLiteral("REMOTE"));
    QTest::keyClick(dialog.variableField(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(first.allText(), QStringLiteral("x\r\n<?php echo $REMOTE; ?>"));
}

TEST_F(ServerVarsDialogTest, EveryShowLoadsOnlyTheCurrentKindsNamesInFileOrder)
{
    writeListFile(data.file(QStringLiteral("/Extensions/aspvars.tlx")), {"LOGON_USER", "ALL_HTTP"});
    writeListFile(data.file(QStringLiteral("/Extensions/ssivars.tlx")), {"DOCUMENT_NAME", "DATE_LOCAL"});
    dialog.showFor(ServerVariableKind::Asp);
    EXPECT_EQ(comboItems(dialog.variableField()), QStringList({"LOGON_USER", "ALL_HTTP"}));
    dialog.variableField()->setEditText(QStringLiteral("typed"));
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(first.LineCount(), 1);

    dialog.showFor(ServerVariableKind::Ssi);
    EXPECT_EQ(comboItems(dialog.variableField()), QStringList({"DOCUMENT_NAME", "DATE_LOCAL"}));
    EXPECT_TRUE(dialog.variableField()->currentText().isEmpty());
    dialog.variableField()->setCurrentIndex(1);
    dialog.okButton()->click();
    EXPECT_EQ(first.allText(), QStringLiteral("x\r\n<!--#ECHO VAR=\"DATE_LOCAL\" -->"));
}

TEST_F(ServerVarsDialogTest, OkGoesToTheDocumentActiveThenOrNowhere)
{
    dialog.showFor(ServerVariableKind::Cfm);
    active = &second; // another document became active while the dialog was open
    typeAndPressOk(QStringLiteral("SERVER_NAME"));
    EXPECT_EQ(first.allText(), QStringLiteral("x"));
    EXPECT_EQ(second.allText(), QStringLiteral("y\r\n#CGI.SERVER_NAME#"));

    dialog.showFor(ServerVariableKind::Cfm);
    active = nullptr; // the last document closed
    typeAndPressOk(QStringLiteral("SERVER_NAME"));
    EXPECT_TRUE(dialog.isVisible()); // waits, with its choice, for a document
    EXPECT_EQ(second.LineCount(), 2);
}

} // namespace
