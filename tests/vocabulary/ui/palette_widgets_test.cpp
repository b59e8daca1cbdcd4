#include "vocabulary/ui/palette_strip.h"
#include "document/ui/code_editor.h"
#include "vocabulary/ui/format_bar.h"
#include "vocabulary/ui/palette_pages.h"
#include "vocabulary/palette_tables.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class PaletteWidgetsTest : public ::testing::Test {
protected:
    PaletteWidgetsTest()
    {
        load("a");
        PaletteHooks hooks;
        hooks.activeEditor = [this]() -> EditorOperations * { return documentOpen ? &editor : nullptr; };
        hooks.hasCommand = [](const QString &id) {
            return id == QLatin1String("Palette.Common.Image") || id == QLatin1String("Palette.WML.Card");
        };
        hooks.runCommand = [this](const QString &id) { ran.append(id); };
        fillPalettePages(&strip, hooks);
    }
    void load(const char *text) { editor.loadText(editorTextFromFile(QByteArray(text)), TextEncoding::Utf8); }
    QAction *action(const char *id) const { return strip.findChild<QAction *>(QLatin1String(id)); }
    QComboBox *tagBox() const { return strip.findChild<QComboBox *>(QStringLiteral("Palette.ColdFusion.Tags")); }
    void closeBox(QDockWidget *dock)
    {
        dock->close();
        QCoreApplication::processEvents();
    }

    PaletteStrip strip;
    CodeEditor editor;
    bool documentOpen = true;
    QStringList ran;
};

TEST_F(PaletteWidgetsTest, EveryEntryHasItsButtonOrItem)
{
    for (const PalettePageTable &page : palettePageTables()) {
        std::function<void(const QList<PaletteEntry> &)> check = [&](const QList<PaletteEntry> &entries) {
            for (const PaletteEntry &e : entries) {
                if (e.action == PaletteAction::Separator)
                    continue;
                const bool found = e.action == PaletteAction::TagChoice
                                       ? tagBox() != nullptr
                                       : strip.findChild<QObject *>(e.id) != nullptr;
                EXPECT_TRUE(found) << e.id.toStdString();
                check(e.items);
            }
        };
        check(page.entries);
    }
    QAction *image = action("Palette.Common.Image");
    EXPECT_FALSE(image->icon().isNull());
    EXPECT_EQ(image->toolTip(),
              QStringLiteral("Insert an Image\n- Use this feature to add an image to your \nHTML documents."));
    // Drop-down-only buttons open their menu and run nothing themselves.
    QMenu *extras = action("Palette.SSI.Extras")->menu();
    ASSERT_NE(extras, nullptr);
    EXPECT_EQ(extras->actions().size(), 5);
    EXPECT_EQ(extras->actions().at(4)->menu()->title(), QStringLiteral("File Size"));
}

TEST_F(PaletteWidgetsTest, ButtonsInsertIntoTheActiveDocument)
{
    load("1\n2\n3\n4\n5");
    editor.SetCaretLine(3);
    action("Palette.Tables.Tr")->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("1\r\n2\r\n3\r\n<tr></tr>\r\n4\r\n5"));
    EXPECT_EQ(editor.CaretLine(), 3);

    load("x");
    action("Palette.SSI.Extras.Include.Virtual")->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("x\r\n<!--#include virtual =\"\" -->"));
}

TEST_F(PaletteWidgetsTest, WithoutADocumentNothingHappens)
{
    documentOpen = false;
    const QString before = editor.allText();
    for (QAction *a : strip.findChildren<QAction *>())
        if (a->objectName().startsWith(QLatin1String("Palette.")) && a->isEnabled())
            a->trigger();
    EXPECT_EQ(editor.allText(), before);
    EXPECT_FALSE(editor.isModifiedFlag());
    // The image dialog may open without a document; the WML card may not.
    EXPECT_EQ(ran, QStringList{QStringLiteral("Palette.Common.Image")});
}

TEST_F(PaletteWidgetsTest, DialogEntriesFollowTheirCommands)
{
    EXPECT_FALSE(action("Palette.Common.Rollover")->isEnabled());
    EXPECT_FALSE(action("Palette.Tables.Table")->isEnabled());
    EXPECT_FALSE(action("Palette.PHP.Vars")->isEnabled());
    EXPECT_TRUE(action("Palette.Common.Anchor")->isEnabled());
    action("Palette.WML.Card")->trigger();
    EXPECT_EQ(ran, QStringList{QStringLiteral("Palette.WML.Card")});
    EXPECT_EQ(editor.allText(), QStringLiteral("a")); // the dialog inserts, not the button
}

TEST_F(PaletteWidgetsTest, PlusInsertsTheTagBoxTextAsItStands)
{
    QAction *plus = action("Palette.ColdFusion.Add");
    struct Step {
        const char *name;
        std::function<void(QComboBox *)> choose;
        QString expected;
    };
    const Step steps[] = {
        {"NothingChosen", [](QComboBox *) {}, QStringLiteral("ColdFusion Tags...")},
        {"SecondItem", [](QComboBox *b) { b->setCurrentIndex(1); },
         QStringLiteral("<cfapplication name=\"\" clientmanagement=\"yes|no\">")},
        {"Typed", [](QComboBox *b) { b->setEditText(QStringLiteral("<cfx_mine>")); }, QStringLiteral("<cfx_mine>")},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        load("top");
        s.choose(tagBox());
        plus->trigger();
        EXPECT_EQ(editor.allText(), QStringLiteral("top\r\n") + s.expected);
    }
    EXPECT_EQ(tagBox()->count(), 38); // typing added nothing
}

TEST_F(PaletteWidgetsTest, FloatingHidesTheTabAndTheCloseBoxDocksItBack)
{
    const QString frames = QStringLiteral("Frames");
    QDockWidget *dock = strip.paletteDock(frames);
    ASSERT_EQ(dock->widget(), strip.toolbar(frames));
    EXPECT_TRUE(dock->windowTitle().isEmpty()); // docked, the narrow grip shows no clipped title

    dock->setFloating(true); // what dragging it off the page ends in
    EXPECT_FALSE(dock->windowTitle().isEmpty());
    EXPECT_TRUE(strip.isFloating(frames));
    EXPECT_FALSE(strip.isPageShown(frames));
    EXPECT_FALSE(strip.shownState().value(frames)); // written as off if it floats at Exit
    EXPECT_TRUE(strip.paletteMenu()->actions().at(1)->isChecked());
    EXPECT_TRUE(dock->features() & QDockWidget::DockWidgetClosable);

    closeBox(dock);
    EXPECT_FALSE(strip.isFloating(frames));
    EXPECT_TRUE(strip.isPageShown(frames));
    EXPECT_TRUE(dock->isVisibleTo(&strip));
    EXPECT_EQ(strip.currentWidget(), dock->parentWidget());
    EXPECT_FALSE(dock->features() & QDockWidget::DockWidgetClosable);
    EXPECT_TRUE(dock->windowTitle().isEmpty());

    // The buttons still work after the round trip.
    load("x");
    action("Palette.Frames.Frame")->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("x\r\n<frame>"));
}

TEST_F(PaletteWidgetsTest, MenuTickShowsAndHidesPages)
{
    const QString frames = QStringLiteral("Frames");
    QAction *item = strip.paletteMenu()->actions().at(1);
    ASSERT_EQ(item->text(), frames);
    item->trigger();
    EXPECT_FALSE(strip.isPageShown(frames));
    EXPECT_FALSE(strip.shownState().value(frames));
    EXPECT_TRUE(strip.shownState().value(QStringLiteral("Tables")));

    // Showing a floating palette's page brings the palette home first.
    item->trigger();
    strip.paletteDock(frames)->setFloating(true);
    strip.setPageShown(frames, true);
    EXPECT_FALSE(strip.isFloating(frames));
    EXPECT_TRUE(strip.isPageShown(frames));
}

TEST(FormatBar, ControlsGoInFrontAndInsertThroughTheEditor)
{
    CodeEditor editor;
    EditorOperations *active = &editor;
    QToolBar bar;
    QAction *external = bar.addAction(QStringLiteral("External Editor"));
    QAction *quickStart = bar.addAction(QStringLiteral("Help and More..."));
    const FormatBarControls c = addFormatControls(&bar, [&active] { return active; });
    EXPECT_EQ(bar.actions().last(), quickStart);
    EXPECT_EQ(bar.actions().at(bar.actions().size() - 2), external);
    EXPECT_EQ(c.font->currentText(), QStringLiteral("Verdana, Arial, Helvetica, sans-serif"));
    EXPECT_EQ(c.size->currentText(), QStringLiteral("+2"));
    EXPECT_EQ(c.font->itemText(0), QStringLiteral("Arial, Helvetica, sans-serif"));

    auto load = [&editor](const char *text) {
        editor.loadText(editorTextFromFile(QByteArray(text)), TextEncoding::Utf8);
    };
    load("ab");
    editor.SetCaretColumn(2);
    c.apply->trigger(); // nothing selected: the starting texts
    EXPECT_EQ(editor.allText(),
              QStringLiteral("a<FONT face=\"Verdana, Arial, Helvetica, sans-serif\" size=\"+2\"></font>b"));

    load("x");
    editor.setSelection(0, 0, 0, 1);
    c.font->setEditText(QStringLiteral("Arial"));
    c.size->setCurrentText(QStringLiteral("-1"));
    c.apply->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("<FONT face=\"Arial\" size=\"-1\">x</font>"));

    // Typed from the keyboard, the texts are used as typed, not completed
    // to a list item that starts with them.
    load("y");
    editor.setSelection(0, 0, 0, 1);
    bar.show();
    bar.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));
    c.font->setFocus();
    c.font->lineEdit()->clear();
    QTest::keyClicks(c.font, QStringLiteral("Arial"));
    c.size->setFocus();
    c.size->lineEdit()->clear();
    QTest::keyClicks(c.size, QStringLiteral("-1"));
    c.apply->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("<FONT face=\"Arial\" size=\"-1\">y</font>"));

    load("cat");
    editor.setSelection(0, 0, 0, 3);
    c.underline->trigger();
    c.rule->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("<U>cat</u>\r\n<HR>"));

    active = nullptr;
    for (QAction *a : {c.apply, c.bold, c.italic, c.underline, c.rule})
        a->trigger();
    EXPECT_EQ(editor.allText(), QStringLiteral("<U>cat</u>\r\n<HR>"));
}

} // namespace
