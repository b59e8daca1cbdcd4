#pragma once
// AppSettings: the in-memory copy of the settings store, one stored text per
// row of the settings table, filled and written by one loop each. What uses
// the settings asks for its own group of parsed values, with absent or
// unreadable numbers and fonts already replaced by their fallbacks.

#include "base/result.h"
#include "settings/setting_rows.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace tagloom {

class SettingsStore;

class AppSettings {
public:
    AppSettings(); // every value absent: the empty text

    // The text as stored (absent: the empty text).
    QString text(Setting setting) const { return m_values.at(settingIndex(setting)); }
    // A flag: on when its stored text is not empty ("False" included).
    bool flag(Setting setting) const { return !text(setting).isEmpty(); }
    // The stored text when its row's validator takes it, else the row's fallback.
    QString value(Setting setting) const;
    // A number setting: the stored decimal integer, or the row's fallback.
    int number(Setting setting) const;
    void set(Setting setting, const QString &text) { m_values[settingIndex(setting)] = text; }
    void setFlag(Setting setting, bool on) { set(setting, on ? QStringLiteral("True") : QString()); }

    // The Toolbars flag of a palette; the keyboard value by its name.
    bool paletteOn(const QString &flag) const;
    QString shortcut(const QString &name) const;
    void setShortcut(const QString &name, const QString &text);

    // Every row's stored text, in the order of settingRows().
    const QVector<QString> &values() const { return m_values; }
    void setStored(int row, const QString &text) { m_values[row] = text; }

private:
    QString stored(const char *key, const QString &name) const;

    QVector<QString> m_values;
};

// One named setting straight from the store: its stored text when the row's
// validator takes it, else the row's fallback.
QString storedValue(const SettingsStore &store, Setting setting);
// Writes one named setting and flushes the store (nothing for a read-only one).
Status storeValue(SettingsStore &store, Setting setting, const QString &text);

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

// What a new document window takes from the settings, parsed.
struct EditorSettings {
    QString fontFamily; // one of the editor's fonts
    int fontSize = 10;
    int undoLimit = 32767;
    int gutterWidth = 32;
    int extraLineSpacing = 0;
    bool autoComplete = false;
    bool inlineCoding = false;
    bool autoIndent = false;
    bool smartTabs = false;
    bool scrollPastEol = false;
    bool insertMode = false;
    bool lineNumbers = false;
    bool gutter = false;
    bool spellCheck = false;
    bool livePreview = false;
    bool expandIncludesAlways = false; // in the preview of pages of every name
    QString imageEditor;      // program path; empty: none
    QString imageEditorTitle; // the menu item's caption suffix
    QString defaultLayerTag = QStringLiteral("div"); // the element of layers drawn on the visual layer canvas
    QMap<QString, QString> shortcuts; // keyboard value name -> stored text
};
EditorSettings editorSettings(const AppSettings &settings);

// The user's own browsers of the browser menu, and what follows a preview.
struct BrowserSettings {
    std::array<QString, 3> paths;  // "Browser 4" .. "Browser 6"
    std::array<QString, 3> titles; // their captions
    bool minimizeOnPreview = false;
};
BrowserSettings browserSettings(const AppSettings &settings);

// The open dialog's favourite folders ("Folder 1" .. "Folder 10").
QStringList readFavouriteFolders(SettingsStore &store);
void writeFavouriteFolders(SettingsStore &store, const QStringList &folders);

} // namespace tagloom
