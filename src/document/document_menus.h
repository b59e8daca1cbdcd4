#pragma once
// The document window's menu bar and the editor's context menu, as tables.

#include "app/action_registry.h"

#include <vector>

namespace tagloom {

const std::vector<MenuItem> &documentMenuBar();
const std::vector<MenuItem> &editorContextMenu();

// The end of the Help menu shared with the main window: the submenu of the
// maker's web pages, a separator and About, closing the menu.
void appendHelpMenuEnd(std::vector<MenuItem> &items);

} // namespace tagloom
