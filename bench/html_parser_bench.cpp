// The tokenizer and the document analysis over real pages and over one 50 MB line.
#include "codetools/document_analysis.h"
#include "codetools/html_parser.h"
#include "html_corpus.h"
#include "app/text_codec.h"

#include <benchmark/benchmark.h>

namespace {

// File bytes to nodes: the decoding of the bytes is part of the work.
void runParser(benchmark::State &state, const QByteArray &input)
{
    for (auto _ : state) {
        tagloom::THTMLParser parser;
        parser.ParseText(tagloom::decode8Bit(input));
        benchmark::DoNotOptimize(parser.Nodes.size());
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}

void BM_TokenizeInstalledPages(benchmark::State &state)
{
    static const QByteArray pages = tagloom::bench::installedPages(8 * 1024 * 1024);
    runParser(state, pages);
}
BENCHMARK(BM_TokenizeInstalledPages)->Unit(benchmark::kMillisecond);

// Text to nodes: the page already decoded, as in the editor.
void BM_TokenizeInstalledPagesText(benchmark::State &state)
{
    static const QByteArray pages = tagloom::bench::installedPages(8 * 1024 * 1024);
    const QString text = tagloom::decode8Bit(pages);
    for (auto _ : state) {
        tagloom::THTMLParser parser;
        parser.ParseText(text);
        benchmark::DoNotOptimize(parser.Nodes.size());
    }
    state.SetBytesProcessed(state.iterations() * pages.size());
}
BENCHMARK(BM_TokenizeInstalledPagesText)->Unit(benchmark::kMillisecond);

void BM_TokenizeOneLine50MB(benchmark::State &state)
{
    static const QByteArray page = tagloom::bench::oneLinePage(50 * 1024 * 1024);
    runParser(state, page);
}
BENCHMARK(BM_TokenizeOneLine50MB)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_AnalyseInstalledPages(benchmark::State &state)
{
    static const QByteArray pages = tagloom::bench::installedPages(8 * 1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(tagloom::analyseFile(pages).size());
    state.SetBytesProcessed(state.iterations() * pages.size());
}
BENCHMARK(BM_AnalyseInstalledPages)->Unit(benchmark::kMillisecond);

void BM_AnalyseOneLine50MB(benchmark::State &state)
{
    static const QByteArray page = tagloom::bench::oneLinePage(50 * 1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(tagloom::analyseFile(page).size());
    state.SetBytesProcessed(state.iterations() * page.size());
}
BENCHMARK(BM_AnalyseOneLine50MB)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
