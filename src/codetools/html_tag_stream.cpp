#include "codetools/html_tag_stream.h"

#include "codetools/byte_search.h"
#include "codetools/tag_tokens.h"

#include <algorithm>

namespace tagloom {

namespace {

// What the bytes after a "<" make of it when server-side code is skipped.
enum class Opening { None, More, Php, Asp, Include, ColdFusion };

Opening matchOpening(const char *q, qsizetype n)
{
    if (n < 1)
        return Opening::More;
    if (q[0] == '?')
        return Opening::Php;
    if (q[0] == '%')
        return Opening::Asp;
    if (q[0] != '!')
        return Opening::None;
    for (qsizetype k = 1; k <= 2; ++k) {
        if (n <= k)
            return Opening::More;
        if (q[k] != '-')
            return Opening::None;
    }
    if (n <= 3)
        return Opening::More;
    return q[3] == '#' ? Opening::Include : q[3] == '-' ? Opening::ColdFusion : Opening::None;
}

// The opening mark's length, its "<" included.
qsizetype openingLength(Opening kind)
{
    return kind == Opening::Php || kind == Opening::Asp ? 2 : 5;
}

// What comes before the ">" that closes a region.
QByteArrayView closingMark(int region)
{
    static const char *const marks[] = {"", "?", "%", "--", "---"};
    return QByteArrayView(marks[region]);
}

} // namespace

HtmlTagStream::HtmlTagStream(Visit visit, bool skipServerCode, bool trackPositions)
    : m_visit(std::move(visit)), m_skipServerCode(skipServerCode), m_trackPositions(trackPositions)
{
    m_anchors.reserve(16);
}

void HtmlTagStream::openTag(qint64 lessThan)
{
    m_holdsServerCode = false;
    if (!m_trackPositions) {
        if (!m_anchors.empty()) // a "<" in a tag, kept for an opening mark
            m_anchors.clear();
        return;
    }
    m_anchors.clear();
    m_anchors.push_back({0, lessThan + 1, {}});
    m_holdsServerCode = false;
    m_resolved = 0;
    m_columnAnchor = size_t(-1);
}

qsizetype HtmlTagStream::scanText(const char *p, qsizetype n, qsizetype i)
{
    // Text is skipped: only the marks matter.
    i = findAnyOf<'<', '>'>(p, n, i);
    if (i == n)
        return n;
    if (p[i] == '>') {
        m_raw = QByteArrayView();
        m_visit(m_raw);
        return i + 1;
    }
    openTag(m_positions.blockStart() + i);
    // Every opening mark of server code starts "<?", "<%" or "<!".
    if (m_skipServerCode && (i + 1 == n || p[i + 1] == '?' || p[i + 1] == '%' || p[i + 1] == '!'))
        return atLessThan(p, n, i, false);
    m_state = State::Tag;
    return i + 1;
}

qsizetype HtmlTagStream::scanTag(const char *p, qsizetype n, qsizetype i)
{
    const qsizetype stop = findAnyOf<'<', '>', '\r', '\n'>(p, n, i);
    const bool ends = stop < n && p[stop] == '>';
    if (ends && m_tag.isEmpty()) {
        m_raw = QByteArrayView(p + i, stop - i); // the whole tag lies in this block
        m_visit(m_raw);
    } else {
        m_tag.append(p + i, stop - i);
        if (ends) {
            m_raw = m_tag;
            m_visit(m_raw);
            m_tag.resize(0); // the room stays for the next long tag
        }
    }
    if (stop == n)
        return n;
    if (ends) {
        m_state = State::Text;
        return stop + 1;
    }
    if (p[stop] == '<' && m_skipServerCode)
        return atLessThan(p, n, stop, true);
    anchorHere(m_positions.blockStart() + stop + 1); // a line break or a "<" dropped
    return stop + 1;
}

void HtmlTagStream::feed(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    if (m_trackPositions)
        m_positions.startBlock(bytes);
    qsizetype i = 0;
    // Text and tags take turns for nearly every byte: tested first, in order.
    while (i < n) {
        if (m_state == State::Text)
            i = scanText(p, n, i);
        else if (m_state == State::Tag)
            i = scanTag(p, n, i);
        else if (m_state == State::Opener)
            i = continueOpener(p, n, i);
        else
            i = scanRegion(p, n, i);
    }
    // What goes on into the next block is placed now, while its bytes are here.
    if (m_trackPositions && m_state != State::Text && !m_anchors.empty())
        resolved(m_anchors.size() - 1);
    if (m_state == State::Region) {
        // The region's last bytes, for a closing mark split between blocks.
        const qsizetype rest = n - m_regionFrom;
        if (rest >= 3) {
            m_tail = QByteArray(p + n - 3, 3);
        } else {
            m_tail.append(p + m_regionFrom, rest);
            m_tail = m_tail.right(3);
        }
        m_regionFrom = 0;
    }
    if (m_trackPositions)
        m_positions.endBlock();
    else
        m_positions.skipBlock(n);
}

qsizetype HtmlTagStream::atLessThan(const char *p, qsizetype n, qsizetype i, bool inTag)
{
    const qsizetype seen = std::min<qsizetype>(4, n - i - 1);
    const Opening opening = matchOpening(p + i + 1, seen);
    if (opening == Opening::More) {
        // The block ends within what may be an opening mark.
        m_opener = QByteArray(p + i + 1, seen);
        m_openerInTag = inTag;
        m_state = State::Opener;
        if (inTag) // where the "<" stands; one on, should it be dropped
            m_anchors.push_back({m_tag.size(), m_positions.blockStart() + i, {}});
        return n;
    }
    if (opening == Opening::None) {
        if (inTag)
            anchorHere(m_positions.blockStart() + i + 1);
        m_state = State::Tag;
        return i + 1;
    }
    const qsizetype length = openingLength(opening);
    return startRegion(int(opening) - int(Opening::More), QByteArrayView(p + i, length), i + length, inTag);
}

qsizetype HtmlTagStream::continueOpener(const char *p, qsizetype n, qsizetype i)
{
    QByteArray seen = m_opener;
    seen.append(p + i, std::min<qsizetype>(4 - seen.size(), n - i));
    const Opening opening = matchOpening(seen.constData(), seen.size());
    if (opening == Opening::More) {
        m_opener = seen;
        return n;
    }
    m_state = State::Tag;
    if (opening == Opening::None) {
        // Not server code after all: the "<" opened a tag, or inside one was dropped.
        if (m_openerInTag) {
            Anchor &lessThan = m_anchors.back();
            ++lessThan.offset;
            ++lessThan.at.column;
        }
        m_tag.append(m_opener);
        m_opener.clear();
        return i;
    }
    const qsizetype length = openingLength(opening);
    const qsizetype after = i + length - 1 - m_opener.size();
    m_opener.clear();
    return startRegion(int(opening) - int(Opening::More), '<' + seen.left(length - 1), after, m_openerInTag);
}

qsizetype HtmlTagStream::startRegion(int region, QByteArrayView opening, qsizetype after, bool inTag)
{
    // A closing mark may share the opening one's bytes past its first two
    // ("<!--->" is a whole ColdFusion comment).
    m_region = region;
    m_regionInTag = inTag;
    m_tail = opening.sliced(2).toByteArray();
    m_regionFrom = after;
    m_state = State::Region;
    return after;
}

qsizetype HtmlTagStream::scanRegion(const char *p, qsizetype n, qsizetype i)
{
    while (true) {
        i = findByte(p, n, i, '>');
        if (i == n)
            return n;
        if (closesRegion(p, i))
            break;
        ++i;
    }
    m_region = 0;
    if (m_regionInTag) {
        m_tag.append('\n');
        m_holdsServerCode = true;
        anchorHere(m_positions.blockStart() + i + 1);
        m_state = State::Tag;
    } else {
        m_state = State::Text;
    }
    return i + 1;
}

bool HtmlTagStream::closesRegion(const char *p, qsizetype at) const
{
    const QByteArrayView mark = closingMark(m_region);
    for (qsizetype k = 1; k <= mark.size(); ++k) {
        const qsizetype j = at - k;
        char c = 0;
        if (j >= m_regionFrom) {
            c = p[j];
        } else {
            const qsizetype t = m_tail.size() - (m_regionFrom - j);
            if (t < 0)
                return false;
            c = m_tail.at(t);
        }
        if (c != mark[mark.size() - k])
            return false;
    }
    return true;
}

void HtmlTagStream::anchorHere(qint64 offset)
{
    if (!m_trackPositions)
        return;
    const qsizetype raw = m_tag.size();
    // Breaks in a row need one anchor; the tag's own stays as it is.
    if (m_anchors.size() > 1 && m_resolved < m_anchors.size() && m_anchors.back().raw == raw)
        m_anchors.back().offset = offset;
    else
        m_anchors.push_back({raw, offset, {}});
}

TextPosition HtmlTagStream::resolved(size_t anchor)
{
    for (; m_resolved <= anchor; ++m_resolved)
        m_anchors[m_resolved].at = m_positions.at(m_anchors[m_resolved].offset);
    return m_anchors[anchor].at;
}

TextPosition HtmlTagStream::tagPosition()
{
    if (!m_trackPositions)
        return {};
    TextPosition at = resolved(0);
    --at.column; // the "<", one character before the tag's first byte
    return at;
}

TextPosition HtmlTagStream::positionOf(qsizetype rawOffset)
{
    if (!m_trackPositions)
        return {};
    // The last anchor at or before the offset.
    const auto after = std::upper_bound(m_anchors.begin(), m_anchors.end(), rawOffset,
                                        [](qsizetype raw, const Anchor &a) { return raw < a.raw; });
    const size_t anchor = size_t(after - m_anchors.begin()) - 1;
    qsizetype from = m_anchors[anchor].raw;
    TextPosition at = resolved(anchor);
    bool afterHigh = false; // an anchor follows a mark, a break or a region
    if (anchor == m_columnAnchor && rawOffset >= m_columnRaw) {
        from = m_columnRaw;
        at = m_columnAt;
        afterHigh = from > 0 && static_cast<unsigned char>(m_raw[from - 1]) >= 0x80;
    }
    at.column += countCharacters(m_raw.data() + from, std::min(rawOffset, m_raw.size()) - from, afterHigh);
    m_columnAnchor = anchor;
    m_columnRaw = rawOffset;
    m_columnAt = at;
    return at;
}

void HtmlTagStream::finish()
{
    if (m_state == State::Opener) {
        // The page ended within what might have been an opening mark.
        if (m_openerInTag) {
            ++m_anchors.back().offset;
            ++m_anchors.back().at.column;
        }
        m_tag.append(m_opener);
        m_state = State::Tag;
    } else if (m_state == State::Region && m_regionInTag) {
        m_tag.append('\n'); // server code to the end of the page
        m_holdsServerCode = true;
        m_state = State::Tag;
    }
    if (m_state == State::Tag && !m_tag.isEmpty()) {
        m_raw = m_tag;
        m_visit(m_raw);
    }
    m_tag = QByteArray();
    m_opener = QByteArray();
    m_tail = QByteArray();
    m_state = State::Text;
    m_region = 0;
}

TagByteTokens::TagByteTokens(QByteArrayView rawTag) : m_raw(rawTag)
{
    m_i = tag_tokens::nameEnd(rawTag.data(), rawTag.size());
    m_name = rawTag.first(m_i);
    if (m_i < rawTag.size())
        ++m_i; // the space after the name
}

bool TagByteTokens::next(Param &param)
{
    tag_tokens::Token token;
    if (!tag_tokens::nextToken(m_raw.data(), m_raw.size(), m_i, token))
        return false;
    const char *p = m_raw.data();
    param.raw = QByteArrayView(p + token.start, token.end - token.start);
    param.name = QByteArrayView(p + token.start, token.nameEnd - token.start);
    param.value = QByteArrayView(p + token.valueStart, token.valueEnd - token.valueStart);
    return true;
}

} // namespace tagloom
