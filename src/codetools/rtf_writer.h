#pragma once
// Rich text as RTF source, in the plain form RtfToHtml reads back: a font
// table, a colour table whose first entry is the default colour, "\deflang",
// then for each paragraph "\pard" (with "\qc" or "\qr"), each run's "\plain",
// "\f", "\fs", "\cf", "\b", "\i" and "\ul" as far as they change, and "\par".
// A bulleted paragraph carries its bullet as "{\pntext ...}" with the list's
// "{\*\pn ...}" description; the first item of a list also starts it with
// "\fi0" before its hanging indent.
//
// Text: "\", "{" and "}" are escaped, ";" and characters 128 to 255 are
// written as "\'hh"; a character above 255 as "\uN" followed by the
// character itself, which readers that know "\u" skip and RtfToHtml passes
// on, so nothing typed is lost. The result is ASCII apart from those.

#include "codetools/rich_text.h"

#include <QString>

namespace tagloom {

QString writeRtf(const RichText &text);

} // namespace tagloom
