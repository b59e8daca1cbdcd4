#include "codetools/ui/cleaner_commands.h"
#include "codetools/ui/cleaner_config_dialog.h"
#include "codetools/ui/cleaner_runner.h"

#include "common/ui/document_fixture.h"
#include "document/editor_text.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace tagloom;

namespace {

const QByteArray kSample = "<html><head><title>Sample</title></head>\r\n"
                           "<body><center><font color=\"red\">Hello</font></center>\r\n"
                           "<p>One<br>two\r\n<img src=\"a.gif\"></body></html>\r\n";

class CleanerRunsTest : public test::DocumentFixture {
protected:
    CleanerRunsTest() : DocumentFixture(true) {}
    void SetUp() override
    {
        hooks.showReport = [this](const QString &report) { reports.append(report); };
        hooks.minimumWaitMs = 50;
        // The commands see the hooks as they are now.
        registerCleanerCommands(registry, *this, hooks);
        makeWindow();
        load(kSample);
        editor().setModifiedFlag(false);
    }

    // What tidy makes of `input` with the configuration `config` of the data
    // folder, run by hand the way the program runs it.
    QByteArray tidyOutput(const QByteArray &input, const QString &config)
    {
        QTemporaryDir dir;
        const QString work = dir.filePath(QStringLiteral("in.tmp"));
        test::writeBytes(work, input);
        QProcess tidy;
        tidy.setWorkingDirectory(folder.path() + QStringLiteral("/Extensions"));
        tidy.setStandardErrorFile(QProcess::nullDevice());
        tidy.start(QStandardPaths::findExecutable(QStringLiteral("tidy")), {"-config", config, work});
        EXPECT_TRUE(tidy.waitForFinished(30000));
        return test::readBytes(work);
    }
    // The file as the program writes it (CR LF line ends), for readable diffs.
    static std::string asFile(const QByteArray &file) { return normaliseLineBreaks(file, "\r\n").toStdString(); }
    // A run's outcome, followed from the moment it is known.
    struct Outcome {
        bool over = false;
        bool reloaded = false;
    };
    static std::shared_ptr<Outcome> watch(CleanerRun *run)
    {
        auto outcome = std::make_shared<Outcome>();
        if (run)
            QObject::connect(run, &CleanerRun::finished, [outcome](bool reloaded) {
                outcome->over = true;
                outcome->reloaded = reloaded;
            });
        return outcome;
    }
    static bool waitFor(const std::shared_ptr<Outcome> &outcome)
    {
        return QTest::qWaitFor([&outcome] { return outcome->over; }, 60000);
    }
    // Waits for the run to reload (or to give up).
    static bool waitFor(CleanerRun *run, bool *reloaded = nullptr)
    {
        if (!run)
            return false;
        const auto outcome = watch(run);
        const bool over = waitFor(outcome);
        if (reloaded)
            *reloaded = outcome->reloaded;
        return over;
    }
    CleanerRun *pendingRun() const { return pendingRunOf(doc.get()); }
    static CleanerRun *pendingRunOf(DocumentWindow *w) { return w->findChild<CleanerRun *>(); }
    void writeScript(const QByteArray &body)
    {
        const QString path = folder.file(QStringLiteral("/Extensions/tidy"));
        test::writeBytes(path, "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }

    CleanerHooks hooks;
    QStringList reports;
};

TEST_F(CleanerRunsTest, EachCommandGivesTidysTextMarkedModified)
{
    for (const CleanerCommandInfo &info : cleanerCommands()) {
        SCOPED_TRACE(info.actionId);
        load(kSample);
        editor().setModifiedFlag(false);
        messages.shown.clear();
        QFile::remove(folder.file(QStringLiteral("/Extensions/error.log")));
        doc->trigger(QLatin1String(info.actionId));
        if (info.command == CleanerCommand::FixFormat) {
            auto *dialog = window<CleanerConfigDialog>("TidyConfigForm");
            ASSERT_TRUE(dialog);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(dialog->choices().outputAs, QStringLiteral("HTML"));
            dialog->accept();
            EXPECT_FALSE(dialog->isVisible());
        }
        CleanerRun *run = pendingRun();
        ASSERT_TRUE(waitFor(run));
        ASSERT_EQ(messages.texts(), QStringList{QString::fromUtf8(info.message)});
        const QByteArray expected = tidyOutput(kSample, QLatin1String(info.configName));
        EXPECT_NE(expected, kSample);
        EXPECT_EQ(doc->fileBytes().toStdString(), asFile(expected));
        EXPECT_TRUE(editor().isModifiedFlag());
        // The report reached the Results page, ending with what tidy said.
        ASSERT_FALSE(reports.isEmpty());
        EXPECT_TRUE(reports.constLast().contains(QStringLiteral("lacks \"alt\"")) ||
                    reports.constLast().contains(QStringLiteral("inserting \"alt\"")))
            << reports.constLast().toStdString();
    }
    // No working file is left behind.
    EXPECT_EQ(test::folderEntries(folder.path()).filter(QStringLiteral(".tmp")), QStringList());
}

TEST_F(CleanerRunsTest, LowerCaseXhtmlWritesNeitherOutputLine)
{
    doc->trigger(QStringLiteral("Coding.FixFormat"));
    auto *dialog = window<CleanerConfigDialog>("TidyConfigForm");
    ASSERT_TRUE(dialog);
    dialog->outputBox()->setCurrentText(QStringLiteral("xhtml"));
    dialog->accept();
    ASSERT_TRUE(waitFor(dialog->lastRun()));
    const QByteArray config = folder.read(QStringLiteral("/Extensions/qytidyformatx.tlx"));
    EXPECT_TRUE(config.startsWith("write-back: yes\r\ntidy-mark: no\r\nindent-spaces: 5\r\n"));
    EXPECT_FALSE(config.contains("output-"));
    EXPECT_EQ(doc->fileBytes().toStdString(), asFile(tidyOutput(kSample, QStringLiteral("qytidyformatx.tlx"))));
}

TEST_F(CleanerRunsTest, ConcurrentRunsFromTwoWindowsKeepTheirTextsApart)
{
    DocumentContext context;
    context.dataFolder = folder.path();
    context.spellChecker = [this]() -> SpellChecker & { return checker; };
    DocumentWindow other(std::move(context));
    const QByteArray otherPage = "<html><body><p>Second <b>page</b></body></html>\r\n";
    other.editor()->loadText(editorTextFromFile(otherPage), TextEncoding::Utf8);

    hooks.minimumWaitMs = 400; // both runs are under way together
    CleanerRun *first = CleanerRun::start(doc.get(), folder.path(), hooks, CleanerCommand::Format);
    CleanerRun *second = CleanerRun::start(&other, folder.path(), hooks, CleanerCommand::UpgradeXhtml);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->workFile(), second->workFile());
    const auto firstOutcome = watch(first);
    const auto secondOutcome = watch(second);
    ASSERT_TRUE(waitFor(firstOutcome));
    ASSERT_TRUE(waitFor(secondOutcome));
    EXPECT_EQ(doc->fileBytes().toStdString(), asFile(tidyOutput(kSample, QStringLiteral("qytidyformat.tlx"))));
    EXPECT_EQ(other.fileBytes().toStdString(), asFile(tidyOutput(otherPage, QStringLiteral("qytidyxhtml.tlx"))));
}

TEST_F(CleanerRunsTest, MissingCleanerIsReportedAndTheTextStays)
{
    hooks.findProgram = [](const QString &) { return QString(); };
    const QString before = text();
    bool reloaded = false;
    ASSERT_TRUE(waitFor(CleanerRun::start(doc.get(), folder.path(), hooks, CleanerCommand::Format), &reloaded));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown.at(0).kind, MessageKind::Error);
    EXPECT_EQ(messages.shown.at(1).text, QString::fromUtf8(cleanerCommandInfo(CleanerCommand::Format).message));
    EXPECT_EQ(text(), before);
}

TEST_F(CleanerRunsTest, ReloadWaitsForASlowCleanerToFinishWriting)
{
    // Writes half the result at once and the rest well after the least wait.
    writeScript("printf 'half' > \"$3\"\nsleep 1\nprintf 'half and whole\\r\\n' > \"$3\"\n");
    bool reloaded = false;
    ASSERT_TRUE(waitFor(CleanerRun::start(doc.get(), folder.path(), hooks, CleanerCommand::Format), &reloaded));
    EXPECT_TRUE(reloaded);
    EXPECT_EQ(doc->fileBytes(), QByteArray("half and whole\r\n"));
    EXPECT_TRUE(editor().isModifiedFlag());
}

TEST_F(CleanerRunsTest, ACleanerThatNeverEndsIsGivenUpWithTheDocumentAsItWas)
{
    writeScript("printf 'partial' > \"$3\"\nexec sleep 30\n");
    hooks.giveUpMs = 500;
    const QString before = text();
    bool reloaded = true;
    ASSERT_TRUE(waitFor(CleanerRun::start(doc.get(), folder.path(), hooks, CleanerCommand::Format), &reloaded));
    EXPECT_FALSE(reloaded);
    EXPECT_EQ(text(), before);
    EXPECT_FALSE(editor().isModifiedFlag());
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.constLast().kind, MessageKind::Error);
}

TEST_F(CleanerRunsTest, FixAndFormatNeedsADocumentWindow)
{
    open = false;
    ASSERT_TRUE(registry.run(QStringLiteral("Coding.FixFormat")));
    EXPECT_EQ(window<CleanerConfigDialog>("TidyConfigForm"), nullptr);
    ASSERT_TRUE(registry.run(QStringLiteral("Coding.Format")));
    EXPECT_EQ(pendingRun(), nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
