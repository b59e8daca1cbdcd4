#include "base/data_folder.h"
#include "base/list_file.h"
#include "vocabulary/ui/side_panel.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A side panel beside one editor in one window, the way the main window
// holds them; `document` switches the active document on and off.
class SidePanelPagesTest : public ::testing::Test {
protected:
    SidePanelPagesTest()
    {
        auto *layout = new QHBoxLayout(&host);
        panel = new SidePanel([this] { return document ? static_cast<EditorOperations *>(editor) : nullptr; });
        panel->setDataFolder(data.path());
        editor = new CodeEditor;
        layout->addWidget(panel);
        layout->addWidget(editor);
        editor->ReplaceSelection(QStringLiteral("x"));
    }
    QTreeWidgetItem *object(const QString &text) const
    {
        const QList<QTreeWidgetItem *> found =
            panel->objectsTree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void showHost()
    {
        host.resize(600, 400);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    test::TempDataFolder data;
    test::MessageRecorder messages;
    QWidget host;
    SidePanel *panel = nullptr;
    CodeEditor *editor = nullptr;
    bool document = true;
};

TEST_F(SidePanelPagesTest, SevenPagesInOrder)
{
    QStringList titles;
    for (int i = 0; i < panel->pages()->count(); ++i)
        titles.append(panel->pages()->tabText(i));
    EXPECT_EQ(titles, QStringList({"Events", "Objects", "Tags", "Snippets", "Characters", "Results", "Named Colors"}));
}

// At the panel's width every page name shows whole, without scroll arrows,
// and the names and the pages follow each other.
TEST_F(SidePanelPagesTest, PageNamesFitTheNarrowPanel)
{
    showHost();
    panel->setFixedWidth(189);
    QApplication::processEvents();
    QStringList shown;
    QHash<QString, QToolButton *> byName;
    for (QToolButton *name : panel->findChildren<QToolButton *>()) {
        if (!name->isVisible() || !name->isCheckable())
            continue;
        shown.append(name->text());
        byName.insert(name->text(), name);
        const QRect inPanel(name->mapTo(panel, QPoint(0, 0)), name->size());
        EXPECT_TRUE(panel->rect().contains(inPanel)) << name->text().toStdString();
        EXPECT_GE(name->width(), name->sizeHint().width()) << name->text().toStdString();
    }
    shown.sort();
    EXPECT_EQ(shown, QStringList({"Characters", "Events", "Named Colors", "Objects", "Results", "Snippets", "Tags"}));
    EXPECT_FALSE(panel->pages()->tabBar()->isVisible());

    ASSERT_TRUE(byName.contains(QStringLiteral("Results")) && byName.contains(QStringLiteral("Tags")));
    byName.value(QStringLiteral("Results"))->click();
    EXPECT_EQ(panel->pages()->currentIndex(), 5);
    panel->pages()->setCurrentIndex(2);
    EXPECT_TRUE(byName.value(QStringLiteral("Tags"))->isChecked());
    EXPECT_FALSE(byName.value(QStringLiteral("Results"))->isChecked());
}

TEST_F(SidePanelPagesTest, ObjectNodesInsertTheirOwnTextBelowTheCaretLine)
{
    struct Row {
        const char *node;
        const char *parent; // nullptr: a top-level group
    };
    const Row rows[] = {{"Math.PI", "Math"}, {"Window", nullptr}, {"Document", "Window"},
                        {"document.form.target", "Form"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.node);
        editor->loadText(editorTextFromFile("x"), TextEncoding::Utf8);
        QTreeWidgetItem *item = object(QLatin1String(row.node));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->parent() ? item->parent()->text(0) : QString(), QLatin1String(row.parent));
        emit panel->objectsTree()->itemDoubleClicked(item, 0);
        EXPECT_EQ(editor->allText(), QStringLiteral("x\r\n") + QLatin1String(row.node));
        EXPECT_EQ(editor->CaretLine(), 1);
    }
    document = false;
    emit panel->objectsTree()->itemDoubleClicked(object(QStringLiteral("Math.E")), 0);
    EXPECT_EQ(editor->LineCount(), 2);
}

TEST_F(SidePanelPagesTest, TagsShowTheChosenTagsAttributesSortedAndIgnoreUnknownNames)
{
    QComboBox *box = panel->tagBox();
    EXPECT_EQ(box->currentText(), QStringLiteral("Select a Tag..."));
    writeListFile(data.file(QStringLiteral("/Extensions/Attr/A.tlx")), {"name", "href", "accesskey"});
    box->setCurrentIndex(box->findText(QStringLiteral("A")));
    const QStringList sorted{"accesskey", "href", "name"};
    EXPECT_EQ(test::itemTexts(panel->attributesList()), sorted);

    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("QQ"));
    EXPECT_EQ(box->currentText(), QStringLiteral("QQ"));
    const QStringList after = test::itemTexts(panel->attributesList());
    EXPECT_TRUE(after == sorted || after.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(box->count(), 43); // typing adds no names
}

TEST_F(SidePanelPagesTest, EveryTagNameHasAShippedAttributeList)
{
    QComboBox *box = panel->tagBox();
    for (int i = 0; i < box->count(); ++i) {
        const QString tag = box->itemText(i);
        box->setCurrentIndex(i);
        Result<QStringList> file =
            readListFile(data.file(QLatin1String(DataPath::AttrFolder) + tag + QStringLiteral(".tlx")));
        ASSERT_TRUE(file && !file->isEmpty()) << tag.toStdString();
        (*file).sort();
        EXPECT_EQ(test::itemTexts(panel->attributesList()), *file) << tag.toStdString();
    }
}

TEST_F(SidePanelPagesTest, EmptyEventsListSaysSoEvenWithoutADocument)
{
    document = false;
    showHost();
    QTest::mouseDClick(panel->eventsList()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No events available."));
}

TEST_F(SidePanelPagesTest, EventDoubleClickInsertsAndHandsFocusToTheEditor)
{
    VocabularyTables tables;
    tables.events = QStringList({"onblur=\"\"", "onclick=\"\""});
    panel->setTables(tables);
    panel->pages()->setCurrentWidget(panel->eventsList());
    showHost();
    QListWidget *events = panel->eventsList();
    events->setFocus();

    const QPoint second = events->visualItemRect(events->item(1)).center();
    QTest::mouseClick(events->viewport(), Qt::LeftButton, {}, second); // a real double-click starts with a press
    QTest::mouseDClick(events->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(editor->allText(), QStringLiteral("x\r\nonclick=\"\""));
    EXPECT_EQ(host.focusWidget(), editor);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Nothing selected: nothing to insert.
    events->clearSelection();
    events->setCurrentItem(nullptr);
    QTest::mouseDClick(events->viewport(), Qt::LeftButton, {}, QPoint(5, events->viewport()->height() - 5));
    EXPECT_EQ(editor->LineCount(), 2);
}

} // namespace
