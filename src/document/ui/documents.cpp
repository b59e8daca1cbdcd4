#include "document/ui/documents.h"

#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QComboBox>

namespace tagloom {

EditorOperations *Documents::activeEditor() const
{
    DocumentWindow *doc = activeDocument();
    return doc ? &doc->operations() : nullptr;
}

CodeEditor *Documents::activeCodeEditor() const
{
    DocumentWindow *doc = activeDocument();
    return doc ? doc->editor() : nullptr;
}

EditorOperations *Documents::newHtmlEditor()
{
    DocumentWindow *doc = newDocument();
    if (!doc)
        return nullptr;
    doc->syntaxBox()->setCurrentText(QStringLiteral("HTML Document"));
    return &doc->operations();
}

} // namespace tagloom
