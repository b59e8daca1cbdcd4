#pragma once
// Edit Current Tag on the active document's selection: the selected tag's
// values go into the dialog that writes such a tag, shown in edit mode, so
// that its OK replaces the selection with the tag rewritten.

#include "tags/current_tag.h"

#include <functional>

class QWidget;

namespace tagloom {

class EditorOperations;
class MarkupDialog;

// The dialog for a kind of tag, made on first use; nullptr for one the
// program does not have.
using TagDialogs = std::function<MarkupDialog *(TagDialogKind)>;

// Nothing selected: the message asking for a tag, over `messageParent`.
void editCurrentTag(EditorOperations *editor, const TagDialogs &dialogs, QWidget *messageParent);

} // namespace tagloom
