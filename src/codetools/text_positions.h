#pragma once
// Lines and columns of a page whose bytes arrive block by block. Lines are
// counted only where a position is asked for and once over the rest of each
// block, sixteen bytes at a time, so a page with no findings pays one quick
// pass for them.
//
// A line ends at a carriage return, a line feed, or the two together.
// Columns count characters as the page is read: a byte starts a character
// unless it continues a UTF-8 sequence (0x80-0xBF after a byte above
// ASCII), so a UTF-8 page counts its characters and a page of one byte per
// character mostly its bytes.

#include <QByteArrayView>
#include <QtGlobal>

namespace tagloom {

struct TextPosition {
    qint64 line = 0;   // from 1
    qint64 column = 0; // from 1
};

// Characters in `p[0..n)`; `afterHigh` says whether the byte before them is
// above ASCII.
qint64 countCharacters(const char *p, qsizetype n, bool afterHigh);

class TextPositions {
public:
    // The page's next bytes; valid until endBlock().
    void startBlock(QByteArrayView block);
    // The position of the byte at `offset` from the page's start. Offsets
    // asked for never go back, and lie in the current block.
    TextPosition at(qint64 offset);
    // The block is over: what is left of it is counted.
    void endBlock();
    // Moves past a block without counting in it (positions are not wanted).
    void skipBlock(qsizetype n) { m_base += n; }
    // The offset the next block starts at.
    qint64 blockEnd() const { return m_base + m_n; }
    qint64 blockStart() const { return m_base; }

private:
    const char *m_p = nullptr;
    qsizetype m_n = 0;
    qint64 m_base = 0;      // the current block's offset in the page
    qint64 m_counted = 0;   // line ends before this offset are counted
    qint64 m_line = 1;      // the line at m_counted
    qint64 m_columnAt = 0;  // characters are counted up to here...
    qint64 m_characters = 0; // ...from the start of the line
    bool m_afterCr = false;  // the byte before m_counted is a carriage return
    bool m_afterHigh = false; // the byte before m_columnAt is above ASCII
};

} // namespace tagloom
