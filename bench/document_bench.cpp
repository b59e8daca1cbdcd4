// Opening, colouring and saving a large HTML document: the whole path a user
// waits on with a 20 MB page; and a whole session (open, Ctrl+End, typing,
// save) on a 10 MB single-line page and a 200 MB page, watched for stalls.
#include "document/ui/code_editor.h"
#include "document/document.h"
#include "document/ui/document_window.h"
#include "large_page_session.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {

// Real pages from this machine's documentation, repeated up to `size` bytes;
// a generated page when there are none.
QByteArray largePage(qsizetype size)
{
    QByteArray corpus;
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext() && corpus.size() < 4 * 1024 * 1024) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            corpus += f.readAll();
    }
    if (corpus.isEmpty())
        corpus = "<tr><td class=\"cell\">Row &amp; cell</td><td><a href=\"page.htm\">link</a></td></tr>\r\n";
    QByteArray page;
    page.reserve(size + corpus.size());
    while (page.size() < size)
        page += corpus;
    page.truncate(size);
    return page;
}

constexpr qsizetype kPageSize = 20 * 1024 * 1024;

struct LargePageFile {
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("big.htm"));
    QString output = dir.filePath(QStringLiteral("saved.htm"));
    LargePageFile()
    {
        QFile f(input);
        if (f.open(QIODevice::WriteOnly))
            f.write(largePage(kPageSize));
    }
};

enum Stage { Open = 1, Colour = 2, Save = 4 };

// Runs the stages given by state.range(0) and times only those.
void BM_LargeDocument(benchmark::State &state)
{
    LargePageFile file;
    const int stages = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<tagloom::DocumentWindow>(tagloom::DocumentContext{});
        tagloom::CodeEditor *editor = doc->editor();
        if (!(stages & Open))
            doc->LoadDocument(file.input);
        state.ResumeTiming();
        if (stages & Open)
            doc->LoadDocument(file.input);
        if (stages & Colour)
            editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
        if (stages & Save) {
            tagloom::Document target = doc->document();
            target.setPath(file.output);
            benchmark::DoNotOptimize(target.save(editor->buffer()).ok);
        }
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kPageSize);
}
BENCHMARK(BM_LargeDocument)
    ->ArgName("stages")
    ->Arg(Open)
    ->Arg(Colour)
    ->Arg(Save)
    ->Arg(Open | Colour | Save)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);


// Ordinary mark-up (tags, attributes, references, text), numbered so that no
// two pieces are alike, either on one line or one piece per line; it ends
// with CR LF, so a saved copy can be compared byte for byte.
QByteArray numberedPage(qsizetype size, bool oneLine)
{
    QByteArray page;
    page.reserve(size + 256);
    for (int n = 0; page.size() < size; ++n) {
        const QByteArray i = QByteArray::number(n);
        page += "<div class=\"row\" id=\"r" + i + "\"><a href=\"page" + i + ".htm\" title=\"Page " + i +
                "\">Item " + i + "</a> text &amp; more <b>bold</b></div>";
        if (!oneLine)
            page += "\r\n";
    }
    if (oneLine)
        page += "\r\n";
    return page;
}

// The pages of the large-page sessions: where they are written and kept
// (TAGLOOM_BENCH_PAGES names a folder, so other editors can open the same
// files), and the figures of one session per page, run once.
struct LargePage {
    const char *name;
    qsizetype size;
    bool oneLine;
};
const LargePage kLargePages[] = {{"line10MB", 10 * 1024 * 1024, true}, {"lines200MB", 200 * 1024 * 1024, false}};

const tagloom::bench::SessionFigures &sessionFigures(int pageIndex)
{
    static std::map<int, tagloom::bench::SessionFigures> figures;
    if (auto it = figures.find(pageIndex); it != figures.end())
        return it->second;
    static QTemporaryDir scratch;
    const QString folder = qEnvironmentVariableIsEmpty("TAGLOOM_BENCH_PAGES")
                               ? scratch.path()
                               : qEnvironmentVariable("TAGLOOM_BENCH_PAGES");
    const LargePage &largePage = kLargePages[pageIndex];
    const QByteArray page = numberedPage(largePage.size, largePage.oneLine);
    const QString path = folder + QLatin1Char('/') + QLatin1String(largePage.name) + QStringLiteral(".htm");
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(page);
    }
    figures[pageIndex] = tagloom::bench::runLargePageSession(path, page);
    // Other editors get the page as it was, not as the session saved it.
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(page);
    return figures[pageIndex];
}

const char *const kSteps[] = {"open", "end", "type", "save"};

// One row per page and step: the step's time until its result was shown (or
// saved), the longest stall of the event loop, the time until the process
// went quiet. The session runs once per page; its rows share it.
void BM_LargePageStep(benchmark::State &state)
{
    const int pageIndex = static_cast<int>(state.range(0));
    const char *step = kSteps[state.range(1)];
    const tagloom::bench::SessionFigures &session = sessionFigures(pageIndex);
    if (!session.problem.isEmpty()) {
        state.SkipWithError(session.problem.toUtf8().constData());
        return;
    }
    const tagloom::bench::StepFigures figures = session.steps.at(QLatin1String(step));
    for (auto _ : state)
        state.SetIterationTime(figures.ms / 1000.0);
    state.counters["stall_ms"] = figures.stallMs;
    state.counters["busy_ms"] = figures.busyMs;
    state.SetLabel(std::string(kLargePages[pageIndex].name) + " " + step);
}
BENCHMARK(BM_LargePageStep)
    ->ArgNames({"page", "step"})
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3}})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
