#include "codetools/cleaner_run.h"

#include "common/temp_data.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QStringList configLines(const QByteArray &bytes)
{
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

const QStringList kDefaultLines = {
    "write-back: yes", "tidy-mark: no", "indent-spaces: 5", "doctype: AUTO", "markup: yes",
    "wrap-asp: yes", "wrap-jste: yes", "wrap-php: yes", "wrap-attributes: no", "indent: yes",
    "fix-backslash: no", "uppercase-tags: yes", "uppercase-attributes: no", "word-2000: no", "clean: no",
    "drop-font-tags: yes", "drop-empty-paras: yes", "break-before-br: yes", "fix-bad-comments: yes",
    "hide-endtags: no", "input-xml: no", "add-xml-pi: no", "add-xml-decl: no", "char-encoding: ascii",
    "wrap: 72", "quiet: yes", "alt-text: Image",
};

TEST(FixFormatConfiguration, InitialChoicesGiveTheListedFileByteForByte)
{
    const QByteArray expected = (kDefaultLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
    EXPECT_EQ(fixFormatConfiguration(defaultFixFormatChoices(), {}), expected);
}

TEST(FixFormatConfiguration, OutputKindOnlyForTheExactUpperCaseText)
{
    struct Row {
        const char *outputAs;
        QStringList present;
        QStringList absent;
    };
    const Row rows[] = {
        {"XHTML", {"output-xhtml: yes"}, {"output-xml: yes"}},
        {"XML", {"output-xml: yes"}, {"output-xhtml: yes"}},
        {"xhtml", {}, {"output-xhtml: yes", "output-xml: yes"}},
        {"Xml", {}, {"output-xhtml: yes", "output-xml: yes"}},
        {"HTML", {}, {"output-xhtml: yes", "output-xml: yes"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.outputAs);
        FixFormatChoices choices = defaultFixFormatChoices();
        choices.outputAs = QLatin1String(row.outputAs);
        const QStringList lines = configLines(fixFormatConfiguration(choices, {}));
        for (const QString &line : row.present) {
            // Straight after the two fixed lines, before the indent.
            EXPECT_EQ(lines.indexOf(line), 2);
            EXPECT_EQ(lines.at(3), QStringLiteral("indent-spaces: 5"));
        }
        for (const QString &line : row.absent)
            EXPECT_FALSE(lines.contains(line));
        EXPECT_EQ(lines.size(), kDefaultLines.size() + row.present.size());
    }
}

TEST(FixFormatConfiguration, EachCheckListItemDrivesItsOwnLines)
{
    // item (1-based) -> the lines that turn to "yes" when only it is checked
    const std::pair<int, QStringList> rows[] = {
        {1, {"markup: yes"}},
        {2, {"wrap-asp: yes", "wrap-jste: yes", "wrap-php: yes"}},
        {3, {"wrap-attributes: yes"}},
        {5, {"break-before-br: yes"}},
        {6, {"fix-backslash: yes"}},
        {9, {"word-2000: yes"}},
        {10, {"clean: yes"}},
        {12, {"uppercase-attributes: yes"}},
        {14, {"hide-endtags: yes"}},
        {17, {"add-xml-decl: yes"}},
    };
    for (const auto &[item, yesLines] : rows) {
        SCOPED_TRACE(item);
        FixFormatChoices choices = defaultFixFormatChoices();
        choices.options.fill(false);
        choices.options[static_cast<size_t>(item - 1)] = true;
        const QStringList lines = configLines(fixFormatConfiguration(choices, {}));
        QStringList yes;
        for (const QString &line : lines)
            if (line.endsWith(QLatin1String(": yes")) && line != QLatin1String("write-back: yes") &&
                line != QLatin1String("quiet: yes"))
                yes.append(line);
        EXPECT_EQ(yes, yesLines);
    }
}

TEST(FixFormatConfiguration, EncodingFieldsAndTagListsAsTyped)
{
    const char *const encodings[] = {"ascii", "raw", "latin1", "utf8", "iso2022"};
    for (int i = 0; i < 5; ++i) {
        FixFormatChoices choices = defaultFixFormatChoices();
        choices.encoding = i;
        EXPECT_TRUE(configLines(fixFormatConfiguration(choices, {}))
                        .contains(QStringLiteral("char-encoding: ") + QLatin1String(encodings[i])));
    }
    FixFormatChoices choices = defaultFixFormatChoices();
    choices.encoding = -1;
    choices.wrap = QStringLiteral(" 8x ");
    choices.indent = QString();
    choices.altText = QStringLiteral("a: b");
    const CleanerTagLists tags{QStringLiteral("foo, bar"), QString(), QStringLiteral("blk"), QStringLiteral("pre2")};
    const QStringList lines = configLines(fixFormatConfiguration(choices, tags));
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("char-encoding")));
    EXPECT_EQ(lines.at(2), QStringLiteral("indent-spaces: "));
    const QStringList tail = lines.mid(lines.indexOf(QStringLiteral("wrap:  8x ")));
    EXPECT_EQ(tail, (QStringList{"wrap:  8x ", "quiet: yes", "alt-text: a: b", "new-inline-tags: foo, bar",
                                 "new-blocklevel-tags: blk", "new-pre-tags: pre2"}));
}

TEST(CleanerProgram, ShippedCopyFirstThenTheSearchPath)
{
    test::TempDataFolder data(false);
    auto onPath = [](const QString &name) { return QStringLiteral("/usr/bin/") + name; };
    EXPECT_EQ(cleanerProgram(data.path(), onPath), QStringLiteral("/usr/bin/tidy"));
    EXPECT_EQ(cleanerProgram(data.path(), {}), QString());
    data.write(QStringLiteral("/Extensions/tidy"), "#!/bin/sh\n");
    EXPECT_EQ(cleanerProgram(data.path(), onPath), data.file(QStringLiteral("/Extensions/tidy")));
    EXPECT_EQ(cleanerArguments(QStringLiteral("qytidyxml.tlx"), QStringLiteral("/d/w.tmp")),
              (QStringList{"-config", "qytidyxml.tlx", "/d/w.tmp"}));
}

TEST(CleanerProgram, EveryRunHasItsOwnWorkingFileInTheDataFolder)
{
    const QString a = cleanerWorkFile(QStringLiteral("/data"), 1);
    const QString b = cleanerWorkFile(QStringLiteral("/data"), 2);
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.startsWith(QLatin1String("/data/")));
    EXPECT_EQ(a.count(QLatin1Char('/')), 2);
}

TEST(ShippedConfigurations, WriteBackAndReportIntoErrorLog)
{
    for (const CleanerCommandInfo &info : cleanerCommands()) {
        if (info.command == CleanerCommand::FixFormat)
            continue;
        SCOPED_TRACE(info.configName);
        QFile file(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR "/Extensions/") + QLatin1String(info.configName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = configLines(file.readAll());
        EXPECT_TRUE(lines.contains(QStringLiteral("write-back: yes")));
        EXPECT_TRUE(lines.contains(QStringLiteral("error-file: error.log")));
    }
}

} // namespace
