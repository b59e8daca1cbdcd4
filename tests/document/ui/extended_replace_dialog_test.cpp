#include "common/ui/stand_ins.h"
#include "document/extended_replace.h"
#include "document/ui/extended_replace_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(ExtendedReplaceDialog, EmptyListWarns)
{
    test::MessageRecorder messages;
    ExtendedReplaceDialog dialog(nullptr);
    dialog.runReplace();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please select files to search.")});
}

TEST(ExtendedReplaceDialog, RunShrinksListPromptsAndAnimatesTwoAndAHalfSeconds)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/1.htm"), "  the cat\r\n");
    folder.write(QStringLiteral("/2.htm"), "no match\r\n");
    test::MessageRecorder messages;
    messages.answers = {QMessageBox::YesToAll};
    ExtendedReplaceDialog dialog(nullptr);
    dialog.showDialog();
    dialog.findEdit()->setText(QStringLiteral("cat"));
    dialog.replaceEdit()->setText(QStringLiteral("dog"));
    dialog.promptCheck()->setChecked(true);
    const QString changed = folder.file(QStringLiteral("/1.htm"));
    dialog.addDroppedPaths({folder.path()});
    ASSERT_EQ(dialog.files().size(), 2);

    QElapsedTimer clock;
    clock.start();
    dialog.runReplace();
    EXPECT_GE(clock.elapsed(), 2500);
    EXPECT_FALSE(dialog.isAnimating());
    EXPECT_EQ(dialog.files(), QStringList{changed});
    EXPECT_EQ(folder.read(QStringLiteral("/1.htm")), QByteArray("  the dog\r\n"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Confirm"));
    EXPECT_EQ(messages.shown[0].text, replacePromptText(QStringLiteral("cat"), QStringLiteral("dog"), changed,
                                                        "the cat"));
    EXPECT_EQ(dialog.counterText(0), QStringLiteral("2"));
    EXPECT_EQ(dialog.counterText(3), QStringLiteral("1"));
    EXPECT_EQ(dialog.percentText(), QStringLiteral("100 %"));

    // Showing again starts from empty fields.
    dialog.showDialog();
    EXPECT_TRUE(dialog.files().isEmpty());
    EXPECT_TRUE(dialog.findEdit()->text().isEmpty());
    EXPECT_FALSE(dialog.promptCheck()->isChecked());
    EXPECT_EQ(dialog.percentText(), QStringLiteral("0 %"));
}

TEST(ExtendedReplaceDialog, SelectAndDeleteKeyEditTheList)
{
    test::FileDialogStandIn chooser;
    chooser.answers = {QStringLiteral("/w/one.htm\n/w/two.htm"), QString()};
    ExtendedReplaceDialog dialog(nullptr);
    dialog.setFiles({QStringLiteral("/w/a"), QStringLiteral("/w/b")});
    dialog.selectButton()->click();
    EXPECT_EQ(dialog.files(), (QStringList{QStringLiteral("/w/one.htm"), QStringLiteral("/w/two.htm")}));
    EXPECT_EQ(chooser.requests.at(0).title, QStringLiteral("Select Files"));
    EXPECT_TRUE(chooser.requests.at(0).multipleFiles);
    dialog.selectButton()->click(); // cancelled: the list stays
    EXPECT_EQ(dialog.files().size(), 2);

    dialog.setFiles({QStringLiteral("/w/a"), QStringLiteral("/w/b")});
    dialog.fileList()->setCurrentRow(0);
    QTest::keyClick(dialog.fileList(), Qt::Key_Delete);
    EXPECT_EQ(dialog.files(), QStringList{QStringLiteral("/w/b")});
}

} // namespace
