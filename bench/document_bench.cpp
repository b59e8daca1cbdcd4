// Opening, colouring and saving a large HTML document: the whole path a user
// waits on with a 20 MB page.
#include "document/ui/code_editor.h"
#include "document/document.h"
#include "document/ui/document_window.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

} // namespace
