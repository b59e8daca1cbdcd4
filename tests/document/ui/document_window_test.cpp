#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "document/ui/proof_check_view.h"
#include "document/spell_checker.h"
#include "document/syntax_table.h"
#include "settings/settings_store.h"

#include <Qsci/qscilexerhtml.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class DocumentWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<DocumentWindow> make(const AppSettings &settings = {})
    {
        DocumentContext context;
        context.settings = editorSettings(settings);
        context.dataFolder = folder.path();
        context.spellChecker = [this]() -> SpellChecker & { return checker; };
        auto doc = std::make_unique<DocumentWindow>(std::move(context));
        doc->setAttribute(Qt::WA_DeleteOnClose, false);
        return doc;
    }
    QKeySequence shortcut(DocumentWindow &doc, const char *id)
    {
        return doc.actions().action(QLatin1String(id))->shortcut();
    }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    SpellChecker checker;
};

TEST_F(DocumentWindowTest, NewWindowStartsUntitledWithHtmlAndZeroLines)
{
    auto doc = make();
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled Document"));
    EXPECT_EQ(doc->syntaxBox()->currentText(), QStringLiteral("HTML Document"));
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("0 Lines"));
    EXPECT_EQ(doc->editor()->LineCount(), 1);
    doc->editor()->InsertLine(1, QStringLiteral("palette text"));
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("0 Lines"));
    doc->editor()->ReplaceSelection(QStringLiteral("x"));
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("2 Line(s)"));
}

TEST_F(DocumentWindowTest, TypingOneCharacterShowsOneLine)
{
    auto doc = make();
    doc->show();
    QTest::keyClick(doc->editor(), Qt::Key_A);
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("1 Line(s)"));
    EXPECT_TRUE(doc->isModified());
}

TEST_F(DocumentWindowTest, FontAndNumbersFallBackSensibly)
{
    AppSettings s;
    s.set(Setting::DefaultFont, QStringLiteral("Lucida Console"));
    s.set(Setting::FontSize, QStringLiteral("twelve"));
    s.set(Setting::UndoLimit, QStringLiteral("lots"));
    auto doc = make(s);
    EXPECT_EQ(doc->editor()->editorFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(doc->editor()->editorFont().pointSize(), 10);
    EXPECT_EQ(doc->editor()->lexer()->font(QsciLexerHTML::Default).pointSize(), 10);
    EXPECT_EQ(doc->editor()->undoLimit(), 32767);
    EXPECT_EQ(doc->editor()->marginWidth(1), 0); // gutter off in an empty store

    s.set(Setting::DefaultFont, QStringLiteral("Terminal"));
    s.set(Setting::FontSize, QStringLiteral("14"));
    s.setFlag(Setting::Gutter, true);
    s.set(Setting::GutterWidth, QStringLiteral("wide"));
    auto other = make(s);
    EXPECT_EQ(other->editor()->editorFont().family(), QStringLiteral("Terminal"));
    EXPECT_EQ(other->editor()->lexer()->font(QsciLexerHTML::Tag).family(), QStringLiteral("Terminal"));
    EXPECT_EQ(other->editor()->lexer()->font(QsciLexerHTML::Tag).pointSize(), 14);
    EXPECT_EQ(other->editor()->marginWidth(1), 32);
}

TEST_F(DocumentWindowTest, ShortcutsComeOnlyFromTheKeyboardSettings)
{
    auto bare = make();
    EXPECT_TRUE(shortcut(*bare, "File.Save").isEmpty());
    EXPECT_TRUE(shortcut(*bare, "File.New").isEmpty());

    AppSettings s;
    s.setShortcut(QStringLiteral("Save"), QStringLiteral("Ctrl+S"));
    s.setShortcut(QStringLiteral("FindFirst"), QStringLiteral("F3"));
    s.setShortcut(QStringLiteral("Exit"), QStringLiteral("XExit"));
    s.setShortcut(QStringLiteral("Undo"), QStringLiteral("Ctrl+Z"));
    auto doc = make(s);
    EXPECT_EQ(shortcut(*doc, "File.Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(shortcut(*doc, "Search.FindFirst"), QKeySequence(Qt::Key_F3));
    EXPECT_TRUE(shortcut(*doc, "File.Exit").isEmpty());
    EXPECT_TRUE(shortcut(*doc, "Edit.SelectAll").isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(DocumentWindowTest, ImageEditorAndSpellCheckItemsFollowSettings)
{
    auto off = make();
    EXPECT_FALSE(off->actions().action(QStringLiteral("Tools.ImageEditor"))->isEnabled());
    EXPECT_FALSE(off->actions().action(QStringLiteral("Tools.SpellCheck"))->isEnabled());

    AppSettings s;
    s.set(Setting::ImageEditor, QStringLiteral("/nonexistent/paint-program"));
    s.set(Setting::ImageEditorTitle, QStringLiteral("Paint"));
    s.setFlag(Setting::SpellCheck, true);
    auto on = make(s);
    QAction *editImage = on->actions().action(QStringLiteral("Tools.ImageEditor"));
    EXPECT_TRUE(editImage->isEnabled());
    EXPECT_EQ(editImage->text(), QStringLiteral("Edit Image using Paint"));
    EXPECT_TRUE(on->actions().action(QStringLiteral("Tools.SpellCheck"))->isEnabled());
    editImage->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text,
              QStringLiteral("You have not specified an image editor.\nYou can do this in the Preferences window."));
}

TEST_F(DocumentWindowTest, ClosePromptAnswers)
{
    auto doc = make();
    EXPECT_TRUE(doc->queryClose()); // unmodified: no question
    EXPECT_TRUE(messages.shown.isEmpty());
    doc->editor()->ReplaceSelection(QStringLiteral("x"));
    messages.answers = {QMessageBox::Cancel, QMessageBox::No};
    EXPECT_FALSE(doc->queryClose());
    EXPECT_TRUE(doc->queryClose());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown.first().title, QStringLiteral("Confirm"));
    EXPECT_EQ(messages.shown.first().text, QStringLiteral("Save changes to ?"));
}

// Every recorded edit sets the flag, Undo included: typing and undoing still
// asks on close; saving clears it until the next edit.
TEST_F(DocumentWindowTest, TypingThenUndoStillAsksOnClose)
{
    auto doc = make();
    doc->show();
    QTest::keyClick(doc->editor(), Qt::Key_A);
    doc->trigger(QStringLiteral("Edit.Undo"));
    EXPECT_EQ(doc->editor()->allText(), QString());
    messages.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(doc->queryClose());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().text, QStringLiteral("Save changes to ?"));
}

TEST_F(DocumentWindowTest, ClearAllKeepsTheModifiedFlag)
{
    auto clean = make();
    clean->trigger(QStringLiteral("Edit.ClearAll"));
    EXPECT_EQ(clean->editor()->LineCount(), 0);
    EXPECT_TRUE(clean->queryClose()); // nothing to ask
    EXPECT_TRUE(messages.shown.isEmpty());

    auto edited = make();
    edited->editor()->ReplaceSelection(QStringLiteral("work"));
    edited->trigger(QStringLiteral("Edit.ClearAll"));
    EXPECT_FALSE(edited->editor()->isUndoAvailable());
    messages.answers = {QMessageBox::Cancel};
    EXPECT_FALSE(edited->queryClose());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(DocumentWindowTest, FailedSaveKeepsTheDocumentModifiedAndSays)
{
    auto doc = make();
    doc->LoadDocument(folder.file(QStringLiteral("/no/such/folder/page.htm")));
    ASSERT_EQ(messages.texts(), QStringList{QStringLiteral("The file you selected could not be found.  Please try again.")});
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled Document"));
    doc->editor()->ReplaceSelection(QStringLiteral("<p>work</p>"));
    EXPECT_FALSE(doc->save());
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("<p>work</p>"));
}

// A file that exists but cannot be read leaves the window untitled: no later
// Save may write the empty window over the file.
TEST_F(DocumentWindowTest, UnreadableFileLeavesTheWindowUntitled)
{
    test::FileDialogStandIn dialogs;
    auto doc = make();
    // Reading a process's own memory file fails at once, for root too.
    EXPECT_EQ(doc->LoadDocument(QStringLiteral("/proc/self/mem")), DocumentWindow::LoadResult::Failed);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().kind, MessageKind::Error);
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("Untitled Document"));
    dialogs.answers = {QString()};
    EXPECT_FALSE(doc->save()); // Save As, cancelled: nothing written anywhere
    EXPECT_EQ(dialogs.requests.size(), 1);

    // A missing file still keeps its path for a later Save.
    auto missing = make();
    const QString path = folder.file(QStringLiteral("/new.htm"));
    EXPECT_EQ(missing->LoadDocument(path), DocumentWindow::LoadResult::Missing);
    EXPECT_EQ(missing->fileName(), path);
}

TEST_F(DocumentWindowTest, FailedOverwriteShowsTheFileIntactAndTheEditsKept)
{
    const QString path = folder.file(QStringLiteral("/page.htm"));
    test::writeBytes(path, "<p>on disk</p>\r\n");
    auto doc = make();
    doc->LoadDocument(path);
    doc->editor()->selectAll(true);
    doc->editor()->ReplaceSelection(QString(20000, QLatin1Char('w')));
    {
        test::FileSizeLimit diskFull(4096);
        EXPECT_FALSE(doc->save());
    }
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().kind, MessageKind::Error);
    EXPECT_TRUE(messages.shown.first().text.endsWith(QStringLiteral("The document was not saved and is still open.")));
    EXPECT_EQ(test::readBytes(path), QByteArray("<p>on disk</p>\r\n"));
    EXPECT_EQ(test::folderEntries(folder.path()), QStringList{QStringLiteral("page.htm")});
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->editor()->allText(), QString(20000, QLatin1Char('w')));
    EXPECT_TRUE(doc->save()); // and it saves once there is room
    EXPECT_FALSE(doc->isModified());
}

TEST_F(DocumentWindowTest, SaveAsWritesCrLfAndNamesTheWindow)
{
    test::FileDialogStandIn dialogs;
    const QString path = folder.file(QStringLiteral("/saved.htm"));
    dialogs.answers = {QString(), path};
    auto doc = make();
    doc->editor()->ReplaceSelection(QStringLiteral("a\nb"));
    EXPECT_FALSE(doc->save()); // cancelled Save As
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(doc->fileName().isEmpty());
    EXPECT_TRUE(doc->save());
    EXPECT_EQ(dialogs.requests.last().title, QStringLiteral("Save As File"));
    EXPECT_EQ(test::readBytes(path), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("saved.htm"));
    EXPECT_FALSE(doc->isModified());
}

TEST_F(DocumentWindowTest, LoadingChoosesColouringAndKeepsLinesPanel)
{
    folder.write(QStringLiteral("/unit.inc"), "x\ny\n");
    auto doc = make();
    doc->editor()->ReplaceSelection(QStringLiteral("typed"));
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("1 Line(s)"));
    doc->LoadDocument(folder.file(QStringLiteral("/unit.inc")));
    EXPECT_EQ(doc->syntaxBox()->currentText(), QStringLiteral("ObjectPascal"));
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("unit.inc"));
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("1 Line(s)"));
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->editor()->CaretLine(), 1);
}

TEST_F(DocumentWindowTest, ProofCheckCopiesBackWithoutUndo)
{
    if (!checker.isReady())
        GTEST_SKIP() << checker.problem().toStdString();
    auto doc = make();
    doc->editor()->ReplaceSelection(QStringLiteral("<p class=\"wrng\">Hello wrold</p>"));
    doc->runProofCheck();
    EXPECT_TRUE(doc->isProofChecking());
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Spell Check Complete"));
    doc->closeProofCheck();
    EXPECT_FALSE(doc->isProofChecking());
    EXPECT_EQ(doc->editor()->allText(), QStringLiteral("<p class=\"wrng\">Hello wrold</p>"));
    EXPECT_TRUE(doc->isModified());
    EXPECT_FALSE(doc->editor()->isUndoAvailable());

    // An unedited check keeps every byte: a byte-order mark, a NUL, no-break
    // spaces (which the text view's plain text would turn into spaces).
    folder.write(QStringLiteral("/marked.htm"), QByteArray("\xEF\xBB\xBF<p>Hello\0wrold\xC2\xA0</p>\r\nnext", 29));
    doc->LoadDocument(folder.file(QStringLiteral("/marked.htm")));
    const QByteArray loaded = doc->editor()->buffer();
    ASSERT_EQ(loaded.size(), 29);
    doc->runProofCheck();
    doc->closeProofCheck();
    EXPECT_EQ(doc->editor()->buffer(), loaded);
    EXPECT_FALSE(doc->isModified());
    // Edited, the checked text comes back; the mark survives the trip.
    doc->runProofCheck();
    QTextCursor word = doc->proofView()->document()->find(QStringLiteral("wrold"));
    word.insertText(QStringLiteral("world"));
    doc->closeProofCheck();
    EXPECT_EQ(doc->editor()->buffer(), QByteArray(loaded).replace("wrold", "world"));
}

} // namespace

namespace {

TEST(HighlighterScheme, StoredLooksColourTheirStyles)
{
    test::TempDataFolder folder(false);
    SettingsStore store(folder.file(QStringLiteral("/u.reg")));
    const QString comment = QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document\\Comment");
    store.setInteger(comment, QStringLiteral("Foreground"), 0x000000FF); // red, as 00BBGGRR
    store.setInteger(comment, QStringLiteral("Style"), 2);
    store.setInteger(QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document\\Value"),
                     QStringLiteral("Background"), static_cast<qint32>(0x80000005)); // clWindow
    store.createKey(QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document\\Space")); // no values
    const QVector<AttributeLook> looks = readScheme(store, QStringLiteral("HTML Document"));
    ASSERT_EQ(looks.size(), 2);
    EXPECT_EQ(looks[0].attribute, QStringLiteral("Comment"));
    EXPECT_FALSE(looks[0].background);
    EXPECT_EQ(encodeStoredColour(*looks[0].foreground), 0x000000FF);
    EXPECT_TRUE(looks[1].background->system);
    EXPECT_EQ(looks[1].background->systemIndex, 5);

    DocumentContext context;
    context.schemes.insert(QStringLiteral("HTML Document"), looks);
    DocumentWindow doc(std::move(context));
    QsciLexer *lexer = doc.editor()->lexer();
    ASSERT_NE(lexer, nullptr);
    EXPECT_EQ(lexer->color(QsciLexerHTML::HTMLComment), QColor(255, 0, 0));
    EXPECT_TRUE(lexer->font(QsciLexerHTML::HTMLComment).italic());
    EXPECT_FALSE(lexer->font(QsciLexerHTML::HTMLComment).bold());
    EXPECT_TRUE(lexer->font(QsciLexerHTML::Tag).bold()); // untouched styles keep the house look
}

} // namespace

namespace {

TEST(SyntaxSelector, EveryLanguageNameColoursAndOtherTextDoesNot)
{
    test::MessageRecorder messages;
    DocumentWindow doc{DocumentContext{}};
    auto lexerId = [&] { return doc.editor()->SendScintilla(QsciScintillaBase::SCI_GETLEXER); };
    for (const ColouringInfo &info : colourings()) {
        doc.syntaxBox()->setCurrentText(QLatin1String(info.languageName));
        // Scintilla found a lexer of that name (it falls back to the plain
        // one for a name it does not know).
        EXPECT_NE(lexerId(), QsciScintillaBase::SCLEX_CONTAINER) << info.languageName;
        EXPECT_NE(lexerId(), QsciScintillaBase::SCLEX_NULL) << info.languageName;
    }
    doc.syntaxBox()->setCurrentText(QStringLiteral("Visual Basic"));
    EXPECT_EQ(lexerId(), QsciScintillaBase::SCLEX_VB);
    for (const char *plain : {"(none)", "php", "Klingon"}) {
        doc.syntaxBox()->setCurrentText(QLatin1String(plain));
        EXPECT_EQ(doc.editor()->lexer(), nullptr) << plain;
        EXPECT_EQ(lexerId(), QsciScintillaBase::SCLEX_CONTAINER) << plain;
    }
    doc.syntaxBox()->setCurrentText(QStringLiteral("PHP"));
    EXPECT_NE(doc.editor()->lexer(), nullptr);

    // Typed from the keyboard, "Jav" stays "Jav": no colouring is completed from it.
    doc.show();
    doc.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&doc));
    doc.syntaxBox()->setFocus();
    doc.syntaxBox()->lineEdit()->clear();
    QTest::keyClicks(doc.syntaxBox(), QStringLiteral("Jav"));
    EXPECT_EQ(doc.syntaxBox()->currentText(), QStringLiteral("Jav"));
    EXPECT_EQ(doc.editor()->lexer(), nullptr);
}

} // namespace

namespace {

TEST_F(DocumentWindowTest, AMissingCompletionListIsReportedOnceAndLeavesThatAidOff)
{
    AppSettings s;
    s.setFlag(Setting::AutoComplete, true);
    auto first = make(s); // the data folder has no list files
    auto second = make(s);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.texts().value(0).contains(QStringLiteral("cw-auto.tlx")));
    first->editor()->setText(QStringLiteral("<p"));
    first->editor()->setCursorPosition(0, 2);
    QTest::keyClick(first->editor(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(first->editor()->text(), QStringLiteral("<p"));
}

} // namespace
