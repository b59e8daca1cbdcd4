#pragma once
// The main window's own commands: new, open, import, close all and exit,
// New Items and About, and the window arrangements.

namespace tagloom {

class CommandRegistry;
class MainWindow;

void registerAppCommands(CommandRegistry &registry, MainWindow &window);

} // namespace tagloom
