#pragma once
// THTMLCompressor: shrinks a page by a fixed sequence of byte-level passes,
// each switchable. It works on the bytes as they are (nothing is decoded),
// matches mark-up case-insensitively (ASCII letters only) and leaves
// <textarea>, <pre> and <script> blocks alone where a pass needs that.
// Load, Compress, Save; sizes are in bytes.

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace tagloom {

class THTMLCompressor {
public:
    // The passes, in the order Compress runs them, and their switches:
    bool InvCommas = true;       // double quotes dropped from tags
    bool AllReturns = true;      // all removable line breaks removed
    bool Returns = true;         // runs of CR, and runs of LF, collapsed
    bool Webbots = true;         // "<!--webbot" comments removed (with Returns or AllReturns only)
    bool Spaces = true;          // spaces collapsed
    bool SimpleTags = true;      // strong, em, strike written as b, i, s
    bool BlockquoteToUl = false; // blockquote written as ul
    bool Center = true;          // centred paragraphs written as <center>

    // Reads the whole file, replacing any earlier text. On failure nothing
    // stays loaded.
    Status LoadFile(const QString &path);
    // The same from bytes already in memory.
    void LoadBytes(const QByteArray &bytes);

    // Runs the switched-on passes once; does nothing on empty or already
    // compressed text.
    void Compress();

    // Writes the text (compressed, or as loaded when Compress has not run)
    // atomically. Fails when nothing is loaded.
    Status SaveFile(const QString &path) const;

    const QByteArray &Buffer() const { return m_buffer; }
    qint64 SourceSize() const { return m_sourceSize; }
    qint64 CompressedSize() const { return m_compressedSize; } // 0 until compressed
    bool IsCompressed() const { return m_compressed; }

private:
    QByteArray m_buffer;
    bool m_loaded = false;
    bool m_compressed = false;
    qint64 m_sourceSize = 0;
    qint64 m_compressedSize = 0;
};

} // namespace tagloom
