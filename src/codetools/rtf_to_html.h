#pragma once
// RTF source text, as the rich-text fields of the content wizards save it,
// to an HTML fragment: paragraphs with alignment, bold, italic and underline,
// FONT tags for face, colour and size, and bulleted items. One forward scan
// that knows about twenty control words and ignores the rest; it is not a
// general RTF reader.

#include <QString>
#include <QStringView>
#include <functional>

namespace tagloom {

// Never fails: a font or colour index without a table entry leaves that
// attribute out of the FONT tag, and input that ends inside a control word
// or a skipped group ends the scan there. Characters above 127 pass through;
// "\'hh" gives the character of code hh (read as Latin-1, like the rest of
// the program's 8-bit text). Tags still open at the end stay open.
// Runs in time linear in the input.
QString RtfToHtml(const QString &rtf);
// The same result handed to `write` in pieces as it is made (joined, they
// are the whole result), so a large conversion never holds all its output.
void RtfToHtml(const QString &rtf, const std::function<void(QStringView)> &write);

} // namespace tagloom
