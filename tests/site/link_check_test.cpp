#include "site/link_check.h"
#include "common/sample_site.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A finding as "Kind file:line:column reference".
QStringList described(const LinkCheckReport &report)
{
    QStringList lines;
    for (const LinkFinding &f : report.findings)
        lines.append(QStringLiteral("%1 %2:%3:%4 %5")
                         .arg(QLatin1String(linkFindingKindName(f.kind)), f.file)
                         .arg(f.line)
                         .arg(f.column)
                         .arg(f.reference));
    return lines;
}

TEST(LinkCheck, FindsBrokenCaseMismatchedOrphanAndRemote)
{
    QTemporaryDir dir;
    test::writeSampleSite(dir.path());
    const Result<LinkCheckReport> report = checkSiteLinks(dir.path());
    ASSERT_TRUE(report) << report.error.toStdString();

    // Where a reference stands in its page, counted independently of the checker.
    const auto at = [&](const char *file, const char *reference) {
        const test::TextPosition p = test::positionOf(dir.path() + QLatin1Char('/') + QLatin1String(file),
                                                      reference);
        return QStringLiteral("%1:%2:%3 %4").arg(QLatin1String(file)).arg(p.line).arg(p.column).arg(
            QString::fromUtf8(reference));
    };
    const QStringList expected = {
        "Broken " + at("about.htm", "img/missing.png"),
        "Broken " + at("css/site.css", "nothere/paper.jpg"),
        "Remote " + at("index.html", "http://example.com/"),
        "Broken " + at("index.html", "missing.htm"),
        "Case " + at("index.html", "Img/Logo.GIF"),
        "Remote " + at("index.html", "mailto:webmaster@example.com"),
        "Broken " + at("index.html", "../outside.htm"),
        "Broken " + at("index.html", "inc/absent.inc"),
        "Case " + at("index.html", "/INC/footer.inc"),
        "Remote " + at("index.html", "//cdn.example.com/lib.js"),
        "Broken " + at("index.html", "emptydir/"),
        // Orphans last, by path; index pages are entry points, never orphans.
        "Orphan img/unused.gif:0:0 ",
        "Orphan old/forgotten.htm:0:0 ",
    };
    EXPECT_EQ(described(*report), expected);
    EXPECT_EQ(report->count(LinkFindingKind::Broken), 6);
    EXPECT_EQ(report->count(LinkFindingKind::CaseMismatch), 2);
    EXPECT_TRUE(report->hasProblems());
    EXPECT_EQ(report->pages, 8); // every page and style sheet, orphans included
}

TEST(LinkCheck, SaysWhatIsWrongInTheMessage)
{
    QTemporaryDir dir;
    test::writeSampleSite(dir.path());
    const Result<LinkCheckReport> report = checkSiteLinks(dir.path());
    ASSERT_TRUE(report);
    const auto messageOf = [&](const QString &reference) {
        for (const LinkFinding &f : report->findings)
            if (f.reference == reference)
                return f.message;
        return QStringLiteral("(no finding)");
    };
    EXPECT_EQ(messageOf(QStringLiteral("missing.htm")), QStringLiteral("Not found: missing.htm"));
    EXPECT_TRUE(messageOf(QStringLiteral("Img/Logo.GIF")).startsWith(QStringLiteral("Only img/logo.gif exists")));
    EXPECT_EQ(messageOf(QStringLiteral("../outside.htm")), QStringLiteral("Leads outside the site folder"));
    EXPECT_EQ(messageOf(QStringLiteral("emptydir/")), QStringLiteral("The folder has no index page: emptydir/"));
}

TEST(LinkCheck, ACleanSiteHasNoProblems)
{
    QTemporaryDir dir;
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(QStringLiteral("index.htm"), "<a href=\"a%20b.htm?x=1#top\">x</a><a href=\"#top\">t</a>"
                                       "<a href=\"sub\">s</a><a href=\".\">h</a><img src=\"<?= $pic ?>\">");
    write(QStringLiteral("a b.htm"), "<a href=\"./sub/../index.htm\">back</a><a href=\"\">self</a>");
    write(QStringLiteral("sub/default.asp"), "<a href=\"..\\a%20b.htm\">up</a>");
    write(QStringLiteral(".hidden/x.htm"), "<a href=\"nowhere.htm\">");
    write(QStringLiteral(".htaccess"), "");
    const Result<LinkCheckReport> report = checkSiteLinks(dir.path());
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->findings.isEmpty()) << described(*report).join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(report->hasProblems());
    EXPECT_EQ(report->files, 3);
}

// Lines end as the editor ends them (CR LF, LF, a lone CR); columns count
// characters: UTF-8 ones in a UTF-8 page, bytes in any other.
TEST(LinkCheck, PlacesFindingsWhereTheEditorShowsThem)
{
    const struct {
        const char *name;
        QByteArray page;
        int line, column;
    } rows[] = {
        {"LF", "a\nb\n<a href=x.htm>", 3, 9},
        {"CR LF", "a\r\nb\r\n<a href=x.htm>", 3, 9},
        {"lone CR", "a\rb\r<a href=x.htm>", 3, 9},
        {"mixed", "\n\r\n\r<a href=x.htm>", 4, 9},
        {"after UTF-8", "caf\xc3\xa9 <a href=x.htm>", 1, 14},
        {"after Latin-1", "caf\xe9 \xe0 <a href=x.htm>", 1, 16},
        {"on the second line of a tag", "<a\r\n  href=x.htm>", 2, 8},
    };
    for (const auto &row : rows) {
        QTemporaryDir dir;
        test::writeSiteFile(dir.path(), QStringLiteral("index.htm"), row.page);
        const Result<LinkCheckReport> report = checkSiteLinks(dir.path());
        ASSERT_TRUE(report && report->findings.size() == 1) << row.name;
        EXPECT_EQ(report->findings[0].line, row.line) << row.name;
        EXPECT_EQ(report->findings[0].column, row.column) << row.name;
    }
}

// What each kind of written reference comes to, from index.htm in a site of
// index.htm, a b.htm and sub/page.htm.
TEST(LinkCheck, ReadsReferencesAsBrowsersDo)
{
    const struct {
        QByteArray reference;
        const char *kind; // "" when nothing is wrong
    } rows[] = {
        {"sub/page.htm", ""},           {"./sub/../sub/page.htm", ""}, {"/sub//page.htm", ""},
        {"sub\\page.htm", ""},          {"a%20b.htm", ""},             {" a%20b.htm ", ""},
        {"?page=2", ""},                {"#top", ""},                  {"/", ""},
        {"<?= $next ?>", ""},           {"%", "Broken"},               {"a%2", "Broken"},
        {"sub/Page.htm", "Case"},       {"SUB/page.htm", "Case"},      {"sub/../..", "Broken"},
        {"/../index.htm", "Broken"},    {"C:\\site\\a.htm", "Broken"}, {"file:///site/a.htm", "Broken"},
        {"\\\\host\\a.htm", "Remote"}, {"//host/a.htm", "Remote"},    {"JavaScript:go()", "Remote"},
        {"data:image/gif;base64,R0lG", "Remote"}, {"tel:+4412345", "Remote"}, {"ftp://host/f.zip", "Remote"},
    };
    for (const auto &row : rows) {
        QTemporaryDir dir;
        test::writeSiteFile(dir.path(), QStringLiteral("index.htm"), "<a href=\"" + row.reference + "\">x</a>");
        test::writeSiteFile(dir.path(), QStringLiteral("a b.htm"), "<a href=\"sub/page.htm\">");
        test::writeSiteFile(dir.path(), QStringLiteral("sub/page.htm"), "<a href=\"../a b.htm\">");
        const Result<LinkCheckReport> report = checkSiteLinks(dir.path());
        ASSERT_TRUE(report);
        QStringList kinds;
        for (const LinkFinding &f : report->findings)
            if (f.file == QLatin1String("index.htm"))
                kinds.append(QLatin1String(linkFindingKindName(f.kind)));
        EXPECT_EQ(kinds.join(QLatin1Char(',')), QLatin1String(row.kind)) << row.reference.constData();
    }
}

TEST(LinkCheck, RefusesWhatIsNotAFolder)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.htm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(checkSiteLinks(dir.filePath(QStringLiteral("absent"))));
    EXPECT_FALSE(checkSiteLinks(file.fileName()));
}

TEST(LinkCheck, StopsWhenCancelled)
{
    QTemporaryDir dir;
    test::writeSampleSite(dir.path());
    const std::atomic<bool> cancel = true;
    const Result<LinkCheckReport> report = checkSiteLinks(dir.path(), &cancel);
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->cancelled);
    EXPECT_EQ(report->pages, 0);
}

} // namespace
