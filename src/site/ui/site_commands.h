#pragma once
// The site commands: Tools > Pathloom > Administer (the site manager) and
// Client (the site client), and Tools > Check Site Links over the loaded
// profile's local folder (or a chosen one); each window made on first use.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerSiteCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom
