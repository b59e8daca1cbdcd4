#pragma once
// THTMLCompressor: shrinks a page by a fixed sequence of byte-level passes,
// each switchable. It works on the bytes as they are (nothing is decoded),
// matches mark-up case-insensitively (ASCII letters only) and leaves
// <textarea>, <pre> and <script> blocks alone where a pass needs that.
// Load, Compress, Save; sizes are in bytes.

#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

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

// The passes THTMLCompressor's switches choose, over a page that arrives
// piece by piece: the result comes out piece by piece too, the same bytes
// Compress gives for the whole page. Only what the passes have yet to decide
// is kept between pieces, usually a few bytes each; a construct decided only
// far ahead (a paragraph whose "</p>" is a megabyte away, a tag that never
// ends) is kept until it is decided.
class CompressorStream {
public:
    // Each piece of the result, valid only during the call.
    using Sink = std::function<void(QByteArrayView)>;
    // With two threads the later passes, and so the sink, run on a second
    // thread a few pieces behind the caller's: the sink must share nothing
    // unguarded with the caller, and is called for the last time before
    // finish returns. An exception thrown there comes out of a later write
    // or finish. A stream dropped before finish stops without finishing.
    enum class Threads { One, Two };
    CompressorStream(const THTMLCompressor &switches, Sink sink, Threads threads = Threads::One);
    ~CompressorStream();
    CompressorStream(const CompressorStream &) = delete;
    CompressorStream &operator=(const CompressorStream &) = delete;

    // The page's next bytes.
    void write(QByteArrayView bytes);
    // The end of the page: what is left comes out.
    void finish();

    qint64 bytesIn() const { return m_in; }
    // Once finished.
    qint64 bytesOut() const { return m_out; }

private:
    class Pipeline;
    std::unique_ptr<Pipeline> m_pipeline;
    qint64 m_in = 0;
    qint64 m_out = 0;
};

} // namespace tagloom
