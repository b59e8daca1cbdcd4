#include "settings/app_settings.h"
#include "app/ui/browser_menu.h"
#include "base/data_folder.h"
#include "base/list_file.h"
#include "app/ui/main_window.h"
#include "vocabulary/ui/palette_strip.h"
#include "settings/settings_store.h"
#include "vocabulary/ui/side_panel.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    enum class Store { Missing, Empty };

    MainWindow &start(Store kind = Store::Missing, QStringList arguments = {})
    {
        if (kind == Store::Empty)
            data.write(QStringLiteral("/cfg/user.reg"), QByteArray());
        store = std::make_unique<SettingsStore>(storePath());
        MainWindowOptions options;
        options.dataFolder = data.path();
        options.userStore = store.get();
        options.arguments = std::move(arguments);
        options.commandLineTickMs = 5;
        options.findProgram = [](const QString &) { return QString(); };
        options.endProgram = [this] { ++ended; };
        window = std::make_unique<MainWindow>(std::move(options));
        window->show();
        return *window;
    }
    void restart()
    {
        window.reset();
        store.reset();
        start();
    }
    QString storePath() const { return data.file(QStringLiteral("/cfg/user.reg")); }
    QString userText(const char *key, const char *name)
    {
        SettingsStore reread(storePath());
        return reread.text(QLatin1String(key), QLatin1String(name));
    }

    test::TempDataFolder data;
    test::MessageRecorder messages;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<MainWindow> window;
    int ended = 0;
};

// The first start without any per-user store, one check each.
class FirstStartTest : public MainWindowTest {
protected:
    void SetUp() override { start(Store::Missing); }
};

TEST_F(FirstStartTest, TitleIsTheProgramsName)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quenby Tagloom 5.0"));
}

TEST_F(FirstStartTest, EveryPaletteIsShown)
{
    for (const QString &flag : paletteFlagNames())
        EXPECT_TRUE(window->paletteStrip()->isPageShown(flag)) << flag.toStdString();
}

TEST_F(FirstStartTest, FormatBarAndSidePanelAreShown)
{
    EXPECT_TRUE(window->formatBar()->isVisibleTo(window.get()));
    EXPECT_TRUE(window->sidePanel()->isVisibleTo(window.get()));
}

TEST_F(FirstStartTest, MenusGetTheUsualShortcutsButExitHasNone)
{
    EXPECT_EQ(window->actions().action(QStringLiteral("File.New"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(window->actions().action(QStringLiteral("File.Exit"))->shortcut().isEmpty());
    DocumentWindow *doc = window->NewDocument();
    EXPECT_EQ(doc->actions().action(QStringLiteral("File.Save"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST_F(FirstStartTest, InstallerValuesAreWrittenToTheStore)
{
    EXPECT_EQ(userText(SettingsKeys::Root, "Gutter Width"), QStringLiteral("32"));
    EXPECT_EQ(userText(SettingsKeys::Root, "Gutter"), QStringLiteral("True"));
    EXPECT_EQ(userText(SettingsKeys::Keyboard, "Save"), QStringLiteral("Ctrl+S"));
    EXPECT_EQ(userText(SettingsKeys::Toolbars, "WebTV"), QStringLiteral("True"));
}

TEST_F(MainWindowTest, ExistingEmptyStoreHidesEverythingAndSetsNoShortcut)
{
    MainWindow &w = start(Store::Empty);
    for (const QString &flag : paletteFlagNames())
        EXPECT_FALSE(w.paletteStrip()->isPageShown(flag)) << flag.toStdString();
    for (QAction *item : w.paletteStrip()->paletteMenu()->actions())
        EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(w.formatBar()->isVisibleTo(&w));
    EXPECT_FALSE(w.sidePanel()->isVisibleTo(&w));
    EXPECT_FALSE(w.externalEditorButton()->isEnabled());
    for (const char *id : {"File.New", "File.NewFrom", "File.OpenLocal", "File.OpenWeb", "File.Exit"})
        EXPECT_TRUE(w.actions().action(QLatin1String(id))->shortcut().isEmpty()) << id;
    // Items with a keyboard setting get no shortcut; fixed ones (F1) stay.
    DocumentWindow *doc = w.NewDocument();
    for (const char *id : {"File.New", "File.Save", "File.Print", "File.Exit", "Edit.Undo", "Edit.Paste",
                           "Edit.SelectAll", "Search.Find", "Search.FindFirst", "Insert.Image", "Insert.Table",
                           "Insert.LineBreak", "Tools.SpellCheck"})
        EXPECT_TRUE(doc->actions().action(QLatin1String(id))->shortcut().isEmpty()) << id;
    EXPECT_EQ(doc->actions().action(QStringLiteral("Help.Contents"))->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(userText(SettingsKeys::Root, "Gutter Width").isEmpty()); // nothing invented
}

TEST_F(MainWindowTest, ReadAllSettingsSetsVisibilityRatherThanFlippingIt)
{
    store = std::make_unique<SettingsStore>(storePath());
    writeFirstRunValues(*store);
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Format Bar"), QStringLiteral("False"));
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Dreamweaver"), QStringLiteral("True"));
    store->setText(QLatin1String(SettingsKeys::Toolbars), QStringLiteral("PHP"), QString());
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Browser 6"), QStringLiteral("/usr/bin/b6"));
    store->flush();
    store.reset();
    MainWindow &w = start();
    EXPECT_TRUE(w.formatBar()->isVisibleTo(&w)); // "False" is non-empty
    EXPECT_TRUE(w.externalEditorButton()->isEnabled());
    EXPECT_FALSE(w.paletteStrip()->isPageShown(QStringLiteral("PHP")));
    EXPECT_FALSE(w.browserMenu()->item(4)->isEnabled()); // Browser 5 has no path
    EXPECT_TRUE(w.browserMenu()->item(5)->isEnabled());
    EXPECT_EQ(w.browserMenu()->item(5)->text(), QString()); // empty title, empty caption

    // A page hidden by the user stays hidden when its flag is on; one shown
    // again while its stored flag is off is hidden by the next read.
    w.paletteStrip()->setPageShown(QStringLiteral("Common"), false);
    w.paletteStrip()->setPageShown(QStringLiteral("PHP"), true);
    w.ReadAllSettings();
    w.ReadAllSettings();
    EXPECT_FALSE(w.paletteStrip()->isPageShown(QStringLiteral("Common")));
    EXPECT_FALSE(w.paletteStrip()->isPageShown(QStringLiteral("PHP")));
    EXPECT_TRUE(w.formatBar()->isVisibleTo(&w));
}

TEST_F(MainWindowTest, RecentListGetsTheStarterPageAtEveryStart)
{
    MainWindow &w = start();
    const QString starter = data.path() + QStringLiteral("/default.htm");
    EXPECT_EQ(w.recentList().entries(), QStringList{starter});
    w.RecentAdd(data.file(QStringLiteral("/mine.htm")));
    EXPECT_TRUE(w.close());
    restart();
    EXPECT_EQ(window->recentList().entries(), (QStringList{starter, data.file(QStringLiteral("/mine.htm"))}));
    QAction *second = window->recentMenu()->actions().at(3);
    EXPECT_EQ(second->text(), QStringLiteral("&2 ") + data.file(QStringLiteral("/mine.htm")));
}

TEST_F(MainWindowTest, CloseWritesListsAndCancelWritesNothing)
{
    data.write(QStringLiteral("/Extensions/recent.tlx"), "");
    const QByteArray snipsBefore = data.read(QStringLiteral("/Extensions/snipa.tlx"));
    MainWindow &w = start();
    DocumentWindow *doc = w.NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("unsaved"));
    messages.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/recent.tlx")), QByteArray());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/snipa.tlx")), snipsBefore);
    EXPECT_EQ(w.documents().size(), 1);

    // Twenty-four snippets plus the header survive a restart as 25 rows.
    QTableWidget *table = w.sidePanel()->snippetsTable();
    table->setRowCount(25);
    for (int r = 1; r < 25; ++r) {
        table->setItem(r, 0, new QTableWidgetItem(QStringLiteral("name %1").arg(r)));
        table->setItem(r, 1, new QTableWidgetItem(QStringLiteral("<b>%1</b>").arg(r)));
    }
    messages.answers = {QMessageBox::No};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/recent.tlx")), (data.path() + "/default.htm\r\n").toUtf8());
    EXPECT_EQ(userText(SettingsKeys::Root, "Format Bar"), QStringLiteral("True"));
    restart();
    EXPECT_EQ(window->tables().snippets.size(), 25);
    EXPECT_EQ(window->tables().snippets.last().second, QStringLiteral("<b>24</b>"));
}

TEST_F(MainWindowTest, ExitWritesOnlyThePaletteState)
{
    const QByteArray recentBefore = data.read(QStringLiteral("/Extensions/recent.tlx"));
    const QByteArray snipsBefore = data.read(QStringLiteral("/Extensions/snipb.tlx"));
    MainWindow &w = start(Store::Empty);
    w.paletteStrip()->setPageShown(QStringLiteral("Forms"), true);
    w.sidePanel()->snippetsTable()->insertRow(1);
    DocumentWindow *doc = w.NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("unsaved"));
    w.runCommand(QStringLiteral("File.Exit"));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(messages.shown.isEmpty()); // no close prompt
    EXPECT_EQ(userText(SettingsKeys::Toolbars, "Forms"), QStringLiteral("True"));
    EXPECT_EQ(userText(SettingsKeys::Toolbars, "Common"), QString());
    SettingsStore reread(storePath());
    EXPECT_FALSE(reread.valueExists(QLatin1String(SettingsKeys::Root), QStringLiteral("Format Bar")));
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/recent.tlx")), recentBefore);
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/snipb.tlx")), snipsBefore);
}

TEST_F(MainWindowTest, RecentListIsWrittenOnlyWhenChangedAndKeepsItsBytes)
{
    const QByteArray starter = (data.path() + QStringLiteral("/default.htm")).toUtf8();
    const QByteArray before = starter + "\n/home/caf\xe9/x.htm"; // LF, Latin-1, no final break
    data.write(QStringLiteral("/Extensions/recent.tlx"), before);
    start();
    EXPECT_EQ(window->recentList().entries().at(1), QString::fromLatin1("/home/caf\xe9/x.htm"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/recent.tlx")), before);

    restart();
    window->RecentAdd(QStringLiteral("/new.htm"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/recent.tlx")),
              "/new.htm\r\n" + starter + "\r\n/home/caf\xe9/x.htm\r\n");
}

// A store the reader could not make sense of, or could not read at all:
// the user hears of it once, and the file keeps what it held.
TEST_F(MainWindowTest, GarbledOrUnreadableStoreIsReportedOnceAndKept)
{
    const QByteArray garbage("\x89PNG\r\n\x1a\n\0\0 not settings\n", 24);
    struct Row {
        const char *name;
        std::function<void()> make;
        std::function<bool()> kept;
    } rows[] = {
        {"garbage", [&] { data.write(QStringLiteral("/cfg/user.reg"), garbage); },
         [&] { return data.read(QStringLiteral("/cfg/user.reg")).startsWith(garbage); }},
        {"a folder", [&] { QDir().mkpath(storePath()); }, [&] { return QFileInfo(storePath()).isDir(); }},
    };
    for (const Row &r : rows) {
        window.reset();
        store.reset();
        QDir(data.file(QStringLiteral("/cfg"))).removeRecursively();
        messages.shown.clear();
        r.make();
        MainWindow &w = start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.isEmpty(); }, 1000)) << r.name;
        EXPECT_TRUE(messages.shown.first().text.contains(storePath())) << r.name;
        w.ReadAllSettings(); // as after Preferences OK: no second word
        EXPECT_TRUE(w.close()) << r.name;
        QTest::qWait(20);
        EXPECT_EQ(messages.shown.size(), 1) << r.name << ": " << messages.texts().join('|').toStdString();
        EXPECT_TRUE(r.kept()) << r.name;
    }
}

TEST_F(MainWindowTest, CommandLineFileOpensOnTheSixthTick)
{
    data.write(QStringLiteral("/page.htm"), "<p>hi</p>\r\n");
    MainWindow &w = start(Store::Missing, {data.file(QStringLiteral("/page.htm")), QStringLiteral("ignored")});
    EXPECT_TRUE(w.commandLineOpenPending());
    EXPECT_TRUE(w.documents().isEmpty()); // not at once
    QTest::qWait(12);
    EXPECT_TRUE(w.documents().size() <= 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.documents().isEmpty(); }, 2000));
    EXPECT_FALSE(w.commandLineOpenPending());
    EXPECT_EQ(w.documents().first()->editor()->allText(), QStringLiteral("<p>hi</p>"));
}

TEST_F(MainWindowTest, ExitBeforeTheSixthTickOpensNothing)
{
    data.write(QStringLiteral("/page.htm"), "x");
    MainWindow &w = start(Store::Missing, {data.file(QStringLiteral("/page.htm"))});
    w.exitProgram();
    QTest::qWait(80);
    EXPECT_TRUE(w.documents().isEmpty());
}

TEST_F(MainWindowTest, ArgumentThatIsNoFileIsIgnored)
{
    MainWindow &w = start(Store::Missing, {data.file(QStringLiteral("/absent.htm"))});
    EXPECT_FALSE(w.commandLineOpenPending());
    QTest::qWait(60);
    EXPECT_TRUE(w.documents().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWindowTest, MissingListFileIsReportedAndGivesAnEmptyList)
{
    QFile::remove(data.file(QStringLiteral("/Extensions/qyevents.tlx")));
    MainWindow &w = start();
    EXPECT_TRUE(w.tables().events.isEmpty());
    EXPECT_FALSE(w.tables().namedColors.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.isEmpty(); }, 1000));
    EXPECT_TRUE(messages.shown.first().text.contains(QStringLiteral("qyevents.tlx")));
}

TEST_F(MainWindowTest, CommandsWithoutADocumentDoNothing)
{
    MainWindow &w = start();
    EXPECT_EQ(w.activeEditor(), nullptr);
    w.sidePanel()->insertLine(QStringLiteral("<b>"));
    w.runCommand(QStringLiteral("File.CloseAll"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(w.currentMenuBar(), static_cast<QWidget *>(w.mainMenuBar()));
}

TEST_F(MainWindowTest, ActiveDocumentTakesInsertionsAndItsMenuBar)
{
    MainWindow &w = start();
    DocumentWindow *first = w.NewDocument();
    DocumentWindow *second = w.NewDocument();
    EXPECT_EQ(w.activeDocument(), second);
    EXPECT_EQ(w.currentMenuBar(), static_cast<QWidget *>(second->documentMenuBar()));
    w.sidePanel()->insertLine(QStringLiteral("#FF0000"));
    EXPECT_EQ(second->editor()->allText(), QStringLiteral("\r\n#FF0000"));
    EXPECT_EQ(first->editor()->allText(), QString());
    EXPECT_FALSE(second->isModified());

    // The document window's File > New is the main window's.
    second->trigger(QStringLiteral("File.New"));
    EXPECT_EQ(w.documents().size(), 3);
    w.runCommand(QStringLiteral("File.CloseAll"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.documents().isEmpty(); }, 1000));
    EXPECT_EQ(w.currentMenuBar(), static_cast<QWidget *>(w.mainMenuBar()));
}

TEST_F(MainWindowTest, BrowserPreviewHandsOverOneFileParameter)
{
    // A stand-in browser that writes down what it was given.
    const QString script = data.file(QStringLiteral("/my browser.sh"));
    const QString seen = data.file(QStringLiteral("/seen.txt"));
    data.write(QStringLiteral("/my browser.sh"), ("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + seen + "'\n").toUtf8());
    QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    store = std::make_unique<SettingsStore>(storePath());
    writeFirstRunValues(*store);
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Browser 4"), script);
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Browser 5"), QStringLiteral("/no/such/browser"));
    store->flush();
    store.reset();
    MainWindow &w = start();

    w.browserMenu()->item(3)->trigger(); // no document: nothing at all
    EXPECT_FALSE(QFile::exists(data.file(QStringLiteral("/Tmp.htm"))));

    DocumentWindow *doc = w.NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("<p>draft</p>"));
    w.browserMenu()->item(3)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(seen); }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !test::readBytes(seen).isEmpty(); }, 3000));
    EXPECT_EQ(test::readBytes(seen), ("1|" + data.file(QStringLiteral("/Tmp.htm"))).toUtf8());
    EXPECT_EQ(data.read(QStringLiteral("/Tmp.htm")), QByteArray("<p>draft</p>\r\n"));
    EXPECT_FALSE(QFile::exists(data.file(QStringLiteral("/Prt335.htm"))));

    w.browserMenu()->item(4)->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().kind, MessageKind::Error);
}

TEST_F(MainWindowTest, MinimizeOnPreviewWithoutADocumentOnlyMinimizes)
{
    store = std::make_unique<SettingsStore>(storePath());
    writeFirstRunValues(*store);
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Minimize on Preview"), QStringLiteral("True"));
    store->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Browser 4"), QStringLiteral("/no/such/browser"));
    store->flush();
    store.reset();
    MainWindow &w = start();

    w.browserMenu()->item(3)->trigger(); // a user's browser without a document: nothing at all
    EXPECT_FALSE(w.isMinimized());
    w.browserMenu()->item(2)->trigger(); // Opera: no start, but the program steps aside
    EXPECT_TRUE(w.isMinimized());
    EXPECT_FALSE(QFile::exists(data.file(QStringLiteral("/Prt335.htm"))));
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
