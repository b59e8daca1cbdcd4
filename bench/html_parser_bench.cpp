// The tokenizer and the document analysis (HTML 4 and HTML 5 tables) over
// real pages and over one 50 MB line.
#include "codetools/document_analysis.h"
#include "codetools/html5_rules.h"
#include "codetools/html_parser.h"
#include "html_corpus.h"
#include "base/text_codec.h"

#include <benchmark/benchmark.h>

namespace {

// Runs `work` once untimed, then in the timed loop. The untimed run takes
// the first touch of memory the process has never used: on the virtual
// machines we measure on, the host backs a guest page only when it is first
// written, which costs several times the parse and says nothing about it.
template <typename Work>
void measure(benchmark::State &state, qsizetype bytes, Work work)
{
    work();
    for (auto _ : state)
        work();
    state.SetBytesProcessed(state.iterations() * bytes);
}

// File bytes to nodes: the decoding of the bytes is part of the work.
void tokenize(benchmark::State &state, const QByteArray &input)
{
    measure(state, input.size(), [&input] {
        tagloom::THTMLParser parser;
        parser.ParseBytes(input);
        benchmark::DoNotOptimize(parser.Nodes.size());
    });
}

void analyse(benchmark::State &state, const QByteArray &input, const tagloom::AnalysisOptions &options = {})
{
    measure(state, input.size(),
            [&input, &options] { benchmark::DoNotOptimize(tagloom::analyseFile(input, options).size()); });
    state.counters["MB_per_s"] =
        benchmark::Counter(double(input.size()) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

tagloom::AnalysisOptions skippingServerCode(bool skip)
{
    tagloom::AnalysisOptions options;
    options.skipServerCode = skip;
    return options;
}

// The HTML 5 table from the data folder beside the program; the benchmark
// fails rather than measure the one finding that says it is missing.
bool html5Options(benchmark::State &state, tagloom::AnalysisOptions &options)
{
    options.rules = tagloom::AnalysisRules::Html5;
    const auto rules = tagloom::html5Rules(options.dataFolder);
    if (!rules)
        state.SkipWithError(rules.error.toStdString().c_str());
    return bool(rules);
}

const QByteArray &installedPages()
{
    static const QByteArray pages = tagloom::bench::installedPages(8 * 1024 * 1024);
    return pages;
}

const QByteArray &oneLine50MB()
{
    static const QByteArray page = tagloom::bench::oneLinePage(50 * 1024 * 1024);
    return page;
}

void BM_TokenizeInstalledPages(benchmark::State &state)
{
    tokenize(state, installedPages());
}
BENCHMARK(BM_TokenizeInstalledPages)->Unit(benchmark::kMillisecond);

// Text to nodes: the page already decoded, as in the editor.
void BM_TokenizeInstalledPagesText(benchmark::State &state)
{
    const QString text = tagloom::decode8Bit(installedPages());
    measure(state, installedPages().size(), [&text] {
        tagloom::THTMLParser parser;
        parser.ParseText(text);
        benchmark::DoNotOptimize(parser.Nodes.size());
    });
}
BENCHMARK(BM_TokenizeInstalledPagesText)->Unit(benchmark::kMillisecond);

void BM_TokenizeOneLine50MB(benchmark::State &state)
{
    tokenize(state, oneLine50MB());
}
BENCHMARK(BM_TokenizeOneLine50MB)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_AnalyseInstalledPages(benchmark::State &state)
{
    analyse(state, installedPages());
}
BENCHMARK(BM_AnalyseInstalledPages)->Unit(benchmark::kMillisecond);

void BM_AnalyseOneLine50MB(benchmark::State &state)
{
    analyse(state, oneLine50MB());
}
BENCHMARK(BM_AnalyseOneLine50MB)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_AnalyseInstalledPagesHtml5(benchmark::State &state)
{
    tagloom::AnalysisOptions options;
    if (html5Options(state, options))
        analyse(state, installedPages(), options);
}
BENCHMARK(BM_AnalyseInstalledPagesHtml5)->Unit(benchmark::kMillisecond);

void BM_AnalyseOneLine50MBHtml5(benchmark::State &state)
{
    tagloom::AnalysisOptions options;
    if (html5Options(state, options))
        analyse(state, oneLine50MB(), options);
}
BENCHMARK(BM_AnalyseOneLine50MBHtml5)->Unit(benchmark::kMillisecond)->Iterations(4);
// The same page with server-side code skipped: it has none, so this is
// what looking for it costs.
void BM_AnalyseOneLine50MBSkippingServerCode(benchmark::State &state)
{
    analyse(state, oneLine50MB(), skippingServerCode(true));
}
BENCHMARK(BM_AnalyseOneLine50MBSkippingServerCode)->Unit(benchmark::kMillisecond)->Iterations(4);

// 50 MB of a page that mixes PHP and ASP into its mark-up, in lines, plain
// and with the code skipped. Skipped, the analysis finds twice as much (the
// code's "?>" no longer ends tags early and hides their attributes), and
// each finding is a row of text: the two do not compare as like for like.
const QByteArray &serverPage50MB()
{
    static const QByteArray page = tagloom::bench::repeated(
        "<tr><td class=\"<?php echo $row['c'] ?>\" nowrap><?= htmlspecialchars($row['name']) ?></td>\r\n"
        "<td><a href=\"item.php?id=<?php echo $id ?>\" <?php if ($sel) echo 'class=\"on\"'; ?>>view</a>"
        "<% if a < b then %> <font face=arial>x</font> <% end if %></td></tr>\r\n",
        50 * 1000 * 1000);
    return page;
}

void BM_AnalyseServerPage50MB(benchmark::State &state)
{
    analyse(state, serverPage50MB(), skippingServerCode(state.range(0) != 0));
}
BENCHMARK(BM_AnalyseServerPage50MB)->ArgName("skip")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace
