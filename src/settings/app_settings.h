#pragma once
// The in-memory copy of the settings store (AppSettings) and the readers and
// writers of the store's fixed keys. Flags are on when their stored text is
// not empty ("False" included); numbers stay text until they are used.

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>

namespace tagloom {

class SettingsStore;

namespace SettingsKeys {
inline constexpr char Root[] = "Software\\Quenby\\Tagloom 5";
inline constexpr char Tidy[] = "Software\\Quenby\\Tagloom 5\\Tidy";
inline constexpr char Toolbars[] = "Software\\Quenby\\Tagloom 5\\Toolbars";
inline constexpr char Keyboard[] = "Software\\Quenby\\Shared\\Keyboard\\Menus";
inline constexpr char Highlighters[] = "Software\\Quenby\\Shared\\Highlighters\\";
inline constexpr char FavouriteFolders[] = "Software\\Quenby\\Tagloom 5\\Favorite Folders";
} // namespace SettingsKeys

// The eleven palette flags, in the palette strip's tab order.
const QStringList &paletteFlagNames();
// The 25 keyboard values, in the order the keyboard page lists them. The
// Find First value is "FindFirst" for writer and reader alike.
const QStringList &keyboardValueNames();
inline constexpr char FindFirstShortcut[] = "FindFirst";

struct AppSettings {
    // Settings root, flags.
    bool formatBar = false;
    bool codeController = false;
    bool autoComplete = false;
    bool inlineCoding = false;
    bool minimizeOnPreview = false;
    bool autoIndent = false;
    bool smartTabs = false;
    bool scrollPastEol = false;
    bool insertMode = false;
    bool lineNumbers = false;
    bool gutter = false;
    bool dreamweaver = false;
    bool spellCheck = false;
    // Settings root, texts and numbers (as stored).
    QString imageEditor;
    QString imageEditorTitle;
    QString defaultFont;
    QString fontSize;
    QString gutterWidth;
    QString undoLimit;
    QString extraLineSpacing;
    std::array<QString, 3> browserPaths;  // "Browser 4" .. "Browser 6"
    std::array<QString, 3> browserTitles; // "Browser 4 Title" .. "Browser 6 Title"
    QString proxyAddress;
    QString defaultLayerTag;
    // Tidy key.
    QString inlineTags;
    QString emptyTags;
    QString blockLevelTags;
    QString preformattedTags;
    // Toolbars key, by palette flag name.
    QMap<QString, bool> palettes;
    // Keyboard key, by value name; the empty text means no shortcut.
    QMap<QString, QString> shortcuts;

    bool paletteOn(const QString &flag) const { return palettes.value(flag); }
    QString shortcut(const QString &name) const { return shortcuts.value(name); }
};

// Fills AppSettings from the store, opening (and so creating) the keyboard,
// Tidy, root and Toolbars keys in that order.
AppSettings readAppSettings(SettingsStore &store);

// Writes the Toolbars key: "True" for each shown palette, the empty text for
// each hidden one.
void writePaletteState(SettingsStore &store, const QMap<QString, bool> &shown);

// What an installer writes into a store that does not exist yet: every
// palette, the format bar and the side panel on, the usual editor options,
// the number settings and the menu shortcuts.
void writeFirstRunValues(SettingsStore &store);

// The open dialog's favourite folders ("Folder 1" .. "Folder 10").
QStringList readFavouriteFolders(SettingsStore &store);
void writeFavouriteFolders(SettingsStore &store, const QStringList &folders);

// A number setting as used by document windows: the stored decimal integer,
// or the fallback when it is absent or not a number.
int numberSetting(const QString &stored, int fallback);

} // namespace tagloom
