#include "app/ui/startup.h"

#include "document/ui/preview_pane.h"

#include "base/data_folder.h"
#include "app/ui/main_window.h"
#include "base/ui/messages.h"
#include "settings/settings_store.h"
#include "app/ui/splash.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QWindow>
#include <cstdio>
#include <exception>

// The program's own pictures live in a static library: register them.
static void initAppResources()
{
    Q_INIT_RESOURCE(app_resources);
}

namespace tagloom {

namespace {

class TagloomApplication : public QApplication {
public:
    using QApplication::QApplication;

    // No exception crosses the event loop: report it and carry on.
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &e) {
            report(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            report(QStringLiteral("An unexpected error occurred. Your documents are still open."));
        }
        return false;
    }

private:
    // One message box at a time: an event that fails again while its box is
    // up (a paint, say) is written to standard error instead of opening a
    // box on top of the box, without end.
    void report(const QString &what)
    {
        if (m_reporting) {
            std::fprintf(stderr, "tagloom: %s\n", qPrintable(what));
            return;
        }
        m_reporting = true;
        showMessage(activeWindow(), MessageKind::Error, QLatin1String(ApplicationTitle), what);
        m_reporting = false;
    }

    bool m_reporting = false;
};

// With TAGLOOM_REPORT_SHOWN set, "shown" goes to standard output when the
// window system first shows the main window (after the window manager maps
// it), so that a benchmark can time the start from outside.
class ShownReporter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

QString settingsPath(const char *variable, const QString &fallback)
{
    const QString fromEnvironment = qEnvironmentVariable(variable);
    return fromEnvironment.isEmpty() ? fallback : fromEnvironment;
}

} // namespace

int runTagloom(int argc, char **argv)
{
    initAppResources();
    preparePageEngine();
    QApplication::setOrganizationName(QStringLiteral("Quenby"));
    QApplication::setApplicationName(QStringLiteral("Tagloom"));
    TagloomApplication app(argc, argv);
    // The desktop matches the windows to the installed menu entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quenby.Tagloom"));
    // Toolbar pictures come from the desktop's icon theme; Breeze fills the gaps.
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
    app.setWindowIcon(QIcon(QStringLiteral(":/tagloom/tagloom.svg")));

    // The splash first, painted before anything else is built.
    QSplashScreen *splash = createSplash();
    splash->show();
    app.processEvents();

    // The title every window of the program goes by, message boxes included.
    app.setApplicationVersion(QStringLiteral("5.0"));
    setApplicationTitle(QLatin1String(ApplicationTitle));

    // The main window, with the per-user and the machine-wide settings; each
    // dialog is made the first time it is used.
    const QString userPath = settingsPath(
        "TAGLOOM_USER_SETTINGS",
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quenby/tagloom-user.reg"));
    const QString machinePath =
        settingsPath("TAGLOOM_MACHINE_SETTINGS", QStringLiteral("/etc/xdg/Quenby/tagloom-machine.reg"));
    SettingsStore userStore(userPath);
    SettingsStore machineStore(machinePath, SettingsStore::Access::ReadOnly);

    MainWindowOptions options;
    options.dataFolder = dataFolder();
    options.userStore = &userStore;
    options.machineStore = &machineStore;
    options.arguments = app.arguments().mid(1);
    MainWindow window(std::move(options));

    // The main window shows, then the splash gives way to it. (Finishing the
    // splash on a window not yet shown waits out the splash's own time-out,
    // a whole second.)
    ShownReporter reporter;
    if (qEnvironmentVariableIsSet("TAGLOOM_REPORT_SHOWN")) {
        window.winId(); // the window system's window, to watch before it shows
        window.windowHandle()->installEventFilter(&reporter);
    }
    window.show();
    splash->finish(&window);
    delete splash;
    return app.exec();
}

} // namespace tagloom
