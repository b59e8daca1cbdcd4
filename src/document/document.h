#pragma once
// One document as its file holds it: where it lives, how its bytes are shown
// in the editor and whether it has any lines at all, with the conversions
// between the file's bytes and the editor's buffer (its lines joined by
// CR LF). The document window owns one; its editor view reads and updates it.
// The text itself lives in the editor; the modified flag is the editor's.

#include "base/memory_budget.h"
#include "base/result.h"
#include "document/editor_text.h"

#include <QString>

namespace tagloom {

inline constexpr char UntitledCaption[] = "Untitled Document";

// How a document's bytes are read and written. UTF-16 files with a byte-order
// mark are read as UTF-16 and written back as UTF-16 (the editor holds them
// as UTF-8); other files are UTF-8 when every byte sequence is valid UTF-8,
// otherwise one byte per character (Latin-1), which keeps every byte of mixed
// or single-byte files exactly.
enum class TextEncoding { Utf8, Latin1, Utf16LE, Utf16BE };

// The editor holds every encoding but Latin-1 as UTF-8.
inline bool heldAsUtf8(TextEncoding encoding) { return encoding != TextEncoding::Latin1; }

// UTF-16 only with its byte-order mark and when the bytes come back exactly
// (an even count, no lone surrogate); else UTF-8 when valid, else Latin-1.
TextEncoding detectEncoding(const QByteArray &bytes);
// File bytes in `encoding` as the editor's 8-bit or UTF-8 bytes, and back.
QByteArray editorBytesFromFile(const QByteArray &file, TextEncoding encoding);
QByteArray fileBytesInEncoding(const QByteArray &editorBytes, TextEncoding encoding);
// A file's bytes as text, decoded as the editor reads them.
QString textFromFileBytes(const QByteArray &file);

// The largest file the editor is asked to hold, in bytes: the editor keeps
// about four times a file's size while loading it, and cannot address more
// than 2 GiB; `availableMemory` is what the process may still use.
qint64 largestEditableFile(qint64 availableMemory);
// The longest line, in bytes, the editor can lay out beside a text of
// `textBytes` with `availableMemory` bytes.
qint64 longestShowableLine(qint64 textBytes, qint64 availableMemory);

// A document file read into the editor's form, away from any window.
struct LoadedText {
    EditorText text;
    TextEncoding encoding = TextEncoding::Utf8;
    qsizetype longestLine = 0; // bytes
};

// Whether the file at `path` is small enough for the editor to hold with
// `availableMemory` bytes; the message says why not.
Status fitsInEditor(const QString &path, qint64 availableMemory);
// Reads the file at `path` as a document: refused before reading when it is
// larger than the editor can hold with `availableMemory` bytes. Safe to
// call off the user-interface thread.
Result<LoadedText> readDocumentFile(const QString &path, qint64 availableMemory);
// Writes the editor's `buffer` to `path` as Document::save does. Safe to
// call off the user-interface thread.
Status writeDocumentFile(const QString &path, const QByteArray &buffer, TextEncoding encoding, bool noLines);

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
    // (nothing at all when the document has no lines), in the file's encoding.
    QByteArray fileBytes(const QByteArray &buffer, const QByteArray &eol = CrLf) const;
    // The same text as the editor holds it (8-bit or UTF-8), for the tools
    // that read mark-up byte by byte.
    QByteArray textBytes(const QByteArray &buffer) const;
    // Takes a file's bytes as this document's text: the encoding and the
    // no-lines flag follow the bytes; the editor's buffer comes back.
    EditorText adoptFileBytes(const QByteArray &bytes);
    // Takes a file read by readDocumentFile as this document's text.
    void adopt(const LoadedText &loaded);

    // Reads the file at path() and adopts its bytes. A file larger than the
    // editor can hold with `availableMemory` bytes is refused before reading.
    Result<EditorText> load(qint64 availableMemory = availableMemoryBytes());
    // Writes the editor's `buffer` to path() with CR LF after every line,
    // atomically: a failed write leaves the file as it was.
    Status save(const QByteArray &buffer) const;

private:
    QString m_path;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_noLines = false;
};

} // namespace tagloom
