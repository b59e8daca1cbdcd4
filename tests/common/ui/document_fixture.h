#pragma once
// A real document window for widget tests of commands and dialogs: the
// fixture is the program's Documents (the one window, while `open`), its
// commands are a registry the test fills, and dialogs made during a test are
// deleted after it.

#include "base/ui/command_registry.h"
#include "common/ui/stand_ins.h"
#include "document/editor_text.h"
#include "document/spell_checker.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"
#include "document/ui/documents.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/markup_dialog.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tagloom::test {

class DocumentFixture : public ::testing::Test, public Documents {
protected:
    explicit DocumentFixture(bool withShippedData = false) : folder(withShippedData) {}

    // Call from SetUp after registering the commands: the window the test
    // works in, with `settings` if given.
    void makeWindow(const EditorSettings &settings = {}) { doc = newWindow(settings); }
    std::unique_ptr<DocumentWindow> newWindow(const EditorSettings &settings = {})
    {
        DocumentContext context;
        context.settings = settings;
        context.dataFolder = folder.path();
        context.commands = &registry;
        context.spellChecker = [this]() -> SpellChecker & { return checker; };
        auto window = std::make_unique<DocumentWindow>(std::move(context));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        return window;
    }
    void TearDown() override
    {
        // The program keeps its dialogs for the whole run; each test starts
        // without them.
        QList<QDialog *> dialogs;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<QDialog *>(w))
                dialogs.append(d);
        qDeleteAll(dialogs);
    }

    // The test's window, or the newest one a command made since.
    DocumentWindow *activeDocument() const override
    {
        if (!made.empty())
            return made.back().get();
        return open ? doc.get() : nullptr;
    }
    DocumentWindow *openDocumentFile(const QString &) override { return nullptr; }
    DocumentWindow *newDocument() override
    {
        made.push_back(newWindow());
        return made.back().get();
    }
    QWidget *dialogParent() override { return nullptr; }
    QString dataFolder() const override { return folder.path(); }

    CodeEditor &editor() { return *doc->editor(); }
    void load(const QByteArray &text) { editor().loadText(editorTextFromFile(text), TextEncoding::Utf8); }
    QString text() { return editor().allText(); }
    QStringList lines() { return text().split(QStringLiteral("\r\n")); }
    void caretAtLine(int line) { editor().setCursorPosition(line - 1, 0); }
    // Selects the first `what` of the text (on one line).
    void select(const QString &what)
    {
        const QStringList all = lines();
        for (int line = 0; line < all.size(); ++line) {
            const int at = int(all[line].indexOf(what));
            if (at >= 0) {
                editor().setSelection(line, at, line, at + int(what.size()));
                return;
            }
        }
        ADD_FAILURE() << "not in the text: " << what.toStdString();
    }

    // The top-level window of that object name, as `Window`.
    template <typename Window>
    static Window *window(const char *name)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                return qobject_cast<Window *>(w);
        return nullptr;
    }

    // A menu id through the window's own menu, a palette id as its button
    // runs it; then the dialog of that object name.
    template <typename Dialog = MarkupDialog>
    Dialog *run(const char *command, const char *dialogName)
    {
        const QString id = QLatin1String(command);
        if (id.startsWith(QLatin1String("Palette.")))
            EXPECT_TRUE(registry.run(id)) << command;
        else
            doc->trigger(id);
        return window<Dialog>(dialogName);
    }
    // A field of `dialog` by its object name.
    static void set(QWidget *dialog, const char *field, const QString &value)
    {
        ASSERT_TRUE(setFieldText(dialog, QLatin1String(field), value)) << field;
    }
    static QString field(const QWidget *dialog, const char *name) { return fieldText(dialog, QLatin1String(name)); }

    TempDataFolder folder;
    MessageRecorder messages;
    SpellChecker checker;
    CommandRegistry registry;
    std::unique_ptr<DocumentWindow> doc;
    std::vector<std::unique_ptr<DocumentWindow>> made; // by newDocument()
    bool open = true;
};

} // namespace tagloom::test
