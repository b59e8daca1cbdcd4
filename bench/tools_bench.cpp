// tagloom-tools run as a program over large and awkward inputs: time, and
// the peak resident memory of the run against the size of its input
// (counters peak_MiB and peak_per_input_byte; the program alone, without
// input, takes about 10 MiB).
#include "html_corpus.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr qsizetype kMiB = 1024 * 1024;

// Inputs are written once per benchmark program, into a folder of its own:
// `head`, then `pattern` repeated up to about `size` bytes, then `tail`. They
// are written piece by piece, as the peak memory of a child counts what its
// parent held when it was started.
QString inputFile(const char *name, const QByteArray &head, const QByteArray &pattern, qsizetype size,
                  const QByteArray &tail = {})
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QLatin1String(name));
    QFile file(path);
    if (file.exists() || !file.open(QIODevice::WriteOnly))
        return path;
    file.write(head);
    const QByteArray piece = tagloom::bench::repeated(pattern, std::min(size, kMiB));
    for (qsizetype written = 0; written < size; written += piece.size())
        file.write(piece);
    file.write(tail);
    return path;
}

// One run of the program with its output thrown away; the peak resident
// memory of that run in bytes, or -1 when it did not end with status 0 or 1.
qint64 runOnce(const QStringList &arguments)
{
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationDirPath() + "/tagloom-tools");
    std::vector<QByteArray> words{program};
    for (const QString &a : arguments)
        words.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const bool done = WIFEXITED(status) && WEXITSTATUS(status) <= 1;
    return done ? qint64(usage.ru_maxrss) * 1024 : -1;
}

void runTools(benchmark::State &state, const QStringList &arguments, const QString &input)
{
    const qint64 inputBytes = QFile(input).size();
    qint64 peak = 0;
    for (auto _ : state) {
        peak = runOnce(arguments);
        if (peak < 0) {
            state.SkipWithError("tagloom-tools failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * inputBytes);
    state.counters["input_MiB"] = double(inputBytes) / kMiB;
    state.counters["peak_MiB"] = double(peak) / kMiB;
    state.counters["peak_per_input_byte"] = double(peak) / double(inputBytes);
}

// One tag with a million parameters (3.7 MB): a million findings.
QString millionParameters()
{
    QByteArray hundred;
    for (int i = 0; i < 100; ++i)
        hundred += " p" + QByteArray::number(i);
    return inputFile("million.htm", "<td", hundred, qsizetype(10000) * hundred.size(), ">\r\n");
}

// 100 MB of tags on one line, most of them with findings.
QString tagsOnOneLine()
{
    return inputFile("line.htm", {},
                     "<td nowrap bgcolor=red><font face=\"Arial\" size=2>Hello &amp; world</font></td>", 100 * kMiB);
}

// 100 MB of an ordinary page in lines.
QString pageInLines()
{
    return inputFile("page.htm", "<html><body>\r\n",
                     "<p class=\"c\">Some text &nbsp; <a href=\"x.htm\">link</a></p>\r\n", 100 * kMiB);
}

// 100 MB of rich text, paragraphs of plain and bold words.
QString richText()
{
    return inputFile("doc.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}\\deflang1033\\pard\\plain\\f0\\fs20 ",
                     "Hello \\b bold\\plain\\f0\\fs20  normal caf\\'e9\\par\r\n", 100 * kMiB, "}");
}

void BM_ValidateMillionParameters(benchmark::State &state)
{
    runTools(state, {QStringLiteral("validate"), millionParameters()}, millionParameters());
}
BENCHMARK(BM_ValidateMillionParameters)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ValidateTagsOnOneLine100MB(benchmark::State &state)
{
    runTools(state, {QStringLiteral("validate"), tagsOnOneLine()}, tagsOnOneLine());
}
BENCHMARK(BM_ValidateTagsOnOneLine100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_ValidatePage100MB(benchmark::State &state)
{
    runTools(state, {QStringLiteral("validate"), pageInLines()}, pageInLines());
}
BENCHMARK(BM_ValidatePage100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CompressPage100MB(benchmark::State &state)
{
    static QTemporaryDir out;
    runTools(state, {QStringLiteral("compress"), pageInLines(), out.filePath(QStringLiteral("out.htm"))}, pageInLines());
}
BENCHMARK(BM_CompressPage100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_RtfToHtml100MB(benchmark::State &state)
{
    runTools(state, {QStringLiteral("rtf2html"), richText()}, richText());
}
BENCHMARK(BM_RtfToHtml100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
