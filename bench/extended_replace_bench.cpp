// Find and replace across files: 10,000 files of 10 KB and one 50 MB line,
// each run once as the dialog runs them; `sed -i` doing the same replacement
// on a copy is reported beside them for comparison.
#include "document/extended_replace.h"
#include "html_corpus.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using tagloom::bench::repeated;

const QByteArray kPattern = "<td class=\"cell\">Old Name &amp; more text</td>\r\n<p>nothing to change here</p>\r\n";

QStringList writeFiles(const QString &folder, int count, const QByteArray &content)
{
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("/page%1.htm").arg(i);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
        files << path;
    }
    return files;
}

// Seconds `sed -i` takes for the same replacement over `files` (0 without sed).
double sedSeconds(const QStringList &files)
{
    const QString sed = QStandardPaths::findExecutable(QStringLiteral("sed"));
    if (sed.isEmpty())
        return 0;
    QElapsedTimer timer;
    timer.start();
    for (qsizetype i = 0; i < files.size(); i += 1000) {
        QProcess process;
        process.start(sed, QStringList{QStringLiteral("-i"), QStringLiteral("s/Old Name/New Name/g")} + files.mid(i, 1000));
        process.waitForFinished(-1);
    }
    return timer.nsecsElapsed() / 1e9;
}

void runReplace(benchmark::State &state, int count, const QByteArray &content)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir ours, theirs;
        const QStringList files = writeFiles(ours.path(), count, content);
        const QStringList copies = writeFiles(theirs.path(), count, content);
        state.ResumeTiming();
        tagloom::ExtendedReplace replace(QStringLiteral("Old Name"), QStringLiteral("New Name"), {true, false, false, false});
        replace.setFiles(files);
        for (const QString &file : files)
            replace.processFile(file);
        state.PauseTiming();
        state.counters["sed_seconds"] = sedSeconds(copies);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * count * content.size());
}

void BM_ReplaceTenThousandFiles(benchmark::State &state)
{
    runReplace(state, 10000, repeated(kPattern, 10 * 1024));
}
BENCHMARK(BM_ReplaceTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReplaceOneLine50MB(benchmark::State &state)
{
    QByteArray line = repeated(kPattern, 50 * 1024 * 1024);
    line.replace("\r\n", "  ");
    runReplace(state, 1, line);
}
BENCHMARK(BM_ReplaceOneLine50MB)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
