#pragma once
// The Help menu: the user guide, the web design reference, help for the tag
// at the caret, and the links to the maker's web site.

#include <QString>

namespace tagloom {

class CommandRegistry;
class Documents;

void registerHelpCommands(CommandRegistry &registry, Documents &documents);

// The maker's page behind a web-link item ("Help.Web.Home", ...); empty for
// any other id.
QString webLinkAddress(const QString &id);

} // namespace tagloom
