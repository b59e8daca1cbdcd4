#include "app/ui/highlighting_page.h"
#include "app/ui/import_v4_dialog.h"
#include "app/ui/keystrokes_page.h"
#include "app/ui/main_window.h"
#include "app/ui/preferences_dialog.h"
#include "codetools/ui/analysis_window.h"
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "settings/setting_rows.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <Qsci/qscilexerhtml.h>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        userStore = std::make_unique<SettingsStore>(data.file(QStringLiteral("/cfg/user.reg")));
        writeFirstRunValues(*userStore);
        userStore->setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Minimize on Preview"),
                           QStringLiteral("True"));
        ASSERT_TRUE(userStore->flush());
        SettingsStore machineWrite(data.file(QStringLiteral("/cfg/machine.reg")));
        const QString v4 = QStringLiteral("Software\\Quenby\\Tagloom 4");
        machineWrite.setText(v4, QStringLiteral("autoindent"), QStringLiteral("True"));
        machineWrite.setText(v4, QStringLiteral("smarttabs"), QStringLiteral("true"));
        ASSERT_TRUE(machineWrite.flush());
        machineStore = std::make_unique<SettingsStore>(data.file(QStringLiteral("/cfg/machine.reg")),
                                                       SettingsStore::Access::ReadOnly);
        MainWindowOptions options;
        options.dataFolder = data.path();
        options.userStore = userStore.get();
        options.machineStore = machineStore.get();
        options.findProgram = [](const QString &) { return QString(); };
        options.endProgram = [] {};
        window = std::make_unique<MainWindow>(std::move(options));
        window->show();
    }
    void TearDown() override { window.reset(); }

    PreferencesDialog &open()
    {
        EXPECT_TRUE(window->runCommand(QStringLiteral("Edit.Preferences")));
        auto *dialog = window->findChild<PreferencesDialog *>();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return *dialog;
    }
    void pressOk(PreferencesDialog &dialog)
    {
        dialog.accept();
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_FALSE(messages.shown.isEmpty());
        EXPECT_EQ(messages.shown.constLast().text,
                  QStringLiteral("Changes to document windows \nwill not take effect until the windows are closed."));
    }
    // What the store file holds now, read afresh.
    QString stored(const QString &key, const char *name)
    {
        SettingsStore reread(data.file(QStringLiteral("/cfg/user.reg")));
        return reread.text(key, QLatin1String(name));
    }
    QString storedRoot(const char *name) { return stored(QLatin1String(SettingsKeys::Root), name); }

    test::TempDataFolder data;
    test::MessageRecorder messages;
    std::unique_ptr<SettingsStore> userStore;
    std::unique_ptr<SettingsStore> machineStore;
    std::unique_ptr<MainWindow> window;
};

TEST_F(PreferencesTest, UntickingMinimizeStoresTheEmptyText)
{
    PreferencesDialog &dialog = open();
    QCheckBox *minimize = dialog.flagBox(Setting::MinimizeOnPreview);
    ASSERT_TRUE(minimize->isChecked());
    minimize->setChecked(false);
    pressOk(dialog);
    EXPECT_TRUE(userStore->valueExists(QLatin1String(SettingsKeys::Root), QStringLiteral("Minimize on Preview")));
    EXPECT_EQ(storedRoot("Minimize on Preview"), QString());
    EXPECT_FALSE(window->appSettings().flag(Setting::MinimizeOnPreview));
    EXPECT_EQ(storedRoot("Auto Indent"), QStringLiteral("True")); // the rest as it was
}

TEST_F(PreferencesTest, ExpandingIncludesInEveryPreviewIsStoredAndTakenByNewWindows)
{
    PreferencesDialog &dialog = open();
    QCheckBox *expand = dialog.flagBox(Setting::ExpandIncludesAlways);
    ASSERT_NE(expand, nullptr);
    EXPECT_EQ(expand->text(), QStringLiteral("Expand server-side includes in the preview of all pages"));
    EXPECT_FALSE(expand->isChecked());
    expand->setChecked(true);
    pressOk(dialog);
    EXPECT_EQ(storedRoot("Expand Includes In Preview"), QStringLiteral("True"));
    DocumentWindow *doc = window->NewDocument();
    ASSERT_TRUE(doc);
    EXPECT_TRUE(doc->settings().expandIncludesAlways);
    EXPECT_TRUE(open().flagBox(Setting::ExpandIncludesAlways)->isChecked());
}

TEST_F(PreferencesTest, CompletionBoxesEnableTheirListsAtOnceAndOkWritesBothLists)
{
    PreferencesDialog &dialog = open();
    EXPECT_TRUE(dialog.completionArea()->isEnabled());
    EXPECT_FALSE(dialog.completionArea()->toPlainText().isEmpty());
    dialog.completionBox()->setChecked(false);
    EXPECT_FALSE(dialog.completionArea()->isEnabled());
    EXPECT_TRUE(dialog.completionBox()->isEnabled());
    dialog.inlineBox()->setChecked(false);
    EXPECT_FALSE(dialog.inlineArea()->isEnabled());
    dialog.inlineBox()->setChecked(true);
    EXPECT_TRUE(dialog.inlineArea()->isEnabled());
    dialog.completionArea()->setPlainText(QStringLiteral("tbl\n=<table>"));
    pressOk(dialog);
    EXPECT_EQ(data.read(QStringLiteral("/Extensions/cw-auto.tlx")), QByteArray("tbl\r\n=<table>\r\n"));
    EXPECT_EQ(storedRoot("AutoComplete"), QString());
    EXPECT_EQ(storedRoot("Inline Coding"), QStringLiteral("True"));

    // Shown anew: unticked and disabled from the stored flag; ticking enables.
    open();
    EXPECT_FALSE(dialog.completionBox()->isChecked());
    EXPECT_FALSE(dialog.completionArea()->isEnabled());
    dialog.completionBox()->setChecked(true);
    EXPECT_TRUE(dialog.completionArea()->isEnabled());
}

TEST_F(PreferencesTest, NumbersAreStoredAsTypedAndNewWindowsFallBack)
{
    PreferencesDialog &dialog = open();
    EXPECT_EQ(dialog.fieldText(Setting::GutterWidth), QStringLiteral("32"));
    dialog.setFieldText(Setting::GutterWidth, QStringLiteral("wide"));
    dialog.setFieldText(Setting::UndoLimit, QStringLiteral(""));
    dialog.setFieldText(Setting::FontSize, QStringLiteral("-3x"));
    pressOk(dialog);
    EXPECT_EQ(storedRoot("Gutter Width"), QStringLiteral("wide"));
    EXPECT_EQ(storedRoot("Undo Limit"), QString());
    EXPECT_EQ(storedRoot("Font Size"), QStringLiteral("-3x"));
    DocumentWindow *doc = window->NewDocument();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->settings().gutterWidth, 32);
    EXPECT_EQ(doc->settings().undoLimit, 32767);
    EXPECT_EQ(doc->settings().fontSize, 10);
}

TEST_F(PreferencesTest, NoSchemeChosenWritesNoScheme)
{
    PreferencesDialog &dialog = open();
    EXPECT_EQ(dialog.highlighting()->schemeBox()->currentText(), QStringLiteral("(none)"));
    pressOk(dialog);
    EXPECT_FALSE(userStore->keyExists(QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document")));
    EXPECT_TRUE(SettingsStore(data.file(QStringLiteral("/cfg/user.reg"))).subkeys(
                    QStringLiteral("Software\\Quenby\\Shared\\Highlighters")).isEmpty());
}

TEST_F(PreferencesTest, AChosenSchemeRoundTripsAndColoursANewDocumentWindow)
{
    PreferencesDialog &dialog = open();
    HighlightingPage *page = dialog.highlighting();
    page->schemeBox()->setCurrentText(QStringLiteral("HTML Document"));
    EXPECT_EQ(page->attributeBox()->itemText(0), QStringLiteral("ASP"));
    page->attributeBox()->setCurrentText(QStringLiteral("Comment"));
    const int red = page->foregroundBox()->findText(QStringLiteral("clRed"));
    const int info = page->backgroundBox()->findText(QStringLiteral("clInfoBk"));
    page->foregroundBox()->setCurrentIndex(red);
    emit page->foregroundBox()->activated(red);
    page->backgroundBox()->setCurrentIndex(info);
    emit page->backgroundBox()->activated(info);
    page->styleBox(0)->click(); // bold
    page->styleBox(1)->setChecked(false);
    page->styleBox(1)->click(); // italic
    // The preview shows it at once.
    auto *previewLexer = qobject_cast<QsciLexerHTML *>(page->preview()->lexer());
    ASSERT_TRUE(previewLexer);
    EXPECT_EQ(previewLexer->color(QsciLexerHTML::HTMLComment), QColor(255, 0, 0));
    pressOk(dialog);

    const QString comment = QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document\\Comment");
    SettingsStore reread(data.file(QStringLiteral("/cfg/user.reg")));
    EXPECT_EQ(reread.integer(comment, QStringLiteral("Foreground")), std::optional<qint32>(0x0000FF));
    EXPECT_EQ(reread.integer(comment, QStringLiteral("Background")), std::optional<qint32>(qint32(0x80000018u)));
    EXPECT_EQ(reread.integer(comment, QStringLiteral("Style")), std::optional<qint32>(3));
    // Every attribute of the scheme is stored.
    EXPECT_EQ(reread.subkeys(QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document")).size(), 9);

    DocumentWindow *doc = window->NewDocument();
    ASSERT_TRUE(doc);
    doc->syntaxBox()->setCurrentText(QStringLiteral("HTML Document"));
    auto *lexer = qobject_cast<QsciLexerHTML *>(doc->editor()->lexer());
    ASSERT_TRUE(lexer) << doc->syntaxBox()->currentText().toStdString();
    EXPECT_EQ(lexer->color(QsciLexerHTML::HTMLComment), QColor(255, 0, 0));
    EXPECT_TRUE(lexer->font(QsciLexerHTML::HTMLComment).bold());

    // Shown again, the stored scheme is what the page shows.
    open();
    page->schemeBox()->setCurrentIndex(0);
    page->schemeBox()->setCurrentText(QStringLiteral("HTML Document"));
    page->attributeBox()->setCurrentText(QStringLiteral("Comment"));
    EXPECT_EQ(page->foregroundBox()->currentText(), QStringLiteral("clRed"));
    EXPECT_EQ(page->backgroundBox()->currentText(), QStringLiteral("clInfoBk"));
    EXPECT_TRUE(page->styleBox(0)->isChecked());
    EXPECT_TRUE(page->styleBox(1)->isChecked());
    EXPECT_FALSE(page->styleBox(2)->isChecked());
}

TEST_F(PreferencesTest, AKeystrokeSetOnThePageReachesANewDocumentWindow)
{
    PreferencesDialog &dialog = open();
    KeystrokesPage *keys = dialog.keystrokes();
    EXPECT_EQ(keys->currentShortcut()->text(), QStringLiteral("Select an Item"));
    const auto found = keys->commandList()->findItems(QStringLiteral("Hyperlink"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    keys->commandList()->setCurrentItem(found.first());
    keys->showCurrent();
    EXPECT_EQ(keys->currentShortcut()->text(), QStringLiteral("Ctrl+H"));
    keys->capture()->setKeySequence(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    keys->activate();
    EXPECT_EQ(keys->currentShortcut()->text(), QStringLiteral("Shift+Ctrl+K"));
    EXPECT_TRUE(keys->capture()->keySequence().isEmpty());
    EXPECT_EQ(stored(QLatin1String(SettingsKeys::Keyboard), "Hyperlink"), QStringLiteral("Shift+Ctrl+K"));
    // "Find First" is kept under the name the document windows read.
    keys->commandList()->setCurrentItem(keys->commandList()->findItems(QStringLiteral("Find First"),
                                                                       Qt::MatchExactly).first());
    keys->capture()->setKeySequence(QKeySequence(Qt::Key_F4));
    keys->activate();
    EXPECT_EQ(stored(QLatin1String(SettingsKeys::Keyboard), "FindFirst"), QStringLiteral("F4"));
    pressOk(dialog);

    DocumentWindow *doc = window->NewDocument();
    ASSERT_TRUE(doc);
    QAction *hyperlink = doc->actions().action(QStringLiteral("Insert.Hyperlink"));
    ASSERT_TRUE(hyperlink);
    EXPECT_EQ(hyperlink->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
}

TEST_F(PreferencesTest, ImportTakesOnlyLowerCaseTrueAndAsksTheSecondTime)
{
    PreferencesDialog &dialog = open();
    ImportV4Dialog *import = dialog.importDialog();
    import->showImport();
    EXPECT_TRUE(import->isVisible());
    EXPECT_EQ(test::itemTexts(import->items()).size(), 10);
    EXPECT_EQ(import->items()->item(0)->checkState(), Qt::Unchecked);
    import->accept();
    EXPECT_FALSE(import->isVisible());
    EXPECT_EQ(messages.shown.constLast().text, QStringLiteral("You must restart Tagloom for settings to be imported."));
    EXPECT_EQ(storedRoot("Auto Indent"), QString()); // "True" is not "true"
    EXPECT_EQ(storedRoot("Smart Tabs"), QStringLiteral("True"));
    EXPECT_EQ(storedRoot("V4 Done"), QStringLiteral("True"));

    messages.answers.push_back(QMessageBox::No);
    messages.shown.clear();
    import->showImport();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text,
              QStringLiteral("Settings have already been imported from Tagloom 4.x\nDo you wish to proceed?"));
    EXPECT_FALSE(import->isVisible());
    import->showImport(); // Yes (the recorder's default) leaves it open
    EXPECT_TRUE(import->isVisible());
}

TEST_F(PreferencesTest, CancelWritesNothing)
{
    PreferencesDialog &dialog = open();
    dialog.flagBox(Setting::MinimizeOnPreview)->setChecked(false);
    dialog.setFieldText(Setting::InlineTags, QStringLiteral("blink"));
    dialog.reject();
    dialog.hide();
    EXPECT_EQ(storedRoot("Minimize on Preview"), QStringLiteral("True"));
    EXPECT_EQ(stored(QLatin1String(SettingsKeys::Tidy), "In-Line Tags"), QString());
    // Shown again, the fields come from the settings once more.
    open();
    EXPECT_TRUE(dialog.flagBox(Setting::MinimizeOnPreview)->isChecked());
    EXPECT_EQ(dialog.fieldText(Setting::InlineTags), QString());
}

} // namespace

namespace {

// One setting behind two boxes: the analysis window's (which runs the
// analysis again at once) and Preferences' (read at the window's next run).
TEST_F(PreferencesTest, SkipServerCodeIsOneSettingForTheAnalysisWindowAndPreferences)
{
    DocumentWindow *doc = window->NewDocument();
    doc->editor()->ReplaceSelection(QStringLiteral("<td x=<?php echo $p ?> y>"));
    doc->trigger(QStringLiteral("Coding.Validate"));
    auto *analysis = window->findChild<AnalysisWindow *>();
    ASSERT_NE(analysis, nullptr);
    QCheckBox *box = analysis->skipServerCodeBox();
    EXPECT_EQ(box->text(), QStringLiteral("Skip server-side code"));
    EXPECT_FALSE(box->isChecked()); // off unless chosen
    const auto names = [analysis] {
        QStringList out;
        for (int r = 0; r < analysis->results()->rowCount(); ++r)
            out << analysis->results()->item(r, 0)->text();
        return out;
    };
    EXPECT_EQ(names(), (QStringList{"X", "ECHO", "$P", "?"}));

    box->setChecked(true);
    EXPECT_EQ(names(), (QStringList{"X", "Y"}));
    EXPECT_EQ(storedRoot("Skip Server-Side Code"), QStringLiteral("True"));

    PreferencesDialog &dialog = open();
    QCheckBox *preference = dialog.flagBox(Setting::SkipServerCode);
    ASSERT_NE(preference, nullptr);
    EXPECT_EQ(preference->text(), QStringLiteral("Skip server-side code"));
    EXPECT_TRUE(preference->isChecked());
    preference->setChecked(false);
    pressOk(dialog);
    EXPECT_EQ(storedRoot("Skip Server-Side Code"), QString());

    analysis->close();
    doc->trigger(QStringLiteral("Coding.Validate"));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(names(), (QStringList{"X", "ECHO", "$P", "?"}));
}

} // namespace
