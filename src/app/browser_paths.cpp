#include "app/browser_paths.h"

#include "settings/settings_store.h"

#include <QStandardPaths>

namespace tagloom {

namespace {

// The App Paths key's default value when the key exists, else the first of
// `names` found on this system.
QString browserPath(SettingsStore *machine, const char *exe, const ProgramFinder &find,
                    std::initializer_list<const char *> names)
{
    const QString key = QLatin1String(AppPathsKey) + QLatin1String(exe);
    if (machine && machine->keyExists(key))
        return machine->text(key, QString());
    for (const char *name : names) {
        const QString path = find(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

} // namespace

BrowserPaths findBrowserPaths(SettingsStore *machine, const ProgramFinder &findProgram)
{
    const ProgramFinder find = findProgram ? findProgram
                                           : [](const QString &name) { return QStandardPaths::findExecutable(name); };
    BrowserPaths paths;
    paths.internetExplorer = browserPath(machine, "iexplore.exe", find,
                                         {"chromium", "chromium-browser", "google-chrome", "google-chrome-stable",
                                          "microsoft-edge", "microsoft-edge-stable"});
    paths.netscape = browserPath(machine, "netscape.exe", find, {"firefox", "firefox-esr", "seamonkey"});
    paths.opera = browserPath(machine, "opera.exe", find, {"opera", "opera-stable"});
    return paths;
}

} // namespace tagloom
