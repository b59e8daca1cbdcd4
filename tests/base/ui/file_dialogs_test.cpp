#include "base/ui/file_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(FileDialogs, FiltersShowTheirOwnTextsAndStillMatch)
{
    const QStringList filters = {
        QStringLiteral("HTML Files (*.htm, *.html, *.asp, *.shtml)|*.htm; *.html; *.asp; *.shtml"),
        QStringLiteral("Text Files|*.txt"),
        QStringLiteral("All Files (*.*)|*.*"),
    };
    EXPECT_EQ(qtNameFilter(filters.at(0)),
              QStringLiteral("HTML Files (*.htm, *.html, *.asp, *.shtml) (*.htm *.html *.asp *.shtml)"));
    EXPECT_EQ(qtNameFilter(filters.at(2)), QStringLiteral("All Files (*.*) (*)"));

    // What the real dialog lists, and the patterns it filters the files by.
    QStringList shown;
    QStringList patterns;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
            for (int i = 0; i < types->count(); ++i)
                shown.append(types->itemText(i));
        if (auto *files = dialog->findChild<QFileSystemModel *>())
            patterns = files->nameFilters();
        dialog->reject();
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filters = filters;
    EXPECT_TRUE(chooseFile(nullptr, request).isEmpty());
    EXPECT_EQ(shown, QStringList({"HTML Files (*.htm, *.html, *.asp, *.shtml)", "Text Files", "All Files (*.*)"}));
    EXPECT_EQ(patterns, QStringList({"*.htm", "*.html", "*.asp", "*.shtml"}));
}

} // namespace
