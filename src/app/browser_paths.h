#pragma once
// The three browsers with menu items of their own. Their program paths come
// from the machine-wide store's App Paths keys; where a key is missing, a
// browser installed on this system stands in for it:
//   Internet Explorer      -> Chromium or Google Chrome (or Microsoft Edge)
//   Netscape Communicator  -> Firefox (or SeaMonkey), Netscape's descendants
//   Opera                  -> Opera
// An empty path means the browser is not installed.

#include <QString>
#include <functional>

namespace tagloom {

class SettingsStore;

struct BrowserPaths {
    QString internetExplorer;
    QString netscape;
    QString opera;
};

inline constexpr char AppPathsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// `findProgram` looks a program name up on this system (empty when absent);
// by default the search path is used.
using ProgramFinder = std::function<QString(const QString &)>;
BrowserPaths findBrowserPaths(SettingsStore *machine, const ProgramFinder &findProgram = {});

} // namespace tagloom
