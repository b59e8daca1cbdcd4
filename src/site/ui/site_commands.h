#pragma once
// The site commands: Tools > Pathloom > Administer (the site manager) and
// Client (the site client), both windows made on first use.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerSiteCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
