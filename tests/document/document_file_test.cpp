#include "common/temp_data.h"
#include "document/document_file.h"
#include "document/editor_text.h"
#include "document/syntax_table.h"

#include <gtest/gtest.h>

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

TEST(DocumentFile, SaveIsAtomicAndFailureLeavesTheFile)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/page.htm"));
    ASSERT_TRUE(saveDocumentFile(path, "one\r\ntwo", false));
    EXPECT_EQ(test::readBytes(path), QByteArray("one\r\ntwo\r\n"));
    EXPECT_FALSE(saveDocumentFile(folder.file(QStringLiteral("/missing/dir/page.htm")), "x", false));
    auto loaded = loadDocumentFile(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->text.buffer, QByteArray("one\r\ntwo"));
    EXPECT_FALSE(loadDocumentFile(folder.file(QStringLiteral("/absent.htm"))));
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
