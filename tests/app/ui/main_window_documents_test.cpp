#include "settings/app_settings.h"
#include "app/ui/main_window.h"
#include "settings/settings_store.h"
#include "vocabulary/ui/side_panel.h"
#include "codetools/ui/analysis_window.h"
#include "codetools/ui/compressor_dialog.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "net/ui/open_from_web_dialog.h"
#include "document/ui/editor_commands.h"
#include "document/ui/extended_replace_dialog.h"
#include "document/text_search.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QListWidget>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class MainWindowDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store = std::make_unique<SettingsStore>(data.file(QStringLiteral("/cfg/user.reg")));
        MainWindowOptions options;
        options.dataFolder = data.path();
        options.userStore = store.get();
        options.findProgram = [](const QString &) { return QString(); };
        options.endProgram = [] {};
        window = std::make_unique<MainWindow>(std::move(options));
        window->show();
    }
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = data.file(QLatin1Char('/') + name);
        test::writeBytes(path, bytes);
        return path;
    }
    void waitForDocuments(int count)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->documents().size() == count; }, 2000))
            << window->documents().size();
    }

    test::TempDataFolder data;
    test::MessageRecorder messages;
    test::FileDialogStandIn dialogs;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowDocumentsTest, OpenFromLocalFeedsTheRecentList)
{
    QStringList paths;
    for (int i = 1; i <= 11; ++i)
        paths << file(QStringLiteral("page%1.htm").arg(i), "x");
    for (const QString &p : paths) {
        dialogs.answers = {p};
        window->runCommand(QStringLiteral("File.OpenLocal"));
    }
    EXPECT_EQ(dialogs.requests.first().title, QStringLiteral("Open a (Local) File"));
    EXPECT_EQ(dialogs.requests.first().filters.size(), 14);
    const QStringList &entries = window->recentList().entries();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries.first(), paths.last());
    EXPECT_FALSE(entries.contains(paths.first()));
    EXPECT_FALSE(entries.contains(data.path() + QStringLiteral("/default.htm")));
    EXPECT_EQ(window->recentMenu()->actions().at(2)->text(), QStringLiteral("&1 ") + paths.last());

    // Opening from the list does not move the entry; a cancelled dialog changes nothing.
    const QStringList before = entries;
    window->recentMenu()->actions().at(5)->trigger();
    dialogs.answers = {QString()};
    window->runCommand(QStringLiteral("File.OpenLocal"));
    EXPECT_EQ(window->recentList().entries(), before);
    EXPECT_EQ(window->activeDocument()->fileName(), before.at(3));
}

TEST_F(MainWindowDocumentsTest, FavouriteFoldersAreKeptInTheSettings)
{
    dialogs.answers = {QString()};
    window->runCommand(QStringLiteral("File.OpenLocal"));
    ASSERT_NE(dialogs.requests.last().favourites, nullptr);
    EXPECT_TRUE(dialogs.requests.last().favourites->isEmpty());

    setFileDialogHandler([](QWidget *, const FileDialogRequest &request) {
        request.favourites->append(QStringLiteral("/srv/www")); // the user adds a folder, then cancels
        return QString();
    });
    window->runCommand(QStringLiteral("File.OpenLocal"));
    SettingsStore reread(data.file(QStringLiteral("/cfg/user.reg")));
    EXPECT_EQ(readFavouriteFolders(reread), QStringList{QStringLiteral("/srv/www")});
}

TEST_F(MainWindowDocumentsTest, PlainTextImportWrapsTheTextUntitledAndUnmodified)
{
    const QStringList skeleton = {"<HTML>", "<HEAD>", "<TITLE>Insert Your Title</TITLE>", "</HEAD>", "<BODY>"};
    struct Case {
        QByteArray text;
        QStringList body;
    } cases[] = {{"just one line\n", {"just one line"}}, {"", {}}};
    for (const Case &c : cases) {
        dialogs.answers = {file(QStringLiteral("notes.txt"), c.text)};
        window->runCommand(QStringLiteral("File.ImportText"));
        DocumentWindow *doc = window->activeDocument();
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->editor()->allText(), (skeleton + c.body + QStringList{"</BODY>"}).join(QStringLiteral("\r\n")));
        EXPECT_TRUE(doc->fileName().isEmpty());
        EXPECT_FALSE(doc->isModified());
        EXPECT_TRUE(doc->queryClose());
    }
    EXPECT_EQ(dialogs.requests.first().title, QStringLiteral("Import Text File..."));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWindowDocumentsTest, CloseAllAsksFromLastToFirstAndCancelKeepsOne)
{
    for (int i = 0; i < 3; ++i)
        window->NewDocument()->editor()->ReplaceSelection(QStringLiteral("doc %1").arg(i));
    const QList<DocumentWindow *> docs = window->documents();
    messages.answers = {QMessageBox::No, QMessageBox::Cancel, QMessageBox::No};
    window->runCommand(QStringLiteral("File.CloseAll"));
    waitForDocuments(1);
    EXPECT_EQ(window->documents().first(), docs.at(1));
    EXPECT_EQ(messages.shown.size(), 3);
}

TEST_F(MainWindowDocumentsTest, DroppedFilesOpenInOrderLastActive)
{
    QList<QUrl> urls;
    for (const char *name : {"a.htm", "b.css", "c.js"})
        urls << QUrl::fromLocalFile(file(QLatin1String(name), name));
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    const QList<DocumentWindow *> docs = window->documents();
    ASSERT_EQ(docs.size(), 3);
    EXPECT_EQ(docs[0]->windowTitle(), QStringLiteral("a.htm"));
    EXPECT_EQ(docs[1]->windowTitle(), QStringLiteral("b.css"));
    EXPECT_EQ(docs[2]->windowTitle(), QStringLiteral("c.js"));
    EXPECT_EQ(window->activeDocument(), docs[2]);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quenby Tagloom 5.0"));
}

// Files that exist but cannot be opened leave no window bound to them.
TEST_F(MainWindowDocumentsTest, FailedOpensLeaveNoWindow)
{
    const QString huge = data.file(QStringLiteral("/huge.htm"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(3) << 30)); // sparse: no room taken on the disk
    }
    EXPECT_EQ(window->OpenDocumentFile(huge), nullptr);
    EXPECT_EQ(window->OpenDocumentFile(QStringLiteral("/proc/self/mem")), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->documents().isEmpty(); }, 2000));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown.at(0).text.contains(QStringLiteral("too large"))) << messages.shown.at(0).text.toStdString();
    EXPECT_EQ(QFileInfo(huge).size(), qint64(3) << 30);
    EXPECT_EQ(window->currentMenuBar(), static_cast<QWidget *>(window->mainMenuBar()));
}

// A menu item's shortcut wins over the document frame's own keys: Ctrl+W is
// Open from Web, not the frame's Close.
TEST_F(MainWindowDocumentsTest, CtrlWOpensFromWebWithADocumentOpen)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    DocumentWindow *doc = window->NewDocument();
    QTest::keyClick(doc->editor(), Qt::Key_W, Qt::ControlModifier);
    auto *web = window->findChild<OpenFromWebDialog *>();
    ASSERT_NE(web, nullptr);
    EXPECT_TRUE(web->isVisible());
    EXPECT_EQ(window->documents().size(), 1);
}

TEST_F(MainWindowDocumentsTest, ViewCodeControllerOnlyShows)
{
    DocumentWindow *doc = window->NewDocument();
    window->sidePanel()->hide();
    doc->trigger(QStringLiteral("Window.CodeController"));
    EXPECT_TRUE(window->sidePanel()->isVisibleTo(window.get()));
    doc->trigger(QStringLiteral("Window.CodeController"));
    EXPECT_TRUE(window->sidePanel()->isVisibleTo(window.get()));
}

TEST_F(MainWindowDocumentsTest, EditorCommandsReportThroughTheMainWindow)
{
    DocumentWindow *doc = window->NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("alpha beta"));
    doc->trigger(QStringLiteral("Edit.Uppercase")); // nothing selected: an empty replacement
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("alpha beta"));
    ASSERT_NE(doc->commands(), nullptr);
    // Find reports in the status bar's third panel and on the Results page.
    doc->commands()->findNext(QString(), SearchOptions{});
    EXPECT_EQ(window->helpPanel()->text(), QStringLiteral("Cannot search for nothing"));
    doc->commands()->findNext(QStringLiteral("gamma"), SearchOptions{});
    EXPECT_TRUE(window->sidePanel()->results()->toPlainText().contains(QStringLiteral("Could not find requested text")));
    QAction *date = doc->actions().action(QStringLiteral("Context.DateTime.0"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->text(), QStringLiteral("DD/MM/YYYY"));
    EXPECT_TRUE(date->isEnabled());
}

TEST_F(MainWindowDocumentsTest, TimestampFromMenuContextAndPalette)
{
    const QString line = QStringLiteral(
        "Page was last updated on: <SCRIPT Language=\"JavaScript\"> document.write(document.lastModified); </SCRIPT>");
    DocumentWindow *doc = window->NewDocument();
    doc->trigger(QStringLiteral("Context.LastModified"));
    doc->trigger(QStringLiteral("Insert.Timestamp"));
    window->runCommand(QStringLiteral("Palette.Common.Timestamp"));
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("\r\n") + line + QStringLiteral("\r\n") + line +
                                            QStringLiteral("\r\n") + line);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(MainWindowDocumentsTest, ExtendedFindAndReplaceOpensFromADocument)
{
    window->NewDocument()->trigger(QStringLiteral("Search.Extended"));
    auto *dialog = window->findChild<ExtendedReplaceDialog *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MainWindowDocumentsTest, TileStacksDocumentsFullWidth)
{
    DocumentWindow *a = window->NewDocument();
    DocumentWindow *b = window->NewDocument();
    window->runCommand(QStringLiteral("Window.Tile"));
    const QRect ra = a->parentWidget()->geometry();
    const QRect rb = b->parentWidget()->geometry();
    EXPECT_EQ(ra.width(), rb.width());
    EXPECT_EQ(ra.left(), 0);
    EXPECT_LE(ra.bottom(), rb.top());
}

TEST_F(MainWindowDocumentsTest, PaletteAndFormatCommandsReachTheActiveDocument)
{
    window->runCommand(QStringLiteral("Palette.Forms.Form")); // no document: nothing
    window->runCommand(QStringLiteral("Palette.PHP.Vars"));
    EXPECT_TRUE(messages.shown.isEmpty());

    DocumentWindow *doc = window->NewDocument();
    window->runCommand(QStringLiteral("Palette.Forms.Form"));
    EXPECT_EQ(doc->editor()->allText(),
              QStringLiteral("\r\n<form name=\"..\" action=\"..\" style=\"..\">\r\n</form>"));
    doc->editor()->loadText(editorTextFromFile("abc"), TextEncoding::Utf8);
    doc->editor()->selectAll(true);
    doc->trigger(QStringLiteral("Format.Size.+3"));
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("<FONT size=\"3\">abc</font>"));
}

TEST_F(MainWindowDocumentsTest, ValidateDocumentRunsWhenTheWindowAppears)
{
    DocumentWindow *doc = window->NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("<FONT FOO=1>unsaved</FONT>"));
    doc->trigger(QStringLiteral("Coding.Validate"));
    EXPECT_EQ(data.read(QStringLiteral("/tglm_anls.tlx")), QByteArray("<FONT FOO=1>unsaved</FONT>\r\n"));
    AnalysisWindow *analysis = window->findChild<AnalysisWindow *>();
    ASSERT_NE(analysis, nullptr);
    ASSERT_TRUE(analysis->isVisible());
    QTableWidget *rows = analysis->results();
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->item(0, 1)->text(), QStringLiteral("UNKNOWN PROPERTY: FOO IN <FONT>"));
    EXPECT_EQ(rows->item(1, 2)->text(), QStringLiteral("Deprecated"));

    // While it is up, the command only raises it; closed and used again, it runs afresh.
    doc->editor()->loadText(editorTextFromFile("<p>fine</p>"), TextEncoding::Utf8);
    doc->trigger(QStringLiteral("Coding.Validate"));
    EXPECT_EQ(rows->rowCount(), 2);
    analysis->close();
    doc->trigger(QStringLiteral("Coding.Validate"));
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->item(0, 1)->text(), QStringLiteral("No errors found in this document."));
}

TEST_F(MainWindowDocumentsTest, CompressorKeepsUnsavedEditsAndReportsSizes)
{
    const QString path = file(QStringLiteral("page.htm"), "<P ALIGN=CENTER>old</P>\r\n");
    DocumentWindow *doc = window->OpenDocumentFile(path);
    doc->editor()->selectAll(true);
    doc->editor()->ReplaceSelection(QStringLiteral("<P ALIGN=CENTER>new   text</P>")); // not saved
    doc->trigger(QStringLiteral("Coding.Compress"));
    CompressorDialog *dialog = window->findChild<CompressorDialog *>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->passes()->item(5)->checkState(), Qt::Checked);
    EXPECT_EQ(dialog->passes()->item(6)->checkState(), Qt::Unchecked);
    dialog->compressActive();
    EXPECT_EQ(test::readBytes(path), QByteArray("<center>new text</center>"));
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("<center>new text</center>"));
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Original Size: 32 bytes.\n New Size: 25 bytes."));
    EXPECT_FALSE(dialog->isVisible());

    DocumentWindow *untitled = window->NewDocument();
    untitled->editor()->ReplaceSelection(QStringLiteral("<p>a</p>\r\n\r\n<p>b</p>"));
    window->runCommand(QStringLiteral("Coding.Compress"));
    dialog->compressActive();
    EXPECT_EQ(data.read(QStringLiteral("/Compr.tmp")), untitled->editor()->buffer());
    EXPECT_TRUE(untitled->isModified()); // still unsaved: closing it must ask
}

} // namespace
