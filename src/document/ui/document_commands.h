#pragma once
// The document subsystem's commands of the program as a whole: Extended Find
// and Replace across files.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerDocumentCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
