#include "site/reference_scanner.h"

#include "codetools/byte_search.h"

namespace tagloom {

namespace {

using Kind = PageReference::Kind;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; }

// Whether `word` (lower case) stands at `at`, in any case.
bool matchesAt(QByteArrayView s, qsizetype at, const char *word)
{
    for (qsizetype k = 0; word[k]; ++k)
        if (at + k >= s.size() || lower(s[at + k]) != word[k])
            return false;
    return true;
}

bool equalsNoCase(QByteArrayView s, const char *word)
{
    return qstrlen(word) == size_t(s.size()) && matchesAt(s, 0, word);
}

// The index just past the next `end` at or after `from`, or the size.
qsizetype skipPast(QByteArrayView s, qsizetype from, const char *end)
{
    if (from >= s.size())
        return s.size();
    const qsizetype at = s.indexOf(QByteArrayView(end), from);
    return at < 0 ? s.size() : at + qsizetype(qstrlen(end));
}

qsizetype skipSpaces(QByteArrayView s, qsizetype i)
{
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return i;
}

// Server-side code standing at `at` ("<?" or "<%"): the index past its end.
// Zero when none starts there.
qsizetype pastServerCode(QByteArrayView s, qsizetype at)
{
    if (at + 1 >= s.size() || s[at] != '<')
        return 0;
    if (s[at + 1] == '?')
        return skipPast(s, at + 2, "?>");
    if (s[at + 1] == '%')
        return skipPast(s, at + 2, "%>");
    return 0;
}

class PageScanner {
public:
    PageScanner(QByteArrayView page, const ReferenceSink &sink) : m_s(page), m_sink(sink) {}

    void run()
    {
        const qsizetype n = m_s.size();
        qsizetype i = 0;
        while ((i = findByte(m_s.data(), n, i, '<')) < n) {
            if (matchesAt(m_s, i, "<!--#"))
                i = directive(i + 5);
            else if (matchesAt(m_s, i, "<!--"))
                i = skipPast(m_s, i + 4, "-->");
            else if (const qsizetype past = pastServerCode(m_s, i))
                i = past;
            else if (matchesAt(m_s, i, "<!"))
                i = skipPast(m_s, i + 2, ">");
            else if (i + 1 < n && isAlpha(m_s[i + 1]))
                i = element(i + 1);
            else
                ++i;
        }
    }

private:
    void found(Kind kind, qsizetype start, qsizetype end)
    {
        m_sink(PageReference{kind, start, m_s.sliced(start, end - start)});
    }

    // A tag from its name at `i`, then, for style and script, its content.
    qsizetype element(qsizetype i)
    {
        const qsizetype n = m_s.size();
        const qsizetype nameStart = i;
        while (i < n && !isSpace(m_s[i]) && m_s[i] != '>' && m_s[i] != '/')
            ++i;
        const QByteArrayView name = m_s.sliced(nameStart, i - nameStart);
        // A base address is not a file of the site.
        i = attributes(i, !equalsNoCase(name, "base"));
        if (equalsNoCase(name, "style")) {
            const qsizetype end = rawTextEnd(i, "/style");
            scanStyleReferences(m_s.sliced(i, end - i), m_sink, i);
            return end;
        }
        if (equalsNoCase(name, "script"))
            return rawTextEnd(i, "/script");
        return i;
    }

    // The attributes of a tag up to its ">": the index past it.
    qsizetype attributes(qsizetype i, bool report)
    {
        const qsizetype n = m_s.size();
        while (true) {
            while (i < n && (isSpace(m_s[i]) || m_s[i] == '/'))
                ++i;
            if (i >= n)
                return n;
            if (m_s[i] == '>')
                return i + 1;
            if (const qsizetype past = pastServerCode(m_s, i)) {
                i = past;
                continue;
            }
            const qsizetype nameStart = i;
            while (i < n && !isSpace(m_s[i]) && m_s[i] != '=' && m_s[i] != '>' && m_s[i] != '/')
                ++i;
            if (i == nameStart) // a stray "=": taken as a name, so the scan moves on
                ++i;
            const QByteArrayView name = m_s.sliced(nameStart, i - nameStart);
            i = skipSpaces(m_s, i);
            if (i >= n || m_s[i] != '=')
                continue;
            i = skipSpaces(m_s, i + 1);
            qsizetype start = i;
            qsizetype end = i;
            if (i < n && (m_s[i] == '"' || m_s[i] == '\'')) {
                start = i + 1;
                end = m_s[i] == '"' ? quotedEnd<'"'>(start) : quotedEnd<'\''>(start);
                i = std::min(end + 1, n);
            } else {
                while (i < n && !isSpace(m_s[i]) && m_s[i] != '>')
                    i = std::max(i + 1, pastServerCode(m_s, i));
                end = std::min(i, n);
            }
            if (report)
                attribute(name, start, end);
        }
    }

    void attribute(QByteArrayView name, qsizetype start, qsizetype end)
    {
        static const char *const links[] = {"href", "src", "background", "action", "data", "poster"};
        for (const char *link : links) {
            if (equalsNoCase(name, link)) {
                found(Kind::Attribute, start, end);
                return;
            }
        }
        if (equalsNoCase(name, "style"))
            scanStyleReferences(m_s.sliced(start, end - start), m_sink, start);
    }

    // The closing quote of a value from `from` (server code inside it, which
    // may hold the same quote, is passed over), or the size.
    template <char Quote>
    qsizetype quotedEnd(qsizetype from) const
    {
        const qsizetype n = m_s.size();
        qsizetype k = from;
        while ((k = findAnyOf<Quote, '<'>(m_s.data(), n, k)) < n) {
            if (m_s[k] == Quote)
                return k;
            k = std::max(k + 1, pastServerCode(m_s, k));
        }
        return n;
    }

    // Where the content of a style or script element ends: at "</style" or
    // "</script" in any case, or at the end of the page.
    qsizetype rawTextEnd(qsizetype from, const char *closing) const
    {
        const qsizetype n = m_s.size();
        qsizetype k = from;
        while ((k = findByte(m_s.data(), n, k, '<')) < n) {
            if (matchesAt(m_s, k + 1, closing))
                return k;
            ++k;
        }
        return n;
    }

    // A server-side directive after its "<!--#": the files that include,
    // flastmod and fsize name. The index past its "-->".
    qsizetype directive(qsizetype i)
    {
        const qsizetype n = m_s.size();
        const qsizetype close = m_s.indexOf(QByteArrayView("-->"), i);
        const qsizetype bodyEnd = close < 0 ? n : close;
        const qsizetype end = close < 0 ? n : close + 3;
        const qsizetype commandStart = i;
        while (i < bodyEnd && isAlpha(m_s[i]))
            ++i;
        const QByteArrayView command = m_s.sliced(commandStart, i - commandStart);
        if (!equalsNoCase(command, "include") && !equalsNoCase(command, "flastmod") &&
            !equalsNoCase(command, "fsize"))
            return end;
        while (i < bodyEnd) {
            i = skipSpaces(m_s, i);
            const qsizetype nameStart = i;
            while (i < bodyEnd && isAlpha(m_s[i]))
                ++i;
            const QByteArrayView name = m_s.sliced(nameStart, i - nameStart);
            i = skipSpaces(m_s, i);
            if (i >= bodyEnd || m_s[i] != '=') {
                i = std::max(i, nameStart + 1);
                continue;
            }
            i = skipSpaces(m_s, i + 1);
            qsizetype start = i;
            qsizetype valueEnd = i;
            if (i < bodyEnd && (m_s[i] == '"' || m_s[i] == '\'')) {
                start = i + 1;
                const qsizetype close = m_s.sliced(0, bodyEnd).indexOf(m_s[i], start);
                valueEnd = close < 0 ? bodyEnd : close;
                i = std::min(valueEnd + 1, bodyEnd);
            } else {
                while (i < bodyEnd && !isSpace(m_s[i]))
                    ++i;
                valueEnd = i;
            }
            if (equalsNoCase(name, "file"))
                found(Kind::IncludeFile, start, valueEnd);
            else if (equalsNoCase(name, "virtual"))
                found(Kind::IncludeVirtual, start, valueEnd);
        }
        return end;
    }

    QByteArrayView m_s;
    const ReferenceSink &m_sink;
};

bool isIdentifierByte(char c) { return isAlpha(c) || (c >= '0' && c <= '9') || c == '-' || c == '_'; }

} // namespace

void scanPageReferences(QByteArrayView page, const ReferenceSink &sink)
{
    PageScanner(page, sink).run();
}

void scanStyleReferences(QByteArrayView t, const ReferenceSink &sink, qsizetype base)
{
    const qsizetype n = t.size();
    const auto report = [&](qsizetype start, qsizetype end) {
        sink(PageReference{Kind::StyleUrl, base + start, t.sliced(start, end - start)});
    };
    // A quoted value from its quote at `i`: the index past its closing quote.
    const auto quoted = [&](qsizetype i) {
        const qsizetype close = t.indexOf(t[i], i + 1);
        const qsizetype end = close < 0 ? n : close;
        report(i + 1, end);
        return std::min(end + 1, n);
    };
    qsizetype i = 0;
    while ((i = findAnyOf<'/', 'u', 'U', '@'>(t.data(), n, i)) < n) {
        if (matchesAt(t, i, "/*")) {
            i = skipPast(t, i + 2, "*/");
        } else if (matchesAt(t, i, "url(") && (i == 0 || !isIdentifierByte(t[i - 1]))) {
            i = skipSpaces(t, i + 4);
            if (i < n && (t[i] == '"' || t[i] == '\'')) {
                i = quoted(i);
            } else {
                const qsizetype close = t.indexOf(')', i);
                qsizetype end = close < 0 ? n : close;
                const qsizetype start = i;
                while (end > start && isSpace(t[end - 1]))
                    --end;
                report(start, end);
                i = close < 0 ? n : close + 1;
            }
        } else if (matchesAt(t, i, "@import")) {
            // @import "file.css"; the url(...) form is found as any other.
            i = skipSpaces(t, i + 7);
            if (i < n && (t[i] == '"' || t[i] == '\''))
                i = quoted(i);
        } else {
            ++i;
        }
    }
}

} // namespace tagloom
