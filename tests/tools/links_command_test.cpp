#include "common/sample_site.h"
#include "tool_runs.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QList<QByteArray> outputLines(const QByteArray &out)
{
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The JSON lines read back by a JSON reader: one object each, with the
// position where the page really holds the reference.
TEST(ToolsLinks, JsonLinesReadBack)
{
    QTemporaryDir dir;
    test::writeSampleSite(dir.path());
    const test::ToolRun r = test::runTools({QStringLiteral("links"), QStringLiteral("--format"),
                                            QStringLiteral("json"), dir.path()});
    EXPECT_EQ(r.status, 1) << r.err.constData();
    QMap<QString, int> types;
    QJsonObject missing, logo, orphan;
    for (const QByteArray &line : outputLines(r.out)) {
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(line, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.constData();
        const QJsonObject o = json.object();
        EXPECT_EQ(o.keys(), (QStringList{"column", "file", "line", "message", "name", "type"}));
        ++types[o.value(QLatin1String("type")).toString()];
        const QString name = o.value(QLatin1String("name")).toString();
        if (name == QLatin1String("missing.htm"))
            missing = o;
        else if (name == QLatin1String("Img/Logo.GIF"))
            logo = o;
        else if (o.value(QLatin1String("file")).toString().endsWith(QLatin1String("img/unused.gif")))
            orphan = o;
    }
    EXPECT_EQ(types, (QMap<QString, int>{{"Broken", 6}, {"Case", 2}, {"Orphan", 2}, {"Remote", 3}}));

    const QString index = dir.filePath(QStringLiteral("index.html"));
    EXPECT_EQ(missing.value(QLatin1String("file")).toString(), index);
    EXPECT_EQ(missing.value(QLatin1String("message")).toString(), QStringLiteral("Not found: missing.htm"));
    const test::TextPosition at = test::positionOf(index, "missing.htm");
    EXPECT_EQ(missing.value(QLatin1String("line")).toInt(), at.line);
    EXPECT_EQ(missing.value(QLatin1String("column")).toInt(), at.column);
    // After a two-byte character: the column counts characters.
    const test::TextPosition logoAt = test::positionOf(index, "Img/Logo.GIF");
    EXPECT_EQ(logo.value(QLatin1String("column")).toInt(), logoAt.column);
    EXPECT_EQ(logo.value(QLatin1String("type")).toString(), QStringLiteral("Case"));
    EXPECT_EQ(orphan.value(QLatin1String("line")).toInt(), 0);
    EXPECT_EQ(orphan.value(QLatin1String("type")).toString(), QStringLiteral("Orphan"));
}

TEST(ToolsLinks, PlainAndTabSeparatedForms)
{
    QTemporaryDir dir;
    test::writeSampleSite(dir.path());
    const test::ToolRun plain = test::runTools({QStringLiteral("links"), dir.path()});
    const test::ToolRun tsv = test::runTools({QStringLiteral("links"), QStringLiteral("--format=tsv"), dir.path()});
    const QList<QByteArray> plainLines = outputLines(plain.out);
    const QList<QByteArray> tsvLines = outputLines(tsv.out);
    ASSERT_EQ(plainLines.size(), 13);
    ASSERT_EQ(tsvLines.size(), plainLines.size());
    for (qsizetype i = 0; i < plainLines.size(); ++i) {
        const QList<QByteArray> p = plainLines[i].split('\t');
        const QList<QByteArray> t = tsvLines[i].split('\t');
        ASSERT_EQ(p.size(), 4) << plainLines[i].constData();
        ASSERT_EQ(t.size(), 6) << tsvLines[i].constData();
        // The same finding: the tab-separated form adds line and column.
        EXPECT_EQ(t.mid(0, 1) + t.mid(3), p);
    }
    EXPECT_EQ(plainLines.first(), dir.filePath(QStringLiteral("about.htm")).toUtf8() +
                                      "\timg/missing.png\tNot found: img/missing.png\tBroken");
}

TEST(ToolsLinks, ExitStatus)
{
    QTemporaryDir clean;
    // Orphans and remote addresses alone are no failure.
    test::writeSiteFile(clean.path(), QStringLiteral("index.htm"), "<a href=\"http://example.com/\">r</a>");
    test::writeSiteFile(clean.path(), QStringLiteral("stray.gif"), "GIF89a");
    QTemporaryDir broken;
    test::writeSiteFile(broken.path(), QStringLiteral("index.htm"), "<a href=\"gone.htm\">x</a>");
    QTemporaryDir caseOnly;
    test::writeSiteFile(caseOnly.path(), QStringLiteral("index.htm"), "<a href=\"Page.htm\">x</a>");
    test::writeSiteFile(caseOnly.path(), QStringLiteral("page.htm"), "");

    const struct {
        const char *name;
        QStringList arguments;
        int status;
    } rows[] = {
        {"orphans and remote only", {"links", clean.path()}, 0},
        {"a broken link", {"links", broken.path()}, 1},
        {"a letter-case mismatch", {"links", "--format", "json", caseOnly.path()}, 1},
        {"no folder", {"links"}, 2},
        {"two folders", {"links", clean.path(), broken.path()}, 2},
        {"a folder that is not there", {"links", clean.filePath(QStringLiteral("absent"))}, 2},
        {"a file, not a folder", {"links", clean.filePath(QStringLiteral("index.htm"))}, 2},
        {"an unknown format", {"links", "--format", "xml", clean.path()}, 2},
        {"a format missing", {"links", clean.path(), "--format"}, 2},
        {"an unknown option", {"links", "--fetch", clean.path()}, 2},
    };
    for (const auto &row : rows) {
        const test::ToolRun r = test::runTools(row.arguments);
        EXPECT_EQ(r.status, row.status) << row.name << ": " << r.err.constData();
        if (row.status == 2) {
            EXPECT_TRUE(r.err.startsWith("tagloom-tools: ")) << row.name;
        }
    }
}

} // namespace
