#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/export_print.h"
#include "document/ui/document_window.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class ExportTest : public ::testing::Test {
protected:
    std::unique_ptr<DocumentWindow> make(const QByteArray &text)
    {
        DocumentContext context;
        context.dataFolder = folder.path();
        auto doc = std::make_unique<DocumentWindow>(std::move(context));
        doc->editor()->loadText(editorTextFromFile(text), TextEncoding::Utf8);
        return doc;
    }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    test::FileDialogStandIn dialogs;
};

TEST_F(ExportTest, WritesExactlyTheChosenTerminators)
{
    const struct {
        LineEnds ends;
        const char *bytes;
        const char *message;
    } cases[] = {
        {LineEnds::Unix, "a\nb\n", "Your file has been exported to Unix Format."},
        {LineEnds::Mac, "a\rb\r", "Your file has been exported to Macintosh Format."},
    };
    for (const auto &c : cases) {
        auto doc = make("a\r\nb");
        doc->editor()->SetCaretLine(2);
        doc->editor()->ReplaceSelection(QString()); // modified, one recorded step
        const QString target = folder.file(QStringLiteral("/out.txt"));
        dialogs.answers = {target};
        messages.shown.clear();
        exportCopy(*doc, c.ends);
        EXPECT_EQ(test::readBytes(target), QByteArray(c.bytes));
        EXPECT_EQ(messages.texts(), QStringList{QLatin1String(c.message)});
        EXPECT_EQ(doc->editor()->CaretLine(), 1);
        EXPECT_TRUE(doc->fileName().isEmpty());
        EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled Document"));
        EXPECT_TRUE(doc->isModified());
        EXPECT_EQ(folder.read(QStringLiteral("/TmpRU.not")), QByteArray("a\r\nb\r\n"));
    }
}

TEST_F(ExportTest, EmptyDocumentsAndCancelledDialogs)
{
    auto doc = make("");
    doc->editor()->clearAllLines();
    const QString target = folder.file(QStringLiteral("/none.txt"));
    dialogs.answers = {target};
    exportCopy(*doc, LineEnds::Unix);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("The document is empty. There is nothing to save.")});
    EXPECT_FALSE(QFile::exists(target));

    auto oneEmptyLine = make("\r\n");
    dialogs.answers = {target};
    exportCopy(*oneEmptyLine, LineEnds::Mac);
    EXPECT_EQ(test::readBytes(target), QByteArray("\r"));

    // The dialog proposes the name it showed last; cancelling writes nothing.
    dialogs.answers = {QString()};
    messages.shown.clear();
    exportCopy(*oneEmptyLine, LineEnds::Unix);
    EXPECT_EQ(dialogs.requests.last().proposedPath, target);
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
