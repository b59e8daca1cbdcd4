#pragma once
// What screen readers are given for an editor. QScintilla's own accessible
// text counts the characters from the start of the document up to the caret
// on every caret move, which takes seconds in a document of hundreds of
// megabytes; an editor holding such a document is offered as a plain
// editable field instead.

class QWidget;

namespace tagloom {

// Installs the choice once per program; `isLarge` tells whether an editor
// holds a large document. Idempotent.
void installEditorAccessible(bool (*isLarge)(const QWidget *editor));

// Drops the accessible made for `editor` when it no longer fits its
// document, so that the next request makes the one that does.
void refreshEditorAccessible(QWidget *editor);

} // namespace tagloom
