#include "common/sample_site.h"
#include "site/site_profile.h"
#include "site/ui/link_check_window.h"
#include "site_fixture.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tagloom;

namespace {

class LinkCheckTest : public test::SiteFixture {
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        test::writeSampleSite(site.path());
    }
    void TearDown() override
    {
        delete window<LinkCheckWindow>("LinkCheckWindow");
        SiteFixture::TearDown();
    }
    // Opens files for real, as the main window does.
    DocumentWindow *openDocumentFile(const QString &path) override
    {
        opened.append(path);
        made.push_back(newWindow());
        made.back()->LoadDocument(path);
        return made.back().get();
    }

    // Tools > Check Site Links, then the window once its check is done.
    LinkCheckWindow *checkLinks()
    {
        doc->trigger(QStringLiteral("Tools.CheckSiteLinks"));
        auto *links = window<LinkCheckWindow>("LinkCheckWindow");
        if (links) {
            EXPECT_TRUE(QTest::qWaitFor([links] { return !links->isChecking(); }, 10000));
        }
        return links;
    }
    static int rowOf(const QTableWidget *table, const QString &reference)
    {
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 3)->text() == reference)
                return row;
        return -1;
    }

    QTemporaryDir site;
    QStringList opened;
    test::FileDialogStandIn dialogs;
};

TEST_F(LinkCheckTest, AChosenFolderIsCheckedAndADoubleClickOpensTheLine)
{
    dialogs.answers.push_back(site.path());
    LinkCheckWindow *links = checkLinks();
    ASSERT_TRUE(links);
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].kind, FileDialogRequest::Kind::Folder);
    EXPECT_TRUE(links->isVisible());
    QTableWidget *table = links->results();
    ASSERT_EQ(table->rowCount(), 13);
    EXPECT_EQ(links->windowTitle(), QStringLiteral("Check Site Links - 13 findings"));
    EXPECT_TRUE(links->status()->text().contains(QStringLiteral("6 broken, 2 letter case, 2 orphans, 3 remote")))
        << links->status()->text().toStdString();

    const int row = rowOf(table, QStringLiteral("Img/Logo.GIF"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(table->item(row, 0)->text(), QStringLiteral("index.html"));
    EXPECT_EQ(table->item(row, 2)->text(), QStringLiteral("Case"));
    const QRect cell = table->visualRect(table->model()->index(row, 3));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center()); // a real double-click starts with a press
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());

    const QString index = QDir(site.path()).filePath(QStringLiteral("index.html"));
    ASSERT_EQ(opened, QStringList{index});
    const test::TextPosition at = test::positionOf(index, "Img/Logo.GIF");
    CodeEditor *editor = made.back()->editor();
    EXPECT_EQ(editor->CaretLine(), at.line);
    EXPECT_EQ(editor->CaretColumn(), at.column);

    // A second finding of the same page moves the caret in that window.
    links->openRow(rowOf(table, QStringLiteral("missing.htm")));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(editor->CaretLine(), test::positionOf(index, "missing.htm").line);
}

TEST_F(LinkCheckTest, TheLoadedProfilesFolderIsCheckedWithoutAsking)
{
    const QString projects = folder.path() + QLatin1String(ProfilesFolder);
    QDir().mkpath(projects);
    SiteProfile profile;
    profile.filesLocation = site.path();
    profile.ftpServer = QStringLiteral("127.0.0.1");
    const QString path = projects + QStringLiteral("/mysite.tlp");
    ASSERT_TRUE(writeProfileFile(path, profile));
    manager()->loadClicked(path);

    LinkCheckWindow *links = checkLinks();
    ASSERT_TRUE(links);
    EXPECT_TRUE(dialogs.requests.isEmpty());
    EXPECT_EQ(links->folder(), site.path());
    EXPECT_EQ(links->results()->rowCount(), 13);
}

TEST_F(LinkCheckTest, CancellingTheChooserChecksNothing)
{
    dialogs.answers.push_back(QString());
    doc->trigger(QStringLiteral("Tools.CheckSiteLinks"));
    EXPECT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(window<LinkCheckWindow>("LinkCheckWindow"), nullptr);
}

// Lines sort as numbers (9 before 10), and files by name, then by position.
TEST_F(LinkCheckTest, ColumnsSortByWhatTheyHold)
{
    dialogs.answers.push_back(site.path());
    LinkCheckWindow *links = checkLinks();
    ASSERT_TRUE(links);
    QTableWidget *table = links->results();
    table->sortItems(1);
    QList<int> lines;
    for (int row = 0; row < table->rowCount(); ++row)
        lines.append(table->item(row, 1)->text().toInt());
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
    EXPECT_TRUE(lines.contains(12) && lines.contains(9)); // about.htm, index.html

    table->sortItems(0);
    QStringList inIndex;
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == QLatin1String("index.html"))
            inIndex.append(table->item(row, 3)->text());
    EXPECT_EQ(inIndex.first(), QStringLiteral("http://example.com/"));
    EXPECT_EQ(inIndex.last(), QStringLiteral("emptydir/"));
}

} // namespace
