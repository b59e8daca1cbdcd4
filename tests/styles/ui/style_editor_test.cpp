// Quenby Hueloom opened through the Tools menu of a real document window.

#include "common/ui/document_fixture.h"
#include "styles/ui/style_commands.h"
#include "styles/ui/style_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <Qsci/qsciscintilla.h>

using namespace tagloom;

namespace {

class StyleEditorTest : public test::DocumentFixture {
protected:
    StyleEditorTest() : DocumentFixture(true) {}
    void SetUp() override
    {
        registerStyleCommands(registry, *this);
        makeWindow();
    }
    StyleEditor *open()
    {
        doc->trigger(QStringLiteral("Tools.StyleEditor"));
        return window<StyleEditor>("TStyleForm");
    }
    static void click(StyleEditor *e, const char *caption)
    {
        for (QPushButton *b : e->findChildren<QPushButton *>())
            if (b->text() == QLatin1String(caption))
                return b->click();
        ADD_FAILURE() << caption;
    }
    static void set(StyleEditor *e, const char *name, const char *value)
    {
        if (auto *box = e->findChild<QComboBox *>(QLatin1String(name)))
            return box->setEditText(QLatin1String(value));
        auto *text = e->findChild<QLineEdit *>(QLatin1String(name));
        ASSERT_NE(text, nullptr) << name;
        text->setText(QLatin1String(value));
    }
    static QStringList paneLines(StyleEditor *e) { return e->pane()->text().split(QStringLiteral("\r\n")); }
};

TEST_F(StyleEditorTest, PagesAndItems)
{
    StyleEditor *e = open();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Quenby Hueloom"));
    EXPECT_FALSE(e->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto *tabs = e->findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr);
    QStringList pages;
    for (int i = 0; i < tabs->count(); ++i)
        pages << tabs->tabText(i);
    EXPECT_EQ(pages, QStringList({"Text", "Box", "Positioning", "List", "Border", "Block"}));
    auto *width = e->findChild<QComboBox *>(QStringLiteral("BorderLeftWidth"));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->itemText(0), QStringLiteral("(custom]"));
    EXPECT_EQ(e->findChild<QComboBox *>(QStringLiteral("ComboBox971"))->currentText(), QStringLiteral("Choose..."));
    EXPECT_EQ(e->findChild<QComboBox *>(QStringLiteral("ComboBox9717"))->currentText(),
              QStringLiteral("Cascading Style Sheets Level 1"));
    EXPECT_TRUE(e->completionEntries().contains(QStringLiteral("font-size")));
}

TEST_F(StyleEditorTest, GenerateAppendsBlocksAfterWhatThePaneHolds)
{
    StyleEditor *e = open();
    ASSERT_NE(e, nullptr);
    click(e, "Generate");
    QStringList lines = paneLines(e);
    EXPECT_EQ(lines.first(), QStringLiteral("Choose... {"));
    EXPECT_EQ(lines.at(38), QStringLiteral("white-space: ;"));
    EXPECT_EQ(lines.at(39), QStringLiteral(" }"));

    set(e, "ComboBox971", "P");
    set(e, "FontSize", "small");
    set(e, "BorderTopWidth", "thin");
    set(e, "BorderTopUnit", "px");
    // Typed text after the block, with no line break: the next block starts on a line of its own.
    e->pane()->append(QStringLiteral("/* mine */"));
    click(e, "Generate");
    lines = paneLines(e);
    EXPECT_EQ(lines.at(40), QStringLiteral("/* mine */"));
    EXPECT_EQ(lines.mid(41, 4), QStringList({"P {", "font-size : small;", "font-weight : ;", "color : ;"}));
    EXPECT_EQ(lines.at(41 + 31), QStringLiteral("border-color:    ;"));
    EXPECT_EQ(lines.at(41 + 32), QStringLiteral("border-top-width: thinpx;"));
    EXPECT_EQ(lines.at(41 + 33), QStringLiteral("border-right-width: ;"));
    EXPECT_EQ(lines.at(41 + 39), QStringLiteral(" }"));
}

TEST_F(StyleEditorTest, ReopeningClearsThePaneAndKeepsFieldsAndFilter)
{
    StyleEditor *e = open();
    ASSERT_NE(e, nullptr);
    set(e, "FontSize", "large");
    auto *filter = e->findChild<QComboBox *>(QStringLiteral("ComboBox9717"));
    click(e, "Generate");
    // Changing the filter leaves the text alone and changes the list.
    const QString before = e->pane()->text();
    filter->setCurrentText(QStringLiteral("Internet Explorer 5"));
    emit filter->textActivated(filter->currentText());
    EXPECT_EQ(e->pane()->text(), before);
    EXPECT_TRUE(e->completionEntries().contains(QStringLiteral("zoom")));

    click(e, "Quit");
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(e->pane()->text(), before); // kept until the next showing
    EXPECT_EQ(open(), e);
    EXPECT_TRUE(e->pane()->text().isEmpty());
    EXPECT_EQ(e->findChild<QComboBox *>(QStringLiteral("FontSize"))->currentText(), QStringLiteral("large"));
    EXPECT_EQ(filter->currentText(), QStringLiteral("Internet Explorer 5"));
    EXPECT_TRUE(e->completionEntries().contains(QStringLiteral("zoom")));
}

TEST_F(StyleEditorTest, SaveWritesThePaneWithCrLfAndAsksBeforeOverwriting)
{
    StyleEditor *e = open();
    ASSERT_NE(e, nullptr);
    e->pane()->setText(QStringLiteral("P {\ncolor : red;\n }"));
    test::FileDialogStandIn files;
    files.answers.push_back(QString()); // cancelled: nothing written
    files.answers.push_back(folder.file(QStringLiteral("/site.css")));
    click(e, "Save");
    click(e, "Save");
    ASSERT_EQ(files.requests.size(), 2);
    const FileDialogRequest &request = files.requests.first();
    EXPECT_EQ(request.title, QStringLiteral("Save As Cascading Style Sheet"));
    EXPECT_EQ(request.filters, QStringList{QStringLiteral("CSS Files (*.css)|*.css")});
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("css"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(folder.read(QStringLiteral("/site.css")), QByteArray("P {\r\ncolor : red;\r\n }\r\n"));
}

TEST_F(StyleEditorTest, CompletionOffersTheFilteredWordsAndReplacesTheToken)
{
    StyleEditor *e = open();
    ASSERT_NE(e, nullptr);
    e->pane()->setText(QStringLiteral("P { list-style-t"));
    e->pane()->setCursorPosition(0, 16);
    e->showCompletions();
    EXPECT_TRUE(e->pane()->isListActive());
    emit e->pane()->userListActivated(1, QStringLiteral("list-style-type"));
    EXPECT_EQ(e->pane()->text(), QStringLiteral("P { list-style-type"));
}

} // namespace
