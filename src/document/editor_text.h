#pragma once
// The editor holds a document as bytes: its lines joined by CR LF, with no
// break after the last line. An empty buffer is one empty line, unless the
// document has no lines at all (an empty file, or after Clear All).
// Files may end lines with CR LF, LF or CR; every byte else is kept as is,
// NUL bytes included.

#include <QByteArray>

namespace tagloom {

struct EditorText {
    QByteArray buffer;
    bool noLines = false;
};

inline constexpr char CrLf[] = "\r\n";

// Every line break of `bytes` (CR LF, lone CR, lone LF) replaced by `eol`.
QByteArray normaliseLineBreaks(const QByteArray &bytes, const QByteArray &eol);

EditorText editorTextFromFile(const QByteArray &file);

// The length in bytes of the longest line of an editor buffer (CR LF breaks;
// a lone CR or LF counts as a break too).
qsizetype longestLineLength(const QByteArray &buffer);

// The file form: every line followed by `eol`, the last one included.
QByteArray fileBytesFromEditor(const QByteArray &buffer, bool noLines, const QByteArray &eol = CrLf);

} // namespace tagloom
