#include "codetools/document_analysis.h"
#include "codetools/html_parser.h"
#include "common/golden_files.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// Rows as "INVALID|MESSAGE|TYPE".
QStringList rowsOf(const char *page)
{
    QStringList out;
    for (const AnalysisRow &row : analyseFile(QByteArray(page)))
        out << row.invalid + QLatin1Char('|') + row.message + QLatin1Char('|') + row.type;
    return out;
}

const QString kClear = QStringLiteral("|No errors found in this document.|");

QString error(const char *attribute, const char *tag)
{
    return QStringLiteral("%1|UNKNOWN PROPERTY: %1 IN <%2>|Error").arg(QLatin1String(attribute), QLatin1String(tag));
}

QString deprecated(const char *tag)
{
    return QStringLiteral("%1|SUPERCEEDED/DISCONTINUED: <%1>|Deprecated").arg(QLatin1String(tag));
}

TEST(DocumentAnalysis, FindingsInDocumentOrder)
{
    const struct {
        const char *page;
        QStringList rows;
    } cases[] = {
        {"", {kClear}},
        {"just text\r\nmore", {kClear}},
        {"</font><!-- x --><html lang=en><input foo=1><embed bar>", {kClear}},
        {"<FONT FOO=1>x</FONT>", {error("FOO", "FONT"), deprecated("FONT")}},
        {"<body onload=x><BODY ONLOAD=x>", {kClear}},
        {"<BODY BGCOLOR=white ID=main>", {error("ID", "BODY")}},
        {"<TD NOWRAP BGCOLOR=red>", {error("NOWRAP", "TD"), error("BGCOLOR", "TD")}},
        {"<OL START=3><UL TYPE=disc><UL START=3>", {error("START", "UL")}},
        {"<A HREF=x ONMOUSEUP=y>", {error("ONMOUSEUP", "A")}},
        {"<HR NOSHADE><HR NOSIZE>", {error("NOSHADE", "HR")}},
        {"<CENTER ALIGN=x><MENU COMPACT><MENU FOO>",
         {deprecated("CENTER"), deprecated("MENU"), error("FOO", "MENU"), deprecated("MENU")}},
        {"<br /><br/>", {error("/", "BR")}},
        {"<img alt = \"a b\">", {QStringLiteral("|UNKNOWN PROPERTY:  IN <IMG>|Error"), error("\"A B\"", "IMG")}},
        {"<script>\r\nif (a<b && c>d)\r\n</script>", {error("&&", "B"), error("C", "B")}},
        {"<OPTION ACTION=x METHOD=post><FORM ACTION=x ID=y><BASEFONT ID=1 CLASS=c>",
         {error("ACTION", "OPTION"), error("CLASS", "BASEFONT"), deprecated("BASEFONT")}},
        {"<BDO DIR=rtl><BDI DIR=rtl>", {kClear}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rowsOf(c.page), c.rows) << c.page;
}

// Whole pages, one finding per line: "INVALID<TAB>MESSAGE<TAB>TYPE". The
// rows are the same whether the nodes are kept or checked as they come.
TEST(DocumentAnalysis, GoldenPages)
{
    const auto cases = test::goldenCases(QStringLiteral("analysis"));
    ASSERT_FALSE(cases.empty());
    for (const auto &c : cases) {
        const QVector<AnalysisRow> rows = analyseFile(c.input);
        QByteArray lines;
        for (const AnalysisRow &row : rows)
            lines += (row.invalid + QLatin1Char('\t') + row.message + QLatin1Char('\t') + row.type).toUtf8() + '\n';
        EXPECT_EQ(lines, c.expected) << c.name.toStdString();
        THTMLParser parser;
        parser.LoadSource(c.input);
        parser.Parse();
        EXPECT_EQ(analyseDocument(parser), rows) << c.name.toStdString();
    }
}

} // namespace
