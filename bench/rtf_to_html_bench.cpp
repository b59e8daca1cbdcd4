// RTF to HTML over a generated 16 MB document in short lines and over one
// 16 MB line.
#include "codetools/rtf_to_html.h"
#include "html_corpus.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kSize = 16 * 1024 * 1024;

const QByteArray kHeader = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                           "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss Arial;}}\r\n"
                           "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n\\deflang1033";

// Paragraphs with the formatting, escapes, bullets and skipped groups a
// rich-text control writes.
const QByteArray kBody = "\\pard\\plain\\f2\\fs20 Some text with \\b bold\\plain\\f2\\fs20  and "
                         "\\i italic\\plain\\f2\\fs20  words, 1 < 2 & caf\\'e9 \\{braces\\}.\r\n\\par "
                         "\\qc\\cf1\\fs28 A centred red line\\tab with a tab.\r\n\\par "
                         "{\\*\\bkmkstart mark}\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1"
                         "\\pnindent0{\\pntxtb\\'b7}}\\fi-360\\li360 A bulleted item\r\n\\par ";

void run(benchmark::State &state, const QString &rtf)
{
    for (auto _ : state) {
        const QString html = tagloom::RtfToHtml(rtf);
        benchmark::DoNotOptimize(html.size());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_RtfToHtmlLines16MB(benchmark::State &state)
{
    static const QString rtf = QString::fromLatin1(kHeader + tagloom::bench::repeated(kBody, kSize));
    run(state, rtf);
}
BENCHMARK(BM_RtfToHtmlLines16MB)->Unit(benchmark::kMillisecond);

void BM_RtfToHtmlOneLine16MB(benchmark::State &state)
{
    QByteArray body = kBody;
    body.replace("\r\n", "");
    static const QString rtf = QString::fromLatin1(kHeader + tagloom::bench::repeated(body, kSize));
    run(state, rtf);
}
BENCHMARK(BM_RtfToHtmlOneLine16MB)->Unit(benchmark::kMillisecond);

} // namespace
