#pragma once
// A small web site on disk for the link-check tests, with one of each thing
// the check looks for: broken targets, names differing only in letter case,
// files nothing refers to, includes, url() in style sheets and style
// attributes, remote addresses and folder links.

#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <utility>

namespace tagloom::test {

inline void writeSiteFile(const QString &root, const QString &name, const QByteArray &bytes)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

inline void writeSampleSite(const QString &root)
{
    const std::pair<const char *, QByteArray> files[] = {
        {"index.html",
         "<html><head><link rel=\"stylesheet\" href=\"css/site.css\"></head>\n"
         "<body background=\"img/bg.gif\">\n"
         "<a href=\"about.htm\">About</a> <a href=\"http://example.com/\">r</a> <a href=\"missing.htm\">x</a>\n"
         "<p>caf\xc3\xa9 <img src=\"Img/Logo.GIF\"> <a href=\"mailto:webmaster@example.com\">m</a></p>\n"
         "<a href=\"../outside.htm\">o</a>\n"
         "<!--#include file=\"inc/header.inc\" --><!--#include file=\"inc/absent.inc\" -->\n"
         "<!--#include virtual=\"/INC/footer.inc\" -->\n"
         "<p style=\"background: url('img/dot.png')\"><script src=\"//cdn.example.com/lib.js\"></script>\n"
         "<a href=\"sub/\">s</a> <a href=\"emptydir/\">e</a> <a href=\"a%20b.htm?x=1#top\">sp</a>\n"
         "<!-- <a href=\"old/forgotten.htm\"> -->\n"},
        {"about.htm", "<a href=\"/index.html\">home</a>\r\n" + QByteArray("\r\n").repeated(10) +
                          "<img src=\"img/missing.png\">\r\n"},
        {"a b.htm", "<a href=\"index.html\">home</a>\n"},
        {"css/site.css", "body { background: url(../img/paper.jpg) }\n@import \"print.css\";\n"
                         "/* url(nothere.png) */\nh1 { background: url(\"nothere/paper.jpg\") }\n"},
        {"css/print.css", "p { color: black }\n"},
        {"sub/index.htm", "<a href=\"../index.html\">up</a>\n"},
        {"sub/default.asp", "<% Response.Write \"<a href='nowhere.htm'>\" %>\n"},
        {"old/forgotten.htm", "<a href=\"../about.htm\">about</a>\n"},
        {"inc/header.inc", "<h1>Site</h1>\n"},
        {"inc/footer.inc", "<hr>\n"},
        {"img/bg.gif", "GIF89a"},
        {"img/logo.gif", "GIF89a"},
        {"img/dot.png", "\x89PNG"},
        {"img/paper.jpg", "\xff\xd8"},
        {"img/unused.gif", "GIF89a"},
    };
    for (const auto &[name, bytes] : files)
        writeSiteFile(root, QLatin1String(name), bytes);
    QDir(root).mkpath(QStringLiteral("emptydir"));
}

struct TextPosition {
    int line = 0;
    int column = 0;
};

// Line and column (from 1, in characters) of the `nth` occurrence of
// `needle` in a UTF-8 file; lines end at CR LF, LF or CR.
inline TextPosition positionOf(const QString &path, const char *needle, int nth = 0)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    qsizetype at = -1;
    for (int k = 0; k <= nth; ++k)
        at = text.indexOf(QString::fromUtf8(needle), at + 1);
    if (at < 0)
        return {};
    TextPosition p{1, 1};
    for (qsizetype i = 0; i < at; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n')))) {
            ++p.line;
            p.column = 1;
        } else if (c != QLatin1Char('\r')) {
            ++p.column;
        }
    }
    return p;
}

} // namespace tagloom::test
