#pragma once
// The cleaner commands of the Coding menu: Format HTML, Upgrade to Style
// Sheets, to XML and to XHTML run at once on the active document window;
// Fix and Format HTML (also the main window's cleaner button) shows the
// "RivuZuvivir Configuration" dialog, made on first use.

#include "codetools/ui/cleaner_runner.h"

namespace tagloom {

class CommandRegistry;
class Documents;

void registerCleanerCommands(CommandRegistry &registry, Documents &documents, CleanerHooks hooks);

} // namespace tagloom
