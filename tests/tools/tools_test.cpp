#include "common/temp_data.h"
#include "tools/tools_commands.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

struct ToolRun {
    int status;
    QString out;
    QString err;
};

ToolRun tools(const QStringList &arguments)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = runTools(arguments, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}

TEST(Tools, ValidateListsFindingsAndFailsOnErrors)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/bad.htm"), "<FONT FOO=1>x</FONT>\r\n");
    folder.write(QStringLiteral("/good.htm"), "<p>fine</p>\r\n");
    folder.write(QStringLiteral("/old.htm"), "<CENTER>x</CENTER>\r\n");
    const QString bad = folder.file(QStringLiteral("/bad.htm"));
    const QString good = folder.file(QStringLiteral("/good.htm"));
    const QString old = folder.file(QStringLiteral("/old.htm"));

    const ToolRun r = tools({QStringLiteral("validate"), good, bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, bad + QStringLiteral("\tFOO\tUNKNOWN PROPERTY: FOO IN <FONT>\tError\n") + bad +
                         QStringLiteral("\tFONT\tSUPERCEEDED/DISCONTINUED: <FONT>\tDeprecated\n"));
    EXPECT_EQ(tools({QStringLiteral("validate"), good}).status, 0);
    EXPECT_EQ(tools({QStringLiteral("validate"), old}).status, 0); // deprecated only

    const ToolRun missing = tools({QStringLiteral("validate"), folder.file(QStringLiteral("/absent.htm"))});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("absent.htm")));
}

TEST(Tools, CompressAndRtfAndUsage)
{
    test::TempDataFolder folder(false);
    const QByteArray page = "<p>a    b</p>\r\n\r\n<p>c</p>\r\n";
    folder.write(QStringLiteral("/in.htm"), page);
    const ToolRun c = tools({QStringLiteral("compress"), QStringLiteral("--keep-returns"), folder.file(QStringLiteral("/in.htm")),
                         folder.file(QStringLiteral("/out.htm"))});
    EXPECT_EQ(c.status, 0) << c.err.toStdString();
    const QByteArray written = folder.read(QStringLiteral("/out.htm"));
    EXPECT_LT(written.size(), page.size());
    EXPECT_EQ(c.out, QStringLiteral("Original size: %1 bytes\nNew size: %2 bytes\n").arg(page.size()).arg(written.size()));

    EXPECT_EQ(tools({QStringLiteral("compress"), QStringLiteral("--bogus"), QStringLiteral("a"), QStringLiteral("b")}).status, 2);
    EXPECT_EQ(tools({QStringLiteral("compress"), QStringLiteral("only-one")}).status, 2);

    folder.write(QStringLiteral("/in.rtf"), "{\\rtf1\\ansi {\\b bold}\\par}");
    const ToolRun rtf = tools({QStringLiteral("rtf2html"), folder.file(QStringLiteral("/in.rtf"))});
    EXPECT_EQ(rtf.status, 0);
    EXPECT_TRUE(rtf.out.contains(QStringLiteral("bold")));

    const ToolRun none = tools({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains(QStringLiteral("Usage: tagloom-tools")));
    EXPECT_EQ(tools({QStringLiteral("frobnicate")}).status, 2);
    EXPECT_EQ(tools({QStringLiteral("--help")}).status, 0);
}

TEST(Tools, TheProgramReportsAMissingInputWithoutCrashing)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tagloom-tools"),
                  {QStringLiteral("rtf2html"), QStringLiteral("/no/such/file.rtf")});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("file.rtf"));
}

} // namespace
