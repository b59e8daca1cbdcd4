// Start-up to main window shown: building the main window, loading the data
// folder's lists and settings, and showing the window.
#include "app/ui/main_window.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_StartupToMainWindowShown(benchmark::State &state)
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
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

} // namespace
