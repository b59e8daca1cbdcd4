#pragma once
// The document window's tool windows of the tag dialogs: Tools > Download
// Timer (also the main toolbar's button) and the Coding menu's JavaScript and
// ColdFusion builders, each made on first use. The download timer and the
// ColdFusion builder need a document window; the JavaScript builder writes
// nothing and opens without one.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerBuilderCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
