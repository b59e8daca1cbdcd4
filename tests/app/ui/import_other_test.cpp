#include "app/document_converters.h"
#include "app/ui/import_other.h"
#include "settings/settings_store.h"
#include "common/ui/stand_ins.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <memory>

using namespace tagloom;

namespace {

const QString ImportKey = QLatin1String(TextConvertersKey) + QLatin1String("Import\\");
const QString ExportKey = QLatin1String(TextConvertersKey) + QLatin1String("Export\\");
const QByteArray SmallRtf = "{\\rtf1\\ansi {\\pard Hello\\par}}";

QString pandocPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("pandoc"));
}

bool runPandoc(const QStringList &arguments)
{
    QProcess process;
    process.start(pandocPath(), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void addConverter(SettingsStore &store, const QString &key, const QString &name, const QString &extensions,
                  const QString &program)
{
    store.setText(key, QStringLiteral("Name"), name);
    store.setText(key, QStringLiteral("Extensions"), extensions);
    store.setText(key, QStringLiteral("Path"), program);
}

TEST(ImportFilter, FollowsStoreOrderAndPutsRichTextAndWordPadInFront)
{
    struct Row {
        const char *name;
        QList<QStringList> subkeys; // Name, Extensions
        QStringList wordPadFiles;
        bool pandoc;
        QString text;
        QString programs; // the file name of each entry's converter
    };
    const QList<QStringList> two{{"Zeta Writer", "zw"}, {"Word 6.0/95", "doc dot"}};
    const QString twoText = QStringLiteral("Zeta Writer|*.zw|Word 6.0/95|*.doc;*.dot");
    const Row rows[] = {
        {"nothing installed", {}, {}, false, QStringLiteral("Rich Text Format|*.rtf"), QString()},
        {"two subkeys, then pandoc", two, {}, true,
         QStringLiteral("Rich Text Format|*.rtf|") + twoText + QStringLiteral("|Word Document (pandoc)|*.docx;*.odt"),
         QStringLiteral("|0|1|pandoc")},
        {"WordPad beside a registered Word 6.0/95", two, {"write32.wpc", "mswd6_32.wpc"}, false,
         QStringLiteral("Word 95 via WordPad|*.doc|Windows Write|*.wri|Rich Text Format|*.rtf|") + twoText,
         QStringLiteral("mswd6_32.wpc|write32.wpc||0|1")},
        {"WordPad alone", {}, {"mswd6_32.wpc"}, false, QStringLiteral("Word 6.0/95|*.doc|Rich Text Format|*.rtf"),
         QStringLiteral("mswd6_32.wpc|")},
        {"Windows Write already registered", {{"Windows Write", "wri"}}, {"write32.wpc"}, false,
         QStringLiteral("Rich Text Format|*.rtf|Windows Write|*.wri"), QStringLiteral("|0")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDataFolder folder(false);
        SettingsStore store(folder.file(QStringLiteral("/machine.reg")));
        for (qsizetype i = 0; i < row.subkeys.size(); ++i) // key order differs from name order
            addConverter(store, ImportKey + QString::number(i), row.subkeys[i][0], row.subkeys[i][1],
                         QLatin1String("/c/") + QString::number(i));
        for (const QString &file : row.wordPadFiles)
            folder.write(QLatin1String("/wordpad/") + file, "x");
        if (!row.wordPadFiles.isEmpty())
            store.setText(QLatin1String(AppPathsKey) + QLatin1String("WORDPAD.EXE"), QString(),
                          folder.file(QStringLiteral("/wordpad/wordpad.exe")));
        const ProgramFinder finder = [&](const QString &) { return row.pandoc ? QStringLiteral("/p/pandoc") : QString(); };

        const QList<DocumentConverter> importers = findConverters(&store, ConverterDirection::Import, finder);
        const QString wordPad = findWordPadFolder(&store);
        const ImportFilter filter = buildImportFilter(importers, wordPad);
        EXPECT_EQ(filter.text, row.text);
        const QStringList pairs = filter.dialogFilters();
        ASSERT_EQ(filter.names.size(), pairs.size());
        QStringList programs;
        for (qsizetype i = 0; i < pairs.size(); ++i) {
            EXPECT_TRUE(pairs[i].startsWith(filter.names[i] + QLatin1Char('|'))) << pairs[i].toStdString();
            const auto converter = importConverterNamed(filter.names[i], importers, wordPad);
            programs.append(converter ? QFileInfo(converter->program).fileName() : QString());
        }
        EXPECT_EQ(programs.join(QLatin1Char('|')), row.programs);
    }
}

class ImportOtherFiles : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(folder.file(QStringLiteral("/out"))); }

    void run(bool withPandoc, int timeoutMs = 60000)
    {
        ImportContext context;
        context.machineStore = machine.get();
        context.workingFolder = folder.path();
        context.openDocumentFile = [this](const QString &path) { opened.append(path); };
        context.findProgram = [withPandoc](const QString &name) {
            return withPandoc ? QStandardPaths::findExecutable(name) : QString();
        };
        context.timeoutMs = timeoutMs;
        importOtherFile(nullptr, context);
    }

    SettingsStore &store()
    {
        if (!machine)
            machine = std::make_unique<SettingsStore>(folder.file(QStringLiteral("/machine.reg")));
        return *machine;
    }

    // A converter stand-in: a shell script, started directly as converters are.
    QString script(const QString &name, const char *body)
    {
        const QString path = folder.file(QLatin1Char('/') + name);
        test::writeBytes(path, QByteArray("#!/bin/sh\n") + body + '\n');
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        return path;
    }

    QString target() const { return folder.file(QStringLiteral("/out/page.htm")); }

    void reset()
    {
        messages.shown.clear();
        dialogs.requests.clear();
        opened.clear();
    }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    test::FileDialogStandIn dialogs;
    std::unique_ptr<SettingsStore> machine;
    QStringList opened;
};

TEST_F(ImportOtherFiles, DocumentsBecomePagesWithEveryCharacterAndPicture)
{
    if (pandocPath().isEmpty())
        GTEST_SKIP() << "pandoc is not installed";
    const QString picture = folder.file(QStringLiteral("/dot.png"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    folder.write(QStringLiteral("/in.md"), "# Heading\n\nHello *world* caf\xc3\xa9. Next\n\n![dot](" +
                                               picture.toUtf8() + ")\n");
    // Rich text as pandoc writes it ("\u233?" before text) and raw Windows-1252 bytes.
    folder.write(QStringLiteral("/in/letter.rtf"), "{\\rtf1\\ansi\\ansicpg1252 {\\pard\\b Heading\\par}"
                                                   "{\\pard Hello {\\i world} caf\\u233?. Next \\'93q\\'94 \x80\\par}}");
    for (const char *format : {"docx", "odt", "rtf"}) {
        SCOPED_TRACE(format);
        const bool rtf = qstrcmp(format, "rtf") == 0;
        const QString document = folder.file(QStringLiteral("/in/letter.") + QLatin1String(format));
        if (!rtf) {
            ASSERT_TRUE(runPandoc({folder.file(QStringLiteral("/in.md")), QStringLiteral("-o"), document}));
        }
        reset();
        dialogs.answers = {document, target()};
        run(true);

        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Import Complete.")});
        EXPECT_EQ(opened, QStringList{target()});
        ASSERT_EQ(dialogs.requests.size(), 2);
        EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Import File..."));
        EXPECT_TRUE(dialogs.requests[0].filters.contains(QStringLiteral("Word Document (pandoc)|*.docx;*.odt")));
        EXPECT_EQ(dialogs.requests[1].title, QStringLiteral("Import to Filename..."));
        EXPECT_EQ(dialogs.requests[1].filters, QStringList{QStringLiteral("HTML Document|*.htm")});
        const QString html = QString::fromUtf8(test::readBytes(target()));
        EXPECT_TRUE(html.contains(QStringLiteral("Heading"))) << html.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("<em>world</em> caf\u00e9. Next"))) << html.toStdString();
        if (rtf)
            EXPECT_TRUE(html.contains(QStringLiteral("\u201cq\u201d \u20ac"))) << html.toStdString();
        else
            EXPECT_TRUE(html.contains(QStringLiteral("src=\"page_files/"))) << html.toStdString();
        const QDir pictures(folder.file(QStringLiteral("/out/page_files")));
        EXPECT_EQ(pictures.entryList(QDir::Files).size(), rtf ? 0 : 1);
        QDir(pictures).removeRecursively();
    }
}

TEST_F(ImportOtherFiles, CancelledDialogsChangeNothing)
{
    folder.write(QStringLiteral("/in/note.rtf"), SmallRtf);
    for (const QString &openAnswer : {QString(), folder.file(QStringLiteral("/in/note.rtf"))}) {
        dialogs.answers = {openAnswer, QString()};
        run(true);
    }
    EXPECT_EQ(dialogs.requests.size(), 3); // open; open, save
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(QDir(folder.file(QStringLiteral("/out"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());
}

TEST_F(ImportOtherFiles, ConverterProgramsRunInOrderAndTheirFailuresAreReported)
{
    const char *copy = "cp \"$1\" \"$2\""; // input first, output second
    const QString init = QStringLiteral("Please report: InitConverter failed");
    struct Row {
        const char *name;
        const char *importer; // script body, "missing", or nullptr: the file is rich text
        const char *exporter; // script body, "missing", or nullptr: no "HTML Document" converter
        QStringList messages;
        int dialogs;
    };
    const Row rows[] = {
        {"import program missing", "missing", copy, {init, QStringLiteral("Not the correct file format")}, 1},
        {"import refuses the file", "exit 3", copy, {QStringLiteral("Not the correct file format")}, 1},
        {"import writes nothing", "exit 0", copy, {}, 1},
        {"import hangs", "exec sleep 30", copy, {}, 1},
        {"both directions convert", copy, copy, {QStringLiteral("Import Complete.")}, 2},
        {"export refuses", nullptr, "exit 1", {QStringLiteral("Coult not export document")}, 2},
        {"export program missing", nullptr, "missing", {init}, 2},
        {"no export converter", nullptr, nullptr, {}, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        reset();
        machine.reset();
        QFile::remove(folder.file(QStringLiteral("/machine.reg")));
        QFile::remove(target());
        const auto program = [this](const char *body, const QString &name) {
            return qstrcmp(body, "missing") == 0 ? folder.file(QStringLiteral("/none")) : script(name, body);
        };
        if (row.importer)
            addConverter(store(), ImportKey + QLatin1String("TW"), QStringLiteral("Test Writer"), QStringLiteral("tw"),
                         program(row.importer, QStringLiteral("import.sh")));
        if (row.exporter)
            addConverter(store(), ExportKey + QLatin1String("HTML"), QStringLiteral("HTML Document"),
                         QStringLiteral("htm"), program(row.exporter, QStringLiteral("export.sh")));
        const QString input = folder.file(row.importer ? QStringLiteral("/in/letter.tw") : QStringLiteral("/in/note.rtf"));
        test::writeBytes(input, SmallRtf);
        dialogs.answers = {input, target()};
        run(false, 2000);

        EXPECT_EQ(messages.texts(), row.messages);
        EXPECT_EQ(dialogs.requests.size(), row.dialogs);
        const bool complete = row.messages == QStringList{QStringLiteral("Import Complete.")};
        EXPECT_EQ(opened, complete ? QStringList{target()} : QStringList());
        EXPECT_EQ(test::readBytes(target()), complete ? SmallRtf : QByteArray());
    }
}

TEST_F(ImportOtherFiles, UnwritableTargetIsReported)
{
    folder.write(QStringLiteral("/in/note.rtf"), SmallRtf);
    addConverter(store(), ExportKey + QLatin1String("HTML"), QStringLiteral("HTML Document"), QStringLiteral("htm"),
                 script(QStringLiteral("export.sh"), "cp \"$1\" \"$2\""));
    dialogs.answers = {folder.file(QStringLiteral("/in/note.rtf")), folder.file(QStringLiteral("/gone/page.htm"))};
    run(false);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("/gone/page.htm")));
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
