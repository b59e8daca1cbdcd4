#pragma once
// The wireless mark-up commands: the WML palette's "access", "card" and "go"
// buttons, which open their dialogs (each made on first use) only while a
// document window is open.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerWirelessCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
