#include "codetools/rtf_to_html.h"

#include <QStringList>

#include <functional>

#include <algorithm>
#include <array>
#include <limits>

namespace tagloom {

namespace {

constexpr int kMaxFontName = 63;
constexpr int kMaxColour = 10; // "#RRGGBB" plus room for a stray extra component

// Bold, italic and underline each move through the same four states.
enum class Style { Off, ToOpen, Open, ToClose };
enum class List { Normal, Start, Item, ItemEnded, End };

const char *const kOpenTags[3] = {"<B>", "<I>", "<U>"};
const char *const kCloseTags[3] = {"</B>", "</I>", "</U>"};

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// What a control word is made of. CR, LF and characters above 127 end it
// too, so the text after "\par" at a line end is never swallowed.
bool endsWord(QChar c)
{
    const char16_t u = c.unicode();
    return u < 32 || u > 127 || u == ' ' || u == ';' || u == '\\' || u == '{' || u == '}' || isDigit(c);
}

// Words are short ASCII; comparing inline keeps the dispatch cheap.
template <size_t N>
bool is(QStringView word, const char (&name)[N])
{
    if (word.size() != qsizetype(N - 1))
        return false;
    for (size_t k = 0; k + 1 < N; ++k)
        if (word[k].unicode() != char16_t(name[k]))
            return false;
    return true;
}

bool inParameter(QChar c)
{
    return isDigit(c) || (c.unicode() >= 'a' && c.unicode() <= 'z');
}

// Characters the main scan must look at; the run between them is copied.
bool endsTextRun(QChar c)
{
    const char16_t u = c.unicode();
    return u < 32 || u == '<' || u == '>' || u == '\\' || u == '{' || u == '}';
}

// Anything that is not a hexadecimal digit counts as 0.
int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}

// The parameter as a decimal number, saturating; `fallback` when it is empty
// or holds letters.
int number(QStringView parameter, int fallback)
{
    if (parameter.isEmpty())
        return fallback;
    qint64 value = 0;
    for (const QChar c : parameter) {
        if (!isDigit(c))
            return fallback;
        value = std::min<qint64>(value * 10 + (c.unicode() - '0'), std::numeric_limits<int>::max());
    }
    return int(value);
}

// A colour component as two upper-case hexadecimal digits; larger values are
// clamped so that a colour is always "#RRGGBB".
QString colourComponent(int value)
{
    return QStringLiteral("%1").arg(std::min(value, 255), 2, 16, QLatin1Char('0')).toUpper();
}

// The HTML font size of an RTF size in half-points.
int htmlSize(int halfPoints)
{
    const int points = halfPoints / 2;
    if (points >= 1 && points <= 5)
        return 1;
    if (points >= 6 && points <= 9)
        return 2;
    if (points == 10 || points == 11)
        return 3;
    if (points == 12 || points == 13)
        return 4;
    if (points == 14 || points == 15)
        return 5;
    return 6;
}

using HtmlSink = std::function<void(QStringView)>;

// How much of the result is gathered before it is handed to a sink.
constexpr qsizetype kSinkChunk = qsizetype(1) << 20;

class RtfConverter {
public:
    // With a sink, the result is handed over in pieces as it is made and
    // run() gives an empty string.
    RtfConverter(const QString &rtf, const HtmlSink *sink) : m_in(rtf.constData()), m_size(rtf.size()), m_sink(sink)
    {
    }

    QString run()
    {
        m_out.reserve(m_sink ? kSinkChunk + 256 : m_size + m_size / 4 + 64);
        qsizetype i = 0;
        while (i < m_size) {
            if (m_sink && m_out.size() >= kSinkChunk)
                handOver(m_out.size() - (kPatternLength - 1));
            const QChar c = m_in[i];
            if (c == QLatin1Char('{')) {
                ++m_depth;
                ++i;
            } else if (c == QLatin1Char('}')) {
                closeGroup();
                ++i;
            } else if (c.unicode() < 32) {
                ++i;
            } else if (c == QLatin1Char('\\')) {
                i = controlSequence(i);
            } else {
                writeText(c);
                const qsizetype start = ++i;
                while (i < m_size && !endsTextRun(m_in[i]))
                    ++i;
                appendRun(start, i);
            }
        }
        if (!m_sink) {
            closeEmptyParagraphs(m_out.size());
            return m_out;
        }
        handOver(m_out.size());
        return QString();
    }

private:
    // Copies the input from `start` to `end`; with a sink, a long run goes
    // out in pieces rather than piling up.
    void appendRun(qsizetype start, qsizetype end)
    {
        if (!m_sink) {
            m_out.append(m_in + start, end - start);
            return;
        }
        for (qsizetype from = start; from < end;) {
            const qsizetype to = std::min(end, from + kSinkChunk);
            m_out.append(m_in + from, to - from);
            from = to;
            if (m_out.size() >= kSinkChunk)
                handOver(m_out.size() - (kPatternLength - 1));
        }
    }

    // `at` is the backslash; gives the index after the sequence.
    qsizetype controlSequence(qsizetype at)
    {
        if (at + 1 >= m_size)
            return m_size;
        const QChar c = m_in[at + 1];
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            writeText(c);
            return at + 2;
        }
        if (c == QLatin1Char('\'')) {
            if (at + 3 >= m_size)
                return m_size;
            const int code = hexValue(m_in[at + 2]) * 16 + hexValue(m_in[at + 3]);
            // Control codes are dropped as in plain text; a NUL would cut
            // the page short in the editor.
            if (code >= 32 || code == '\t')
                writeText(QChar(code));
            return at + 4;
        }
        if (c == QLatin1Char('*'))
            return skipRestOfGroup(at + 2);
        return controlWord(at + 1);
    }

    // `at` is just after the backslash.
    qsizetype controlWord(qsizetype at)
    {
        qsizetype i = at;
        while (i < m_size && !endsWord(m_in[i]))
            ++i;
        const QStringView word(m_in + at, i - at);
        const qsizetype parameterStart = i;
        while (i < m_size && inParameter(m_in[i]))
            ++i;
        const QStringView parameter(m_in + parameterStart, i - parameterStart);
        const qsizetype parameterEnd = i;

        if (is(word, "f") && m_inFontTable)
            return readFontEntry(parameterEnd);
        if (is(word, "pntext")) {
            // The bullet text itself is not written.
            m_paragraphOpen = false;
            m_list = List::Item;
            return skipRestOfGroup(parameterEnd);
        }

        // The word applies at its own depth, before the braces after it.
        applyWord(word, parameter);
        // One delimiting space, then any ";", "{" and "}" right after it.
        if (i < m_size && m_in[i] == QLatin1Char(' '))
            ++i;
        for (; i < m_size; ++i) {
            if (m_in[i] == QLatin1Char('{'))
                ++m_depth;
            else if (m_in[i] == QLatin1Char('}'))
                closeGroup();
            else if (m_in[i] != QLatin1Char(';'))
                break;
        }
        return i;
    }

    void applyWord(QStringView word, QStringView parameter)
    {
        if (is(word, "par")) {
            if (m_list == List::Item)
                m_list = List::ItemEnded;
            m_paragraphOpen = false;
        } else if (is(word, "f")) {
            const int font = number(parameter, 0);
            if (font != m_font) {
                m_font = font;
                m_fontChanged = true;
                m_formattingWritten = false;
            }
        } else if (is(word, "plain")) {
            plain();
        } else if (is(word, "fs")) {
            const int size = htmlSize(number(parameter, 11));
            if (size != m_htmlSize) {
                m_htmlSize = size;
                m_formattingWritten = false;
                m_fontChanged = true;
            }
        } else if (is(word, "tab")) {
            writeText(QLatin1Char('\t'));
        } else if (is(word, "b")) {
            startStyle(0);
        } else if (is(word, "i")) {
            startStyle(1);
        } else if (is(word, "ul")) {
            startStyle(2);
        } else if (is(word, "cf")) {
            const int colour = number(parameter, 0);
            if (colour != m_colourIndex) {
                m_formattingWritten = false;
                m_fontChanged = true;
                m_colourIndex = colour;
            }
        } else if (is(word, "qc")) {
            m_alignment = 2;
            m_paragraphOpen = false;
        } else if (is(word, "qr")) {
            m_alignment = 1;
            m_paragraphOpen = false;
        } else if (is(word, "fi")) {
            m_paragraphOpen = false;
            m_list = List::Start;
            writePending(); // the list start goes out at once
        } else if (is(word, "pard")) {
            m_alignment = 0;
            if (m_list != List::Normal)
                m_list = List::End;
            m_paragraphOpen = false;
        } else if (is(word, "red")) {
            m_colour = QLatin1Char('#') + colourComponent(number(parameter, 255));
        } else if (is(word, "green")) {
            appendColour(parameter);
        } else if (is(word, "blue")) {
            appendColour(parameter);
            m_colours.append(m_colour);
        } else if (is(word, "deff")) {
            m_defaultFont = number(parameter, 0);
        } else if (is(word, "fonttbl")) {
            m_inFontTable = true;
            m_fontTableDepth = m_depth;
        } else if (is(word, "deflang")) {
            startBody();
        }
    }

    void startStyle(int style)
    {
        m_formattingWritten = false;
        if (m_styles[style] == Style::Off)
            m_styles[style] = Style::ToOpen;
    }

    void plain()
    {
        bool closing = false;
        for (Style &s : m_styles) {
            if (s == Style::Open)
                s = Style::ToClose;
            closing = closing || s == Style::ToClose;
        }
        if (closing || m_colourIndex != 0) {
            m_colourIndex = 0;
            m_formattingWritten = false;
            writePending(); // the closing tags go out at once
        }
    }

    void appendColour(QStringView parameter)
    {
        m_colour += colourComponent(number(parameter, 255));
        m_colour.truncate(kMaxColour);
    }

    // "\deflang" marks the end of the tables: the body starts from plain text.
    void startBody()
    {
        m_inFontTable = false;
        m_alignment = 0;
        m_paragraphOpen = false;
        m_list = List::Normal;
        m_font = m_defaultFont;
        m_htmlSize = 3;
        m_colourIndex = 0;
        m_styles.fill(Style::Off);
        m_formattingWritten = false;
    }

    // A font table entry: the name runs from the first space after the
    // number to the ";"; the "}" after the ";" is passed over.
    qsizetype readFontEntry(qsizetype from)
    {
        qsizetype i = from;
        while (i < m_size && m_in[i] != QLatin1Char(' '))
            ++i;
        QString name;
        for (++i; i < m_size && m_in[i] != QLatin1Char(';'); ++i) {
            // A quote would end the FACE attribute early.
            const QChar c = m_in[i];
            if (name.size() < kMaxFontName && c.unicode() >= 32 && c != QLatin1Char('"'))
                name.append(c);
        }
        if (i >= m_size)
            return m_size;
        m_fonts.append(name);
        if (i + 1 < m_size && m_in[i + 1] == QLatin1Char('}'))
            closeGroup(); // the entry's own group
        return std::min(i + 2, m_size);
    }

    // Writers put "\deflang" before the font table as often as after it: the
    // table also ends with its group, or every later "\f" would be read as
    // a font entry and the text after it lost.
    void closeGroup()
    {
        --m_depth;
        if (m_inFontTable && m_depth < m_fontTableDepth)
            m_inFontTable = false;
    }

    // Skips the rest of the group `from` stands in, closing it.
    qsizetype skipRestOfGroup(qsizetype from)
    {
        const qsizetype next = skipGroup(from);
        closeGroup();
        return next;
    }

    // Skips to just after the "}" that closes the group `from` stands in.
    // Escaped braces do not count, so "\}" cannot end the skip early.
    qsizetype skipGroup(qsizetype from) const
    {
        int depth = 1;
        for (qsizetype i = from; i < m_size; ++i) {
            const QChar c = m_in[i];
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == QLatin1Char('{'))
                ++depth;
            else if (c == QLatin1Char('}') && --depth == 0)
                return i + 1;
        }
        return m_size;
    }

    void writeText(QChar c)
    {
        writePending();
        if (c == QLatin1Char('<'))
            m_out.append(QLatin1String("&lt"));
        else if (c == QLatin1Char('>'))
            m_out.append(QLatin1String("&gt"));
        else
            m_out.append(c);
    }

    // The markup due before the next character: paragraph, then formatting.
    void writePending()
    {
        if (!m_paragraphOpen)
            openParagraph();
        if (!m_formattingWritten)
            writeFormatting();
    }

    void openParagraph()
    {
        // Open styles close before the paragraph break and reopen after it.
        for (int s = 0; s < 3; ++s) {
            if (m_styles[s] == Style::Open || m_styles[s] == Style::ToClose)
                m_out.append(QLatin1String(kCloseTags[s]));
            if (m_styles[s] == Style::ToClose)
                m_styles[s] = Style::Off;
        }
        switch (m_list) {
        case List::Normal:
            m_out.append(m_alignment == 1   ? QLatin1String("\r\n<P ALIGN=RIGHT>")
                         : m_alignment == 2 ? QLatin1String("\r\n<P ALIGN=CENTER>")
                                            : QLatin1String("\r\n<P>"));
            break;
        case List::Start:
            m_out.append(QLatin1String("\r\n<UL>"));
            break;
        case List::Item:
            m_out.append(QLatin1String("\r\n<LI>"));
            break;
        case List::ItemEnded:
            m_out.append(QLatin1String("</LI>"));
            break;
        case List::End:
            m_out.append(QLatin1String("\r\n</UL>"));
            m_list = List::Normal;
            break;
        }
        for (int s = 0; s < 3; ++s)
            if (m_styles[s] == Style::Open)
                m_out.append(QLatin1String(kOpenTags[s]));
        m_paragraphOpen = true;
    }

    void writeFormatting()
    {
        if (m_fontChanged) {
            // An index without a table entry leaves its attribute out.
            m_out.append(QLatin1String("<FONT"));
            if (m_font >= 0 && m_font < m_fonts.size()) {
                m_out.append(QLatin1String(" FACE=\""));
                m_out.append(m_fonts.at(m_font));
                m_out.append(QLatin1Char('"'));
            }
            if (m_colourIndex >= 0 && m_colourIndex < m_colours.size()) {
                m_out.append(QLatin1String(" COLOR=\""));
                m_out.append(m_colours.at(m_colourIndex));
                m_out.append(QLatin1Char('"'));
            }
            m_out.append(QLatin1String(" SIZE=\""));
            m_out.append(QLatin1Char(char('0' + m_htmlSize)));
            m_out.append(QLatin1String("\">"));
            m_fontChanged = false;
        }
        for (int s = 0; s < 3; ++s) {
            if (m_styles[s] == Style::ToOpen) {
                m_out.append(QLatin1String(kOpenTags[s]));
                m_styles[s] = Style::Open;
            } else if (m_styles[s] == Style::ToClose) {
                m_out.append(QLatin1String(kCloseTags[s]));
                m_styles[s] = Style::Off;
            }
        }
        m_formattingWritten = true;
    }

    // An empty paragraph followed by another ("\r\n<P>\r\n<P") keeps its
    // blank line as "</P>\n<P". One pass in place is enough: a rewrite
    // consumes the CR the next match would start with and creates none.
    // Matches may start before `stopAt`; gives where the unread rest begins
    // and sets `written` to the length of the rewritten part before it.
    qsizetype closeEmptyParagraphs(qsizetype stopAt, qsizetype *written = nullptr)
    {
        static const char16_t kPattern[] = u"\r\n<P>\r\n<P";
        constexpr qsizetype kReplaced = 6;
        const qsizetype n = m_out.size();
        QChar *d = m_out.data();
        qsizetype w = 0;
        qsizetype r = 0;
        while (r < stopAt) {
            if (d[r] == QLatin1Char('\r') && r + kPatternLength <= n &&
                std::equal(kPattern, kPattern + kPatternLength, d + r,
                           [](char16_t p, QChar c) { return p == c.unicode(); })) {
                for (const char c : {'<', '/', 'P', '>'})
                    d[w++] = QLatin1Char(c);
                r += kReplaced;
            } else {
                d[w++] = d[r++];
            }
        }
        if (written)
            *written = w;
        else
            m_out.truncate(w);
        return r;
    }

    // Hands the finished part of the result to the sink. The last few
    // characters may begin an empty paragraph that later text completes;
    // from `stopAt` on they wait for the next piece.
    void handOver(qsizetype stopAt)
    {
        qsizetype written = 0;
        const qsizetype rest = closeEmptyParagraphs(std::max<qsizetype>(0, stopAt), &written);
        (*m_sink)(QStringView(m_out.constData(), written));
        m_out.remove(0, rest);
    }

    static constexpr qsizetype kPatternLength = 9;

    const QChar *m_in;
    const qsizetype m_size;
    const HtmlSink *m_sink;
    QString m_out;

    QStringList m_fonts;
    QStringList m_colours;
    QString m_colour; // the colour table entry being built
    bool m_inFontTable = false;
    int m_depth = 0;          // braces open at this point of the input
    int m_fontTableDepth = 0; // the depth inside the font table's group
    int m_defaultFont = 0;
    int m_font = 0;
    int m_colourIndex = 0;
    int m_htmlSize = 3;
    bool m_fontChanged = false;
    std::array<Style, 3> m_styles{Style::Off, Style::Off, Style::Off}; // bold, italic, underline
    bool m_formattingWritten = false;
    int m_alignment = 0; // 0 left, 1 right, 2 centre
    List m_list = List::Normal;
    bool m_paragraphOpen = false;
};

} // namespace

QString RtfToHtml(const QString &rtf)
{
    return RtfConverter(rtf, nullptr).run();
}

void RtfToHtml(const QString &rtf, const std::function<void(QStringView)> &write)
{
    RtfConverter(rtf, &write).run();
}

} // namespace tagloom
