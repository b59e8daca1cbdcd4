#include "codetools/html_parser.h"

#include "codetools/pinned_runs.h"
#include "codetools/tag_tokens.h"
#include "base/list_file.h"
#include "base/text_codec.h"

#include <QStringDecoder>
#include <cstring>
#include <utility>
#include <string>

namespace tagloom {

namespace {

// The Latin-1 entity names of code points 160 to 255, in code point order.
const char *const kLatin1Entities[96] = {
    "nbsp",   "iexcl", "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",   "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil", "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc", "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc", "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc", "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc", "uuml",   "yacute", "thorn",  "yuml",
};

// The code a named reference (with its ";") stands for, or -1. Names are
// compared with their letter case.
int namedEntityCode(QStringView reference)
{
    if (reference.size() < 3 || reference.back() != QLatin1Char(';'))
        return -1;
    const QStringView name = reference.mid(1, reference.size() - 2);
    if (name == QLatin1String("quot"))
        return 34;
    if (name == QLatin1String("amp"))
        return 38;
    if (name == QLatin1String("lt"))
        return 60;
    if (name == QLatin1String("gt"))
        return 62;
    for (int i = 0; i < 96; ++i)
        if (name == QLatin1String(kLatin1Entities[i]))
            return 160 + i;
    return -1;
}

// Values 0 to 31 and 160 read as a space; every other value is its own character.
QChar characterForCode(int code)
{
    return code < 32 || code == 160 ? QLatin1Char(' ') : QChar(code);
}

// The code of a numeric reference "&#...;" (or ended by a space), or -1 when
// it is not decoded: more than three characters after "&#", not a whole
// number, or outside 0-255.
int numericCode(QStringView reference)
{
    const QStringView digits = reference.mid(2, reference.size() - 3);
    if (digits.isEmpty() || digits.size() > 3)
        return -1;
    const bool hex = digits.front() == QLatin1Char('x') || digits.front() == QLatin1Char('X');
    const QStringView number = hex ? digits.mid(1) : digits;
    if (number.isEmpty())
        return -1;
    int value = 0;
    for (const QChar c : number) {
        const int digit = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                          : hex && c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')
                              ? c.toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0)
            return -1;
        value = value * (hex ? 16 : 10) + digit;
    }
    return value <= 255 ? value : -1;
}

} // namespace

QString upperAscii(const QString &text)
{
    const QChar *q = text.constData();
    qsizetype first = 0;
    while (first < text.size() && !(q[first] >= QLatin1Char('a') && q[first] <= QLatin1Char('z')))
        ++first;
    if (first == text.size())
        return text; // shares the data: nothing to change
    QString out = text;
    QChar *p = out.data();
    for (qsizetype i = first, n = out.size(); i < n; ++i)
        if (p[i] >= QLatin1Char('a') && p[i] <= QLatin1Char('z'))
            p[i] = QChar(p[i].unicode() - 32);
    return out;
}

namespace {

// Whether decoding would leave `raw` as it is: no break, no double space, no "&".
bool decodesToItself(QStringView raw)
{
    const QChar *r = raw.data();
    for (qsizetype i = 0, n = raw.size(); i < n; ++i) {
        const char16_t c = r[i].unicode();
        if (c == '\n' || c == '&' || (c == ' ' && i + 1 < n && r[i + 1].unicode() == ' '))
            return false;
    }
    return true;
}

// Decodes the `n` characters at `text` in place (the result is never
// longer) and returns the decoded length. One pass does both steps: LF to
// space with runs of spaces collapsed, and the references of the collapsed
// text decoded left to right. What is decoded is never looked at again, and
// the collapsing goes by the text as it was, not by decoded characters.
qsizetype decodeInPlace(char16_t *text, qsizetype n)
{
    qsizetype w = 0;      // the decoded text ends here
    qsizetype start = -1; // the "&" of the reference being collected, in the decoded text
    bool afterSpace = false;
    for (qsizetype r = 0; r < n; ++r) {
        const char16_t c = text[r] == u'\n' ? u' ' : text[r];
        if (c == u' ' && afterSpace)
            continue;
        afterSpace = c == u' ';
        text[w] = c;
        if (c == u'&') {
            start = w++;
            continue;
        }
        if (start >= 0 && (c == u';' || c == u' ')) {
            const QStringView reference(text + start, w - start + 1);
            int code = -1;
            if (reference.size() >= 3 && reference.at(1) == QLatin1Char('#'))
                code = numericCode(reference);
            else if (c == u';')
                code = namedEntityCode(reference);
            if (code >= 0) {
                text[start] = characterForCode(code).unicode();
                w = start;
            }
            start = -1;
        }
        ++w;
    }
    return w;
}

} // namespace

QString decodeHtmlText(QStringView raw)
{
    QString text = raw.toString();
    text.truncate(decodeInPlace(reinterpret_cast<char16_t *>(text.data()), text.size()));
    return text;
}

// Storage for the strings of the nodes. A string that lies in one piece in
// the parsed text is a view into that text (which the parser keeps); only
// strings joined across lines, upper-cased names and decoded texts are
// copies.
class THTMLParser::Storage {
public:
    // The string being collected: appended to piece by piece, then taken.
    // While the pieces follow one another in the source it stays a view.
    void append(QStringView piece)
    {
        if (piece.isEmpty())
            return;
        if (!m_copying) {
            if (m_viewSize == 0) {
                m_view = piece.utf16();
                m_viewSize = piece.size();
                return;
            }
            if (m_view + m_viewSize == piece.utf16()) {
                m_viewSize += piece.size();
                return;
            }
            m_copying = true;
            copy(QStringView(m_view, m_viewSize));
        }
        copy(piece);
    }
    // The LF at a joint between lines; `sourceLineFeed` is the LF that
    // follows the line in the source, when there is one.
    void appendLineFeed(const char16_t *sourceLineFeed)
    {
        static const char16_t lineFeed = u'\n';
        append(QStringView(sourceLineFeed ? sourceLineFeed : &lineFeed, 1));
    }
    bool collecting() const { return m_copying || m_viewSize > 0; }
    // Forgets every copy taken so far (a copy being made stays).
    void rewind()
    {
        if (!m_copying)
            m_chars.rewind();
    }
    QStringView take()
    {
        const qsizetype viewSize = std::exchange(m_viewSize, 0);
        if (!std::exchange(m_copying, false))
            return QStringView(m_view, viewSize);
        return takeCopy();
    }
    // `text` upper-cased, kept only when that changes it.
    QStringView upper(QStringView text)
    {
        const char16_t *t = text.utf16();
        for (qsizetype i = 0, n = text.size(); i < n; ++i) {
            if (t[i] >= u'a' && t[i] <= u'z') {
                char16_t *d = m_chars.extend(size_t(n));
                std::memcpy(d, t, size_t(n) * sizeof(char16_t));
                for (qsizetype k = i; k < n; ++k)
                    if (d[k] >= u'a' && d[k] <= u'z')
                        d[k] = char16_t(d[k] - 32);
                return takeCopy();
            }
        }
        return text;
    }
    // The decoded form of a text node's raw text.
    QStringView decoded(QStringView raw)
    {
        if (decodesToItself(raw))
            return raw;
        char16_t *text = m_chars.extend(size_t(raw.size()));
        std::memcpy(text, raw.utf16(), size_t(raw.size()) * sizeof(char16_t));
        m_chars.giveBack(size_t(raw.size() - decodeInPlace(text, raw.size())));
        return takeCopy();
    }

private:
    void copy(QStringView piece) { m_chars.add(piece.utf16(), size_t(piece.size())); }
    QStringView takeCopy()
    {
        const auto [data, size] = m_chars.take();
        return QStringView(data, qsizetype(size));
    }

    PinnedRuns<char16_t> m_chars;
    const char16_t *m_view = nullptr;
    qsizetype m_viewSize = 0;
    bool m_copying = false;
};

// The parameters of every tag, each tag's in one run.
class THTMLParser::ParamStore : public PinnedRuns<THTMLParam> {};

// Texts decoded from file bytes.
class THTMLParser::DecodedText : public PinnedRuns<char16_t> {};

THTMLParser::THTMLParser()
    : m_storage(std::make_unique<Storage>()), m_params(std::make_unique<ParamStore>()),
      m_decoded(std::make_unique<DecodedText>())
{
}
THTMLParser::~THTMLParser() = default;

TagParamTokens::TagParamTokens(QStringView rawTag) : m_p(rawTag.utf16()), m_n(rawTag.size()), m_i(0)
{
    m_i = tag_tokens::nameEnd(m_p, m_n);
    m_name = QStringView(m_p, m_i);
    if (m_i < m_n)
        ++m_i; // the space after the name
}

bool TagParamTokens::next(THTMLParam &param)
{
    tag_tokens::Token token;
    if (!tag_tokens::nextToken(m_p, m_n, m_i, token))
        return false;
    param.RawText = QStringView(m_p + token.start, token.end - token.start);
    param.Name = QStringView(m_p + token.start, token.nameEnd - token.start);
    param.Value = token.nameEnd == token.end ? QStringView()
                                             : QStringView(m_p + token.valueStart, token.valueEnd - token.valueStart);
    return true;
}

void THTMLParser::addTag(QStringView raw)
{
    TagParamTokens tokens(raw);
    THTMLTag tag;
    tag.RawText = raw;
    tag.Name = m_storage->upper(tokens.name());
    if (!m_tagsOnly) {
        THTMLParam param;
        while (tokens.next(param)) {
            param.Name = m_storage->upper(param.Name);
            m_params->add(param);
        }
    }
    const auto [params, count] = m_params->take();
    tag.Params.m_begin = params;
    tag.Params.m_end = params + count;
    deliver(tag);
}

void THTMLParser::addText(QStringView collected)
{
    THTMLText text;
    text.RawText = collected;
    text.Text = m_storage->decoded(text.RawText);
    deliver(text);
}

void THTMLParser::deliver(THTMLNode &&node)
{
    if (!m_visit) {
        Nodes.push_back(std::move(node));
        return;
    }
    (*m_visit)(node);
    // The node is gone: the room its copies took can be used again.
    m_storage->rewind();
    m_params->rewind();
}

void THTMLParser::LoadSource(const QByteArray &bytes)
{
    Source = splitTextLines(decode8Bit(bytes));
}

// Text and tag characters are collected straight into the storage; at most
// one of them is being collected at any time (a tag starts only after the
// text before it was flushed).
struct THTMLParser::ParseState {
    bool insideTag = false;
    bool textPending = false;
};

void THTMLParser::flushText(ParseState &state)
{
    if (state.insideTag || !state.textPending)
        return;
    state.textPending = false;
    if (!m_tagsOnly)
        addText(m_storage->take());
}

void THTMLParser::flushTag(ParseState &state)
{
    state.insideTag = false;
    addTag(state.textPending ? QStringView() : m_storage->take()); // a ">" outside a tag: empty
}

void THTMLParser::scan(QStringView text, bool splitLines, ParseState &state)
{
    Storage &collect = *m_storage;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype runStart = 0; // plain characters since the last mark or line break
    auto takeRun = [&](qsizetype end) {
        if (end <= runStart)
            return;
        if (state.insideTag || !m_tagsOnly)
            collect.append(QStringView(p + runStart, end - runStart));
        if (!state.insideTag)
            state.textPending = true;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c > u'>') // past every character that means something here
            continue;
        if (c == u'<') {
            takeRun(i);
            flushText(state);
            state.insideTag = true;
            runStart = i + 1;
        } else if (c == u'>') {
            takeRun(i);
            flushTag(state);
            runStart = i + 1;
        } else if (splitLines && (c == u'\r' || c == u'\n')) {
            takeRun(i);
            endLine(c == u'\n' ? p + i : nullptr, state);
            if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
                ++i;
            runStart = i + 1;
        }
    }
    takeRun(n);
}

void THTMLParser::endLine(const char16_t *lineFeed, ParseState &state)
{
    if (!state.insideTag && state.textPending && !m_tagsOnly)
        m_storage->appendLineFeed(lineFeed);
}

// Every tag ends at a ">" and every text node before a "<" or at the end,
// so this many nodes are the most a text can give.
static size_t mostNodes(QStringView text)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    size_t marks = 0;
    // In chunks with a narrow counter, which the compiler vectorises.
    for (qsizetype i = 0; i < n;) {
        const qsizetype end = std::min(n, i + 0x7fff);
        quint16 chunk = 0;
        for (; i < end; ++i)
            chunk += quint16((p[i] == u'<') | (p[i] == u'>'));
        marks += chunk;
    }
    return marks + 1;
}

void THTMLParser::finishParse(ParseState &state)
{
    if (state.insideTag && m_storage->collecting())
        flushTag(state);
    flushText(state);
}

void THTMLParser::Parse()
{
    // The nodes' views point into the lines, so the parser keeps them
    // (shared, not copied) whatever later becomes of Source.
    const qsizetype first = m_kept.size();
    m_kept += Source;
    size_t most = Nodes.size();
    for (const QString &line : std::as_const(Source))
        most += mostNodes(line);
    Nodes.reserve(most); // untouched room costs no memory
    ParseState state;
    for (qsizetype i = first; i < m_kept.size(); ++i) {
        scan(m_kept.at(i), false, state);
        endLine(nullptr, state);
    }
    finishParse(state);
}

void THTMLParser::ParseText(const QString &text)
{
    m_kept.append(text); // the nodes' views point into the text
    Nodes.reserve(Nodes.size() + mostNodes(text)); // untouched room costs no memory
    parseWholeText(m_kept.constLast());
}

void THTMLParser::ParseBytes(const QByteArray &fileBytes)
{
    const QStringView text = keepDecoded(fileBytes);
    Nodes.reserve(Nodes.size() + mostNodes(text));
    parseWholeText(text);
}

void THTMLParser::ScanBytes(const QByteArray &fileBytes, const std::function<void(const THTMLNode &)> &visit,
                            ScanNodes nodes)
{
    const QStringView text = keepDecoded(fileBytes);
    m_visit = &visit;
    m_tagsOnly = nodes == ScanNodes::TagsOnly;
    parseWholeText(text);
    m_visit = nullptr;
    m_tagsOnly = false;
}

// The bytes decoded as decode8Bit does, into the parser's own large blocks:
// a big file's text then costs no fault per 4 KiB page.
QStringView THTMLParser::keepDecoded(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    // UTF-8 never gives more UTF-16 units than it has bytes.
    char16_t *out = m_decoded->extend(size_t(n));
    char16_t *end = out;
    if (isValidUtf8(bytes)) {
        QByteArrayView rest(bytes);
        if (rest.startsWith("\xEF\xBB\xBF")) { // the mark stays, as in decode8Bit
            *end++ = u'\xFEFF';
            rest = rest.sliced(3);
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        end = reinterpret_cast<char16_t *>(utf8.appendToBuffer(reinterpret_cast<QChar *>(end), rest));
    } else {
        const auto *in = reinterpret_cast<const uchar *>(bytes.constData());
        for (qsizetype i = 0; i < n; ++i)
            end[i] = in[i];
        end += n;
    }
    m_decoded->giveBack(size_t(n - (end - out)));
    const auto [text, size] = m_decoded->take();
    return QStringView(text, qsizetype(size));
}

void THTMLParser::parseWholeText(QStringView text)
{
    ParseState state;
    scan(text, true, state);
    const QChar last = text.isEmpty() ? QChar() : text.back();
    if (!text.isEmpty() && last != u'\r' && last != u'\n')
        endLine(nullptr, state); // the last line has no break of its own
    finishParse(state);
}

} // namespace tagloom
