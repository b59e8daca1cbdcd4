#pragma once
// What commands and modeless dialogs ask of the program around them: the
// document window the user works in at this moment (none when no document is
// open), ways to open one more or an empty new one, the window that parents
// their dialogs and the data folder. The main window is the one
// implementation; tests make others.

#include <QString>

class QWidget;

namespace tagloom {

class CodeEditor;
class DocumentWindow;
class EditorOperations;

class Documents {
public:
    virtual ~Documents() = default;

    virtual DocumentWindow *activeDocument() const = 0;
    // Creates a document window and loads `path` into it (OpenDocumentFile);
    // nullptr, and no window left, when the file exists but cannot be read.
    virtual DocumentWindow *openDocumentFile(const QString &path) = 0;
    // Creates an empty, untitled document window and makes it the active
    // one; nullptr where no window can be made.
    virtual DocumentWindow *newDocument() { return nullptr; }
    virtual QWidget *dialogParent() = 0;
    virtual QString dataFolder() const = 0;

    // The active document's editor, or nullptr.
    EditorOperations *activeEditor() const;
    CodeEditor *activeCodeEditor() const;
    // A new document window coloured as HTML (a generated page goes into
    // it): its editor, or nullptr when none could be made.
    EditorOperations *newHtmlEditor();

    // The local folder of the site profile open in the site manager (empty
    // while none is): pages inside it take it as their site's root.
    const QString &openSiteFolder() const { return m_openSiteFolder; }
    void setOpenSiteFolder(const QString &folder) { m_openSiteFolder = folder; }

private:
    QString m_openSiteFolder;
};

} // namespace tagloom
