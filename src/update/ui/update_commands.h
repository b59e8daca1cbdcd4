#pragma once
// Tools > Tagloom Update with its dialog, made on first use.

#include <QString>
#include <functional>

namespace tagloom {

class CommandRegistry;
class Documents;

// `server` gives the update server at the moment the update runs.
void registerUpdateCommands(CommandRegistry &registry, Documents &documents, std::function<QString()> server);

} // namespace tagloom
