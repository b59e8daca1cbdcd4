#pragma once
// Reading and writing document files. Loading then saving changes nothing but
// the line breaks (written as CR LF), whatever the bytes are.

#include "base/result.h"
#include "document/editor_text.h"

#include <QString>

namespace tagloom {

// How the editor shows a document's bytes: as UTF-8 when every byte sequence
// is valid UTF-8, otherwise one byte per character (Latin-1), which keeps
// every byte of mixed or single-byte files exactly.
enum class TextEncoding { Utf8, Latin1 };

TextEncoding detectEncoding(const QByteArray &bytes);

struct LoadedDocument {
    EditorText text;
    TextEncoding encoding = TextEncoding::Utf8;
};

Result<LoadedDocument> loadDocumentFile(const QString &path);

// Writes the editor buffer with CR LF after every line, atomically.
Status saveDocumentFile(const QString &path, const QByteArray &buffer, bool noLines);

// The file name part of a path (for window captions).
QString fileNamePart(const QString &path);

} // namespace tagloom
