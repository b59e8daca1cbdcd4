#include "document/ui/editor_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tagloom {

namespace {

bool (*s_isLarge)(const QWidget *) = nullptr;

QAccessibleInterface *editorAccessible(const QString &className, QObject *object)
{
    // Asked for the most derived class first: answering here keeps
    // QScintilla's own factory away from a large document.
    if (className != QLatin1String("tagloom::CodeEditor") || !object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (!s_isLarge || !s_isLarge(widget))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::EditableText);
}

} // namespace

void installEditorAccessible(bool (*isLarge)(const QWidget *editor))
{
    if (s_isLarge)
        return;
    s_isLarge = isLarge;
    QAccessible::installFactory(editorAccessible);
}

void refreshEditorAccessible(QWidget *editor)
{
    QAccessibleInterface *current = QAccessible::queryAccessibleInterface(editor);
    if (!current || !s_isLarge)
        return;
    // QScintilla's accessible is the one with a text interface.
    const bool fits = (current->textInterface() == nullptr) == s_isLarge(editor);
    if (!fits)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

} // namespace tagloom
