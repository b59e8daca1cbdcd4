#include "codetools/html_compressor.h"
#include "common/temp_data.h"
#include "tool_runs.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

test::ToolRun tools(const QStringList &arguments)
{
    return test::runTools(arguments);
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

    const test::ToolRun r = tools({QStringLiteral("validate"), good, bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, bad.toUtf8() + "\tFOO\tUNKNOWN PROPERTY: FOO IN <FONT>\tError\n" + bad.toUtf8() +
                         "\tFONT\tSUPERCEEDED/DISCONTINUED: <FONT>\tDeprecated\n");
    EXPECT_EQ(tools({QStringLiteral("validate"), good}).status, 0);
    EXPECT_EQ(tools({QStringLiteral("validate"), old}).status, 0); // deprecated only

    const test::ToolRun missing = tools({QStringLiteral("validate"), folder.file(QStringLiteral("/absent.htm"))});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("absent.htm"));
}

// Tabs, line breaks and backslashes in a field would shift or split the
// line; they are written as \t, \n, \r and \\.
TEST(Tools, ValidateEscapesWhatWouldSplitALine)
{
    test::TempDataFolder folder(false);
    const struct {
        const char *name;
        QString file;
        QByteArray page;
        QByteArray fields; // the line after the file field
    } rows[] = {
        {"a tab inside an attribute name", QStringLiteral("/tab.htm"), "<td nowrap\tbgcolor=red>",
         "NOWRAP\\tBGCOLOR\tUNKNOWN PROPERTY: NOWRAP\\tBGCOLOR IN <TD>\tError\n"},
        {"a backslash in a name", QStringLiteral("/slash.htm"), "<td a\\b=1>",
         "A\\\\B\tUNKNOWN PROPERTY: A\\\\B IN <TD>\tError\n"},
        {"a file name with a tab, a line feed and a backslash", QStringLiteral("/a\tb\nc\\d.htm"), "<td foo>",
         "FOO\tUNKNOWN PROPERTY: FOO IN <TD>\tError\n"},
    };
    for (const auto &row : rows) {
        folder.write(row.file, row.page);
        const QString path = folder.file(row.file);
        const test::ToolRun r = tools({QStringLiteral("validate"), path});
        QByteArray escapedPath = path.toUtf8();
        escapedPath.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n");
        EXPECT_EQ(r.out, escapedPath + '\t' + row.fields) << row.name;
    }
}

// Output keeps the input's encoding: valid UTF-8 stays UTF-8, and bytes read
// one per character go out as the same bytes.
TEST(Tools, OutputKeepsTheInputsEncoding)
{
    test::TempDataFolder folder(false);
    const struct {
        const char *name;
        const char *command;
        QByteArray input;
        QByteArray expected; // rtf2html: the whole output; validate: the name field of the rows
    } rows[] = {
        {"UTF-8 rich text", "rtf2html", "{\\rtf1 caf\xc3\xa9\\par }", "\r\n<P>caf\xc3\xa9"},
        {"Latin-1 rich text", "rtf2html", "{\\rtf1 caf\xe9\\par }", "\r\n<P>caf\xe9"},
        {"a code in Latin-1 rich text", "rtf2html", "{\\rtf1 caf\xe9 caf\\'e9\\par }", "\r\n<P>caf\xe9 caf\xe9"},
        {"a code in ASCII rich text is UTF-8", "rtf2html", "{\\rtf1 caf\\'e9\\par }", "\r\n<P>caf\xc3\xa9"},
        {"names of a mixed page", "validate", "<td caf\xc3\xa9=1 x\xe9=2>", "CAF\xc3\xa9|X\xe9|"},
        {"names of a UTF-8 page", "validate", "<td caf\xc3\xa9=1 \xc3\x9f=2>", "CAF\xc3\xa9|\xc3\x9f|"},
    };
    for (const auto &row : rows) {
        folder.write(QStringLiteral("/in"), row.input);
        const test::ToolRun r = tools({QLatin1String(row.command), folder.file(QStringLiteral("/in"))});
        QByteArray got = r.out;
        if (QByteArray(row.command) == "validate") {
            got.clear();
            for (const QByteArray &line : r.out.split('\n'))
                if (!line.isEmpty())
                    got += line.split('\t').at(1) + '|';
        }
        EXPECT_EQ(got, row.expected) << row.name;
    }
}

TEST(Tools, CompressAndRtfAndUsage)
{
    test::TempDataFolder folder(false);
    const QByteArray page = "<p>a    b</p>\r\n\r\n<p>c</p>\r\n";
    folder.write(QStringLiteral("/in.htm"), page);
    const test::ToolRun c = tools({QStringLiteral("compress"), QStringLiteral("--keep-returns"), folder.file(QStringLiteral("/in.htm")),
                         folder.file(QStringLiteral("/out.htm"))});
    EXPECT_EQ(c.status, 0) << c.err.toStdString();
    const QByteArray written = folder.read(QStringLiteral("/out.htm"));
    EXPECT_LT(written.size(), page.size());
    EXPECT_EQ(c.out, QStringLiteral("Original size: %1 bytes\nNew size: %2 bytes\n").arg(page.size()).arg(written.size()).toUtf8());

    EXPECT_EQ(tools({QStringLiteral("compress"), QStringLiteral("--bogus"), QStringLiteral("a"), QStringLiteral("b")}).status, 2);
    EXPECT_EQ(tools({QStringLiteral("compress"), QStringLiteral("only-one")}).status, 2);

    folder.write(QStringLiteral("/in.rtf"), "{\\rtf1\\ansi {\\b bold}\\par}");
    const test::ToolRun rtf = tools({QStringLiteral("rtf2html"), folder.file(QStringLiteral("/in.rtf"))});
    EXPECT_EQ(rtf.status, 0);
    EXPECT_TRUE(rtf.out.contains("bold"));

    const test::ToolRun none = tools({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.contains("Usage: tagloom-tools"));
    EXPECT_EQ(tools({QStringLiteral("frobnicate")}).status, 2);
    EXPECT_EQ(tools({QStringLiteral("--help")}).status, 0);
}

// compress reads and writes in pieces, from a file or from standard input
// alike, and writes the bytes the compressor makes of the whole page.
TEST(Tools, CompressWritesWhatTheCompressorMakesOfTheWholePage)
{
    test::TempDataFolder folder(false);
    const QByteArray page =
        QByteArray("<P ALIGN=\"center\">a  b</P>\r\n<td nowrap><img alt=\"x y\" src=\"a.gif\">\r\n\r\n").repeated(30000);
    folder.write(QStringLiteral("/in.htm"), page);
    THTMLCompressor whole;
    whole.LoadBytes(page);
    whole.Compress();
    const QString fromFile = folder.file(QStringLiteral("/file.htm"));
    const QString fromInput = folder.file(QStringLiteral("/input.htm"));
    const test::ToolRun file = tools({QStringLiteral("compress"), folder.file(QStringLiteral("/in.htm")), fromFile});
    const test::ToolRun input = test::runTools({QStringLiteral("compress"), QStringLiteral("-"), fromInput}, {{}, {}, page});
    EXPECT_EQ(file.status, 0) << file.err.constData();
    EXPECT_EQ(input.status, 0) << input.err.constData();
    EXPECT_EQ(folder.read(QStringLiteral("/file.htm")), whole.Buffer());
    EXPECT_EQ(folder.read(QStringLiteral("/input.htm")), whole.Buffer());
    const QByteArray sizes = QStringLiteral("Original size: %1 bytes\nNew size: %2 bytes\n")
                                 .arg(page.size())
                                 .arg(whole.Buffer().size())
                                 .toUtf8();
    EXPECT_EQ(file.out, sizes);
    EXPECT_EQ(input.out, sizes);
}

// A full disk names its cause instead of "Unknown error".
TEST(Tools, CompressNamesWhyTheOutputCouldNotBeWritten)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/in.htm"), QByteArray(200 * 1024, 'x'));
    test::ToolRun r;
    {
        test::FileSizeLimit diskFull(4096);
        r = tools({QStringLiteral("compress"), folder.file(QStringLiteral("/in.htm")), folder.file(QStringLiteral("/out.htm"))});
    }
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("There is no space left on the device.")) << r.err.toStdString();
    EXPECT_EQ(test::folderEntries(folder.path()), QStringList{QStringLiteral("in.htm")});
}

} // namespace
