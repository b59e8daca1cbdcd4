#include "html_corpus.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace tagloom::bench {

QByteArray installedPages(qsizetype limit)
{
    QByteArray corpus;
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext() && corpus.size() < limit) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            corpus += f.readAll();
    }
    if (corpus.isEmpty())
        corpus = repeated("<tr><td class=\"cell\" width=\"50%\">Row &amp; cell</td>\r\n"
                          "<td><a href=\"page.htm\">link</a>&nbsp;</td></tr>\r\n",
                          limit);
    corpus.truncate(limit);
    return corpus;
}

QByteArray oneLinePage(qsizetype size)
{
    return repeated("<p class=\"note\">Some text &amp; more text,   <b>bold</b> &#65; "
                    "<a href=\"x.htm\" target=\"_top\">link</a></p>",
                    size);
}

QByteArray repeated(const QByteArray &pattern, qsizetype size)
{
    QByteArray out;
    out.reserve(size + pattern.size());
    while (out.size() < size)
        out += pattern;
    out.truncate(size);
    return out;
}

} // namespace tagloom::bench
