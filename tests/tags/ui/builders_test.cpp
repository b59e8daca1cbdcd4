// The download timer, the CFML expression builder and the JavaScript builder,
// opened through a real document window's own menu items.

#include "common/ui/document_fixture.h"
#include "tags/cfml_builder.h"
#include "tags/download_timer.h"
#include "tags/ui/cfml_builder_dialog.h"
#include "tags/ui/download_timer_dialog.h"
#include "tags/ui/expression_editor.h"
#include "tags/ui/javascript_builder_dialog.h"
#include "tags/ui/tag_commands.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace tagloom;

namespace {

class BuildersTest : public test::DocumentFixture {
protected:
    BuildersTest() : DocumentFixture(true) {}
    void SetUp() override
    {
        registerTagCommands(registry, *this);
        makeWindow();
    }

    DownloadTimerDialog *timer()
    {
        doc->trigger(QStringLiteral("Tools.DownloadTimer"));
        return window<DownloadTimerDialog>("TTimerForm");
    }
    static QStringList results(const DownloadTimerDialog *d)
    {
        QStringList texts;
        for (const QLabel *panel : d->results())
            texts.append(panel->text());
        return texts;
    }

    CfmlBuilderDialog *builder()
    {
        doc->trigger(QStringLiteral("Coding.ColdFusionBuilder"));
        return window<CfmlBuilderDialog>("TColdForm");
    }
    static void clickCategory(CfmlBuilderDialog *d, const char *caption)
    {
        const QList<QTreeWidgetItem *> found =
            d->categories()->findItems(QLatin1String(caption), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << caption;
        d->categories()->scrollToItem(found[0]);
        QTest::mouseClick(d->categories()->viewport(), Qt::LeftButton, {},
                          d->categories()->visualItemRect(found[0]).center());
    }
    static void clickEntry(CfmlBuilderDialog *d, const QString &entry)
    {
        const QList<QListWidgetItem *> found = d->entries()->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        d->entries()->scrollToItem(found[0]);
        QTest::mouseClick(d->entries()->viewport(), Qt::LeftButton, {}, d->entries()->visualItemRect(found[0]).center());
    }
    static void clickOperator(CfmlBuilderDialog *d, const QString &caption)
    {
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->text() == QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"))) {
                b->click();
                return;
            }
        ADD_FAILURE() << "no button " << caption.toStdString();
    }
    QStringList shippedList(const char *leaf)
    {
        return *loadCfmlCategory(*cfmlCategoryFile(folder.path(), QLatin1String(leaf)));
    }
};

TEST_F(BuildersTest, DownloadTimerEstimatesThePageAsItWouldBeSaved)
{
    // Ten lines of 1022 characters and their CR LF: 10240 bytes.
    load(QByteArray(1022, 'a').append("\r\n").repeated(10));
    DownloadTimerDialog *d = timer();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(d->fileSize()->text(), QStringLiteral("10"));
    EXPECT_EQ(results(d), downloadTimes(10240).times);
    EXPECT_EQ(results(d).first(), QStringLiteral("8.53 Secs"));
    EXPECT_EQ(results(d).last(), QStringLiteral("0.60 Secs"));
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());

    // Unsaved edits count; the figures are worked out again on each opening.
    load(QByteArray());
    EXPECT_EQ(timer(), d);
    EXPECT_EQ(d->fileSize()->text(), QStringLiteral("00"));
    EXPECT_EQ(results(d), QStringList(6, QStringLiteral("0.00 Secs")));
}

TEST_F(BuildersTest, NothingOpensWithoutADocumentButTheJavaScriptBuilder)
{
    open = false;
    for (const char *id : {"Tools.DownloadTimer", "Coding.ColdFusionBuilder"})
        EXPECT_TRUE(registry.run(QLatin1String(id))) << id;
    EXPECT_EQ(window<QWidget>("TTimerForm"), nullptr);
    EXPECT_EQ(window<QWidget>("TColdForm"), nullptr);
    EXPECT_TRUE(registry.run(QStringLiteral("Coding.JavaScriptBuilder")));
    ASSERT_NE(window<QDialog>("TJScriptForm"), nullptr);
    EXPECT_TRUE(window<QDialog>("TJScriptForm")->isVisible());
}

TEST_F(BuildersTest, CfmlBuilderComposesFromListsAndOperators)
{
    load("<cfset x = 1>\n<cfoutput>\n</cfoutput>");
    caretAtLine(2);
    CfmlBuilderDialog *d = builder();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(test::itemTexts(d->entries()), QStringList{cfmlChooseTypePrompt()});

    clickCategory(d, "Logical Operators");
    EXPECT_EQ(test::itemTexts(d->entries()), shippedList("Logical Operators"));
    clickCategory(d, "Operators"); // a root changes nothing
    EXPECT_EQ(test::itemTexts(d->entries()), shippedList("Logical Operators"));
    clickCategory(d, "Decision");
    EXPECT_EQ(test::itemTexts(d->entries()), shippedList("Decision"));

    clickEntry(d, QStringLiteral("IsDefined(\"variable_name\")"));
    clickOperator(d, QStringLiteral("+"));
    clickOperator(d, QStringLiteral("not"));
    clickOperator(d, QStringLiteral("'..'"));
    clickOperator(d, QStringLiteral("&"));
    EXPECT_EQ(d->expressionEditor()->toPlainText(), QStringLiteral("IsDefined(\"variable_name\")\n&\n\"..\"\nnot\n+"));
    EXPECT_EQ(d->expressionEditor()->CaretLine(), 1);

    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(lines(), QStringList({"<cfset x = 1>", "<cfoutput>", "IsDefined(\"variable_name\")", "&", "\"..\"",
                                    "not", "+", "</cfoutput>"}));
    EXPECT_EQ(editor().CaretLine(), 2);

    // Shown again, the editor and the list are as they were.
    EXPECT_EQ(builder(), d);
    EXPECT_EQ(d->expressionEditor()->toPlainText(), QStringLiteral("IsDefined(\"variable_name\")\n&\n\"..\"\nnot\n+"));
    EXPECT_EQ(test::itemTexts(d->entries()), shippedList("Decision"));

    // Cancel empties the editor; OK with nothing in it gives one empty line.
    d->cancelButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(d->expressionEditor()->toPlainText().isEmpty());
    caretAtLine(1);
    builder()->okButton()->click();
    EXPECT_EQ(lines().mid(0, 3), QStringList({"<cfset x = 1>", "", "<cfoutput>"}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(BuildersTest, CfmlBuilderTakesThePromptAndWarnsAboutAnEmptyList)
{
    CfmlBuilderDialog *d = builder();
    ASSERT_NE(d, nullptr);
    clickEntry(d, cfmlChooseTypePrompt());
    EXPECT_EQ(d->expressionEditor()->toPlainText(), cfmlChooseTypePrompt());

    // A category file that is gone: the list stays empty and says why.
    ASSERT_TRUE(QFile::remove(*cfmlCategoryFile(folder.path(), QStringLiteral("List"))));
    clickCategory(d, "List");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("list.cfx"))) << messages.shown[0].text.toStdString();
    EXPECT_EQ(d->entries()->count(), 0);

    QTest::mouseClick(d->entries()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[1].text, cfmlSelectTypeWarning());
    EXPECT_EQ(d->expressionEditor()->toPlainText(), cfmlChooseTypePrompt());
}

TEST_F(BuildersTest, CfmlBuilderWithoutADocumentKeepsItsExpression)
{
    load("<p>");
    CfmlBuilderDialog *d = builder();
    ASSERT_NE(d, nullptr);
    clickOperator(d, QStringLiteral("(..)"));
    open = false;
    d->okButton()->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->expressionEditor()->toPlainText(), QStringLiteral("(..)"));
    EXPECT_EQ(text(), QStringLiteral("<p>"));
}

TEST_F(BuildersTest, JavaScriptBuilderOffersItsActionsAndOnlyCancelActs)
{
    load("<p>");
    doc->trigger(QStringLiteral("Coding.JavaScriptBuilder"));
    auto *d = window<QDialog>("TJScriptForm");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    auto *menu = d->findChild<QMenu *>(QStringLiteral("ActionMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (const QAction *a : menu->actions())
        items.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, QStringList({"Function", "-", "Go To", "Show Window", "-", "Write", "-", "If", "Loop", "-",
                                  "Set Property", "Set Variable"}));
    // Beside the action button, three buttons wait for actions to work on.
    const QToolButton *add = static_cast<JavaScriptBuilderDialog *>(d)->addActionButton();
    EXPECT_EQ(add->menu(), menu);
    int disabled = 0;
    for (const QToolButton *b : add->parentWidget()->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        disabled += b->isEnabled() ? 0 : 1;
    EXPECT_EQ(disabled, 3);

    menu->actions().first()->trigger();
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    for (QPushButton *b : d->findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("&OK"))
            ok = b;
        if (b->text() == QLatin1String("&Cancel"))
            cancel = b;
    }
    ASSERT_TRUE(ok && cancel);
    ok->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(text(), QStringLiteral("<p>"));
    cancel->click();
    EXPECT_FALSE(d->isVisible());
}

} // namespace
