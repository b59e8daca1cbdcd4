#pragma once
// The menus of the frame, as tables. One table serves both menu bars: the
// document window's, and the main window's, which shows a few of the same
// menus while no document is open; each row says where it shows. The editor's
// context menu has a table of its own.

#include "base/ui/action_registry.h"

#include <vector>

namespace tagloom {

namespace MenuPlace {
inline constexpr unsigned Main = 1;     // the main window's own menu bar
inline constexpr unsigned Document = 2; // a document window's menu bar
} // namespace MenuPlace

const std::vector<MenuItem> &menuBarItems();
const std::vector<MenuItem> &editorContextMenu();

} // namespace tagloom
