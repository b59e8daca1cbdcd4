#include "codetools/document_analysis.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// Findings as "NAME@LINE:COLUMN", the page fed in blocks of `block` bytes.
QStringList findings(const QByteArray &page, bool skipServerCode, qsizetype block, bool positions = true)
{
    QStringList out;
    AnalysisOptions options;
    options.skipServerCode = skipServerCode;
    options.positions = positions;
    PageAnalysis analysis(
        [&out](const AnalysisFinding &f) {
            out << QStringLiteral("%1@%2:%3").arg(QString::fromUtf8(f.invalid)).arg(f.line).arg(f.column);
        },
        options);
    for (qsizetype at = 0; at < page.size(); at += block)
        analysis.feed(QByteArrayView(page).sliced(at, std::min(block, page.size() - at)));
    analysis.finish();
    return out;
}

// Every row is fed whole, byte by byte and in blocks that split its marks at
// odd places: a region, a mark or a line break across a block's end reads
// as it does within one block.
void expectFindings(const char *name, const QByteArray &page, bool skip, const QStringList &expected)
{
    for (const qsizetype block : {page.size() + 1, qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(5), qsizetype(7)})
        EXPECT_EQ(findings(page, skip, block).join(u' ').toStdString(), expected.join(u' ').toStdString())
            << name << ", blocks of " << block;
}

TEST(ServerCodeRegions, NothingInsideARegionIsJudged)
{
    const struct {
        const char *name;
        QByteArray page;
        QStringList found;
    } rows[] = {
        {"PHP between tags, with a < in its code", "<?php if ($a<$b) echo '<td foo>'; ?><td bar>", {"BAR@1:41"}},
        {"a short PHP opening", "<? if ($a<$b) { ?><td x>", {"X@1:23"}},
        {"a PHP echo", "<p><?= $a<$b ?></p><td x>", {"X@1:24"}},
        {"ASP", "<% if a<b then %><td x><%= \"<td y>\" %>", {"X@1:22"}},
        {"a server-side include", "<!--#include virtual=\"<td y>\" --><td z>", {"Z@1:38"}},
        {"a ColdFusion comment", "<!--- <td foo> ---><td bar>", {"BAR@1:24"}},
        {"a ColdFusion comment sharing its dashes", "<!---><td x>", {"X@1:11"}},
        {"an empty comment of dashes", "<!----><td x><!---------------><td y>", {"X@1:12", "Y@1:36"}},
        {"in an attribute value", "<img src=\"<?php echo $p ?>\" alt=\"x\">", {}},
        {"in a value, then a finding", "<img src=\"<?php echo $p ?>\" foo=\"x\">", {"FOO@1:29"}},
        {"whole attributes written by code", "<a href=\"x\" <?php if($y) echo 'class=\"b\"'; ?>>", {}},
        {"code between attributes", "<a href=x <?php echo 'c' ?> bar=1>", {"BAR@1:29"}},
        {"quotes inside quotes", "<a title=\"<?= \"x y\" ?>\" foo=1>", {"FOO@1:25"}},
        {"a name written by code", "<td <?= $a ?>=1 nowrap data-<?= $k ?>=2>", {"NOWRAP@1:17"}},
        {"a tag name written by code", "<<?= $t ?> foo=1><h<?= $n ?> bar>", {}},
        {"ASP inside a tag", "<td <% =x %> y>", {"Y@1:14"}},
        {"an include inside a value", "<td x=\"<!--#echo var=\"a\" -->\" y>", {"X@1:5", "Y@1:31"}},
        {"a region over lines", "<?php\r\n$a = '<td q>';\r\n?>\r\n  <td x>", {"X@4:7"}},
        {"a region over lines inside a tag", "<td a=1\r\n <?php\r\n echo 1;\r\n ?> nowrap\r\n  foo>",
         {"A@1:5", "NOWRAP@4:5", "FOO@5:3"}},
        {"an unterminated region between tags", "<td x><?php echo '<td y>';", {"X@1:5"}},
        {"an unterminated region in a tag", "<td x <% <td y z>", {"X@1:5"}},
        {"an unterminated include", "<td x><!--# <td y> --", {"X@1:5"}},
        {"not a region: a comment", "<!-- x --><td y>", {"Y@1:15"}},
        {"not a region: marks that stop short", "<!-x><!--x><!><td y>", {"Y@1:19"}},
        {"a dropped < inside a tag", "<td <b foo>", {"B@1:6", "FOO@1:8"}},
        {"a mark ending the page", "<td x><!--", {"X@1:5"}},
        {"superseded tags after code", "<?= 1 ?><font foo=1>", {"FOO@1:15", "FONT@1:9"}},
    };
    for (const auto &row : rows)
        expectFindings(row.name, row.page, true, row.found);
}

// Off, the same pages read as they always have: the code's marks are tags.
TEST(ServerCodeRegions, OffTheCodeIsMarkUp)
{
    const QByteArray page = "<td x=<?php echo $p ?> y>";
    expectFindings("PHP in a value, off", page, false, {"X@1:5", "ECHO@1:13", "$P@1:18", "?@1:21"});
    expectFindings("PHP in a value, on", page, true, {"X@1:5", "Y@1:24"});
}

TEST(FindingPositions, LinesAndColumnsWhateverTheBreaks)
{
    const struct {
        const char *name;
        QByteArray page;
        QStringList found;
    } rows[] = {
        {"the first line", "<td x y>", {"X@1:5", "Y@1:7"}},
        {"line feeds", "a\n\n<p>\n <td x>", {"X@4:6"}},
        {"CR LF", "a\r\n\r\n<td x>", {"X@3:5"}},
        {"carriage returns alone", "a\r\r<td x>", {"X@3:5"}},
        {"a tag over lines", "<td \r\nx\r\n\r\n   y z>", {"X@2:1", "Y@4:4", "Z@4:6"}},
        {"the tag's own place for a superseded tag", "\r\n  <font \r\nfoo=1>", {"FOO@3:1", "FONT@2:3"}},
        {"UTF-8 characters count once", "caf\xc3\xa9 \xe2\x82\xac <td \xc3\xa9=1 x>", {"\xc3\xa9@1:12", "X@1:16"}},
        {"bytes of one character each", "caf\xe9 \xa0<td \xe9=1 x>", {"\xef\xbf\xbd@1:11", "X@1:15"}},
        {"a dropped < inside a tag", "<td \r\n<x <y z>", {"X@2:2", "Y@2:5", "Z@2:7"}},
        {"a tag open at the end", "\n<td a b", {"A@2:5", "B@2:7"}},
    };
    for (const auto &row : rows)
        expectFindings(row.name, row.page, false, row.found);
}

// A page far larger than a block, with its line count and columns checked
// at the end: nothing is lost between blocks.
TEST(FindingPositions, ManyLinesAndALongOne)
{
    QByteArray page;
    for (int i = 0; i < 5000; ++i)
        page += (i % 3 == 0 ? "x\r\n" : i % 3 == 1 ? "y\n" : "z\r");
    page += QByteArray(100000, 'a') + "\xc3\xa9<td q>";
    const QStringList expected{QStringLiteral("Q@5001:100006")};
    for (const qsizetype block : {qsizetype(4096), qsizetype(65536), qsizetype(1) << 20})
        EXPECT_EQ(findings(page, false, block).join(u' ').toStdString(), expected.join(u' ').toStdString()) << block;
}

// A reader that shows no places gets the same findings, uncounted.
TEST(FindingPositions, LeftUncountedWhenNotWanted)
{
    const QByteArray page = "<td \r\n<x <?php y ?> z>\n<font q>";
    for (const bool skip : {false, true})
        for (const qsizetype block : {qsizetype(1), qsizetype(3), page.size()}) {
            QStringList withPlaces = findings(page, skip, block);
            withPlaces.replaceInStrings(QRegularExpression(QStringLiteral("@.*")), QStringLiteral("@0:0"));
            EXPECT_EQ(findings(page, skip, block, false), withPlaces) << skip << " " << block;
        }
}

} // namespace
