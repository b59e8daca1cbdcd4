#include "codetools/html_parser.h"

#include "app/list_file.h"
#include "app/text_codec.h"

#include <cstring>
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

// Decodes `raw` into `out` (emptied first); `scratch` holds the collapsed text.
void decodeInto(QStringView raw, std::u16string &out, std::u16string &scratch)
{
    // LF to space and runs of spaces to one, in one pass.
    scratch.clear();
    scratch.reserve(raw.size());
    for (const QChar c : raw) {
        const char16_t d = c.unicode() == '\n' ? u' ' : c.unicode();
        if (d == u' ' && !scratch.empty() && scratch.back() == u' ')
            continue;
        scratch.push_back(d);
    }
    out.clear();
    out.reserve(scratch.size());
    // References, left to right; what is decoded is never looked at again.
    const QStringView text(scratch.data(), qsizetype(scratch.size()));
    const qsizetype n = text.size();
    qsizetype copied = 0; // text before this index is in `out`
    qsizetype start = -1; // the "&" of the reference being collected
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'&') {
            start = i;
            continue;
        }
        if (start < 0 || (c != u';' && c != u' '))
            continue;
        const QStringView reference = text.mid(start, i - start + 1);
        int code = -1;
        if (reference.size() >= 3 && reference.at(1) == QLatin1Char('#'))
            code = numericCode(reference);
        else if (c == u';')
            code = namedEntityCode(reference);
        if (code >= 0) {
            out.append(scratch, copied, start - copied);
            out.push_back(characterForCode(code).unicode());
            copied = i + 1;
        }
        start = -1;
    }
    out.append(scratch, copied, std::u16string::npos);
}

} // namespace

QString decodeHtmlText(QStringView raw)
{
    std::u16string out, scratch;
    decodeInto(raw, out, scratch);
    return QString::fromUtf16(out.data(), qsizetype(out.size()));
}

// Storage for the strings of the nodes: large blocks that never move, so
// views into them stay valid for the parser's life.
class THTMLParser::Storage {
public:
    // Keeps a copy of `text`.
    QStringView keep(QStringView text)
    {
        append(text);
        return take();
    }
    // The string being collected: appended to piece by piece, then taken.
    void append(QStringView piece)
    {
        const qsizetype n = piece.size();
        if (n == 0)
            return;
        if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().size < n)
            newBlock(n);
        Block &block = m_blocks.back();
        std::memcpy(block.data.get() + block.size, piece.utf16(), size_t(n) * sizeof(char16_t));
        block.size += n;
    }
    void append(char16_t c) { append(QStringView(&c, 1)); }
    bool collecting() const { return !m_blocks.empty() && m_blocks.back().size > m_start; }
    QStringView take()
    {
        if (m_blocks.empty())
            return {};
        Block &block = m_blocks.back();
        const QStringView collected(block.data.get() + m_start, block.size - m_start);
        m_start = block.size;
        return collected;
    }
    // `text` upper-cased, kept only when that changes it.
    QStringView upper(QStringView text)
    {
        for (const QChar c : text) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                m_scratch.assign(text.utf16(), size_t(text.size()));
                for (char16_t &d : m_scratch)
                    if (d >= u'a' && d <= u'z')
                        d = char16_t(d - 32);
                return keep(QStringView(m_scratch.data(), qsizetype(m_scratch.size())));
            }
        }
        return text;
    }
    // The decoded form of a text node's raw text.
    QStringView decoded(QStringView raw)
    {
        if (decodesToItself(raw))
            return raw;
        decodeInto(raw, m_scratch, m_collapsed);
        return keep(QStringView(m_scratch.data(), qsizetype(m_scratch.size())));
    }

private:
    struct Block {
        std::unique_ptr<char16_t[]> data;
        qsizetype size = 0;
        qsizetype capacity = 0;
    };

    // A block big enough for what is being collected plus `more`; the part
    // collected so far moves along with it. Blocks never grow in place, so
    // views into them stay valid.
    void newBlock(qsizetype more)
    {
        const qsizetype pending = m_blocks.empty() ? 0 : m_blocks.back().size - m_start;
        Block block;
        block.capacity = std::max<qsizetype>(kBlockSize, 2 * (pending + more));
        block.data = std::make_unique<char16_t[]>(size_t(block.capacity));
        if (pending > 0)
            std::memcpy(block.data.get(), m_blocks.back().data.get() + m_start, size_t(pending) * sizeof(char16_t));
        block.size = pending;
        m_blocks.push_back(std::move(block));
        m_start = 0;
    }

    static constexpr qsizetype kBlockSize = 1 << 16;
    std::vector<Block> m_blocks;
    qsizetype m_start = 0; // where the string being collected begins in the last block
    std::u16string m_scratch;
    std::u16string m_collapsed;
};

THTMLParser::THTMLParser() : m_storage(std::make_unique<Storage>()) {}
THTMLParser::~THTMLParser() = default;

void THTMLParser::addTag(QStringView collected)
{
    THTMLTag tag;
    tag.RawText = collected;
    const QStringView raw = tag.RawText;
    const qsizetype space = raw.indexOf(QLatin1Char(' '));
    tag.Name = m_storage->upper(space < 0 ? raw : raw.left(space));
    const size_t firstParam = m_params.size();
    const qsizetype n = raw.size();
    qsizetype i = space < 0 ? n : space + 1;
    while (i < n) {
        // A token runs to a space outside double quotes; quotes stay in it.
        const qsizetype tokenStart = i;
        bool quoted = false;
        while (i < n && (quoted || raw.at(i) != QLatin1Char(' '))) {
            if (raw.at(i) == QLatin1Char('"'))
                quoted = !quoted;
            ++i;
        }
        if (i > tokenStart) {
            THTMLParam param;
            param.RawText = raw.mid(tokenStart, i - tokenStart);
            const qsizetype eq = param.RawText.indexOf(QLatin1Char('='));
            param.Name = m_storage->upper(eq < 0 ? param.RawText : param.RawText.left(eq));
            if (eq >= 0) {
                param.Value = param.RawText.mid(eq + 1);
                if (param.Value.size() > 1 && param.Value.front() == QLatin1Char('"') &&
                    param.Value.back() == QLatin1Char('"'))
                    param.Value = param.Value.mid(1, param.Value.size() - 2);
            }
            m_params.push_back(param);
        }
        if (i < n) // the one space after the token
            ++i;
    }
    m_paramRanges.emplace_back(firstParam, m_params.size() - firstParam);
    Nodes.emplace_back(tag);
}

void THTMLParser::addText(QStringView collected)
{
    THTMLText text;
    text.RawText = collected;
    text.Text = m_storage->decoded(text.RawText);
    m_paramRanges.emplace_back(0, 0);
    Nodes.emplace_back(text);
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
    addText(m_storage->take());
}

void THTMLParser::flushTag(ParseState &state)
{
    state.insideTag = false;
    addTag(state.textPending ? QStringView() : m_storage->take()); // a ">" outside a tag: empty
}

void THTMLParser::parseLine(QStringView line, ParseState &state)
{
    Storage &collect = *m_storage;
    const QChar *p = line.data();
    const qsizetype n = line.size();
    qsizetype runStart = 0; // plain characters since the last "<" or ">"
    auto takeRun = [&](qsizetype end) {
        if (end <= runStart)
            return;
        collect.append(QStringView(p + runStart, end - runStart));
        if (!state.insideTag)
            state.textPending = true;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c == '<') {
            takeRun(i);
            flushText(state);
            state.insideTag = true;
            runStart = i + 1;
        } else if (c == '>') {
            takeRun(i);
            flushTag(state);
            runStart = i + 1;
        }
    }
    takeRun(n);
    if (!state.insideTag && state.textPending)
        collect.append(u'\n');
}

void THTMLParser::finishParse(ParseState &state)
{
    if (state.insideTag && m_storage->collecting())
        flushTag(state);
    flushText(state);
    // The parameter list is complete (and may have moved): point every tag
    // at its parameters.
    for (size_t i = 0; i < Nodes.size(); ++i) {
        if (auto *tag = std::get_if<THTMLTag>(&Nodes[i])) {
            const auto [first, count] = m_paramRanges[i];
            tag->Params.m_begin = m_params.data() + first;
            tag->Params.m_end = tag->Params.m_begin + count;
        }
    }
}

void THTMLParser::Parse()
{
    ParseState state;
    m_paramRanges.resize(Nodes.size());
    for (const QString &line : std::as_const(Source))
        parseLine(line, state);
    finishParse(state);
}

void THTMLParser::ParseText(QStringView text)
{
    ParseState state;
    m_paramRanges.resize(Nodes.size());
    const QChar *p = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != '\r' && c != '\n')
            continue;
        parseLine(text.mid(start, i - start), state);
        if (c == '\r' && i + 1 < n && p[i + 1].unicode() == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        parseLine(text.mid(start), state);
    finishParse(state);
}

} // namespace tagloom
