#pragma once
// The page-level generators' commands: File > New Page Wizard, Format >
// Using Style Sheets, Font and DHTML Transitions, Tools > Content Wizards.
// Each dialog is made on first use and opened with edit mode off; all but
// the page wizard, which makes a document of its own, need a document window.

#include <functional>

namespace tagloom {

class CommandRegistry;
class Documents;
class MarkupDialog;

// The dialogs Edit Current Tag reopens a BODY or a LINK tag in, made on
// first use.
struct PageTagDialogs {
    std::function<MarkupDialog *()> pageWizard;
    std::function<MarkupDialog *()> styleSheetLink;
};

PageTagDialogs registerPageCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
