#pragma once
// Edit > Preferences of the main window and of every document window: the
// Preferences dialog, made on first use, over the main window's settings.

namespace tagloom {

class CommandRegistry;
class MainWindow;

void registerPreferencesCommands(CommandRegistry &registry, MainWindow &window);

} // namespace tagloom
