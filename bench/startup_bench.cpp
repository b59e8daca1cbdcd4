// Start-up as a user meets it: the built program started as a process, timed
// from exec until the window system first shows its main window (with a
// window manager, after the manager has mapped it), each run with a fresh
// home folder. Run under Xvfb with a window manager for the real figure; on
// Qt's offscreen platform it times everything but the window system.
//
// Also, in-process: building the main window, loading its lists and settings
// and showing it.
#include "app/ui/main_window.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ExecToMainWindowShown(benchmark::State &state)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tagloom");
    for (auto _ : state) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("TAGLOOM_REPORT_SHOWN"), QStringLiteral("1"));
        QProcess tagloom;
        tagloom.setProcessEnvironment(env);
        tagloom.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer clock;
        clock.start();
        tagloom.start(program, {});
        bool shown = false;
        while (!shown && tagloom.waitForReadyRead(10000))
            shown = tagloom.readAllStandardOutput().contains("shown");
        const double seconds = clock.nsecsElapsed() / 1e9;
        tagloom.kill();
        tagloom.waitForFinished();
        if (!shown) {
            state.SkipWithError("the main window was never shown");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ExecToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9)->Repetitions(1);

void BM_MainWindowBuiltAndShown(benchmark::State &state)
{
    QTemporaryDir home;
    const QString dataFolder = QCoreApplication::applicationDirPath(); // the built data folder
    int run = 0;
    for (auto _ : state) {
        tagloom::SettingsStore store(home.filePath(QStringLiteral("user%1.reg").arg(run++)));
        tagloom::MainWindowOptions options;
        options.dataFolder = dataFolder;
        options.userStore = &store;
        options.findProgram = [](const QString &) { return QString(); };
        tagloom::MainWindow window(std::move(options));
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_MainWindowBuiltAndShown)->Unit(benchmark::kMillisecond);

} // namespace
