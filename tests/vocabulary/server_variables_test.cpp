#include "base/list_file.h"
#include "common/temp_data.h"
#include "vocabulary/server_variables.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(ServerVariables, EachKindPrintsTheNameVerbatimInItsSyntax)
{
    struct Row {
        ServerVariableKind kind;
        const char *name;
        const char *variable;
        const char *text;
    };
    const Row rows[] = {
        {ServerVariableKind::Asp, "ASP", "REMOTE_ADDR", "<%= Request.ServerVariables(\"REMOTE_ADDR\") %>"},
        {ServerVariableKind::Asp, "ASP", "", "<%= Request.ServerVariables(\"\") %>"},
        {ServerVariableKind::Cfm, "CFM", "SERVER_NAME", "#CGI.SERVER_NAME#"},
        {ServerVariableKind::Ssi, "SSI", "DATE_LOCAL", "<!--#ECHO VAR=\"DATE_LOCAL\" -->"},
        {ServerVariableKind::Php, "PHP", "REMOTE_ADDR", "<?php echo $REMOTE_ADDR; ?>"},
        // Typed names go in untouched, blanks and quotes included.
        {ServerVariableKind::Php, "PHP", " a\"b ", "<?php echo $ a\"b ; ?>"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(serverVariableKindFromName(QLatin1String(row.name)), row.kind);
        EXPECT_EQ(serverVariableText(row.kind, QString::fromLatin1(row.variable)), QLatin1String(row.text));
    }
    EXPECT_FALSE(serverVariableKindFromName(QStringLiteral("asp")).has_value());
}

TEST(ServerVariables, ShippedListsHoldTheUsualNamesAsPlainListFiles)
{
    const test::TempDataFolder data;
    struct Row {
        ServerVariableKind kind;
        QStringList expected;
    };
    const QStringList common{"REMOTE_ADDR", "SERVER_NAME", "HTTP_USER_AGENT", "QUERY_STRING"};
    const Row rows[] = {
        {ServerVariableKind::Asp, common + QStringList{"LOGON_USER", "URL"}},
        {ServerVariableKind::Cfm, common + QStringList{"CF_TEMPLATE_PATH"}},
        {ServerVariableKind::Ssi, common + QStringList{"DATE_LOCAL", "DOCUMENT_NAME", "LAST_MODIFIED"}},
        {ServerVariableKind::Php, common + QStringList{"PHP_SELF", "REQUEST_URI"}},
    };
    for (const Row &row : rows) {
        const QString name = serverVariableKindName(row.kind);
        SCOPED_TRACE(name.toStdString());
        const Result<QStringList> names = readServerVariables(data.path(), row.kind);
        ASSERT_TRUE(names);
        for (const QString &expected : row.expected)
            EXPECT_TRUE(names->contains(expected)) << expected.toStdString();
        const QByteArray bytes = data.read(serverVariableListPath(row.kind));
        EXPECT_EQ(bytes, joinListText(*names)); // CR LF after every line, the last included
    }
}

} // namespace
