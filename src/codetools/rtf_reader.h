#pragma once
// RTF source read into the program's rich-text model: what the RTF writer
// writes comes back as it was (paragraphs, alignment, bullets, runs with
// font, size, colour, bold, italic, underline, line breaks and tabs), and
// RTF from other programs is read as far as the model reaches. Groups the
// model has no place for (style sheets, pictures, document information,
// "\*" destinations) are skipped; nothing read is ever refused.

#include "codetools/rich_text.h"

#include <QString>

namespace tagloom {

RichText readRtf(const QString &source);

} // namespace tagloom
