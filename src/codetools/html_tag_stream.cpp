#include "codetools/html_tag_stream.h"

#include "codetools/byte_search.h"
#include "codetools/tag_tokens.h"

namespace tagloom {

HtmlTagStream::HtmlTagStream(Visit visit) : m_visit(std::move(visit)) {}

void HtmlTagStream::feed(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (!m_inside) {
            // Text is skipped: only the marks matter.
            i = findAnyOf<'<', '>'>(p, n, i);
            if (i == n)
                return;
            if (p[i] == '>')
                m_visit(QByteArrayView());
            else
                m_inside = true;
            ++i;
            continue;
        }
        const qsizetype stop = findAnyOf<'<', '>', '\r', '\n'>(p, n, i);
        if (stop < n && p[stop] == '>' && m_tag.isEmpty()) {
            m_visit(QByteArrayView(p + i, stop - i)); // the whole tag lies in this block
        } else {
            m_tag.append(p + i, stop - i);
            if (stop < n && p[stop] == '>') {
                m_visit(m_tag);
                m_tag.resize(0); // the room stays for the next long tag
            }
        }
        if (stop < n && p[stop] == '>')
            m_inside = false;
        i = stop + 1;
    }
}

void HtmlTagStream::finish()
{
    if (m_inside && !m_tag.isEmpty())
        m_visit(m_tag);
    m_tag = QByteArray();
    m_inside = false;
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
