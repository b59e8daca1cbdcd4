#include "vocabulary/colour_hex.h"
#include "vocabulary/ui/colour_mixer.h"
#include "base/list_file.h"
#include "app/ui/main_window.h"
#include "settings/settings_store.h"
#include "vocabulary/ui/side_panel.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {


class VocabularyPanelsTest : public ::testing::Test {
protected:
    void start()
    {
        store = std::make_unique<SettingsStore>(data.file(QStringLiteral("/cfg/user.reg")));
        MainWindowOptions options;
        options.dataFolder = data.path();
        options.userStore = store.get();
        options.findProgram = [](const QString &) { return QString(); };
        window = std::make_unique<MainWindow>(std::move(options));
        window->show();
    }
    test::TempDataFolder data;
    test::MessageRecorder messages;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<MainWindow> window;
};

TEST_F(VocabularyPanelsTest, ColourMixerInsertsHexLinesOnlyIntoADocument)
{
    start();
    ColourMixer *mixer = window->colourMixer();
    mixer->setForeground(QColor(255, 0, 0));
    mixer->fgButton()->click(); // no document: nothing, not even the labels
    EXPECT_TRUE(mixer->redValue()->text().isEmpty());

    DocumentWindow *doc = window->NewDocument();
    mixer->fgButton()->click();
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("\r\n#FF0000"));
    EXPECT_EQ(mixer->redValue()->text(), QStringLiteral("FF"));
    EXPECT_EQ(mixer->greenValue()->text(), QStringLiteral("00"));
    EXPECT_EQ(mixer->blueValue()->text(), QStringLiteral("00"));
    mixer->bgButton()->click();
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("\r\n#FFFFFF\r\n#FF0000"));
    EXPECT_FALSE(doc->isModified());
}

TEST_F(VocabularyPanelsTest, DeletedSnippetIsGoneAfterRestartAndEmptyTextInsertsEmptyLine)
{
    writeListFile(data.file(QStringLiteral("/Extensions/snipa.tlx")), {"Name", "one", "two", "three"});
    writeListFile(data.file(QStringLiteral("/Extensions/snipb.tlx")), {"Snippet", "<b>", "", "<i>"});
    start();
    QTableWidget *table = window->sidePanel()->snippetsTable();
    ASSERT_EQ(table->rowCount(), 4);

    DocumentWindow *doc = window->NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("x"));
    table->setCurrentCell(2, 1); // "two" has no text
    emit table->cellDoubleClicked(2, 1);
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("x\r\n"));

    // Delete Item empties both cells; the row goes at the next start.
    table->item(2, 0)->setText(QString());
    table->item(2, 1)->setText(QString());
    messages.answers = {QMessageBox::No};
    ASSERT_TRUE(window->close());
    window.reset();
    store.reset();
    start();
    const PairRows rows = window->tables().snippets;
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].first, QStringLiteral("one"));
    EXPECT_EQ(rows[2].first, QStringLiteral("three"));
}

// Snippet files are the user's bytes: a NUL or a Latin-1 letter stays as it
// is, and the files are written only when the table changed.
TEST_F(VocabularyPanelsTest, SnippetFilesKeepTheirBytes)
{
    const QByteArray names("Name\r\ncaf\xe9\r\nsecond\r\n");
    const QByteArray texts("Snippet\r\n<b>\0</b>\r\n<i>\r\n", 24);
    data.write(QStringLiteral("/Extensions/snipa.tlx"), names);
    data.write(QStringLiteral("/Extensions/snipb.tlx"), texts);
    start();
    QTableWidget *table = window->sidePanel()->snippetsTable();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(1, 0)->text(), QString::fromLatin1("caf\xe9"));
    EXPECT_EQ(table->item(1, 1)->text(), QString::fromLatin1("<b>\0</b>", 8));
    EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("<i>"));
    ASSERT_TRUE(window->close());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/snipa.tlx")), names);
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/snipb.tlx")), texts);

    window.reset();
    store.reset();
    start();
    table = window->sidePanel()->snippetsTable();
    table->insertRow(3);
    table->setItem(3, 0, new QTableWidgetItem(QString::fromLatin1("caf\xe9 2")));
    table->setItem(3, 1, new QTableWidgetItem(QStringLiteral("<u>")));
    ASSERT_TRUE(window->close());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/snipa.tlx")), names + "caf\xe9 2\r\n");
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/snipb.tlx")), texts + "<u>\r\n");
}

TEST_F(VocabularyPanelsTest, FixedTablesInsertTheirSecondColumn)
{
    start();
    DocumentWindow *doc = window->NewDocument();
    QTableWidget *characters = window->sidePanel()->charactersTable();
    ASSERT_EQ(characters->rowCount(), 91);
    characters->setCurrentCell(1, 0);
    emit characters->cellDoubleClicked(1, 0);
    EXPECT_EQ(doc->editor()->LineText(), QString()); // the caret stays on line 1
    EXPECT_EQ(doc->editor()->LineCount(), 2);
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("\r\n") + characters->item(1, 1)->text());
    emit characters->cellDoubleClicked(0, 0); // the header row inserts nothing
    EXPECT_EQ(doc->editor()->LineCount(), 2);
}

} // namespace
