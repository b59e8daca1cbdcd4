// tagloom-tools run as a program over large and awkward inputs, and the
// peers that do the like for HTML (minify --type html beside compress, tidy
// -e -q beside validate) on the same files: wall time of the whole process,
// and its peak resident memory against the size of its input (counters
// peak_MiB and peak_per_input_byte; tagloom-tools alone, without input,
// takes about 10 MiB). A peer that is not installed is reported as skipped.
//
// The peak is what /usr/bin/time -f %M reports for the run: a process
// started straight from this one would count this one's memory in its own
// peak. Without /usr/bin/time the run's own wait4 figure is used, which is
// at least this program's size.
#include "html_corpus.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
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

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Inputs are written once per benchmark program, into a folder of its own:
// `head`, then `pattern` repeated up to about `size` bytes, then `tail`. They
// are written piece by piece, so that this program stays small.
QString inputFile(const char *name, const QByteArray &head, const QByteArray &pattern, qsizetype size,
                  const QByteArray &tail = {})
{
    const QString path = folder().filePath(QLatin1String(name));
    QFile file(path);
    if (file.exists() || !file.open(QIODevice::WriteOnly))
        return path;
    file.write(head);
    const QByteArray piece = tagloom::bench::repeated(pattern, std::min(size, kMiB));
    for (qsizetype written = 0; written < size; written += piece.size())
        file.write(piece.left(size - written));
    file.write(tail);
    return path;
}

struct Run {
    bool done = false; // ended with a status the program gives for a finished run
    qint64 peak = 0;   // bytes
};

// One run of `program` with its output thrown away.
Run runOnce(const QString &program, const QStringList &arguments, int mostStatus)
{
    const QString time = QStringLiteral("/usr/bin/time");
    const bool timed = QFile::exists(time);
    const QString report = folder().filePath(QStringLiteral("peak.txt"));
    std::vector<QByteArray> words;
    if (timed)
        words = {QFile::encodeName(time), "-f", "%M", "-o", QFile::encodeName(report)};
    words.push_back(QFile::encodeName(program));
    for (const QString &a : arguments)
        words.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    // /usr/bin/time gives the program's status as its own.
    run.done = WIFEXITED(status) && WEXITSTATUS(status) <= mostStatus;
    run.peak = qint64(usage.ru_maxrss) * 1024;
    if (timed) {
        QFile file(report);
        bool ok = false;
        if (file.open(QIODevice::ReadOnly)) {
            const qint64 kilobytes = file.readAll().trimmed().split('\n').last().toLongLong(&ok);
            run.peak = ok ? kilobytes * 1024 : 0;
        }
        run.done = run.done && ok;
    }
    return run;
}

// Runs `program` over `input` in the timed loop; `mostStatus` is the
// highest exit status of a finished run (validate: 1 for findings; tidy: 2
// for errors in the page).
void runProgram(benchmark::State &state, const QString &program, const QStringList &arguments,
                const QString &input, int mostStatus = 1)
{
    if (program.isEmpty()) {
        state.SkipWithError("not installed");
        return;
    }
    const qint64 inputBytes = QFile(input).size();
    qint64 peak = 0;
    for (auto _ : state) {
        const Run run = runOnce(program, arguments, mostStatus);
        if (!run.done) {
            state.SkipWithError("the run failed");
            return;
        }
        peak = std::max(peak, run.peak);
    }
    state.SetBytesProcessed(state.iterations() * inputBytes);
    state.counters["MB_per_s"] = benchmark::Counter(double(inputBytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["input_MiB"] = double(inputBytes) / kMiB;
    state.counters["peak_MiB"] = double(peak) / kMiB;
    state.counters["peak_per_input_byte"] = double(peak) / double(inputBytes);
}

QString tools()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tagloom-tools");
}

QString output()
{
    return folder().filePath(QStringLiteral("out.htm"));
}

// 50 MB of real mark-up: the documentation pages of this machine, repeated
// as often as it takes.
QString realPage()
{
    const QString path = folder().filePath(QStringLiteral("real.htm"));
    if (!QFile::exists(path))
        tagloom::bench::writeInstalledPages(path, 50 * 1000 * 1000);
    return path;
}

// A 10 MB page on one line.
QString oneLine()
{
    return inputFile("oneline.htm", {},
                     "<p class=\"note\">Some text &amp; more text,   <b>bold</b> &#65; "
                     "<a href=\"x.htm\" target=\"_top\">link</a></p>",
                     10 * 1000 * 1000);
}

// The whole-document tools and their peers on the same two pages.
enum Page { RealPage50MB, OneLine10MB };

QString page(const benchmark::State &state)
{
    return state.range(0) == RealPage50MB ? realPage() : oneLine();
}

void pageArguments(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"page"})->Arg(RealPage50MB)->Arg(OneLine10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_Compress(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("compress"), page(state), output()}, page(state));
}
BENCHMARK(BM_Compress)->Apply(pageArguments)->Iterations(5);

void BM_PeerMinify(benchmark::State &state)
{
    runProgram(state, QStandardPaths::findExecutable(QStringLiteral("minify")),
               {QStringLiteral("--type"), QStringLiteral("html"), page(state)}, page(state));
}
BENCHMARK(BM_PeerMinify)->Apply(pageArguments)->Iterations(3);

void BM_Validate(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("validate"), page(state)}, page(state));
}
BENCHMARK(BM_Validate)->Apply(pageArguments)->Iterations(5);

// The same pages with server-side code skipped, and in JSON lines with
// places: what looking for the code and writing for a pipeline cost.
void BM_ValidateSkippingServerCode(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("validate"), QStringLiteral("--skip-server-code"), page(state)},
               page(state));
}
BENCHMARK(BM_ValidateSkippingServerCode)->Apply(pageArguments)->Iterations(5);

void BM_ValidateJson(benchmark::State &state)
{
    runProgram(state, tools(),
               {QStringLiteral("validate"), QStringLiteral("--format"), QStringLiteral("json"), page(state)},
               page(state));
}
BENCHMARK(BM_ValidateJson)->Apply(pageArguments)->Iterations(5);

void BM_PeerTidy(benchmark::State &state)
{
    runProgram(state, QStandardPaths::findExecutable(QStringLiteral("tidy")),
               {QStringLiteral("-e"), QStringLiteral("-q"), page(state)}, page(state), 2);
}
BENCHMARK(BM_PeerTidy)->Apply(pageArguments)->Iterations(3);

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
    runProgram(state, tools(), {QStringLiteral("validate"), millionParameters()}, millionParameters());
}
BENCHMARK(BM_ValidateMillionParameters)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ValidateTagsOnOneLine100MB(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("validate"), tagsOnOneLine()}, tagsOnOneLine());
}
BENCHMARK(BM_ValidateTagsOnOneLine100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_ValidatePage100MB(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("validate"), pageInLines()}, pageInLines());
}
BENCHMARK(BM_ValidatePage100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CompressPage100MB(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("compress"), pageInLines(), output()}, pageInLines());
}
BENCHMARK(BM_CompressPage100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_RtfToHtml100MB(benchmark::State &state)
{
    runProgram(state, tools(), {QStringLiteral("rtf2html"), richText()}, richText());
}
BENCHMARK(BM_RtfToHtml100MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
