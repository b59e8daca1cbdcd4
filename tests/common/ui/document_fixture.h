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

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>
#include <memory>

namespace tagloom::test {

class DocumentFixture : public ::testing::Test, public Documents {
protected:
    explicit DocumentFixture(bool withShippedData = false) : folder(withShippedData) {}

    // Call from SetUp after registering the commands.
    void makeWindow()
    {
        DocumentContext context;
        context.dataFolder = folder.path();
        context.commands = &registry;
        context.spellChecker = [this]() -> SpellChecker & { return checker; };
        doc = std::make_unique<DocumentWindow>(std::move(context));
        doc->setAttribute(Qt::WA_DeleteOnClose, false);
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

    DocumentWindow *activeDocument() const override { return open ? doc.get() : nullptr; }
    DocumentWindow *openDocumentFile(const QString &) override { return nullptr; }
    QWidget *dialogParent() override { return nullptr; }
    QString dataFolder() const override { return folder.path(); }

    CodeEditor &editor() { return *doc->editor(); }
    void load(const QByteArray &text) { editor().loadText(editorTextFromFile(text), TextEncoding::Utf8); }
    QString text() { return editor().allText(); }
    QStringList lines() { return text().split(QStringLiteral("\r\n")); }
    void caretAtLine(int line) { editor().setCursorPosition(line - 1, 0); }

    // The top-level window of that object name, as `Window`.
    template <typename Window>
    static Window *window(const char *name)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                return qobject_cast<Window *>(w);
        return nullptr;
    }

    TempDataFolder folder;
    MessageRecorder messages;
    SpellChecker checker;
    CommandRegistry registry;
    std::unique_ptr<DocumentWindow> doc;
    bool open = true;
};

} // namespace tagloom::test
