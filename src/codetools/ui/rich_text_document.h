#pragma once
// A rich-text box's document in the program's own rich-text model, so that
// core code (the RTF writer) can save it.

#include "codetools/rich_text.h"

class QTextDocument;

namespace tagloom {

// Paragraphs, runs, fonts, sizes, colours, bold, italic, underline,
// alignment and list items (every list counts as bulleted). Pictures and
// other embedded objects are left out; the document's default font gives
// the default font and size.
RichText richTextOf(const QTextDocument &document);

// The other way: `document` holds `text` (what it held before goes);
// consecutive bulleted paragraphs make one bulleted list.
void fillDocument(QTextDocument &document, const RichText &text);

} // namespace tagloom
