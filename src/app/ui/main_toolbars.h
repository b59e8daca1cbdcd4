#pragma once
// The main window's file and edit toolbars, built from a table: buttons run a
// command of the program, or the same-named command of the active document
// window; a button whose command this build lacks is disabled.

#include <QString>
#include <functional>

class QAction;
class QMainWindow;
class QToolBar;
class QToolButton;

namespace tagloom {

class CommandRegistry;

struct ToolbarCommands {
    const CommandRegistry *registry = nullptr;
    // Runs a menu item of the active document window (nothing without one).
    std::function<void(const QString &id)> runOnActiveDocument;
};

struct MainToolbars {
    QToolBar *file = nullptr;
    QToolBar *edit = nullptr;
    QToolButton *openButton = nullptr;    // takes the recent list as its drop-down
    QToolButton *browserButton = nullptr; // takes the browser menu
    QAction *spellButton = nullptr;
};

// Adds the file toolbar, then (after `beforeEditRow` adds what shares the
// first row) a toolbar break and the edit toolbar.
MainToolbars buildMainToolbars(QMainWindow *window, const ToolbarCommands &commands,
                               const std::function<void()> &beforeEditRow);

} // namespace tagloom
