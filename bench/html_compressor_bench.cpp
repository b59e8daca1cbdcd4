// The compressor with its default passes over real pages and over one
// 50 MB line.
#include "codetools/html_compressor.h"
#include "html_corpus.h"

#include <benchmark/benchmark.h>

namespace {

void runCompressor(benchmark::State &state, const QByteArray &input)
{
    qint64 size = 0;
    for (auto _ : state) {
        tagloom::THTMLCompressor compressor;
        compressor.LoadBytes(input);
        compressor.Compress();
        size = compressor.CompressedSize();
        benchmark::DoNotOptimize(size);
    }
    state.SetBytesProcessed(state.iterations() * input.size());
    state.counters["ratio"] = double(size) / double(input.size());
}

void BM_CompressInstalledPages(benchmark::State &state)
{
    static const QByteArray pages = tagloom::bench::installedPages(8 * 1024 * 1024);
    runCompressor(state, pages);
}
BENCHMARK(BM_CompressInstalledPages)->Unit(benchmark::kMillisecond);

void BM_CompressOneLine50MB(benchmark::State &state)
{
    static const QByteArray page = tagloom::bench::oneLinePage(50 * 1024 * 1024);
    runCompressor(state, page);
}
BENCHMARK(BM_CompressOneLine50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// Many "<" inside one tag and values kept quoted: the walks over bytes
// already walked must not make the pass quadratic.
void BM_CompressNestedTags50MB(benchmark::State &state)
{
    static const QByteArray page =
        "<img " + tagloom::bench::repeated("alt=\"a < b\" x=\"<<<\" ", 50 * 1024 * 1024) + ">";
    runCompressor(state, page);
}
BENCHMARK(BM_CompressNestedTags50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
