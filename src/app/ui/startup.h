#pragma once
// Program entry: splash, application object, main window, every dialog once,
// then the event loop. Errors that escape a handler are shown with their own
// text and the program goes on with every document intact.

namespace tagloom {

int runTagloom(int argc, char **argv);

} // namespace tagloom
