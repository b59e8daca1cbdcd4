#include "app/ui/about_dialog.h"
#include "app/ui/new_items_dialog.h"
#include "app/ui/quick_start_bar.h"
#include "common/ui/stand_ins.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QPushButton *buttonCalled(const QWidget *parent, const QString &text)
{
    for (QPushButton *b : parent->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

class NewItemsDialogTest : public ::testing::Test {
protected:
    void writeTemplate(const QString &name) { data.write(QStringLiteral("/Supplies/Templates/") + name, "<p>"); }

    test::TempDataFolder data{false};
    QStringList opened;
    NewItemsDialog d{data.path(), [this](const QString &path) { opened.append(path); }};
};

TEST_F(NewItemsDialogTest, TemplatesPageListsOnlyHtmFilesSortedAndRereadsOnEveryShow)
{
    d.show(); // no templates folder yet
    EXPECT_EQ(d.templateList()->count(), 0);
    d.hide();

    for (const char *name : {"c.htm", "B.HTM", "a.htm", "notes.txt", "page.html", "old.htm.bak"})
        writeTemplate(QString::fromLatin1(name));
    QDir().mkpath(data.file(QStringLiteral("/Supplies/Templates/folder.htm")));
    d.show();
    EXPECT_EQ(test::itemTexts(d.templateList()), (QStringList{"a.htm", "B.HTM", "c.htm"}));

    d.hide();
    writeTemplate(QStringLiteral("added.htm"));
    QFile::remove(data.file(QStringLiteral("/Supplies/Templates/c.htm")));
    d.show();
    EXPECT_EQ(test::itemTexts(d.templateList()), (QStringList{"a.htm", "added.htm", "B.HTM"}));
}

TEST_F(NewItemsDialogTest, SkeletonsIsActiveOnEveryShowAndAfterCancel)
{
    QTabWidget *pages = d.pages();
    ASSERT_EQ(pages->tabText(0), QStringLiteral("Skeletons"));
    d.show();
    EXPECT_EQ(pages->currentIndex(), 0);

    // OK hides and leaves the page as it was; the next show resets it.
    pages->setCurrentIndex(1);
    QTest::mouseClick(buttonCalled(&d, QStringLiteral("&OK")), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(pages->currentIndex(), 1);
    d.show();
    EXPECT_EQ(pages->currentIndex(), 0);

    pages->setCurrentIndex(2);
    QTest::mouseClick(buttonCalled(&d, QStringLiteral("&Cancel")), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(NewItemsDialogTest, DoubleClickOpensTheTemplateByFullPathAndHides)
{
    writeTemplate(QStringLiteral("one.htm"));
    writeTemplate(QStringLiteral("two.htm"));
    d.show();
    d.pages()->setCurrentIndex(1);
    QListWidget *list = d.templateList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->visualItemRect(list->item(1)).top(), list->visualItemRect(list->item(0)).top())
        << "two names side by side";

    const QPoint at = list->visualItemRect(list->item(1)).center();
    // A real double-click: the first click selects, the second comes as a double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);

    EXPECT_EQ(opened, QStringList{data.file(QStringLiteral("/Supplies/Templates/two.htm"))});
    EXPECT_FALSE(d.isVisible());
}

TEST_F(NewItemsDialogTest, ExamplesPageListsPagesOfTheWorkingFolderAndNothingElse)
{
    test::TempDataFolder work(false);
    for (const char *name : {"index.html", "about.htm", "style.css", "readme.txt"})
        work.write(QStringLiteral("/") + QString::fromLatin1(name), "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());

    d.show();
    QDir::setCurrent(previous);

    EXPECT_EQ(test::itemTexts(d.exampleFiles()), (QStringList{"about.htm", "index.html"}));
    EXPECT_EQ(d.categoryList()->count(), 0);
    d.exampleFiles()->itemDoubleClicked(d.exampleFiles()->item(0));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(d.isVisible());
}

TEST(NewItemsShippedTemplates, AreListedAndAreCompleteAsciiCrLfPages)
{
    test::TempDataFolder data;
    NewItemsDialog d(data.path(), [](const QString &) {});
    d.show();
    const QStringList names = test::itemTexts(d.templateList());
    ASSERT_GE(names.size(), 5);

    const QRegularExpression title(QStringLiteral("<head>.*<title>[^<]*\\S[^<]*</title>.*</head>"),
                                   QRegularExpression::DotMatchesEverythingOption |
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression loneLineBreak(QStringLiteral("[^\\r]\\n|\\r[^\\n]"));
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = data.read(QStringLiteral("/Supplies/Templates/") + name);
        for (const char c : bytes)
            ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int(c);
        const QString text = QString::fromLatin1(bytes);
        EXPECT_TRUE(text.endsWith(QStringLiteral("</html>\r\n")));
        EXPECT_FALSE(loneLineBreak.match(text).hasMatch());
        EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE html>\r\n<!-- ")));
        EXPECT_TRUE(title.match(text).hasMatch());
    }
}

class QuickStartBarTest : public ::testing::Test {
protected:
    QWidget owner;
    QuickStartBar *bar = new QuickStartBar(&owner);
};

TEST_F(QuickStartBarTest, OnlyAvailableCommandsCanBeRequested)
{
    QSignalSpy requested(bar, &QuickStartBar::actionRequested);
    bar->show();
    EXPECT_FALSE(bar->button(QStringLiteral("File.New"))->isEnabled()) << "nothing is known to be available yet";

    bar->setAvailableIds({QStringLiteral("File.New"), QStringLiteral("Palette.Tables.Table")});
    for (const QString &id : QuickStartBar::actionIds()) {
        const bool available = id == QLatin1String("File.New") || id == QLatin1String("Palette.Tables.Table");
        EXPECT_EQ(bar->button(id)->isEnabled(), available) << id.toStdString();
        QTest::mouseClick(bar->button(id), Qt::LeftButton);
    }
    ASSERT_EQ(requested.size(), 2);
    EXPECT_EQ(requested.at(0).at(0).toString(), QStringLiteral("File.New"));
    EXPECT_EQ(requested.at(1).at(0).toString(), QStringLiteral("Palette.Tables.Table"));

    // Availability is replaced, not added to.
    bar->setAvailableIds({QStringLiteral("Help.Contents")});
    EXPECT_FALSE(bar->button(QStringLiteral("File.New"))->isEnabled());
    EXPECT_TRUE(bar->button(QStringLiteral("Help.Contents"))->isEnabled());
}

TEST_F(QuickStartBarTest, CloseButtonAndCloseBoxHideAndReport)
{
    EXPECT_EQ(bar->windowType(), Qt::Tool);
    QSignalSpy closed(bar, &QuickStartBar::closed);
    bar->show();
    QTest::mouseClick(bar->closeButton(), Qt::LeftButton);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(closed.size(), 1);

    bar->show();
    bar->close(); // what the window's close box does
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(closed.size(), 2);

    // A plain hide (the program tidying up) is not the user closing the bar.
    bar->show();
    bar->hide();
    EXPECT_EQ(closed.size(), 2);
}

// Catches what QDesktopServices would hand to the system browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

TEST(AboutDialogTest, ShowsProductVersionAndCreditsAndLinksToTheMaker)
{
    AboutDialog about;
    about.show();
    QString all;
    for (const QLabel *label : about.findChildren<QLabel *>())
        all += label->text() + QLatin1Char('\n');
    EXPECT_TRUE(all.contains(QStringLiteral("Quenby Tagloom")));
    EXPECT_TRUE(all.contains(QStringLiteral("Version 5.0 (Beta Release 1)")));
    EXPECT_TRUE(all.contains(QStringLiteral("QScintilla")));

    // Follow the label's own link, as a click on it would.
    const auto link = QRegularExpression(QStringLiteral("<a href=\"([^\"]+)\">Visit our website today</a>"))
                          .match(about.websiteLink()->text());
    ASSERT_TRUE(link.hasMatch());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    about.websiteLink()->linkActivated(link.captured(1));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://www.quenby.com/"))});

    QTest::mouseClick(buttonCalled(&about, QStringLiteral("OK")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

} // namespace

#include "new_items_test.moc"
