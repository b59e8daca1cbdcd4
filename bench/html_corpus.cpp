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

namespace {

QStringList installedPagePaths()
{
    QStringList paths;
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    return paths;
}

} // namespace

bool writeInstalledPages(const QString &path, qsizetype size)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QStringList paths = installedPagePaths();
    qsizetype written = 0;
    for (qsizetype round = 0; written < size; ++round) {
        const qsizetype before = written;
        for (const QString &page : paths) {
            QFile in(page);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = in.readAll().left(size - written);
            written += out.write(bytes);
            if (written >= size)
                break;
        }
        if (written == before) // no pages: a generated one stands in
            written += out.write(installedPages(size - written));
    }
    return out.error() == QFileDevice::NoError;
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
