#include "base/data_folder.h"
#include "base/list_file.h"
#include "base/pair_table.h"
#include "common/temp_data.h"

#include <QRegularExpression>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

struct SplitCase {
    const char *name;
    QByteArray bytes;
    QStringList entries;
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << c.name;
}


class ListFileSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ListFileSplit, ReadsEntriesExactly)
{
    EXPECT_EQ(splitListText(GetParam().bytes), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, ListFileSplit,
    ::testing::Values(
        SplitCase{"Empty", QByteArray(), {}},
        SplitCase{"FinalCrLf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"NoFinalBreak", "a\r\nb", {"a", "b"}},
        SplitCase{"LoneLf", "a\nb\n", {"a", "b"}},
        SplitCase{"LoneCr", "a\rb\r", {"a", "b"}},
        SplitCase{"MixedBreaks", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        SplitCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", {"a", "", "b"}},
        SplitCase{"EmptyLinesAreEntries", "\r\n\r\nx\r\n", {"", "", "x"}},
        SplitCase{"SingleBreak", "\r\n", {""}},
        SplitCase{"TrailingBlanksKept", "  a b  \r\nUPPER lower\r\n", {"  a b  ", "UPPER lower"}},
        SplitCase{"NulIsPartOfItsEntry", QByteArray("a\r\nb\0c\r\nd", 9), {"a", QString::fromLatin1("b\0c", 3), "d"}},
        SplitCase{"Latin1", "caf\xe9\r\n", {QString::fromLatin1("caf\xe9")}},
        SplitCase{"Utf8", "caf\xc3\xa9\r\n", {QString::fromUtf8("caf\xc3\xa9")}},
        SplitCase{"EachLineDecodedOnItsOwn", "caf\xe9\r\ncaf\xc3\xa9\r\n",
                  {QString::fromLatin1("caf\xe9"), QString::fromLatin1("caf\xe9")}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ListFile, WritesCrLfAfterEveryEntryAndReadsItBack)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/list.tlx"));
    const QStringList entries = {QStringLiteral("one"), QString(), QStringLiteral(" two ")};
    ASSERT_TRUE(writeListFile(path, entries));
    EXPECT_EQ(test::readBytes(path), QByteArray("one\r\n\r\n two \r\n"));
    auto back = readListFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, entries);
    ASSERT_TRUE(writeListFile(path, {}));
    EXPECT_TRUE(test::readBytes(path).isEmpty());
}

// Writing a list back keeps the bytes of every entry that was read from the
// file, wherever it moved; only new or edited text is encoded afresh.
TEST(ListFile, WritingBackKeepsTheBytesOfEveryEntryAsRead)
{
    const QString cafe = QString::fromLatin1("caf\xe9");
    struct Row {
        const char *name;
        QByteArray read;
        QStringList entries;
        QByteArray written;
    } rows[] = {
        {"moved entries keep their bytes, NUL included", QByteArray("caf\xe9\r\nb\0c\nlast", 14),
         {QString::fromLatin1("b\0c", 3), cafe, "last"}, QByteArray("b\0c\r\ncaf\xe9\r\nlast\r\n", 17)},
        {"new text in a Latin-1 file is Latin-1", "caf\xe9\r\n", {cafe, QString::fromLatin1("na\xefve")},
         "caf\xe9\r\nna\xefve\r\n"},
        {"text Latin-1 cannot hold is UTF-8", "caf\xe9\r\n", {cafe, QString::fromUtf8("\xe2\x82\xac" "5")},
         "caf\xe9\r\n\xe2\x82\xac" "5\r\n"},
        {"new text in a UTF-8 file is UTF-8", "caf\xc3\xa9\r\n", {cafe, QString::fromLatin1("na\xefve")},
         "caf\xc3\xa9\r\nna\xc3\xafve\r\n"},
        {"the same text from two encodings keeps both", "caf\xe9\ncaf\xc3\xa9\n", {cafe, cafe},
         "caf\xe9\r\ncaf\xc3\xa9\r\n"},
        {"an edited entry follows the file", "caf\xe9\r\n", {cafe + "s"}, "caf\xe9s\r\n"},
    };
    for (const Row &r : rows) {
        const ListFileContent asRead = splitListBytes(r.read);
        EXPECT_EQ(joinListBytes(r.entries, asRead), r.written) << r.name;
    }
}

TEST(ListFile, ListIsWrittenOnlyWhenItChanged)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/list.tlx"));
    const QByteArray bytes("caf\xe9\nlast", 9); // LF breaks, no final break
    test::writeBytes(path, bytes);
    auto asRead = readListFileContent(path);
    ASSERT_TRUE(asRead);
    EXPECT_TRUE(writeListFileIfChanged(path, asRead->entries, *asRead));
    EXPECT_EQ(test::readBytes(path), bytes);
    EXPECT_TRUE(writeListFileIfChanged(path, asRead->entries.mid(1), *asRead));
    EXPECT_EQ(test::readBytes(path), QByteArray("last\r\n"));

    // A list whose file could not be read is never written over it.
    ListFileContent unreadable;
    unreadable.unreadable = true;
    const Status kept = writeListFileIfChanged(path, {QStringLiteral("new")}, unreadable);
    EXPECT_FALSE(kept);
    EXPECT_TRUE(kept.error.contains(QStringLiteral("list.tlx")));
    EXPECT_EQ(test::readBytes(path), QByteArray("last\r\n"));
}

TEST(ListFile, MissingFileIsAnErrorNotACrash)
{
    auto list = readListFile(QStringLiteral("/nonexistent/folder/list.tlx"));
    EXPECT_FALSE(list);
    EXPECT_TRUE(list.error.contains(QStringLiteral("list.tlx")));
}

TEST(ListFile, FailedWriteIsReportedAndTouchesNothing)
{
    test::TempDataFolder folder(false);
    const QString blocker = folder.file(QStringLiteral("/plain-file"));
    test::writeBytes(blocker, "old\r\n");
    const Status status = writeListFile(blocker + QStringLiteral("/list.tlx"), {QStringLiteral("new")});
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.error.contains(QStringLiteral("list.tlx")));
    EXPECT_EQ(test::readBytes(blocker), QByteArray("old\r\n"));
}

TEST(PairTable, RowsFollowLineNumbersAndSkipBothEmpty)
{
    const QStringList names = {"Name", "a", "", "c", ""};
    const QStringList texts = {"Snippet", "1", "", "", "5", "6"};
    const PairRows rows = pairRowsFromLists(names, texts);
    const PairRows expected = {{"Name", "Snippet"}, {"a", "1"}, {"c", ""}, {"", "5"}, {"", "6"}};
    EXPECT_EQ(rows, expected);
    const PairLists back = listsFromPairRows(rows);
    EXPECT_EQ(back.first, (QStringList{"Name", "a", "c", "", ""}));
    EXPECT_EQ(back.second, (QStringList{"Snippet", "1", "", "5", "6"}));
}

TEST(PairTable, FixedTablesTakeAtMost91Rows)
{
    QStringList a, b;
    for (int i = 0; i < 120; ++i) {
        a << QString::number(i);
        b << QStringLiteral("#%1").arg(i);
    }
    const PairRows rows = pairRowsFromLists(a, b, FixedTableRows);
    ASSERT_EQ(rows.size(), 91);
    EXPECT_EQ(rows.last().first, QStringLiteral("90"));
}

TEST(ShippedData, FixedTablesHaveHeaderAndNinetyEntries)
{
    const QString data = QStringLiteral(TAGLOOM_SOURCE_DATA_DIR);
    for (const auto &[first, second] : {std::pair{DataPath::ColorNames, DataPath::ColorValues},
                                       std::pair{DataPath::CharDescriptions, DataPath::CharTexts}}) {
        auto a = readListFile(data + QLatin1String(first));
        auto b = readListFile(data + QLatin1String(second));
        ASSERT_TRUE(a && b) << first;
        EXPECT_EQ(pairRowsFromLists(*a, *b, FixedTableRows).size(), 91) << first;
    }
    auto hex = readListFile(data + QLatin1String(DataPath::ColorValues));
    for (const QString &value : hex->mid(1))
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^#[0-9A-F]{6}$")).match(value).hasMatch()) << value.toStdString();
}

TEST(DataFolder, IsTheExecutablesFolderWithoutSeparator)
{
    EXPECT_EQ(dataFolderFromExecutable(QStringLiteral("/opt/tagloom/bin/tagloom")), QStringLiteral("/opt/tagloom/bin"));
    EXPECT_EQ(dataFolderFromExecutable(QStringLiteral("/tagloom")), QStringLiteral("/"));
    EXPECT_EQ(QStringLiteral("/opt/t") + QLatin1String(DataPath::Recent), QStringLiteral("/opt/t/Extensions/recent.tlx"));
}

} // namespace
