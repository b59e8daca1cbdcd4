#pragma once
// The commands a document window runs on itself (save, undo, find, bookmarks,
// exports...), as one table, and the context-menu items that repeat one of
// them. Commands of the program as a whole come from the command registry.

#include <QString>

namespace tagloom {

class ActionRegistry;
class DocumentWindow;

// Attaches every window command to `window`'s actions of the same id.
void bindWindowCommands(DocumentWindow &window, ActionRegistry &actions);
// Attaches each context-menu alias to the command of its menu-bar item.
void bindContextAliases(DocumentWindow &window, ActionRegistry &actions);

// Whether `id` is a command every document window runs on itself.
bool isDocumentWindowCommand(const QString &id);

} // namespace tagloom
