#pragma once
// One document as its file holds it: where it lives, how its bytes are shown
// in the editor and whether it has any lines at all, with the conversions
// between the file's bytes and the editor's buffer (its lines joined by
// CR LF). The document window owns one; its editor view reads and updates it.
// The text itself lives in the editor; the modified flag is the editor's.

#include "base/result.h"
#include "document/editor_text.h"

#include <QString>

namespace tagloom {

inline constexpr char UntitledCaption[] = "Untitled Document";

// How the editor shows a document's bytes: as UTF-8 when every byte sequence
// is valid UTF-8, otherwise one byte per character (Latin-1), which keeps
// every byte of mixed or single-byte files exactly.
enum class TextEncoding { Utf8, Latin1 };

TextEncoding detectEncoding(const QByteArray &bytes);

// The file name part of a path (for window captions).
QString fileNamePart(const QString &path);

class Document {
public:
    // The file's path; empty while the document is untitled.
    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    bool isUntitled() const { return m_path.isEmpty(); }
    // The file name part of the path, or "Untitled Document".
    QString title() const;

    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }
    // No lines at all (an empty file, or after Clear All), as opposed to one
    // empty line; only an empty buffer can have no lines.
    bool hasNoLines() const { return m_noLines; }
    void setNoLines(bool noLines) { m_noLines = noLines; }

    // The file form of the editor's `buffer`: every line followed by `eol`
    // (nothing at all when the document has no lines).
    QByteArray fileBytes(const QByteArray &buffer, const QByteArray &eol = CrLf) const;
    // Takes a file's bytes as this document's text: the encoding and the
    // no-lines flag follow the bytes; the editor's buffer comes back.
    EditorText adoptFileBytes(const QByteArray &bytes);

    // Reads the file at path() and adopts its bytes.
    Result<EditorText> load();
    // Writes the editor's `buffer` to path() with CR LF after every line,
    // atomically: a failed write leaves the file as it was.
    Status save(const QByteArray &buffer) const;

private:
    QString m_path;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_noLines = false;
};

} // namespace tagloom
