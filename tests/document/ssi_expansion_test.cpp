#include "document/ssi_expansion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 3, 1), QTimeZone::utc());
const QDateTime kLeafTime(QDate(2020, 2, 1), QTime(8, 30, 0), QTimeZone::utc());

// A site folder "site" with a folder "outside" beside it that no include
// may reach.
class SsiExpansionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path() + QStringLiteral("/site");
        write("/outside/secret.txt", "SECRET");
        write("/site/inc/header.html", "<h1>Head</h1>");
        write("/site/inc/nested.html", "<div><!--#include file=\"leaf.html\" --></div>");
        write("/site/inc/leaf.html", "leaf");
        write("/site/inc/stamped.html", "<!--#config timefmt=\"%Y-%m-%d\" --><!--#echo var=\"LAST_MODIFIED\" -->");
        write("/site/inc/a.html", "A<!--#include file=\"b.html\" -->");
        write("/site/inc/b.html", "B<!--#include virtual=\"/inc/a.html\" -->");
        write("/site/inc/names.html", "<!--#echo var=\"DOCUMENT_NAME\" -->");
        write("/site/inc/timefmt.html", "<!--#config timefmt=\"%Y\" --><!--#echo var=\"DATE_GMT\" -->");
        write("/site/inc/latin1.html", "caf\xe9");
        write("/site/inc/2k.bin", QByteArray(2048, 'x'));
        for (int i = 0; i < 20; ++i)
            write(QStringLiteral("/site/chain/c%1.html").arg(i).toUtf8().constData(),
                  QStringLiteral("c%1<!--#include file=\"c%2.html\" -->").arg(i).arg(i + 1).toUtf8());
        write("/site/chain/c20.html", "end");
        for (const char *stamped : {"/inc/leaf.html", "/inc/stamped.html"}) {
            QFile file(root + QLatin1String(stamped));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(kLeafTime, QFileDevice::FileModificationTime));
        }
        QFile::link(dir.path() + QStringLiteral("/outside/secret.txt"), root + QStringLiteral("/inc/link.txt"));
    }

    void write(const char *relative, const QByteArray &bytes)
    {
        const QString path = dir.path() + QLatin1String(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The site for a page named `page` in the site's folder `folder`.
    IncludeSite site(const QString &page = QStringLiteral("index.shtml"), const QString &folder = QString())
    {
        IncludeSite s;
        s.root = root;
        s.pageFolder = root + folder;
        s.pagePath = s.pageFolder + QLatin1Char('/') + page;
        s.now = kNow;
        s.localZone = QTimeZone(3600);
        return s;
    }

    QTemporaryDir dir;
    QString root;
};

TEST_F(SsiExpansionTest, DirectivesGiveWhatTheServerWouldPrint)
{
    struct Row {
        const char *name;
        const char *page;
        const char *expected;
        const char *folder = "";
    };
    const Row rows[] = {
        {"include file", "<p><!--#include file=\"inc/header.html\" --></p>", "<p><h1>Head</h1></p>"},
        {"blanks, single quotes, no blank before the end", "<!--#include   file='inc/header.html'-->",
         "<h1>Head</h1>"},
        {"a blank before the equals sign, capitals", "<!--#INCLUDE VIRTUAL =\"/inc/header.html\" -->",
         "<h1>Head</h1>"},
        {"virtual from the root", "<!--#include virtual=\"/inc/leaf.html\" -->", "leaf", "/sub"},
        {"virtual relative to the page", "<!--#include virtual=\"../inc/leaf.html\" -->", "leaf", "/sub"},
        {"virtual with a query and an escape", "<!--#include virtual=\"/inc/%6Ceaf.html?x=1\" -->", "leaf"},
        {"file relative to the page's folder", "<!--#include file=\"leaf.html\" -->", "leaf", "/inc"},
        {"nested includes are relative to their own file", "<!--#include file=\"inc/nested.html\" -->",
         "<div>leaf</div>"},
        {"two files in one directive", "<!--#include file=\"inc/leaf.html\" file=\"inc/leaf.html\" -->", "leafleaf"},
        {"an 8-bit include", "<!--#include file=\"inc/latin1.html\" -->", "caf\u00e9"},
        {"default time format", "<!--#echo var=\"DATE_GMT\" -->", "Tuesday, 05-Mar-2024 14:03:01 GMT"},
        {"local time in the local zone", "<!--#config timefmt=\"%H:%M %z\" --><!--#echo var=\"DATE_LOCAL\" -->",
         "15:03 +0100"},
        {"document name", "<!--#echo var=\"DOCUMENT_NAME\" -->", "index.shtml"},
        {"document name of an included file", "<!--#include file=\"inc/names.html\" -->", "names.html"},
        {"document address", "<!--#echo var=\"DOCUMENT_URI\" -->", "/sub/index.shtml", "/sub"},
        {"unknown variable", "<!--#echo var=\"NO_SUCH\" -->", "(none)"},
        {"echo is escaped", "<!--#config timefmt=\"<%Y>\" --><!--#echo var=\"DATE_GMT\" -->", "&lt;2024&gt;"},
        {"echo unescaped on request",
         "<!--#config timefmt=\"<%Y>\" --><!--#echo encoding=\"none\" var=\"DATE_GMT\" -->", "<2024>"},
        {"an include's configuration stays in it",
         "<!--#include file=\"inc/timefmt.html\" -->|<!--#echo var=\"DATE_GMT\" -->",
         "2024|Tuesday, 05-Mar-2024 14:03:01 GMT"},
        {"flastmod in the local zone",
         "<!--#config timefmt=\"%d %b %Y %H:%M\" --><!--#flastmod file=\"inc/leaf.html\" -->", "01 Feb 2020 09:30"},
        {"last modified of an included file, and of a page not saved yet",
         "<!--#include virtual=\"/inc/stamped.html\" --> "
         "<!--#config timefmt=\"%Y\" --><!--#echo var=\"LAST_MODIFIED\" -->",
         "2020-02-01 2024"},
        {"fsize abbreviated by default", "<!--#fsize file=\"inc/2k.bin\" -->", "2.0K"},
        {"fsize in bytes", "<!--#config sizefmt=\"bytes\" --><!--#fsize virtual=\"/inc/2k.bin\" -->", "2,048"},
        {"own error text", "<!--#config errmsg=\"oops\" --><!--#fsize file=\"none.bin\" -->",
         "oops<!-- fsize file=\"none.bin\": no such file -->"},
        {"unknown directives stay", "<!--#if expr=\"$a\" -->x<!--#endif -->", "<!--#if expr=\"$a\" -->x<!--#endif -->"},
        {"not a directive", "<!--# x --><!--#-->", "<!--# x --><!--#-->"},
        {"a directive never ended", "a<!--#include file=\"inc/leaf.html\"", "a<!--#include file=\"inc/leaf.html\""},
        {"an ended directive before an unended one",
         "<!--#include file=\"inc/leaf.html\"--><!--#include file=\"inc/leaf.html\"",
         "leaf<!--#include file=\"inc/leaf.html\""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(expandServerIncludes(QString::fromUtf8(row.page),
                                       site(QStringLiteral("index.shtml"), QLatin1String(row.folder))),
                  QString::fromUtf8(row.expected))
            << row.name;
}

TEST_F(SsiExpansionTest, FilesOutsideTheSiteOrMissingGiveTheErrorText)
{
    const char *const pages[] = {
        "<!--#include file=\"nope.html\" -->",
        "<!--#include file=\"../outside/secret.txt\" -->",
        "<!--#include file=\"inc/../../outside/secret.txt\" -->",
        "<!--#include file=\"inc/../leaf.html\" -->", // a file path never leads upwards, even inside the site
        "<!--#include file=\"/etc/hostname\" -->",
        "<!--#include virtual=\"/../outside/secret.txt\" -->",
        "<!--#include virtual=\"../outside/secret.txt\" -->",
        "<!--#include virtual=\"/inc/%2E%2E/%2E%2E/outside/secret.txt\" -->",
        "<!--#include virtual=\"/inc/link.txt\" -->", // a link out of the site
        "<!--#include virtual=\"/inc\" -->",          // a folder
        "<!--#include file=\"\" -->",
        "<!--#flastmod file=\"../outside/secret.txt\" -->",
        "<!--#fsize virtual=\"/../outside/secret.txt\" -->",
        "<!--#include file=\"inc/header.html -->", // a quote left open
    };
    for (const char *page : pages) {
        const QString out = expandServerIncludes(QLatin1String(page), site());
        EXPECT_TRUE(out.startsWith(QLatin1String(IncludeErrorText))) << page << " gave " << out.toStdString();
        EXPECT_FALSE(out.contains(QLatin1String("SECRET"))) << page;
        EXPECT_FALSE(out.contains(QLatin1String("<h1>"))) << page;
    }
}

TEST_F(SsiExpansionTest, CyclesAndDeepNestingStopWithAVisibleNote)
{
    const QString cycle = expandServerIncludes(QStringLiteral("<!--#include file=\"inc/a.html\" -->"), site());
    EXPECT_TRUE(cycle.startsWith(QLatin1String("AB<span"))) << cycle.toStdString();
    EXPECT_TRUE(cycle.contains(QLatin1String("a cycle"))) << cycle.toStdString();

    write("/site/self.shtml", "x");
    const QString self = expandServerIncludes(QStringLiteral("me<!--#include virtual=\"/self.shtml\" -->"),
                                              site(QStringLiteral("self.shtml")));
    EXPECT_TRUE(self.startsWith(QLatin1String("me<span"))) << self.toStdString();
    EXPECT_TRUE(self.contains(QLatin1String("a cycle")));

    // The page is depth 0; c0 .. c15 are the sixteen levels allowed.
    const QString deep = expandServerIncludes(QStringLiteral("<!--#include file=\"chain/c0.html\" -->"), site());
    QString allowed;
    for (int i = 0; i < 16; ++i)
        allowed += QStringLiteral("c%1").arg(i);
    EXPECT_TRUE(deep.startsWith(allowed + QLatin1String("<span"))) << deep.toStdString();
    EXPECT_TRUE(deep.contains(QLatin1String("more than 16 deep")));
    EXPECT_FALSE(deep.contains(QLatin1String("end")));

    IncludeSite shallow = site();
    shallow.maxDepth = 2;
    const QString two = expandServerIncludes(QStringLiteral("<!--#include file=\"chain/c0.html\" -->"), shallow);
    EXPECT_TRUE(two.startsWith(QLatin1String("c0c1<span"))) << two.toStdString();
}

TEST_F(SsiExpansionTest, ExecIsNeverRun)
{
    const QString marker = dir.path() + QStringLiteral("/ran");
    const QString page =
        QStringLiteral("<p><!--#exec cmd=\"touch %1\" --></p><!--#exec cgi=\"/cgi-bin/x.cgi\" -->").arg(marker);
    const QString out = expandServerIncludes(page, site());
    EXPECT_FALSE(QFile::exists(marker));
    EXPECT_TRUE(out.startsWith(QLatin1String("<p><span"))) << out.toStdString();
    EXPECT_EQ(out.count(QLatin1String("#exec is not run in the preview")), 2);
    EXPECT_TRUE(out.contains(QLatin1String("cgi=&quot;/cgi-bin/x.cgi&quot;")));
}

TEST_F(SsiExpansionTest, APageThatWouldGrowTooLargeGetsNotesInstead)
{
    // Each level includes the next twice: 2^15 copies of the leaf at full depth.
    for (int i = 0; i < 15; ++i)
        write(QStringLiteral("/site/fan/f%1.html").arg(i).toUtf8().constData(),
              QStringLiteral("<!--#include file=\"f%1.html\" --><!--#include file=\"f%1.html\" -->")
                  .arg(i + 1)
                  .toUtf8());
    write("/site/fan/f15.html", QByteArray(100, 'x'));
    IncludeSite limited = site();
    limited.maxLength = 10000;
    const QString out = expandServerIncludes(QStringLiteral("<!--#include file=\"fan/f0.html\" -->"), limited);
    EXPECT_LT(out.size(), 200000);
    EXPECT_TRUE(out.contains(QLatin1String("too large to preview")));
    EXPECT_TRUE(out.startsWith(QString(100, QLatin1Char('x'))));
}

TEST_F(SsiExpansionTest, TheRootIsTheOpenSiteOnlyForPagesInsideIt)
{
    QDir(dir.path()).mkpath(QStringLiteral("site2"));
    const QString site2 = dir.path() + QStringLiteral("/site2");
    struct Row {
        const char *name;
        QString page, pageFolder, openSite, expected;
    };
    const Row rows[] = {
        {"inside the open site", root + QStringLiteral("/inc/x.shtml"), root + QStringLiteral("/inc"), root, root},
        {"outside it", site2 + QStringLiteral("/x.shtml"), site2, root, site2},
        {"a folder whose name only starts the same", site2 + QStringLiteral("/x.shtml"), site2,
         dir.path() + QStringLiteral("/site"), site2},
        {"no open site", root + QStringLiteral("/inc/x.shtml"), root + QStringLiteral("/inc"), QString(),
         root + QStringLiteral("/inc")},
        {"a page without a file", QString(), site2, root, site2},
        {"an open site whose folder is gone", root + QStringLiteral("/x"), root, dir.path() + QStringLiteral("/gone"),
         root},
    };
    for (const Row &row : rows)
        EXPECT_EQ(includeRootFor(row.page, row.pageFolder, row.openSite), row.expected) << row.name;
}

TEST(SsiNamesTest, ServerParsedNamesAndDirectives)
{
    EXPECT_TRUE(isServerParsedName(QStringLiteral("/w/a.shtml")));
    EXPECT_TRUE(isServerParsedName(QStringLiteral("/w/a.SHTM")));
    EXPECT_TRUE(isServerParsedName(QStringLiteral("/w/a.stm")));
    EXPECT_FALSE(isServerParsedName(QStringLiteral("/w/a.html")));
    EXPECT_FALSE(isServerParsedName(QStringLiteral("/w/shtml")));
    EXPECT_FALSE(isServerParsedName(QString()));
    EXPECT_TRUE(holdsServerDirectives(u"x <!--#echo var=\"DATE_GMT\" -->"));
    EXPECT_FALSE(holdsServerDirectives(u"<!-- # --> <!--- cf --->"));
}

} // namespace
