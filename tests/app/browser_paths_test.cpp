#include "app/browser_paths.h"
#include "common/temp_data.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(BrowserPaths, StoreKeyWinsOverTheSystemSearch)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/m.reg"));
    test::writeBytes(path, "[Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\opera.exe]\n\"\"=\"/opt/opera/opera\"\n"
                           "[Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\netscape.exe]\n");
    SettingsStore machine(path, SettingsStore::Access::ReadOnly);
    const BrowserPaths paths = findBrowserPaths(&machine, [](const QString &name) {
        return name == QLatin1String("chromium") || name == QLatin1String("firefox") ? QLatin1String("/usr/bin/") + name
                                                                                       : QString();
    });
    EXPECT_EQ(paths.internetExplorer, QStringLiteral("/usr/bin/chromium"));
    EXPECT_EQ(paths.netscape, QString()); // the key exists with no path
    EXPECT_EQ(paths.opera, QStringLiteral("/opt/opera/opera"));
    const BrowserPaths none = findBrowserPaths(nullptr, [](const QString &) { return QString(); });
    EXPECT_TRUE(none.internetExplorer.isEmpty() && none.netscape.isEmpty() && none.opera.isEmpty());
}

} // namespace
