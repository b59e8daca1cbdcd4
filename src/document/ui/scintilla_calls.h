#pragma once
// Shorthands for talking to Scintilla through SendScintilla, whose position
// and length arguments are unsigned long and long.

#include <Qsci/qsciscintillabase.h>

namespace tagloom::sci {

using Sci = QsciScintillaBase;
constexpr unsigned long W(qint64 v) { return static_cast<unsigned long>(v); }
constexpr long L(qint64 v) { return static_cast<long>(v); }

} // namespace tagloom::sci
