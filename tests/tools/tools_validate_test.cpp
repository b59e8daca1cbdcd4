#include "common/temp_data.h"
#include "tool_runs.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// A site folder: pages in and under it, a file that is no page, a hidden
// folder; its findings in the order validate gives them.
struct Site {
    test::TempDataFolder folder{false};
    QString dir;
    Site()
    {
        dir = folder.file(QStringLiteral("/site"));
        QDir().mkpath(dir + QStringLiteral("/sub"));
        QDir().mkpath(dir + QStringLiteral("/.hidden"));
        folder.write(QStringLiteral("/site/a.htm"), "<p>\r\n<td caf\xc3\xa9=1>\r\n");
        folder.write(QStringLiteral("/site/sub/b.php"),
                     "<?php if ($a<$b) echo '<td x>'; ?>\n<font face=\"<?= $f ?>\" foo=1>");
        folder.write(QStringLiteral("/site/sub/E.HTM"), "<td e>");
        folder.write(QStringLiteral("/site/c.txt"), "<td bad>");
        folder.write(QStringLiteral("/site/.hidden/d.htm"), "<td bad>");
    }
};

struct Expected {
    QString file;
    qint64 line, column;
    QString name, message, type;
};

QList<Expected> expectedFindings(const Site &site)
{
    const QString a = site.dir + QStringLiteral("/a.htm");
    const QString b = site.dir + QStringLiteral("/sub/b.php");
    const QString e = site.dir + QStringLiteral("/sub/E.HTM");
    const QString cafe = QStringLiteral("CAF\u00e9");
    const QString latin = QStringLiteral("X\u00e9"); // standard input's Latin-1 name
    return {
        {a, 2, 5, cafe, QStringLiteral("UNKNOWN PROPERTY: %1 IN <TD>").arg(cafe), QStringLiteral("Error")},
        {e, 1, 5, QStringLiteral("E"), QStringLiteral("UNKNOWN PROPERTY: E IN <TD>"), QStringLiteral("Error")},
        {b, 2, 24, QStringLiteral("FOO"), QStringLiteral("UNKNOWN PROPERTY: FOO IN <FONT>"), QStringLiteral("Error")},
        {b, 2, 1, QStringLiteral("FONT"), QStringLiteral("SUPERCEEDED/DISCONTINUED: <FONT>"), QStringLiteral("Deprecated")},
        {QStringLiteral("-"), 1, 5, latin, QStringLiteral("UNKNOWN PROPERTY: %1 IN <TD>").arg(latin), QStringLiteral("Error")},
    };
}

const QByteArray kStandardInput = "<td x\xe9=1>";

// Every line a JSON reader takes, with the six keys and nothing else.
TEST(ToolsValidate, JsonLinesReadBackByAJsonReader)
{
    const Site site;
    const test::ToolRun r =
        test::runTools({QStringLiteral("validate"), QStringLiteral("--format"), QStringLiteral("json"),
                        QStringLiteral("--skip-server-code"), site.dir, QStringLiteral("-")},
                       {{}, {}, kStandardInput});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    QList<Expected> got;
    for (const QByteArray &line : r.out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.constData();
        const QJsonObject o = doc.object();
        EXPECT_EQ(o.keys(), (QStringList{"column", "file", "line", "message", "name", "type"}));
        got.append({o.value("file").toString(), o.value("line").toInteger(), o.value("column").toInteger(),
                    o.value("name").toString(), o.value("message").toString(), o.value("type").toString()});
    }
    const QList<Expected> expected = expectedFindings(site);
    ASSERT_EQ(got.size(), expected.size()) << r.out.constData();
    for (int i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].file, expected[i].file) << i;
        EXPECT_EQ(got[i].line, expected[i].line) << i;
        EXPECT_EQ(got[i].column, expected[i].column) << i;
        EXPECT_EQ(got[i].name, expected[i].name) << i;
        EXPECT_EQ(got[i].message, expected[i].message) << i;
        EXPECT_EQ(got[i].type, expected[i].type) << i;
    }
}

// Tab-separated: six fields, the page's own bytes in names and messages.
TEST(ToolsValidate, TsvLinesHaveSixFields)
{
    const Site site;
    const test::ToolRun r = test::runTools({QStringLiteral("validate"), site.dir, QStringLiteral("--format"),
                                            QStringLiteral("tsv"), QStringLiteral("--skip-server-code")});
    const QList<Expected> expected = expectedFindings(site);
    const QByteArrayList lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), expected.size()) << r.out.constData(); // standard input not read: one line fewer, "" at the end
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const Expected &e = expected[i];
        EXPECT_EQ(lines[i], (QStringList{e.file, QString::number(e.line), QString::number(e.column), e.name, e.message,
                                         e.type}.join(u'\t')).toUtf8());
    }
}

// Without the code skipped, PHP is mark-up as it always was: its "?>" ends
// the tag early and the error after it goes unseen. Exit statuses.
TEST(ToolsValidate, OptionsAndExitStatus)
{
    const Site site;
    const QString php = site.dir + QStringLiteral("/sub/b.php");
    const QString page = site.dir + QStringLiteral("/a.htm");
    const test::ToolRun plain = test::runTools({QStringLiteral("validate"), php});
    EXPECT_EQ(plain.out, php.toUtf8() + "\tFONT\tSUPERCEEDED/DISCONTINUED: <FONT>\tDeprecated\n");
    EXPECT_EQ(plain.status, 0);
    const test::ToolRun skipped = test::runTools({QStringLiteral("validate"), QStringLiteral("--skip-server-code"), php});
    EXPECT_EQ(skipped.out, php.toUtf8() + "\tFOO\tUNKNOWN PROPERTY: FOO IN <FONT>\tError\n" + php.toUtf8() +
                               "\tFONT\tSUPERCEEDED/DISCONTINUED: <FONT>\tDeprecated\n");
    EXPECT_EQ(skipped.status, 1);

    site.folder.write(QStringLiteral("/clean/ok.html"), "<p>fine</p>");
    site.folder.write(QStringLiteral("/clean/old.shtml"), "<center>x</center>");
    const QString clean = site.folder.file(QStringLiteral("/clean"));
    const struct {
        const char *name;
        QStringList arguments;
        int status;
        const char *err;
    } rows[] = {
        {"a clean folder, Deprecated only", {clean}, 0, ""},
        {"an Error", {clean, page}, 1, ""},
        {"the html5 table asked for", {QStringLiteral("--rules"), QStringLiteral("html5"), clean}, 0, ""},
        {"the html4 table asked for", {QStringLiteral("--rules"), QStringLiteral("html4"), page}, 1, ""},
        {"an input that cannot be read wins", {php, clean + QStringLiteral("/absent.htm")}, 2, "absent.htm"},
        {"no input", {QStringLiteral("--format"), QStringLiteral("json")}, 2, "at least one file"},
        {"a format not known", {QStringLiteral("--format"), QStringLiteral("xml"), clean}, 2, "tsv or json, not xml"},
        {"a table not known", {QStringLiteral("--rules"), QStringLiteral("html3"), clean}, 2, "html4 or html5"},
        {"an option without its value", {clean, QStringLiteral("--rules")}, 2, "--rules needs a value"},
        {"an option not known", {QStringLiteral("--strict"), clean}, 2, "unknown option --strict"},
        {"-- ends the options", {QStringLiteral("--"), QStringLiteral("--strict")}, 2, "--strict"},
    };
    for (const auto &row : rows) {
        const test::ToolRun r = test::runTools(QStringList{QStringLiteral("validate")} + row.arguments);
        EXPECT_EQ(r.status, row.status) << row.name;
        EXPECT_TRUE(r.err.contains(row.err)) << row.name << ": " << r.err.constData();
    }
}

} // namespace
