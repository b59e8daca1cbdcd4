#pragma once
// The tags of a page read straight from its bytes, block by block as they
// arrive, for work that needs tags only (the document analysis). The tags
// are those THTMLParser gives for the same bytes: a "<" opens a tag and a
// ">" ends one (outside a tag, an empty one); inside a tag, line breaks
// vanish and a further "<" is dropped; a tag still open at the end of the
// page counts when it holds anything.
//
// Only ASCII bytes mean anything to the tokenizer, and UTF-8 uses none of
// them inside a character, so a tag's raw bytes are the page's own: its
// UTF-8 when the page is UTF-8, one byte per character otherwise. Nothing
// is decoded, and nothing but the tag under way is kept between blocks.
//
// When server-side code is skipped, the regions "<?" .. "?>" (PHP, "<?php"
// and "<?=" among them), "<%" .. "%>" (ASP), "<!--#" .. "-->" (server-side
// includes) and "<!---" .. "--->" (ColdFusion comments) are passed over
// wherever they stand; each ends at the first closing mark after it (its
// own quotes do not count), one that never ends runs to the end of the
// page. Between tags a region gives nothing; inside a tag it stands as one
// line feed, a byte no other raw tag holds, so that a name partly written
// by server code can be told apart.

#include "codetools/text_positions.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <vector>

namespace tagloom {

class HtmlTagStream {
public:
    // Each tag's raw bytes, valid only during the call.
    using Visit = std::function<void(QByteArrayView rawTag)>;
    // Without `trackPositions` the stream keeps no count of lines and
    // columns (tagPosition and positionOf then give nothing): a reader that
    // reports no places does not pay for them.
    explicit HtmlTagStream(Visit visit, bool skipServerCode = false, bool trackPositions = true);

    // The page's next bytes.
    void feed(QByteArrayView bytes);
    // The end of the page.
    void finish();

    // During a visit: where the tag's "<" stands, and where the byte at
    // `rawOffset` of its raw bytes does (a region's line feed: where the
    // region starts). Offsets asked for within one tag go forward, but for
    // the tag's own position, which may be asked for at any time.
    TextPosition tagPosition();
    TextPosition positionOf(qsizetype rawOffset);
    // During a visit: whether server code stands in the tag.
    bool holdsServerCode() const { return m_holdsServerCode; }

private:
    enum class State { Text, Tag, Opener, Region };
    // Where a raw offset of the tag under way stands in the page; between
    // two anchors raw bytes and page bytes go one for one.
    struct Anchor {
        qsizetype raw;
        qint64 offset;
        TextPosition at; // once resolved
    };

    [[gnu::always_inline]] inline qsizetype scanText(const char *p, qsizetype n, qsizetype i);
    [[gnu::always_inline]] inline qsizetype scanTag(const char *p, qsizetype n, qsizetype i);
    qsizetype atLessThan(const char *p, qsizetype n, qsizetype i, bool inTag);
    qsizetype continueOpener(const char *p, qsizetype n, qsizetype i);
    qsizetype startRegion(int region, QByteArrayView opening, qsizetype after, bool inTag);
    qsizetype scanRegion(const char *p, qsizetype n, qsizetype i);
    bool closesRegion(const char *p, qsizetype at) const;
    [[gnu::always_inline]] inline void openTag(qint64 lessThan);
    void anchorHere(qint64 offset);
    TextPosition resolved(size_t anchor);

    Visit m_visit;
    bool m_skipServerCode = false;
    bool m_trackPositions = true;
    State m_state = State::Text;
    QByteArray m_tag; // the tag under way, once it spans a block's end or a break
    QByteArrayView m_raw; // the tag being visited
    bool m_holdsServerCode = false;
    TextPositions m_positions;
    std::vector<Anchor> m_anchors; // of the tag under way; the first is its "<"
    size_t m_resolved = 0;         // anchors resolved so far
    size_t m_columnAnchor = size_t(-1); // the anchor, the last raw offset asked for...
    qsizetype m_columnRaw = 0;
    TextPosition m_columnAt;       // ...and where it stands
    // Server-side code: the region under way and where it opened, the
    // bytes of a possible opening mark seen before this block, and the
    // region's last bytes before this block (for a closing mark split
    // between blocks).
    int m_region = 0; // 1 PHP, 2 ASP, 3 include, 4 ColdFusion comment
    bool m_regionInTag = false;
    QByteArray m_opener;
    bool m_openerInTag = false;
    QByteArray m_tail;
    qsizetype m_regionFrom = 0; // where the region's bytes in this block start
};

// A tag's raw bytes split as TagParamTokens splits its text. Names come as
// written (not upper-cased); every view points into the raw bytes.
class TagByteTokens {
public:
    struct Param {
        QByteArrayView name;
        QByteArrayView value;
        QByteArrayView raw;
    };
    explicit TagByteTokens(QByteArrayView rawTag);
    QByteArrayView name() const { return m_name; }
    // The next token; false after the last.
    bool next(Param &param);

private:
    QByteArrayView m_raw;
    QByteArrayView m_name;
    qsizetype m_i = 0;
};

} // namespace tagloom
