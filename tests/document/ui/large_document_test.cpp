// Large documents and very long lines: what the window turns off and says,
// what runs in the background, and that the text stays exact throughout.
#include "common/ui/stand_ins.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

using Sci = QsciScintillaBase;

// Ordinary mark-up, numbered so that no two pieces are alike.
QByteArray markup(qsizetype bytes, const char *lineBreak)
{
    QByteArray page;
    for (int n = 0; page.size() < bytes; ++n)
        page += "<p class=\"x\" id=\"p" + QByteArray::number(n) + "\">Item &amp; more</p>" + lineBreak;
    return page;
}

constexpr qsizetype kLarge = 5 * 1024 * 1024; // past the editor's 4 MB

class LargeDocumentTest : public ::testing::Test {
protected:
    std::unique_ptr<DocumentWindow> open(const QByteArray &bytes, const LargeDocumentLimits &limits = {})
    {
        folder.write(QStringLiteral("/page.htm"), bytes);
        auto doc = std::make_unique<DocumentWindow>(DocumentContext{});
        doc->setAttribute(Qt::WA_DeleteOnClose, false);
        doc->editor()->setLimits(limits);
        doc->LoadDocument(path());
        return doc;
    }
    QString path() const { return folder.file(QStringLiteral("/page.htm")); }
    static QLabel *notice(DocumentWindow &doc) { return doc.findChild<QLabel *>(QStringLiteral("NoticePanel")); }
    // Whether the text at `position` is drawn.
    static bool drawn(CodeEditor *editor, qint64 position)
    {
        const long style = editor->SendScintilla(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(position));
        return editor->SendScintilla(Sci::SCI_STYLEGETVISIBLE, static_cast<unsigned long>(style)) != 0;
    }
    static bool waitFor(const std::function<bool()> &done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 20000)
            QTest::qWait(5);
        return done();
    }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
};

TEST_F(LargeDocumentTest, LongLinesTurnColouringOffAndSayWhy)
{
    struct Row {
        const char *name;
        QByteArray page;
        bool coloured;
    };
    const Row rows[] = {
        {"short lines keep their colouring", markup(200 * 1024, "\r\n"), true},
        {"one line of 40 KB", markup(40 * 1024, "") + "\r\n", false},
        {"a long line among short ones", markup(4096, "\n") + markup(40 * 1024, "") + "\n" + markup(4096, "\n"), false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto doc = open(row.page);
        const long lexer = doc->editor()->SendScintilla(Sci::SCI_GETLEXER);
        EXPECT_EQ(lexer == Sci::SCLEX_HTML, row.coloured);
        QLabel *panel = notice(*doc);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(!panel->isHidden(), !row.coloured);
        if (!row.coloured) {
            EXPECT_TRUE(panel->text().startsWith(QStringLiteral("No colouring: a line of 4"))) << panel->text().toStdString();
            EXPECT_TRUE(panel->toolTip().contains(QStringLiteral("only the part of such a line around the caret")));
            EXPECT_TRUE(panel->toolTip().contains(QStringLiteral("The text itself is kept exactly as it is.")));
        }
        EXPECT_EQ(doc->fileBytes(), QByteArray(row.page).replace("\r\n", "\n").replace("\n", "\r\n"));
    }
}

TEST_F(LargeDocumentTest, LongLineIsDrawnAroundTheCaret)
{
    const QByteArray line = markup(200 * 1024, "");
    auto doc = open(line + "\r\n");
    CodeEditor *editor = doc->editor();
    EXPECT_TRUE(drawn(editor, 10));
    EXPECT_FALSE(drawn(editor, 150 * 1024));
    doc->show();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(drawn(editor, line.size() - 10));
    EXPECT_FALSE(drawn(editor, 10));
    QTest::keyClick(editor, Qt::Key_Home);
    EXPECT_TRUE(drawn(editor, 10));
    EXPECT_FALSE(drawn(editor, line.size() - 10));
}

TEST_F(LargeDocumentTest, TypingOnALongLineKeepsColumnsAndBytes)
{
    struct Row {
        const char *name;
        QByteArray piece; // repeated to a line of over 100 KB
        int charactersPerPiece;
    };
    const Row rows[] = {
        {"ASCII", "<b>abc</b> ", 11},
        {"UTF-8 letters", "<i>caf\xC3\xA9 \xE2\x82\xAC</i> ", 14},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray line;
        int characters = 0;
        while (line.size() < 100 * 1024) {
            line += row.piece;
            characters += row.charactersPerPiece;
        }
        auto doc = open(line + "\r\n");
        doc->show();
        CodeEditor *editor = doc->editor();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(editor->CaretColumn(), characters + 1);
        QTest::keyClicks(editor, QStringLiteral("xyz"));
        EXPECT_EQ(editor->CaretColumn(), characters + 4);
        QTest::keyClick(editor, Qt::Key_Backspace);
        EXPECT_EQ(editor->CaretColumn(), characters + 3);
        QTest::keyClick(editor, Qt::Key_Left);
        QTest::keyClick(editor, Qt::Key_Left);
        EXPECT_EQ(editor->CaretColumn(), characters + 1);
        EXPECT_TRUE(doc->save());
        ASSERT_TRUE(waitFor([&] { return !doc->isModified(); }));
        EXPECT_EQ(test::readBytes(path()), line + "xy\r\n");
    }
}

// The hidden parts of a long line take no room, the drawn part lines up
// character by character, and a click finds what it points at; a character
// of several bytes cut by the drawn part's edge is hidden whole.
TEST_F(LargeDocumentTest, HiddenTextTakesNoRoomAndTheDrawnPartLinesUp)
{
    QByteArray line;
    while (line.size() < 300 * 1024)
        line += "<i>caf\xC3\xA9 \xE2\x82\xAC</i> ";
    LargeDocumentLimits limits;
    limits.longLineWindow = 4096;
    // A caret whose drawn part (half the window to each side) begins on the
    // second byte of an "é".
    qint64 caret = line.size() / 2;
    while (static_cast<unsigned char>(line[caret - limits.longLineWindow / 2]) != 0xA9 ||
           static_cast<unsigned char>(line[caret]) >= 0x80)
        ++caret;
    ASSERT_LT(caret, line.size() - limits.longLineWindow);
    auto doc = open(line + "\r\n", limits);
    doc->resize(800, 600);
    doc->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(doc.get()));
    CodeEditor *editor = doc->editor();
    editor->SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(caret));
    ASSERT_TRUE(waitFor([&] { return drawn(editor, caret); })) << "the drawn part follows the caret";
    ASSERT_EQ(editor->SendScintilla(Sci::SCI_GETCURRENTPOS), caret);
    qint64 windowStart = caret;
    while (drawn(editor, windowStart - 1))
        --windowStart;
    qint64 windowEnd = caret;
    while (drawn(editor, windowEnd))
        ++windowEnd;
    ASSERT_EQ(windowStart, caret - limits.longLineWindow / 2);
    ASSERT_LT(windowEnd, line.size());

    auto x = [editor](qint64 position) {
        return editor->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(position));
    };
    const long left = x(0);
    for (const qint64 hidden : {qint64(1), windowStart / 2, windowStart - 1, windowStart, windowStart + 1})
        EXPECT_EQ(x(hidden), left) << "byte " << hidden;
    EXPECT_EQ(x(line.size()), x(windowEnd)) << "the rest after the drawn part";
    const long caretX = x(caret);
    EXPECT_GT(caretX, left);
    EXPECT_LT(caretX, editor->viewport()->width()) << "the caret is shown";
    const long y = editor->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(caret));
    qint64 at = caret;
    for (int step = 0; step < 40; ++step) {
        const qint64 before = editor->SendScintilla(Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(at));
        ASSERT_LT(x(before), x(at)) << "at " << before;
        if (x(before) >= 0)
            EXPECT_EQ(editor->SendScintilla(Sci::SCI_CHARPOSITIONFROMPOINT, static_cast<unsigned long>(x(before) + 1), y),
                      before);
        at = before;
    }
}

TEST_F(LargeDocumentTest, LargeFileOpensInTheBackground)
{
    const QByteArray page = markup(kLarge, "\n");
    auto doc = open(page);
    QSignalSpy finished(doc.get(), SIGNAL(loadFinished()));
    CodeEditor *editor = doc->editor();
    // Back at once: the text arrives later, nothing can be typed meanwhile.
    EXPECT_EQ(editor->SendScintilla(Sci::SCI_GETLENGTH), 0);
    EXPECT_TRUE(editor->isReadOnly());
    ASSERT_NE(notice(*doc), nullptr);
    EXPECT_EQ(notice(*doc)->text(), QStringLiteral("Opening..."));
    ASSERT_TRUE(waitFor([&] { return finished.count() == 1; }));
    EXPECT_EQ(doc->fileBytes(), QByteArray(page).replace("\n", "\r\n"));
    EXPECT_FALSE(editor->isReadOnly());
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(editor->CaretLine(), 1);
    EXPECT_EQ(doc->windowTitle(), QStringLiteral("page.htm"));
    EXPECT_EQ(notice(*doc)->text(), QStringLiteral("Large document"));
    EXPECT_TRUE(notice(*doc)->toolTip().contains(QStringLiteral("screen readers get it as a plain text field")));
    // Typing works as ever, undo included.
    doc->show();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("ab"));
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("%1 Line(s)").arg(page.count('\n')));
    editor->undoStep();
    editor->undoStep();
    EXPECT_EQ(doc->fileBytes(), QByteArray(page).replace("\n", "\r\n"));
}

TEST_F(LargeDocumentTest, NothingIsWrittenWhileTheFileIsStillBeingRead)
{
    // The editor is empty until the text arrives: a save then would replace
    // the file with nothing.
    const QByteArray page = markup(kLarge, "\r\n");
    auto doc = open(page);
    QSignalSpy finished(doc.get(), SIGNAL(loadFinished()));
    ASSERT_TRUE(doc->isLoading());
    ASSERT_FALSE(doc->save());
    EXPECT_FALSE(doc->saveAs()); // no file chooser either
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown.first().text.contains(QStringLiteral("is still being opened")));
    ASSERT_TRUE(waitFor([&] { return finished.count() == 1; }));
    EXPECT_EQ(test::readBytes(path()), page);
    EXPECT_EQ(doc->fileBytes(), page);
    EXPECT_FALSE(doc->refuseWhileLoading());
}

TEST_F(LargeDocumentTest, VeryLargePagesAreHeldWithoutColouringUnlessALineIsVeryLong)
{
    LargeDocumentLimits limits;
    limits.plainDocument = kLarge - 1024;
    struct Row {
        const char *name;
        QByteArray page;
        bool plain;
    };
    const Row rows[] = {
        {"short lines: no styles kept", markup(kLarge, "\r\n"), true},
        {"a very long line keeps its styles, to be drawn around the caret",
         markup(64 * 1024, "") + "\r\n" + markup(kLarge, "\r\n"), false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto doc = open(row.page, limits);
        QSignalSpy finished(doc.get(), SIGNAL(loadFinished()));
        ASSERT_TRUE(waitFor([&] { return finished.count() == 1; }));
        CodeEditor *editor = doc->editor();
        EXPECT_EQ(editor->isPlainDocument(), row.plain);
        EXPECT_EQ(notice(*doc)->text().contains(QStringLiteral("Large document, no colouring")), row.plain);
        if (row.plain) {
            EXPECT_EQ(editor->SendScintilla(Sci::SCI_GETLEXER), Sci::SCLEX_NULL);
            // Choosing a colouring again changes nothing.
            doc->syntaxBox()->setCurrentIndex((doc->syntaxBox()->currentIndex() + 1) % doc->syntaxBox()->count());
            EXPECT_EQ(editor->SendScintilla(Sci::SCI_GETLEXER), Sci::SCLEX_NULL);
        } else {
            EXPECT_FALSE(drawn(editor, 60 * 1024));
        }
        // The text is all there and editable either way.
        doc->show();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral("end"));
        EXPECT_EQ(doc->fileBytes(), row.page.left(row.page.size() - 2) + "end\r\n");
        // The plain lexer passes over it all once, and the editor goes idle.
        if (row.plain)
            EXPECT_TRUE(waitFor([&] {
                return editor->SendScintilla(Sci::SCI_GETENDSTYLED) == editor->SendScintilla(Sci::SCI_GETLENGTH);
            }));
    }
}

TEST_F(LargeDocumentTest, ScreenReadersGetLargeDocumentsAsAPlainField)
{
    struct Row {
        const char *name;
        QByteArray page;
        bool textInterface;
    };
    const Row rows[] = {
        {"small page", markup(10 * 1024, "\n"), true},
        {"large page", markup(kLarge, "\n"), false},
        {"very long line", markup(100 * 1024, ""), false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto doc = open(row.page);
        ASSERT_TRUE(waitFor([&] { return doc->editor()->SendScintilla(Sci::SCI_GETLENGTH) > 0; }));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(doc->editor());
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->textInterface() != nullptr, row.textInterface);
    }
}

TEST_F(LargeDocumentTest, LargeDocumentSavesInTheBackgroundByteForByte)
{
    const QByteArray page = markup(kLarge, "\r\n");
    auto doc = open(page);
    ASSERT_TRUE(waitFor([&] { return doc->editor()->SendScintilla(Sci::SCI_GETLENGTH) > 0; }));
    doc->show();
    QTest::keyClick(doc->editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(doc->editor(), QStringLiteral("tail"));
    QSignalSpy finished(doc.get(), SIGNAL(saveFinished(bool)));
    EXPECT_TRUE(doc->save());
    // Not written yet: the window goes on answering while it is.
    EXPECT_EQ(test::readBytes(path()), page);
    EXPECT_TRUE(doc->isModified());
    ASSERT_TRUE(waitFor([&] { return finished.count() == 1; }));
    EXPECT_EQ(finished.first().first().toBool(), true);
    EXPECT_EQ(test::readBytes(path()), page.left(page.size() - 2) + "tail\r\n");
    EXPECT_FALSE(doc->isModified());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(LargeDocumentTest, ClosePromptWaitsForTheBackgroundSave)
{
    const QByteArray page = markup(kLarge, "\r\n");
    auto doc = open(page);
    ASSERT_TRUE(waitFor([&] { return doc->editor()->SendScintilla(Sci::SCI_GETLENGTH) > 0; }));
    doc->editor()->ReplaceSelection(QStringLiteral("head"));
    messages.answers = {QMessageBox::Yes};
    EXPECT_TRUE(doc->queryClose());
    EXPECT_EQ(test::readBytes(path()), "head" + page);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(LargeDocumentTest, EditsThroughScintillaStillMarkTheDocument)
{
    auto doc = open("one\r\ntwo\r\n");
    CodeEditor *editor = doc->editor();
    QSignalSpy changed(editor, &CodeEditor::changed);
    editor->SendScintilla(Sci::SCI_INSERTTEXT, 0UL, "new\r\n");
    editor->SendScintilla(Sci::SCI_DELETERANGE, 0UL, 1L);
    QTest::qWait(20);
    EXPECT_GE(changed.count(), 1);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->linesPanel()->text(), QStringLiteral("3 Line(s)"));
}

} // namespace
