#pragma once
// tagloom-tools: the code tools for scripts and build pipelines.
//   tagloom-tools validate [options] FILE|FOLDER|-...
//   tagloom-tools compress [options] IN OUT
//   tagloom-tools rtf2html IN.rtf
//   tagloom-tools wbmp IN.bmp OUT.wbmp
// Exit status: 0 done, 1 validate found an Error, 2 bad usage, an input that
// could not be read or was refused, or output that could not be written.

#include <QStringList>

namespace tagloom {

class ToolOutput;

// Runs one command; what it writes goes to `out` and `err`, which the caller
// finishes (a write that fails there turns the status into 2).
int runTools(const QStringList &arguments, ToolOutput &out, ToolOutput &err);

} // namespace tagloom
