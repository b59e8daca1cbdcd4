// The tag dialogs driven as a user drives them: opened by the document
// window's own menu items, filled, and confirmed, on a real document window.

#include "base/ui/up_down_edit.h"
#include "common/ui/document_fixture.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/markup_dialog.h"
#include "tags/ui/tag_commands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <Qsci/qscilexer.h>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class TagDialogsTest : public test::DocumentFixture {
protected:
    void SetUp() override
    {
        registerTagCommands(registry, *this);
        makeWindow();
    }
    static MarkupDialog *dialog(const char *name) { return window<MarkupDialog>(name); }
    static void set(QWidget *d, const char *field, const char *value)
    {
        DocumentFixture::set(d, field, QString::fromUtf8(value));
    }
};

TEST_F(TagDialogsTest, ImageGoesBelowTheCaretLineAndReopensEmpty)
{
    load("<p>\n</p>");
    caretAtLine(1);
    MarkupDialog *image = run("Insert.Image", "TImageForm");
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(field(image, "EditBorder"), QStringLiteral("0"));
    set(image, "EditSrc", "pics/logo.gif");
    set(image, "EditHeight", "40");
    set(image, "EditWidth", "120");
    set(image, "EditAltText", "Logo");
    set(image, "EditAlign", "center");
    image->okButton()->click();
    EXPECT_FALSE(image->isVisible());
    EXPECT_EQ(text(), QStringLiteral("<p>\r\n<p align=\"center\"><img src=\"pics/logo.gif\" height=\"40\" width=\"120\" "
                                     "alt=\"Logo\" border=\"0\"></p>\r\n</p>"));

    // Reopened: every field as first shown, whatever was typed before.
    EXPECT_EQ(run("Insert.Image", "TImageForm"), image);
    EXPECT_EQ(field(image, "EditSrc"), QString());
    EXPECT_EQ(field(image, "EditAlign"), QString());
    EXPECT_EQ(field(image, "EditBorder"), QStringLiteral("0"));

    // No picture: a warning, and the tag all the same.
    image->okButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("You have not specifed an picture.")});
    EXPECT_TRUE(text().contains(QStringLiteral("\r\n<img src=\"\" border=\"0\">\r\n")));
}

TEST_F(TagDialogsTest, BrowseMeasuresThePictureOrSaysWhyNot)
{
    QImage picture(32, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString good = folder.file(QStringLiteral("/wide.bmp"));
    ASSERT_TRUE(picture.save(good));
    const QString bad = folder.file(QStringLiteral("/broken.gif"));
    folder.write(QStringLiteral("/broken.gif"), "not a picture");

    load("");
    MarkupDialog *image = run("Insert.Image", "TImageForm");
    test::FileDialogStandIn files;
    files.answers = {good, bad};
    QPushButton *browse = nullptr;
    for (QPushButton *b : image->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("Browse"))
            browse = b;
    ASSERT_NE(browse, nullptr);
    browse->click();
    EXPECT_EQ(field(image, "EditSrc"), good);
    EXPECT_EQ(field(image, "EditHeight"), QStringLiteral("16"));
    EXPECT_EQ(field(image, "EditWidth"), QStringLiteral("32"));
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Insert Image..."));

    browse->click();
    EXPECT_EQ(field(image, "EditSrc"), bad); // the path stays, the size too
    EXPECT_EQ(field(image, "EditWidth"), QStringLiteral("32"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
}

TEST_F(TagDialogsTest, EditCurrentTagRewritesTheSelectedImageTag)
{
    load("<p>\n<img src=\"logo.gif\" alt=\"Logo\" align=\"left\">\n</p>");
    select(QStringLiteral("<img src=\"logo.gif\" alt=\"Logo\" align=\"left\">"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    MarkupDialog *image = dialog("TImageForm");
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->isVisible());
    EXPECT_TRUE(image->isEditMode());
    EXPECT_EQ(field(image, "EditSrc"), QStringLiteral("logo.gif"));
    EXPECT_EQ(field(image, "EditAltText"), QStringLiteral("Logo"));
    EXPECT_EQ(field(image, "EditBorder"), QStringLiteral("0"));
    EXPECT_EQ(field(image, "EditAlign"), QString()); // align has no field: it is lost
    image->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<p>\r\n<img src=\"logo.gif\" alt=\"Logo\" border=\"0\">\r\n</p>"));

    // From the menu the dialog is never in edit mode: a new line again.
    run("Insert.Image", "TImageForm");
    EXPECT_FALSE(image->isEditMode());
}

TEST_F(TagDialogsTest, AVisibleDialogKeepsTheFieldsTheTagDoesNotName)
{
    load("<img src=\"a.gif\">");
    MarkupDialog *image = run("Insert.Image", "TImageForm");
    set(image, "EditHeight", "5");
    select(QStringLiteral("<img src=\"a.gif\">"));
    doc->trigger(QStringLiteral("Context.EditTag"));
    EXPECT_EQ(field(image, "EditSrc"), QStringLiteral("a.gif"));
    EXPECT_EQ(field(image, "EditHeight"), QStringLiteral("5"));
}

TEST_F(TagDialogsTest, EditCurrentTagOnHyperlinks)
{
    load("<A HREF=x.htm>Home</A>\n<a href = \"y.htm\">Away</a>");
    select(QStringLiteral("<A HREF=x.htm>"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    MarkupDialog *link = dialog("TLinkForm");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(field(link, "EditLink"), QStringLiteral("x.htm"));
    set(link, "EditTarget", "_top");
    link->okButton()->click();
    // Only the opening tag is rewritten; the text and closing tag stay.
    EXPECT_TRUE(text().startsWith(QStringLiteral("<a href=\"x.htm\" target=\"_top\">Home</A>\r\n")));

    // Spaces around "=" leave HREF without a value: an empty link, refused.
    select(QStringLiteral("<a href = \"y.htm\">"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    EXPECT_TRUE(link->isVisible());
    EXPECT_EQ(field(link, "EditLink"), QString());
    link->okButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please specify a file to link to")});
    EXPECT_TRUE(link->isVisible());
    EXPECT_TRUE(text().endsWith(QStringLiteral("<a href = \"y.htm\">Away</a>")));
}

TEST_F(TagDialogsTest, EditCurrentTagIgnoresWhatHasNoDialogAndAsksForASelection)
{
    load("<font face=\"Arial\"> <a> text");
    for (const char *what : {"<font face=\"Arial\">", "<a>", "text"}) {
        select(QString::fromUtf8(what));
        doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<MarkupDialog *>(w) && w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());

    editor().setCursorPosition(0, 0);
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Please select a tag.  For example \n<a href=\"..\" style=\"..\">\nbut not the closing tag.")});
}

TEST_F(TagDialogsTest, AppletInEditModeIsReplacedInPlace)
{
    load("<applet code=\"Old.class\" width=\"1\">\n</applet>");
    select(QStringLiteral("<applet code=\"Old.class\" width=\"1\">"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    MarkupDialog *applet = dialog("TJavaForm");
    ASSERT_NE(applet, nullptr);
    EXPECT_EQ(field(applet, "EditApplet"), QStringLiteral("Old.class"));
    set(applet, "EditApplet", "Clock.class");
    set(applet, "EditHeight", "50");
    set(applet, "EditWidth", "200");
    applet->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<applet code=\"Clock.class\" width=\"200\" height=\"50\">\r\n</applet>"));

    // Without an applet: refused, and the dialog stays.
    run("Insert.Applet", "TJavaForm");
    applet->okButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("You have not specifed an applet.")});
    EXPECT_TRUE(applet->isVisible());
}

TEST_F(TagDialogsTest, NavigationRowsFollowTheCountAndTheirDraggedOrder)
{
    load("<body>");
    MarkupDialog *nav = run("Insert.NavigationMenu", "TNavigationForm");
    ASSERT_NE(nav, nullptr);
    auto *grid = nav->findChild<QTableWidget *>(QStringLiteral("NavGrid"));
    auto *textField = nav->findChild<QLineEdit *>(QStringLiteral("EditText"));
    auto *linkField = nav->findChild<QLineEdit *>(QStringLiteral("EditLink"));
    EXPECT_EQ(grid->rowCount(), 1);
    set(nav, "EditItems", "3");
    EXPECT_EQ(grid->rowCount(), 3);
    set(nav, "EditItems", "x"); // no count: the rows stay
    set(nav, "EditItems", "");
    EXPECT_EQ(grid->rowCount(), 3);

    const char *rows[][2] = {{"Home", "index.html"}, {"Contact", "contact.html"}};
    for (int row = 0; row < 2; ++row) {
        grid->setCurrentCell(row, 0);
        QTest::keyClicks(textField, QString::fromUtf8(rows[row][0]));
        QTest::keyClicks(linkField, QString::fromUtf8(rows[row][1]));
    }
    grid->setCurrentCell(0, 0); // clicking a row loads it into the fields
    EXPECT_EQ(textField->text(), QStringLiteral("Home"));
    EXPECT_EQ(linkField->text(), QStringLiteral("index.html"));

    grid->verticalHeader()->moveSection(1, 0); // Contact dragged above Home
    set(nav, "EditName", "nav");
    nav->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<body>\r\n<form>\r\n<select name=\"nav\" onChange='top.location.href=this.form.nav"
                                     ".options[this.form.nav.selectedIndex].value'>\r\n<option value='#'>Select Item\r\n"
                                     "<option value=\"contact.html\">Contact\r\n<option value=\"index.html\">Home\r\n"
                                     "<option value=\"\">\r\n</select>\r\n</form>"));

    run("Insert.NavigationMenu", "TNavigationForm");
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(field(nav, "EditItems"), QStringLiteral("1"));
    EXPECT_EQ(grid->item(0, 0) ? grid->item(0, 0)->text() : QString(), QString());
}

TEST_F(TagDialogsTest, TableKeepsItsCellsButNotItsSizes)
{
    load("<body>");
    MarkupDialog *table = run("Insert.Table", "TTableForm");
    ASSERT_NE(table, nullptr);
    auto *grid = table->findChild<QTableWidget *>(QStringLiteral("Grid2"));
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->columnCount(), 3);
    grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Name")));
    grid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("Age")));
    grid->setItem(1, 0, new QTableWidgetItem(QStringLiteral("Ann")));
    grid->setItem(1, 1, new QTableWidgetItem(QStringLiteral("31")));
    set(table, "EditCols", "2");
    set(table, "EditCols", "two"); // not a size: the grid stays
    EXPECT_EQ(grid->columnCount(), 2);
    set(table, "EditRows", "2");
    grid->horizontalHeader()->moveSection(1, 0); // Age before Name
    table->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<body>\r\n<!-- INSERT HTML //-->\r\n<table width=\"0\" height=\"0\" border=\"0\">\r\n"
                                     "<tr>\r\n<th nowrap>Age</th>\r\n<th nowrap>Name</th>\r\n</tr>\r\n<tr>\r\n"
                                     "<td nowrap>31</td>\r\n<td nowrap>Ann</td>\r\n</tr>\r\n</table><p>\r\n<p>\r\n"
                                     "<!--END INSERT //-->"));

    // Reopened: 3 by 3 again, the cells as typed (the third column too).
    run("Insert.Table", "TTableForm");
    EXPECT_EQ(field(table, "EditCols"), QStringLiteral("3"));
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Age"));
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("Ann"));

    // Cancel puts the sizes back too, and leaves the document alone.
    set(table, "EditRows", "7");
    set(table, "EditBorder", "2");
    const QString before = text();
    table->cancelButton()->click();
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(field(table, "EditBorder"), QStringLiteral("0"));
    EXPECT_EQ(text(), before);
}

TEST_F(TagDialogsTest, ScriptColoursItsCodeAndWritesFiveLines)
{
    load("<head>\n</head>");
    caretAtLine(1);
    MarkupDialog *script = run("Insert.Script", "TScriptForm");
    ASSERT_NE(script, nullptr);
    auto *code = script->findChild<CodeEditor *>(QStringLiteral("ScriptEdit"));
    set(script, "EditLanguage", "JavaScript");
    ASSERT_NE(code->lexer(), nullptr);
    EXPECT_STREQ(code->lexer()->language(), "JavaScript");
    set(script, "EditLanguage", "JScript"); // leaves the colouring
    EXPECT_STREQ(code->lexer()->language(), "JavaScript");

    code->setText(QStringLiteral("var a;\nvar b;\nalert(a);"));
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Tab); // Tab leaves the editor
    EXPECT_EQ(code->text(), QStringLiteral("var a;\nvar b;\nalert(a);"));
    script->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<head>\r\n<SCRIPT Language=\"JScript\">\r\nvar a;\r\nvar b;\r\nalert(a);\r\n"
                                     "</SCRIPT>\r\n</head>"));
}

TEST_F(TagDialogsTest, RolloverAsksForPicturesButRefusesWithoutAName)
{
    load("<body>");
    MarkupDialog *rollover = run("Insert.Rollover", "TRolloverForm");
    ASSERT_NE(rollover, nullptr);
    test::FileDialogStandIn files;
    files.answers = {QString(), QStringLiteral("/pics/b.gif")}; // the first prompt cancelled
    set(rollover, "EditHyperlink", "next.html");
    rollover->okButton()->click();
    EXPECT_EQ(files.requests.size(), 2);
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Please give an original image."));
    EXPECT_EQ(messages.shown[2].text, QStringLiteral("Please give a name."));
    EXPECT_EQ(field(rollover, "EditNext"), QStringLiteral("/pics/b.gif"));
    EXPECT_TRUE(rollover->isVisible());
    EXPECT_EQ(text(), QStringLiteral("<body>"));

    set(rollover, "EditOriginal", "a.gif");
    set(rollover, "EditNext", "b.gif");
    set(rollover, "EditName", "btn1");
    rollover->okButton()->click();
    const QStringList lines = text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(1), QStringLiteral("<script language=\"JavaScript\">"));
    EXPECT_EQ(lines.last(), QStringLiteral("<a href=\"next.html\" onMouseOut=\"MM_swapImgRestore()\" "
                                           "onMouseOver=\"MM_swapImage('document.btn1','document.btn1','b.gif')\">"
                                           "<img name=\"btn1\" border=\"0\" src=\"a.gif\"></a>"));
}

TEST_F(TagDialogsTest, MenuAndPaletteOpenNothingWithoutADocument)
{
    open = false;
    for (const char *id : {"Palette.Common.Image", "Palette.Tables.Table", "Insert.Hyperlink"})
        EXPECT_TRUE(registry.run(QLatin1String(id)));
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<MarkupDialog *>(w) && w->isVisible());
}

} // namespace
