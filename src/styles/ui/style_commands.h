#pragma once
// The style-sheet editor's command: Tools > Hueloom and the toolbar button.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerStyleCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
