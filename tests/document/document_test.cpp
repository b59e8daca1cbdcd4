#include "common/temp_data.h"
#include "document/document.h"
#include "document/editor_text.h"
#include "document/syntax_table.h"

#include <QFile>
#include <limits>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace tagloom;

namespace {

struct RoundTrip {
    const char *name;
    QByteArray file;
    QByteArray saved;
    bool noLines;
};

void PrintTo(const RoundTrip &c, std::ostream *os)
{
    *os << c.name;
}


class FileRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(FileRoundTrip, SavingChangesOnlyLineBreaks)
{
    const EditorText text = editorTextFromFile(GetParam().file);
    EXPECT_EQ(text.noLines, GetParam().noLines);
    EXPECT_EQ(fileBytesFromEditor(text.buffer, text.noLines), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileRoundTrip,
    ::testing::Values(RoundTrip{"Empty", "", "", true},
                      RoundTrip{"OneEmptyLine", "\r\n", "\r\n", false},
                      RoundTrip{"NoFinalBreak", "a\r\nb", "a\r\nb\r\n", false},
                      RoundTrip{"LfOnly", "a\nb\n", "a\r\nb\r\n", false},
                      RoundTrip{"CrOnly", "a\rb\r", "a\r\nb\r\n", false},
                      RoundTrip{"BlankLinesKept", "\n\nx\n\n", "\r\n\r\nx\r\n\r\n", false},
                      RoundTrip{"NulAndHighBytes", QByteArray("\x00\xff\xfe\r\n", 5), QByteArray("\x00\xff\xfe\r\n", 5),
                                false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LineBreakExport, UnixAndMacTerminators)
{
    const EditorText text = editorTextFromFile("a\r\nb");
    EXPECT_EQ(fileBytesFromEditor(text.buffer, false, "\n"), QByteArray("a\nb\n"));
    EXPECT_EQ(fileBytesFromEditor(text.buffer, false, "\r"), QByteArray("a\rb\r"));
}

TEST(Document, AdoptsFileBytesAndGivesThemBack)
{
    const struct {
        const char *name;
        QByteArray file;
        TextEncoding encoding;
        bool noLines;
        QByteArray buffer;
    } cases[] = {
        {"utf8", "caf\xc3\xa9\nb", TextEncoding::Utf8, false, "caf\xc3\xa9\r\nb"},
        {"latin1", "caf\xe9\r", TextEncoding::Latin1, false, "caf\xe9"},
        {"nul", QByteArray("a\0b", 3), TextEncoding::Utf8, false, QByteArray("a\0b", 3)},
        {"empty", "", TextEncoding::Utf8, true, ""},
        {"one empty line", "\r\n", TextEncoding::Utf8, false, ""},
    };
    for (const auto &c : cases) {
        Document doc;
        doc.setEncoding(TextEncoding::Latin1);
        doc.setNoLines(!c.noLines);
        const EditorText text = doc.adoptFileBytes(c.file);
        EXPECT_EQ(doc.encoding(), c.encoding) << c.name;
        EXPECT_EQ(doc.hasNoLines(), c.noLines) << c.name;
        EXPECT_EQ(text.buffer, c.buffer) << c.name;
        // Back to the file: only the line breaks may differ (CR LF after every line).
        EXPECT_EQ(doc.fileBytes(text.buffer), fileBytesFromEditor(c.buffer, c.noLines)) << c.name;
    }
    Document doc;
    EXPECT_EQ(doc.fileBytes("a\r\nb", "\n"), QByteArray("a\nb\n"));
}

TEST(EditorText, LongestLineCountsTheBytesBetweenBreaks)
{
    struct Row {
        const char *name;
        QByteArray buffer;
        qsizetype longest;
    };
    const Row rows[] = {
        {"empty", "", 0},
        {"one line", "abc", 3},
        {"CR LF breaks", "ab\r\nabcd\r\nx", 4},
        {"a lone CR breaks too", "abcde\rxy", 5},
        {"a lone LF breaks too", "ab\nabcdef", 6},
        {"the last line counts", "a\r\nb\r\nlongest", 7},
        {"NUL is a byte like any", QByteArray("a\0b\0c", 5), 5},
        {"UTF-8 counts bytes", "caf\xC3\xA9", 5},
    };
    for (const Row &row : rows)
        EXPECT_EQ(longestLineLength(row.buffer), row.longest) << row.name;
}

TEST(Document, TitleFollowsThePath)
{
    Document doc;
    EXPECT_TRUE(doc.isUntitled());
    EXPECT_EQ(doc.title(), QStringLiteral("Untitled Document"));
    doc.setPath(QStringLiteral("/sites/a b/Index.HTM"));
    EXPECT_FALSE(doc.isUntitled());
    EXPECT_EQ(doc.title(), QStringLiteral("Index.HTM"));
}

TEST(Document, LoadAndSaveGoThroughTheFile)
{
    test::TempDataFolder folder(false);
    Document doc;
    doc.setPath(folder.file(QStringLiteral("/page.htm")));
    EXPECT_FALSE(doc.load()); // not there yet
    ASSERT_TRUE(doc.save("one\r\ntwo"));
    EXPECT_EQ(test::readBytes(doc.path()), QByteArray("one\r\ntwo\r\n"));
    const Result<EditorText> loaded = doc.load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->buffer, QByteArray("one\r\ntwo"));
    doc.setPath(folder.file(QStringLiteral("/missing/dir/page.htm")));
    EXPECT_FALSE(doc.save("x"));
}

// UTF-16 files with a mark come back byte for byte; their line breaks are
// UTF-16 code units, never bytes that happen to be CR or LF.
TEST(Document, Utf16FilesKeepTheirEncoding)
{
    auto le = [](const char16_t *text) {
        QByteArray bytes;
        for (const char16_t *p = text; *p; ++p)
            bytes.append(char(*p & 0xFF)).append(char(*p >> 8));
        return bytes;
    };
    auto be = [](const char16_t *text) {
        QByteArray bytes;
        for (const char16_t *p = text; *p; ++p)
            bytes.append(char(*p >> 8)).append(char(*p & 0xFF));
        return bytes;
    };
    const struct {
        const char *name;
        QByteArray file;
        TextEncoding encoding;
        QByteArray saved; // the file after a save without an edit
        QByteArray shown; // the editor's bytes (UTF-8), or nothing to check
    } cases[] = {
        {"LE with CR LF", le(u"\uFEFFa\r\n\u0D0A\u010A\r\n"), TextEncoding::Utf16LE, le(u"\uFEFFa\r\n\u0D0A\u010A\r\n"),
         "\xEF\xBB\xBF" "a\r\n\xE0\xB4\x8A\xC4\x8A"},
        {"BE with CR LF", be(u"\uFEFF<p>\r\n</p>\r\n"), TextEncoding::Utf16BE, be(u"\uFEFF<p>\r\n</p>\r\n"),
         "\xEF\xBB\xBF<p>\r\n</p>"},
        {"LE with LF and a NUL", le(u"\uFEFFx\ny") + QByteArray("\0\0", 2), TextEncoding::Utf16LE,
         le(u"\uFEFFx\r\ny") + QByteArray("\0\0\r\0\n\0", 6), QByteArray("\xEF\xBB\xBFx\r\ny\0", 8)},
        {"odd length is bytes", QByteArray("\xFF\xFE" "a\0b", 5), TextEncoding::Latin1,
         QByteArray("\xFF\xFE" "a\0b\r\n", 7), QByteArray()},
        {"lone surrogate is bytes", le(u"\uFEFF") + QByteArray("\x00\xD8", 2), TextEncoding::Latin1,
         le(u"\uFEFF") + QByteArray("\x00\xD8\r\n", 4), QByteArray()},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(detectEncoding(c.file), c.encoding) << c.name;
        Document doc;
        const EditorText text = doc.adoptFileBytes(c.file);
        EXPECT_EQ(doc.encoding(), c.encoding) << c.name;
        EXPECT_EQ(doc.fileBytes(text.buffer), c.saved) << c.name;
        if (!c.shown.isNull()) {
            EXPECT_EQ(text.buffer, c.shown) << c.name;
            // The tools read the text as the editor holds it.
            EXPECT_EQ(doc.textBytes(text.buffer), c.shown + "\r\n") << c.name;
        }
    }
}

// A file the editor cannot hold is refused before a byte is read, with a
// message that says why; nothing is left half-loaded.
TEST(Document, FilesTooLargeToHoldAreRefused)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/big.htm"));
    test::writeBytes(path, QByteArray(3 * 1024 * 1024, 'x'));
    Document doc;
    doc.setPath(path);
    const Result<EditorText> refused = doc.load(4 * 1024 * 1024); // 4 MB to spare: 1 MB files at most
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("too large"))) << refused.error.toStdString();
    EXPECT_TRUE(doc.load(64 * 1024 * 1024)); // with room it opens
    EXPECT_EQ(largestEditableFile(qint64(1) << 40), qint64(std::numeric_limits<qint32>::max()));

    // Past what the editor can address at all, however much memory there is
    // (a sparse file: it takes no room on the disk).
    const QString huge = folder.file(QStringLiteral("/huge.htm"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(3) << 30));
    }
    doc.setPath(huge);
    EXPECT_FALSE(doc.load(qint64(1) << 40));

    // A line is laid out whole when shown: a file small enough to hold can
    // still have a line too long to show with the memory there is.
    constexpr qint64 kRoom = 20 * 1024 * 1024;
    test::writeBytes(path, QByteArray(3 * 1024 * 1024, 'x') + "\r\n");
    doc.setPath(path);
    const Result<EditorText> longLine = doc.load(kRoom);
    ASSERT_FALSE(longLine);
    EXPECT_TRUE(longLine.error.contains(QStringLiteral("its longest line holds 3 MB"))) << longLine.error.toStdString();
    test::writeBytes(path, QByteArray(1023, 'x').append("\n").repeated(3 * 1024));
    EXPECT_TRUE(doc.load(kRoom)) << "the same bytes in short lines";
}

// A save that fails part-way must leave the file it was to replace exactly as
// it was, and no half-written copy beside it.
TEST(Document, FailedOverwriteLeavesTheFileIntact)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/page.htm"));
    const QByteArray original = "<p>the page as it was</p>\r\n";
    test::writeBytes(path, original);
    Document doc;
    doc.setPath(path);
    const QByteArray big(64 * 1024, 'x');
    {
        // The disk fills up while the new text is written.
        test::FileSizeLimit limit(4096);
        const Status saved = doc.save(big);
        EXPECT_FALSE(saved);
        EXPECT_FALSE(saved.error.isEmpty());
    }
    EXPECT_EQ(test::readBytes(path), original);
    EXPECT_EQ(test::folderEntries(folder.path()), QStringList{QStringLiteral("page.htm")});

    // A folder that may not be written to: only without root's privileges,
    // which write anywhere.
    if (geteuid() != 0) {
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(doc.save(big));
        QFile::setPermissions(folder.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(test::readBytes(path), original);
    }
    ASSERT_TRUE(doc.save(big)); // room again: the same save goes through
    EXPECT_EQ(test::readBytes(path).size(), big.size() + 2);
}

TEST(SyntaxTable, ExtensionsChooseInTableOrder)
{
    struct Case {
        const char *path;
        const char *language; // nullptr: no colouring matches
    } cases[] = {
        {"/x/page.HTM", "HTML Document"}, {"/x/a.inc", "ObjectPascal"}, {"/x/s.php3", "PHP"},
        {"/x/a.css", "Cascading Stylesheets"}, {"/x/notes.txt", nullptr}, {"/x/deck.wml", nullptr},
        {"/x/noext", nullptr}, {"/x.y/noext", nullptr},
    };
    for (const Case &c : cases) {
        const ColouringInfo *info = colouringForExtension(upperExtension(QLatin1String(c.path)));
        if (c.language)
            EXPECT_TRUE(info && QLatin1String(info->languageName) == QLatin1String(c.language)) << c.path;
        else
            EXPECT_EQ(info, nullptr) << c.path;
    }
    EXPECT_EQ(colouringByName(QStringLiteral("php")), nullptr);
    ASSERT_NE(colouringByName(QStringLiteral("PHP")), nullptr);
    EXPECT_EQ(colouringByName(QStringLiteral("(none)")), nullptr);
    const QStringList items = syntaxSelectorItems();
    EXPECT_EQ(items.size(), 18);
    EXPECT_EQ(items.first(), QStringLiteral("(none)"));
}

} // namespace
