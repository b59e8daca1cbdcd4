#include "common/temp_data.h"
#include "document/extended_replace.h"

#include <QDir>
#include <QFile>
#include <deque>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {


struct TextCase {
    const char *name;
    QByteArray input;
    QByteArray search;
    QByteArray replacement;
    ReplaceOptions options;
    QByteArray expected;
    int occurrences;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.name;
}

ReplaceOptions exact()
{
    ReplaceOptions o;
    o.caseSensitive = true;
    return o;
}

ReplaceOptions wholeWords(bool caseSensitive = true)
{
    ReplaceOptions o;
    o.caseSensitive = caseSensitive;
    o.wholeWords = true;
    return o;
}

QByteArray bytes(const char *data, int size)
{
    return QByteArray(data, size);
}

class ExtendedReplaceText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ExtendedReplaceText, GivesExactBytes)
{
    const TextCase &c = GetParam();
    const TextReplacement r = replaceInText(c.input, c.search, c.replacement, c.options);
    EXPECT_EQ(r.text, c.expected);
    EXPECT_EQ(r.occurrences, c.occurrences);
}

const QByteArray LongRun = QByteArray(8190, 'x');

INSTANTIATE_TEST_SUITE_P(
    Extended, ExtendedReplaceText,
    ::testing::Values(
        TextCase{"NoOccurrenceKeepsBytes", "a dog\nno break", "cat", "dog", exact(), "a dog\nno break", 0},
        TextCase{"PairsInARun", "aaaa\r\n", "aa", "x", exact(), "xx\r\n", 2},
        TextCase{"DeletionBlocksTheNextStart", "aaaa\r\n", "aa", "", exact(), "aa\r\n", 1},
        TextCase{"ReplacementIsNotSearchedAgain", "b b\r\n", "b", "<b>", exact(), "<b> <b>\r\n", 2},
        TextCase{"ReplacementLongerThanItsMatchEnds", "a\r\n", "a", "aa", exact(), "aa\r\n", 1},
        TextCase{"IgnoresCaseWhenUnticked", "Cat CAT cat\r\n", "cAt", "dog", ReplaceOptions{}, "dog dog dog\r\n", 3},
        TextCase{"ExactCaseWhenTicked", "Cat CAT cat\r\n", "cat", "dog", exact(), "Cat CAT dog\r\n", 1},
        TextCase{"HighBytesDoNotFold", bytes("\xc9\xe9\r\n", 4), bytes("\xe9", 1), "e", ReplaceOptions{},
                 bytes("\xc9" "e\r\n", 4), 1},
        TextCase{"WholeWordAtPunctuation", "a cat.\r\n(cat)\r\n", "cat", "dog", wholeWords(),
                 "a dog.\r\n(dog)\r\n", 2},
        TextCase{"WholeWordInsideWords", "cats bobcat cat_1 cat9\r\n", "cat", "dog", wholeWords(),
                 "cats bobcat cat_1 cat9\r\n", 0},
        TextCase{"WholeWordHighBytesAreLetters", bytes("caf\xe9 \xe9" "caf caf\r\n", 15), "caf", "X",
                 wholeWords(), bytes("caf\xe9 \xe9" "caf X\r\n", 13), 1},
        TextCase{"WholeWordBesideAnEarlierReplacement", "cat-cat cat\r\n", "cat", "z", wholeWords(),
                 "z-z z\r\n", 3},
        TextCase{"WholeWordNotJoinedByADeletion", "xcatcat\r\n", "cat", "", wholeWords(),
                 "xcatcat\r\n", 0},
        TextCase{"WholeWordSkipDoesNotMakeAMatch", "zz\r\n", "z", "y", wholeWords(), "zz\r\n", 0},
        TextCase{"LastLineGetsCrLf", "x\r\ncat", "cat", "dog", exact(), "x\r\ndog\r\n", 1},
        TextCase{"LfFileStaysLf", "cat\ncat", "cat", "dog", exact(), "dog\ndog\n", 2},
        TextCase{"MixedBreaksKept", "cat\rx\n\ncat\r\n", "cat", "dog", exact(), "dog\rx\n\ndog\r\n", 2},
        TextCase{"NulAndHighBytesKept", bytes("\x00" "cat\xff\r\n", 7), "cat", "dog", exact(),
                 bytes("\x00" "dog\xff\r\n", 7), 1},
        TextCase{"MatchAcrossTheProgressStep", LongRun + "cat" + QByteArray(9000, 'y') + "cat",
                 "cat", "d", exact(), LongRun + "d" + QByteArray(9000, 'y') + "d\r\n", 2},
        TextCase{"PatternWithLineBreakFindsNothing", "a\r\nb\r\n", "a\r\nb", "x", exact(), "a\r\nb\r\n", 0},
        TextCase{"EmptyPatternFindsNothing", "abc\r\n", "", "x", exact(), "abc\r\n", 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct PromptCase {
    const char *name;
    QByteArray input;
    std::vector<PromptAnswer> answers;
    QByteArray expected;
    QList<QByteArray> linesShown;
};

void PrintTo(const PromptCase &c, std::ostream *os)
{
    *os << c.name;
}

class ExtendedReplacePrompt : public ::testing::TestWithParam<PromptCase> {};

TEST_P(ExtendedReplacePrompt, FollowsTheAnswers)
{
    const PromptCase &c = GetParam();
    ReplaceOptions options = exact();
    options.prompt = true;
    std::deque<PromptAnswer> answers(c.answers.begin(), c.answers.end());
    QList<QByteArray> shown;
    const auto r = replaceInText(c.input, "cat", "dog", options, QStringLiteral("/f"),
                                 [&](const QString &, const QByteArray &line) {
                                     shown.append(line);
                                     const PromptAnswer a = answers.empty() ? PromptAnswer::No : answers.front();
                                     if (!answers.empty())
                                         answers.pop_front();
                                     return a;
                                 });
    EXPECT_EQ(r.text, c.expected);
    EXPECT_EQ(shown, c.linesShown);
}

using A = PromptAnswer;
INSTANTIATE_TEST_SUITE_P(
    Extended, ExtendedReplacePrompt,
    ::testing::Values(
        PromptCase{"NoYesCancel", "cat cat cat cat\r\n", {A::No, A::Yes, A::Cancel}, "cat dog cat cat\r\n",
                   {"cat cat cat cat", "cat cat cat cat", "cat dog cat cat"}},
        PromptCase{"AllStopsAsking", "cat\r\ncat cat\r\n", {A::All}, "dog\r\ndog dog\r\n", {"cat"}},
        PromptCase{"LineLosesLeadingBlanksAndControls", " \t\x01" "cat\r\nx", {A::Yes}, " \t\x01" "dog\r\nx\r\n",
                   {"cat"}},
        PromptCase{"LineCutAt200", QByteArray(250, 'c') + "at\r\n", {A::No}, QByteArray(250, 'c') + "at\r\n",
                   {QByteArray(200, 'c')}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ExtendedReplacePromptText, JoinsTheTextsLiterally)
{
    EXPECT_EQ(replacePromptText(QStringLiteral("%1 cat"), QStringLiteral("dog"), QStringLiteral("/w/a.htm"), "x cat"),
              QStringLiteral("Replace \"%1 cat\" with \"dog\" in file\n/w/a.htm\nFor the following line:\n\nx cat"));
}

QStringList entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

TEST(ExtendedReplaceFiles, UnchangedFileIsNotRewrittenAndNoWorkingFileRemains)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/a.htm"), "a dog\nend");
    folder.write(QStringLiteral("/Tmpfile.txt"), "mine");
    ExtendedReplace run(QStringLiteral("cat"), QStringLiteral("dog"), ReplaceOptions{});
    const QString path = folder.file(QStringLiteral("/a.htm"));
    const auto before = QFileInfo(path).lastModified();
    EXPECT_EQ(run.processFile(path).outcome, FileOutcome::Unchanged);
    EXPECT_EQ(folder.read(QStringLiteral("/a.htm")), QByteArray("a dog\nend"));
    EXPECT_EQ(QFileInfo(path).lastModified(), before);
    EXPECT_EQ(entries(folder.path()), (QStringList{QStringLiteral("Tmpfile.txt"), QStringLiteral("a.htm")}));
    EXPECT_EQ(folder.read(QStringLiteral("/Tmpfile.txt")), QByteArray("mine"));
}

TEST(ExtendedReplaceFiles, SecondBackupReplacesTheFirst)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/a.htm"), "cat\r\n");
    ReplaceOptions options;
    options.backup = true;
    const QString path = folder.file(QStringLiteral("/a.htm"));
    EXPECT_EQ(ExtendedReplace(QStringLiteral("cat"), QStringLiteral("dog"), options).processFile(path).outcome,
              FileOutcome::Changed);
    EXPECT_EQ(ExtendedReplace(QStringLiteral("dog"), QStringLiteral("emu"), options).processFile(path).outcome,
              FileOutcome::Changed);
    EXPECT_EQ(folder.read(QStringLiteral("/a.htm")), QByteArray("emu\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("/a.htm.bak")), QByteArray("dog\r\n"));
    EXPECT_EQ(entries(folder.path()), (QStringList{QStringLiteral("a.htm"), QStringLiteral("a.htm.bak")}));
}

TEST(ExtendedReplaceFiles, AllLastsOneFileAndCountersAddUp)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/1.htm"), "cat cat\r\n");
    folder.write(QStringLiteral("/2.htm"), "cat cat\r\n");
    ReplaceOptions options;
    options.prompt = true;
    ExtendedReplace run(QStringLiteral("cat"), QStringLiteral("mouse"), options);
    std::deque<PromptAnswer> answers{A::All, A::No, A::Yes};
    QStringList asked;
    run.setPromptHandler([&](const QString &file, const QByteArray &) {
        asked.append(QFileInfo(file).fileName());
        const PromptAnswer a = answers.front();
        answers.pop_front();
        return a;
    });
    const QStringList files{folder.file(QStringLiteral("/1.htm")), folder.file(QStringLiteral("/2.htm"))};
    run.setFiles(files);
    for (const QString &file : files)
        EXPECT_EQ(run.processFile(file).outcome, FileOutcome::Changed);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("1.htm"), QStringLiteral("2.htm"), QStringLiteral("2.htm")}));
    EXPECT_EQ(folder.read(QStringLiteral("/1.htm")), QByteArray("mouse mouse\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("/2.htm")), QByteArray("cat mouse\r\n"));
    EXPECT_EQ(run.filesRead(), 2);
    EXPECT_EQ(run.occurrences(), 3);
    EXPECT_EQ(run.bytesRead(), 18);
    EXPECT_EQ(run.bytesWritten(), 24);
    EXPECT_EQ(run.percent(), 100);
}

// Every processed file counts: read, its text plus two for the line break
// that ends it (there or not); written, the text as it goes out, changed or
// not, plus two.
TEST(ExtendedReplaceFiles, CountersFollowTheBlocksOfEveryProcessedFile)
{
    const struct {
        const char *name;
        QByteArray file;
        qint64 read, written;
    } rows[] = {
        {"crlf, changed", "a cat\r\nb\r\n", 10, 12},
        {"crlf, unchanged", "a dog\r\nb\r\n", 10, 10},
        {"no final break", "a dog", 7, 7},
        {"no final break, changed", "cat", 5, 7},
        {"lf breaks count as written out", "x\ny\n", 5, 6},
        {"empty", "", 2, 0},
    };
    for (const auto &r : rows) {
        test::TempDataFolder folder(false);
        folder.write(QStringLiteral("/f.htm"), r.file);
        ExtendedReplace run(QStringLiteral("cat"), QStringLiteral("mouse"), ReplaceOptions{});
        run.setFiles({folder.file(QStringLiteral("/f.htm"))});
        run.processFile(folder.file(QStringLiteral("/f.htm")));
        EXPECT_EQ(run.bytesRead(), r.read) << r.name;
        EXPECT_EQ(run.bytesWritten(), r.written) << r.name;
    }
}

TEST(ExtendedReplaceFiles, FailuresLeaveTheFileAlone)
{
    test::TempDataFolder folder(false);
    folder.write(QStringLiteral("/ro.htm"), "cat");
    const QString readOnly = folder.file(QStringLiteral("/ro.htm"));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    ReplaceOptions options;
    options.backup = true;
    ExtendedReplace run(QStringLiteral("cat"), QStringLiteral("dog"), options);
    const FileReport locked = run.processFile(readOnly);
    EXPECT_EQ(locked.outcome, FileOutcome::Failed);
    EXPECT_TRUE(locked.message.startsWith(QStringLiteral("Error creating file ") + readOnly));
    EXPECT_EQ(test::readBytes(readOnly), QByteArray("cat"));
    EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("ro.htm")});

    const QString missing = folder.file(QStringLiteral("/gone.htm"));
    EXPECT_EQ(run.processFile(missing).message, QStringLiteral("Error accessing file ") + missing);
}

TEST(ExtendedReplaceFiles, DroppedFolderListsOnlyPlainWritableFiles)
{
    test::TempDataFolder folder(false);
    for (const char *name : {"/b.htm", "/A.htm", "/c.htm", "/.hidden", "/ro.htm", "/sub/inner.htm"})
        folder.write(QString::fromLatin1(name), "x");
    QFile::setPermissions(folder.file(QStringLiteral("/ro.htm")), QFileDevice::ReadOwner);
    QFile::link(folder.file(QStringLiteral("/b.htm")), folder.file(QStringLiteral("/link.htm")));
    const QString a = folder.file(QStringLiteral("/A.htm"));
    EXPECT_EQ(filesFromDroppedPath(folder.path()),
              (QStringList{a, folder.file(QStringLiteral("/b.htm")), folder.file(QStringLiteral("/c.htm"))}));
    EXPECT_EQ(filesFromDroppedPath(a + QChar(0) + QStringLiteral("junk")), QStringList{a});
    EXPECT_TRUE(filesFromDroppedPath(folder.file(QStringLiteral("/ro.htm"))).isEmpty());
}

} // namespace
