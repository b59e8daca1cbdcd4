#pragma once
// The code tools' commands: Validate Document with its analysis window, and
// Compress this Document with the compressor dialog. Each window is made on
// first use.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerCodetoolsCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
