#include "document/editor_text.h"

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

QByteArray fileBytesFromEditor(const QByteArray &buffer, bool noLines, const QByteArray &eol)
{
    if (noLines && buffer.isEmpty())
        return QByteArray();
    QByteArray out = normaliseLineBreaks(buffer, eol);
    out.append(eol);
    return out;
}

} // namespace tagloom
