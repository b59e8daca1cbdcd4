#include "large_page_session.h"

#include "event_loop_probe.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QFile>
#include <QTest>
#include <memory>

namespace tagloom::bench {

namespace {

constexpr int kPaintLimitMs = 120'000;
constexpr int kQuietLimitMs = 240'000;

// Runs `step`, then the event loop until `done`, then until the process is quiet.
template <typename Step, typename Done>
StepFigures measureStep(StallProbe &probe, Step step, Done done)
{
    StepFigures figures;
    QElapsedTimer clock;
    probe.reset();
    clock.start();
    step();
    runUntil(done, kPaintLimitMs);
    figures.ms = clock.nsecsElapsed() / 1e6;
    figures.busyMs = figures.ms + runUntilQuiet(kQuietLimitMs);
    figures.stallMs = probe.worstGapMs();
    return figures;
}

} // namespace

SessionFigures runLargePageSession(const QString &path, const QByteArray &page)
{
    SessionFigures result;
    StallProbe probe;
    auto window = std::make_unique<DocumentWindow>(DocumentContext{});
    window->resize(1000, 700);
    window->show();
    runUntilQuiet(5000);
    CodeEditor *editor = window->editor();
    PaintCounter painted(editor->viewport());
    auto paintedSince = [&painted](int before) { return [&painted, before] { return painted.paints() > before; }; };

    int before = painted.paints();
    // Open ends when the page's text is shown, not the empty window a
    // background load paints first.
    auto shownAfterLoad = [&] {
        if (window->isLoading())
            before = painted.paints();
        return !window->isLoading() && painted.paints() > before;
    };
    result.steps["open"] = measureStep(probe, [&] { window->LoadDocument(path); }, shownAfterLoad);
    before = painted.paints();
    result.steps["end"] = measureStep(
        probe, [&] { QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier); }, paintedSince(before));
    // Keys as a person types them: each one shown before the next comes.
    result.steps["type"] = measureStep(
        probe,
        [&] {
            for (const char key : {'a', 'b'}) {
                const int shown = painted.paints();
                QTest::keyClick(editor, key);
                runUntil(paintedSince(shown), kPaintLimitMs);
            }
            before = painted.paints();
            QTest::keyClick(editor, 'c');
        },
        [&] { return painted.paints() > before; });
    result.steps["save"] =
        measureStep(probe, [&] { window->save(); }, [&] { return !window->isModified(); });

    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly)) {
        result.problem = QStringLiteral("cannot read the saved page back");
        return result;
    }
    const QByteArray expected = page.left(page.size() - 2) + "abc\r\n";
    result.savedExactly = saved.readAll() == expected;
    if (!result.savedExactly)
        result.problem = QStringLiteral("the saved page differs from the page plus the typing");
    return result;
}

} // namespace tagloom::bench
