// tagloom-tools run as a program: what it does with a full disk, a closed
// standard output, inputs that never end or do not fit, and its memory.
#include "common/temp_data.h"
#include "tool_runs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace tagloom;

namespace {

constexpr rlim_t kMiB = 1024 * 1024;

// Rich text whose HTML is about `bytes` long.
QByteArray richText(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    while (rtf.size() < bytes)
        rtf += "Some words in a paragraph.\\par ";
    return rtf + "}";
}

TEST(ToolsProgram, AFailedWriteIsReportedWithStatus2)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/doc.rtf"), richText(600 * 1024));
    folder.write(QStringLiteral("/bad.htm"), "<FONT FOO=1>x</FONT>\r\n");
    folder.write(QStringLiteral("/in.htm"), "<p>a    b</p>\r\n");
    const QString rtf = folder.file(QStringLiteral("/doc.rtf"));
    const QString bad = folder.file(QStringLiteral("/bad.htm"));
    const QString capped = folder.file(QStringLiteral("/capped.htm"));
    const auto closeStandardOutput = [] { close(STDOUT_FILENO); };
    const auto fileLimit64K = [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    const QString full = QStringLiteral("/dev/full");
    const struct {
        const char *name;
        QStringList arguments;
        test::ToolSetup setup;
    } rows[] = {
        {"HTML to a full device", {QStringLiteral("rtf2html"), rtf}, {{}, full, {}}},
        {"validate's rows to a full device", {QStringLiteral("validate"), bad}, {{}, full, {}}},
        {"the size report to a full device",
         {QStringLiteral("compress"), folder.file(QStringLiteral("/in.htm")), folder.file(QStringLiteral("/out.htm"))},
         {{}, full, {}}},
        {"HTML with standard output closed", {QStringLiteral("rtf2html"), rtf}, {closeStandardOutput, {}, {}}},
        {"rows with standard output closed", {QStringLiteral("validate"), bad}, {closeStandardOutput, {}, {}}},
        {"600 KB of HTML to a file that may hold 64 KiB", {QStringLiteral("rtf2html"), rtf},
         {fileLimit64K, capped, {}}},
    };
    for (const auto &row : rows) {
        const test::ToolRun run = test::runTools(row.arguments, row.setup);
        EXPECT_EQ(run.exitStatus, QProcess::NormalExit) << row.name;
        EXPECT_EQ(run.status, 2) << row.name;
        EXPECT_TRUE(run.err.contains("tagloom-tools: cannot write to standard output: ")) << row.name << ": "
                                                                                       << run.err.constData();
    }
    EXPECT_LE(QFileInfo(capped).size(), 64 * 1024);
}

// Address-space limits leave no room for AddressSanitizer's shadow memory.
#if defined(__SANITIZE_ADDRESS__)
#define SKIP_UNDER_ADDRESS_LIMITS GTEST_SKIP() << "address-space limits and AddressSanitizer do not mix"
#else
#define SKIP_UNDER_ADDRESS_LIMITS (void)0
#endif

TEST(ToolsProgram, InputsThatNeverEndOrDoNotFitAreRefused)
{
    SKIP_UNDER_ADDRESS_LIMITS;
    test::TempDataFolder folder(false);
    const QString big = folder.file(QStringLiteral("/big.htm"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray piece = QByteArray("<p class=x>text <b>bold</b></p>\r\n").repeated(4096);
        for (qsizetype written = 0; written < qsizetype(48 * kMiB); written += piece.size())
            file.write(piece);
    }
    const QByteArray small = "<FONT FOO=1>x</FONT>\r\n";
    // Each child may map 100 MiB, about half of it taken by the program
    // itself: the work on 48 MiB does not fit in the rest, and the tiny page
    // does.
    const struct {
        const char *name;
        QStringList arguments;
        QByteArray standardInput;
        int exitCode;
        const char *message;
    } rows[] = {
        {"a device that never ends", {QStringLiteral("validate"), QStringLiteral("/dev/zero")}, {}, 2,
         "\"/dev/zero\" is not a regular file"},
        {"a page too large to validate", {QStringLiteral("validate"), big}, {}, 2, "is too large to validate"},
        {"a page too large to convert", {QStringLiteral("rtf2html"), big}, {}, 2, "is too large to convert"},
        {"standard input too large to validate", {QStringLiteral("validate"), QStringLiteral("-")},
         QByteArray(48 * kMiB, 'x'), 2, "Standard input is too large to validate"},
        {"a small page on standard input", {QStringLiteral("validate"), QStringLiteral("-")}, small, 1, ""},
    };
    for (const auto &row : rows) {
        const test::ToolRun run = test::runTools(row.arguments, {test::addressSpaceLimit(100 * kMiB), {}, row.standardInput});
        EXPECT_EQ(run.exitStatus, QProcess::NormalExit) << row.name;
        EXPECT_EQ(run.status, row.exitCode) << row.name << ": " << run.err.constData();
        EXPECT_TRUE(run.err.contains(row.message)) << row.name << ": " << run.err.constData();
    }
}

// The rows are written as they are found, and a tag's million parameters
// are never listed: 3 MB of page runs in a small, fixed address space.
// One attribute name as long as its page is copied twice more (upper-cased,
// and in its message), which takes more than the check before the work
// allows for: the program runs out of memory, says so and ends.
TEST(ToolsProgram, RunningOutOfMemoryMidWayIsReported)
{
    SKIP_UNDER_ADDRESS_LIMITS;
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/tag.htm"), "<td " + QByteArray(24 * kMiB, 'a') + ">");
    const test::ToolRun run = test::runTools({QStringLiteral("validate"), folder.file(QStringLiteral("/tag.htm"))},
                                             {test::addressSpaceLimit(100 * kMiB), {}, {}});
    EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("tagloom-tools: out of memory")) << run.err.constData();
}

TEST(ToolsProgram, AMillionFindingsNeedNoMoreMemoryThanTheirPage)
{
    SKIP_UNDER_ADDRESS_LIMITS;
    test::TempDataFolder folder(false);
    QByteArray page = "<td";
    for (int i = 0; i < 1000000; ++i)
        page += " p" + QByteArray::number(i % 10);
    folder.write(QStringLiteral("/million.htm"), page + ">\r\n");
    const QString rows = folder.file(QStringLiteral("/rows.txt"));
    const test::ToolRun run =
        test::runTools({QStringLiteral("validate"), folder.file(QStringLiteral("/million.htm"))}, {test::addressSpaceLimit(200 * kMiB), rows, {}});
    EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(run.status, 1) << run.err.constData();
    const QByteArray written = test::readBytes(rows);
    EXPECT_EQ(written.count('\n'), 1000000);
    EXPECT_TRUE(written.endsWith("\tP9\tUNKNOWN PROPERTY: P9 IN <TD>\tError\n"));
}

// Both read their page in blocks and keep only what is under way, so their
// peak memory is about that of the program alone, whatever the page's size.
TEST(ToolsProgram, ValidateAndCompressNeverHoldTheirPageWhole)
{
    SKIP_UNDER_ADDRESS_LIMITS;
    test::TempDataFolder folder(false);
    const QString page = folder.file(QStringLiteral("/page.htm"));
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray piece =
            QByteArray("<p class=\"x\">text  <b>bold</b> &amp;</p>\r\n<td nowrap bgcolor=red>\n").repeated(4096);
        for (qsizetype written = 0; written < qsizetype(48 * kMiB); written += piece.size())
            file.write(piece);
    }
    const QString out = folder.file(QStringLiteral("/out.htm"));
    const struct {
        const char *name;
        QStringList arguments;
    } rows[] = {
        {"validate", {QStringLiteral("validate"), page}},
        {"compress", {QStringLiteral("compress"), page, out}},
    };
    for (const auto &row : rows) {
        const qint64 peak = test::peakMemoryOfRun(row.arguments);
        if (peak < 0 && !QFile::exists(QStringLiteral("/usr/bin/time")))
            GTEST_SKIP() << "/usr/bin/time measures the peak; it is not installed";
        EXPECT_GT(peak, 0) << row.name;
        EXPECT_LT(peak, qint64(24 * kMiB)) << row.name << ": " << peak / qint64(kMiB) << " MiB";
    }
}

// As root the folder's permission bits stop nothing, so the program runs as
// nobody there.
TEST(ToolsProgram, AFolderThatCannotBeWrittenToIsNamed)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/in.htm"), "<p>x</p>");
    QDir().mkdir(folder.file(QStringLiteral("/locked")));
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto enterable = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QFile::setPermissions(folder.path(), readable | enterable | QFileDevice::WriteOwner);
    QFile::setPermissions(folder.file(QStringLiteral("/in.htm")), readable | QFileDevice::WriteOwner);
    QFile::setPermissions(folder.file(QStringLiteral("/locked")), readable | enterable);
    test::ToolSetup setup;
    if (geteuid() == 0)
        setup.inChild = [] {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(99);
        };
    const QString locked = folder.file(QStringLiteral("/locked"));
    const test::ToolRun run = test::runTools({QStringLiteral("compress"), folder.file(QStringLiteral("/in.htm")), locked + "/out.htm"}, setup);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("The folder \"%1\" cannot be written to.").arg(locked).toUtf8()))
        << run.err.constData();
}

TEST(ToolsProgram, AMissingInputIsReportedWithoutCrashing)
{
    const test::ToolRun run = test::runTools({QStringLiteral("rtf2html"), QStringLiteral("/no/such/file.rtf")});
    EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("file.rtf"));
}

} // namespace
