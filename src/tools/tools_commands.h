#pragma once
// tagloom-tools: the code tools for scripts and build pipelines.
//   tagloom-tools validate FILE...
//   tagloom-tools compress [options] IN OUT
//   tagloom-tools rtf2html IN.rtf
// Exit status: 0 done, 1 validate found an error, 2 bad usage or a file
// that could not be read or written.

#include <QStringList>
#include <QTextStream>

namespace tagloom {

int runTools(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace tagloom
