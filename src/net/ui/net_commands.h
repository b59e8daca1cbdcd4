#pragma once
// The web commands: File > Open from Web with its dialog, made on first use.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerNetCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
