#pragma once
// The tag dialogs' commands: the Insert menu items and Common palette
// buttons that open the image, rollover, hyperlink, navigation-menu, table,
// script and applet dialogs (each made on first use, never in edit mode
// from here), the page-level generators of page_commands.h, and Edit Current
// Tag, which reopens a selected tag in its dialog. None but the page wizard
// does anything without a document window.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerTagCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
