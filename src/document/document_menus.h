#pragma once
// The document window's menu bar and the editor's context menu, as tables.

#include "app/action_registry.h"

#include <vector>

namespace tagloom {

const std::vector<MenuItem> &documentMenuBar();
const std::vector<MenuItem> &editorContextMenu();

// The Help menu's submenu of the maker's web pages, shared with the main window.
std::vector<MenuItem> webLinksMenu();

} // namespace tagloom
