// The page wizard, the style-sheet link, the master font, the transitions
// and the content wizards, driven through the document window's own menu
// items on real document windows.

#include "base/ui/colour_dialogs.h"
#include "common/ui/document_fixture.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "tags/ui/colour_swatch.h"
#include "tags/ui/content_dialog.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/markup_dialog.h"
#include "tags/ui/tag_commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class PageDialogsTest : public test::DocumentFixture {
protected:
    void SetUp() override
    {
        registerTagCommands(registry, *this);
        makeWindow();
    }
    void load(const char *text) { DocumentFixture::load(text); }
    static MarkupDialog *dialog(const char *name) { return window<MarkupDialog>(name); }
    static void set(QWidget *d, const char *field, const char *value)
    {
        DocumentFixture::set(d, field, QString::fromUtf8(value));
    }
    static QCheckBox *watermark(MarkupDialog *d) { return d->findChild<QCheckBox *>(QStringLiteral("CheckBox1")); }
};

TEST_F(PageDialogsTest, StyleSheetLinkGoesAboveTheCaretLineAndKeepsItsFileName)
{
    const QString link = QStringLiteral("<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"site.css\" TYPE=\"text/css\">");
    load("<HEAD>\n<TITLE>x</TITLE>\n</HEAD>");
    caretAtLine(3);
    MarkupDialog *styleLink = run("Format.StyleSheets", "TStylForm");
    ASSERT_NE(styleLink, nullptr);
    EXPECT_EQ(styleLink->windowTitle(), QStringLiteral("Reference External Stylesheet..."));
    set(styleLink, "Edit1", "site.css");
    styleLink->okButton()->click();
    EXPECT_FALSE(styleLink->isVisible());
    EXPECT_EQ(text(), QStringLiteral("<HEAD>\r\n<TITLE>x</TITLE>\r\n") + link + QStringLiteral("\r\n</HEAD>"));

    // On line 1 it becomes the new first line; the name is still there.
    caretAtLine(1);
    run("Format.StyleSheets", "TStylForm");
    EXPECT_EQ(field(styleLink, "Edit1"), QStringLiteral("site.css"));
    styleLink->okButton()->click();
    EXPECT_TRUE(text().startsWith(link + QStringLiteral("\r\n<HEAD>\r\n")));
}

TEST_F(PageDialogsTest, EditCurrentTagRewritesTheSelectedLinkTag)
{
    load("<head>\n<link rel=\"stylesheet\" href=\"old.css\">\n</head>");
    select(QStringLiteral("<link rel=\"stylesheet\" href=\"old.css\">"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    MarkupDialog *styleLink = dialog("TStylForm");
    ASSERT_NE(styleLink, nullptr);
    EXPECT_TRUE(styleLink->isEditMode());
    EXPECT_EQ(field(styleLink, "Edit1"), QStringLiteral("old.css"));
    set(styleLink, "Edit1", "new.css");
    styleLink->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<head>\r\n<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"new.css\" "
                                     "TYPE=\"text/css\">\r\n</head>"));
}

TEST_F(PageDialogsTest, PageWizardMakesANewHtmlWindowAndLeavesTheActiveOneAlone)
{
    load("<p>keep</p>");
    MarkupDialog *page = run("File.PageWizard", "TPageForm");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Create New Page"));
    EXPECT_FALSE(page->isEditMode());
    EXPECT_TRUE(page->findChild<QWidget *>(QStringLiteral("EditTitle"))->isEnabled());
    set(page, "EditTitle", "Home");
    set(page, "EditBG", "#FFFFFF");
    set(page, "EditTop", "0");
    page->okButton()->click();
    EXPECT_FALSE(page->isVisible());
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0]->editor()->allText(),
              QStringLiteral("<HTML>\r\n<HEAD>\r\n\r\n<TITLE>Home</TITLE>\r\n\r\n</HEAD>\r\n\r\n"
                             "<BODY BGCOLOR=\"#FFFFFF\" TOPMARGIN=\"0\">\r\n\r\n</BODY>\r\n</HTML>"));
    EXPECT_EQ(made[0]->syntaxBox()->currentText(), QStringLiteral("HTML Document"));
    EXPECT_EQ(text(), QStringLiteral("<p>keep</p>"));

    // Shown again: every field empty.
    run("File.PageWizard", "TPageForm");
    EXPECT_EQ(field(page, "EditTitle"), QString());
    EXPECT_EQ(field(page, "EditBG"), QString());
    page->okButton()->click();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_TRUE(made[1]->editor()->allText().contains(QStringLiteral("\r\n<TITLE></TITLE>\r\n\r\n</HEAD>\r\n\r\n<BODY>\r\n")));
}

TEST_F(PageDialogsTest, EditCurrentTagOnBodyRewritesItInPlace)
{
    load("<html>\n<body bgcolor=\"#FFFFFF\" bgproperties=\"fixed\">\n</html>");
    select(QStringLiteral("<body bgcolor=\"#FFFFFF\" bgproperties=\"fixed\">"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    MarkupDialog *page = dialog("TPageForm");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(page->isEditMode());
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Edit <BODY> Tag"));
    EXPECT_FALSE(page->findChild<QWidget *>(QStringLiteral("EditTitle"))->isEnabled());
    EXPECT_EQ(field(page, "EditBG"), QStringLiteral("#FFFFFF"));
    ASSERT_NE(watermark(page), nullptr);
    EXPECT_TRUE(watermark(page)->isEnabled());
    EXPECT_TRUE(watermark(page)->isChecked());
    set(page, "EditLink", "#0000FF");
    page->okButton()->click();
    EXPECT_TRUE(made.empty());
    EXPECT_EQ(text(), QStringLiteral("<html>\r\n<BODY BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" BGPROPERTIES=\"FIXED\">\r\n"
                                     "</html>"));

    // From the menu again: a new page with a title.
    run("File.PageWizard", "TPageForm");
    EXPECT_FALSE(page->isEditMode());
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Create New Page"));
    EXPECT_TRUE(page->findChild<QWidget *>(QStringLiteral("EditTitle"))->isEnabled());
}

TEST_F(PageDialogsTest, WatermarkFollowsTheBackgroundImage)
{
    MarkupDialog *page = run("File.PageWizard", "TPageForm");
    QCheckBox *box = watermark(page);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(box->isChecked());

    test::FileDialogStandIn files;
    files.answers = {QStringLiteral("/pics/paper.gif")};
    for (QPushButton *b : page->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("&Browse"))
            b->click();
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Select Background Image..."));
    EXPECT_EQ(files.requests[0].defaultSuffix, QStringLiteral("gif"));
    EXPECT_EQ(field(page, "EditBGI"), QStringLiteral("/pics/paper.gif"));
    EXPECT_TRUE(box->isEnabled());

    auto *image = page->findChild<QLineEdit *>(QStringLiteral("EditBGI"));
    box->setChecked(true);
    QTest::keyClick(image, Qt::Key_End);
    QTest::keyClicks(image, QStringLiteral("x")); // any change of picture unchecks it
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->isEnabled());
    box->setChecked(true);
    image->selectAll();
    QTest::keyClick(image, Qt::Key_Delete);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());

    // Browsing again is a change of picture too.
    box->setChecked(true);
    files.answers = {QStringLiteral("/pics/paper.gif")};
    for (QPushButton *b : page->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("&Browse"))
            b->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->isEnabled());
}

TEST_F(PageDialogsTest, AWatermarkNamedBeforeItsPictureIsKept)
{
    // The tag's own order fills the picture after the watermark: reading it
    // back is no change of picture, so the FIXED survives the rewrite.
    load("<body bgproperties=\"fixed\" background=\"paper.gif\">");
    select(QStringLiteral("<body bgproperties=\"fixed\" background=\"paper.gif\">"));
    doc->trigger(QStringLiteral("Format.EditCurrentTag"));
    MarkupDialog *page = dialog("TPageForm");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(watermark(page)->isChecked());
    page->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<BODY BACKGROUND=\"paper.gif\" BGPROPERTIES=\"FIXED\">"));
}

TEST_F(PageDialogsTest, SwatchWritesTheChosenColourInUpperCaseHex)
{
    MarkupDialog *page = run("File.PageWizard", "TPageForm");
    std::deque<QColor> answers = {QColor(255, 171, 0), QColor()};
    const ColourDialogHandler previous = setColourDialogHandler([&answers](QWidget *, const QColor &) {
        const QColor c = answers.front();
        answers.pop_front();
        return c;
    });
    auto *swatch = page->findChild<ColourSwatch *>(QStringLiteral("EditVLinkSwatch"));
    ASSERT_NE(swatch, nullptr);
    QTest::mouseDClick(swatch, Qt::LeftButton);
    EXPECT_EQ(field(page, "EditVLink"), QStringLiteral("#FFAB00"));
    EXPECT_EQ(swatch->colour(), QColor(255, 171, 0));
    QTest::mouseDClick(swatch, Qt::LeftButton); // cancelled: nothing changes
    EXPECT_EQ(field(page, "EditVLink"), QStringLiteral("#FFAB00"));
    setColourDialogHandler(previous);

    // Shown again: the swatch back in the window face colour.
    page->cancelButton()->click();
    run("File.PageWizard", "TPageForm");
    EXPECT_EQ(swatch->colour(), page->palette().color(QPalette::Window));
}

TEST_F(PageDialogsTest, MasterFontWrapsTheSelectionAndKeepsItsStyles)
{
    load("a class b");
    select(QStringLiteral("class"));
    MarkupDialog *font = run("Format.Font", "TForm33");
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto *name = font->findChild<QComboBox *>(QStringLiteral("FontName"));
    ASSERT_GT(name->count(), 0);
    const QString face = name->currentText();
    EXPECT_EQ(field(font, "FontSize"), QStringLiteral("2"));
    set(font, "FontSize", "3");
    auto *colour = font->findChild<QComboBox *>(QStringLiteral("FontColor"));
    colour->setCurrentIndex(colour->findText(QStringLiteral("Navy")));
    for (QCheckBox *box : font->findChildren<QCheckBox *>())
        if (box->text() == QLatin1String("Bold") || box->text() == QLatin1String("Code"))
            box->setChecked(true);
    font->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("a <B><CODE><FONT face=\"%1\" size=\"3\" color=\"Navy\">class</FONT></B></CODE> b")
                          .arg(face));

    run("Format.Font", "TForm33");
    int checked = 0;
    for (QCheckBox *box : font->findChildren<QCheckBox *>())
        checked += box->isChecked();
    EXPECT_EQ(checked, 2);
}

TEST_F(PageDialogsTest, TransitionsRefuseWithoutATypeAndOtherwiseAddAMetaLine)
{
    load("<head>\n</head>");
    caretAtLine(1);
    MarkupDialog *transitions = run("Format.Transitions", "TForm31");
    ASSERT_NE(transitions, nullptr);
    EXPECT_EQ(field(transitions, "EditEvent"), QStringLiteral("Page-Enter"));
    EXPECT_EQ(field(transitions, "EditTime"), QStringLiteral("1"));
    transitions->okButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please select a transition type.")});
    EXPECT_TRUE(transitions->isVisible());
    EXPECT_EQ(text(), QStringLiteral("<head>\r\n</head>"));

    auto *types = transitions->findChild<QListWidget *>(QStringLiteral("ListType"));
    types->setCurrentItem(types->findItems(QStringLiteral("Wipe Left"), Qt::MatchExactly).value(0));
    set(transitions, "EditEvent", "Page-Exit");
    set(transitions, "EditTime", "2");
    transitions->okButton()->click();
    EXPECT_FALSE(transitions->isVisible());
    EXPECT_EQ(text(), QStringLiteral("<head>\r\n<meta http-equiv=\"Page-Exit\" "
                                     "content=\"revealTrans(Duration=2.0,Transition=7)\">\r\n</head>"));

    run("Format.Transitions", "TForm31"); // the values stay
    EXPECT_EQ(field(transitions, "EditEvent"), QStringLiteral("Page-Exit"));
    EXPECT_EQ(types->currentItem()->text(), QStringLiteral("Wipe Left"));
}

TEST_F(PageDialogsTest, ContentWizardsActOnThePageShowingAndStartAfresh)
{
    load("<body>\n</body>");
    caretAtLine(1);
    auto *content = qobject_cast<ContentDialog *>(run("Tools.ContentWizards", "TContentForm"));
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->currentPage(), ContentPage::NetscapeFix);
    content->showPage(ContentPage::YourBrowser);
    set(content, "EditBrowser", "You use: ");
    for (QRadioButton *r : content->findChildren<QRadioButton *>())
        if (r->text() == QLatin1String("PHP"))
            r->setChecked(true);
    content->okButton()->click();
    EXPECT_EQ(text(), QStringLiteral("<body>\r\nYou use: <BR>\r\n<?php echo $HTTP_USER_AGENT; ?>\r\n</body>"));

    run("Tools.ContentWizards", "TContentForm");
    EXPECT_EQ(content->currentPage(), ContentPage::NetscapeFix);
    EXPECT_EQ(content->fields().EditBrowser, QString());
    EXPECT_EQ(content->fields().browserType, BrowserVariant::JavaScript);

    test::FileDialogStandIn files;
    files.answers = {QStringLiteral("/site/small.htm")};
    content->showPage(ContentPage::ScreenSizes);
    for (QPushButton *b : content->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("&Browse...")) {
            b->click(); // the first: 640 x 480
            break;
        }
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, QStringLiteral("Browse for File..."));
    EXPECT_EQ(content->fields().URLA, QStringLiteral("/site/small.htm"));
}

TEST_F(PageDialogsTest, BulletedListBecomesAPageInANewWindow)
{
    load("<p>keep</p>");
    auto *content = qobject_cast<ContentDialog *>(run("Tools.ContentWizards", "TContentForm"));
    ASSERT_NE(content, nullptr);
    content->showPage(ContentPage::BulletedList);
    QTextEdit *rich = content->richText();
    QTextCursor cursor(rich->document());
    cursor.insertText(QStringLiteral("Fruit:"));
    cursor.insertBlock();
    rich->setTextCursor(cursor);
    for (QPushButton *b : content->findChildren<QPushButton *>())
        if (b->text() == QLatin1String("Start Bullets"))
            b->click();
    cursor = rich->textCursor();
    cursor.insertText(QStringLiteral("Apple"));
    cursor.insertBlock(); // the list goes on
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Pear"), bold);

    content->okButton()->click();
    EXPECT_FALSE(content->isVisible());
    ASSERT_EQ(made.size(), 1u);
    const QStringList lines = made[0]->editor()->allText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 16) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.mid(0, 8),
              (QStringList{"<HTML>", "", "<HEAD>", "<TITLE>Untitled</TITLE>", "</HEAD>", "",
                           "<BODY topmargin=\"0\" leftmargin=\"0\" link=\"#0000FF\" vlink=\"#800080\" "
                           "alink=\"#FF0000\">",
                           ""}));
    // The converted list, each piece on its own line.
    EXPECT_EQ(lines.mid(8, 5), (QStringList{"", "<P>Fruit:", "<UL>", "<LI>Apple", "<LI><B>Pear"}));
    EXPECT_EQ(lines.mid(13), (QStringList{"", "</BODY>", "</HTML>"}));
    EXPECT_EQ(made[0]->syntaxBox()->currentText(), QStringLiteral("HTML Document"));
    EXPECT_EQ(text(), QStringLiteral("<p>keep</p>"));
    EXPECT_TRUE(rich->document()->isEmpty());
    EXPECT_TRUE(folder.read(QStringLiteral("/TempRtf.rtf")).contains("{\\pntext"));
}

TEST_F(PageDialogsTest, WithoutADocumentOnlyThePageWizardOpens)
{
    open = false;
    for (const char *id : {"Format.StyleSheets", "Format.Font", "Format.Transitions", "Tools.ContentWizards"})
        EXPECT_TRUE(registry.run(QLatin1String(id)));
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<MarkupDialog *>(w) && w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(registry.run(QStringLiteral("File.PageWizard")));
    MarkupDialog *page = dialog("TPageForm");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    page->okButton()->click();
    EXPECT_EQ(made.size(), 1u);
}

} // namespace
