#include "site/reference_scanner.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// Each reference as "kind:value", kinds a (attribute), u (style url), f
// (include file), v (include virtual), joined by " | "; each value is
// checked to stand at its offset.
std::string scanned(const QByteArray &text, bool styleSheet = false)
{
    QStringList found;
    qsizetype last = -1;
    const ReferenceSink sink = [&](const PageReference &r) {
        static const char kinds[] = "aufv";
        EXPECT_GT(r.offset, last) << "references out of order";
        last = r.offset;
        EXPECT_EQ(text.mid(r.offset, r.value.size()), r.value.toByteArray()) << "value is not at its offset";
        found.append(QStringLiteral("%1:%2").arg(QString(QLatin1Char(kinds[int(r.kind)])),
                                                  QString::fromLatin1(r.value.toByteArray())));
    };
    if (styleSheet)
        scanStyleReferences(text, sink);
    else
        scanPageReferences(text, sink);
    return found.join(QStringLiteral(" | ")).toStdString();
}

TEST(ReferenceScanner, FindsTheReferencesOfPages)
{
    const struct {
        const char *name;
        QByteArray page;
        QStringList expected;
    } rows[] = {
        {"link attributes in any case, quoted or not", "<A HREF=a.htm><img Src='b.gif'><body background=c.jpg>",
         {"a:a.htm", "a:b.gif", "a:c.jpg"}},
        {"form, object, video and link", "<form action=\"go.php\"><object data=\"m.swf\"><video poster=p.png>"
                                         "<link rel=stylesheet href=s.css>",
         {"a:go.php", "a:m.swf", "a:p.png", "a:s.css"}},
        {"other attributes and data-* are not links", "<a title=x.htm data-src=y.gif name=z>", {}},
        {"an empty value is still handed on", "<a href=\"\">", {"a:"}},
        {"spaces around the equals sign", "<a href = \"x.htm\" >", {"a:x.htm"}},
        {"includes, file and virtual, in any case", "<!--#include file=\"a.inc\" --><!--#INCLUDE virtual='/b.inc'-->",
         {"f:a.inc", "v:/b.inc"}},
        {"flastmod and fsize name files too", "<!--#fsize file=\"z.zip\" --><!--#echo var=\"x.htm\" -->",
         {"f:z.zip"}},
        {"comments and doctypes are passed over", "<!DOCTYPE html><!-- <a href=no.htm> --><a href=yes.htm>",
         {"a:yes.htm"}},
        {"script bodies are passed over, their src is not",
         "<script src=s.js>var a='<a href=no.htm>';</SCRIPT ><a href=y.htm>", {"a:s.js", "a:y.htm"}},
        {"style blocks and style attributes", "<style>p{background:url(a.png)}</style><p style=\"x:url('b.png')\">",
         {"u:a.png", "u:b.png"}},
        {"a base address is not a link", "<base href=\"http://x/\"><a href=a.htm>", {"a:a.htm"}},
        {"server code between tags", "<?php echo '<a href=no.htm>'; ?><% x = \"<img src=no.gif>\" %><a href=y.htm>",
         {"a:y.htm"}},
        {"server code with quotes inside a value", "<img src=\"<?php echo \"a.gif\" ?>\" alt=x><a href=y.htm>",
         {"a:<?php echo \"a.gif\" ?>", "a:y.htm"}},
        {"server code in place of an attribute", "<img <?php if ($a > 1) ?> src=a.gif>", {"a:a.gif"}},
        {"an unterminated quote runs to the end", "<a href=\"x.htm>\n<a href=y.htm>", {"a:x.htm>\n<a href=y.htm>"}},
        {"an unterminated comment hides the rest", "<a href=a.htm><!-- <a href=b.htm>", {"a:a.htm"}},
        {"an unterminated include", "<!--#include virtual=\"/a.inc", {"v:/a.inc"}},
        {"a tag cut off at the end", "<a href", {}},
        {"lone angle brackets", "< a href=x.htm> <> <= 1 <", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(scanned(row.page), row.expected.join(QStringLiteral(" | ")).toStdString()) << row.name;
}

TEST(ReferenceScanner, FindsTheReferencesOfStyleSheets)
{
    const struct {
        const char *name;
        QByteArray css;
        QStringList expected;
    } rows[] = {
        {"url() quoted and not, spaces inside", "a{b:url(x.png)}c{d:URL( \"y.png\" )}e{f:url( z.png )}",
         {"u:x.png", "u:y.png", "u:z.png"}},
        {"@import with a string or url()", "@import \"a.css\";\n@import url(b.css);", {"u:a.css", "u:b.css"}},
        {"comments are passed over", "/* url(no.png) */a{b:url(yes.png)}", {"u:yes.png"}},
        {"a name ending in url is not url()", "a{b:myurl(no.png)}", {}},
        {"cut off at the end", "a{b:url(x.png", {"u:x.png"}},
        {"cut off inside a quote", "a{b:url('x.png", {"u:x.png"}},
        {"an unterminated comment", "/* url(no.png)", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(scanned(row.css, true), row.expected.join(QStringLiteral(" | ")).toStdString()) << row.name;
}

// Whatever the bytes, the scan ends and every value lies inside the text.
TEST(ReferenceScanner, TakesAnyBytes)
{
    const QByteArray pieces[] = {"<",     "<a",      " href=", "\"",   "'",      ">",     "<!--", "-->",
                                 "<!--#", "include", " file=", "<?",   "?>",     "<%",    "%>",   "<style>",
                                 "url(",  "</style", "<script>", "/*", QByteArray("\0\xff", 2), "\r\n"};
    const int count = int(std::size(pieces));
    quint32 seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        QByteArray page;
        for (int k = 0; k < 12; ++k) {
            seed = seed * 1103515245u + 12345u;
            page += pieces[(seed >> 16) % count];
        }
        scanned(page);
        scanned(page, true);
    }
}

} // namespace
