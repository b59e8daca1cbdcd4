#include "document/editor_text.h"

#include <algorithm>
#include <cstring>

namespace tagloom {

QByteArray normaliseLineBreaks(const QByteArray &bytes, const QByteArray &eol)
{
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 32);
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c != '\r' && c != '\n')
            continue;
        out.append(p + runStart, i - runStart);
        out.append(eol);
        if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        runStart = i + 1;
    }
    out.append(p + runStart, n - runStart);
    return out;
}

EditorText editorTextFromFile(const QByteArray &file)
{
    if (file.isEmpty())
        return {QByteArray(), true};
    QByteArray buffer = normaliseLineBreaks(file, CrLf);
    // A break after the last line ends that line; it does not start another.
    if (buffer.endsWith(CrLf))
        buffer.chop(2);
    return {buffer, false};
}

qsizetype longestLineLength(const QByteArray &buffer)
{
    const char *p = buffer.constData();
    const char *end = p + buffer.size();
    qsizetype longest = 0;
    while (p < end) {
        const char *lf = static_cast<const char *>(memchr(p, '\n', end - p));
        const char *lineEnd = lf ? lf : end;
        // A lone CR inside the stretch ends a line as well.
        for (const char *cr = p; (cr = static_cast<const char *>(memchr(cr, '\r', lineEnd - cr))) != nullptr; ++cr) {
            if (cr + 1 == lf)
                break;
            longest = std::max<qsizetype>(longest, cr - p);
            p = cr + 1;
        }
        const qsizetype length = lineEnd - p - (lf && lf > p && lf[-1] == '\r' ? 1 : 0);
        longest = std::max(longest, length);
        p = lineEnd + 1;
    }
    return longest;
}

QByteArray fileBytesFromEditor(const QByteArray &buffer, bool noLines, const QByteArray &eol)
{
    if (noLines && buffer.isEmpty())
        return QByteArray();
    QByteArray out = normaliseLineBreaks(buffer, eol);
    out.append(eol);
    return out;
}

} // namespace tagloom
