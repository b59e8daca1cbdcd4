#pragma once
// The vocabulary's commands: every palette button that inserts text, the
// document window's Format and Insert snippets, the time stamp, and the
// palettes' "Vars" buttons with the server-variable inserter (made on first
// use). Each inserts into the active document and does nothing without one.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerVocabularyCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
