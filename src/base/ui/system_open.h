#pragma once
// Files and web addresses opened with the desktop's own handlers: a page in
// the default web browser, a help file in whatever shows HTML. Tests put a
// handler of their own in place and see what would have been opened.

#include <QUrl>
#include <functional>

namespace tagloom {

// False when the handler could not be started, or when a local file to open
// does not exist (the desktop would only report that later, in its own way).
bool openWithSystem(const QUrl &url);

using SystemOpenHandler = std::function<bool(const QUrl &url)>;
// Replaces the desktop's handlers (tests); an empty handler restores them.
// Returns the previous handler.
SystemOpenHandler setSystemOpenHandler(SystemOpenHandler handler);

} // namespace tagloom
