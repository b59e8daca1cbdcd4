#pragma once
// Every setting of the per-user store as one row of a table: where it is kept
// (key path and value name), its type, the value used when it is absent or
// not valid, the value a fresh installation writes, and an optional
// validator. One loop over the rows reads all settings, one writes them.

#include <QString>
#include <QStringList>
#include <vector>

namespace tagloom {

namespace SettingsKeys {
inline constexpr char Root[] = "Software\\Quenby\\Tagloom 5";
inline constexpr char Tidy[] = "Software\\Quenby\\Tagloom 5\\Tidy";
inline constexpr char Toolbars[] = "Software\\Quenby\\Tagloom 5\\Toolbars";
inline constexpr char Keyboard[] = "Software\\Quenby\\Shared\\Keyboard\\Menus";
inline constexpr char Highlighters[] = "Software\\Quenby\\Shared\\Highlighters\\";
inline constexpr char FavouriteFolders[] = "Software\\Quenby\\Tagloom 5\\Favorite Folders";
} // namespace SettingsKeys

// Flags are "True" or the empty text, and any non-empty text reads as on;
// numbers are decimal integers kept as text; shortcuts are key-combination
// texts ("Shift+Ctrl+N"), the empty text meaning none.
enum class SettingType { Flag, Text, Number, Shortcut };

// The settings of the root and Tidy keys by name. The Toolbars and Keyboard
// keys have a row per palette and per keyboard value, found by their names.
enum class Setting {
    FormatBar, CodeController, AutoComplete, InlineCoding, MinimizeOnPreview, AutoIndent, SmartTabs,
    ScrollPastEol, InsertMode, LineNumbers, Gutter, Dreamweaver, SpellCheck,
    ImageEditor, ImageEditorTitle, DefaultFont, FontSize, GutterWidth, UndoLimit, ExtraLineSpacing,
    Browser4, Browser4Title, Browser5, Browser5Title, Browser6, Browser6Title,
    ProxyAddress, DefaultLayerTag, LivePreview, UpdateServer,
    ExpandIncludesAlways, AnalysisRules, SkipServerCode,
    InlineTags, EmptyTags, BlockLevelTags, PreformattedTags,
};

struct SettingRow {
    const char *key;  // store key path
    const char *name; // value name
    SettingType type;
    const char *fallback = nullptr; // when absent or refused (nullptr: the empty text)
    const char *firstRun = nullptr; // written into a store that did not exist (nullptr: nothing)
    bool (*isValid)(const QString &stored) = nullptr; // nullptr: any text is valid
};

// Every row, grouped by key in the order the keys are read: keyboard, Tidy,
// settings root, toolbars (the palette flags in the order they are written).
const std::vector<SettingRow> &settingRows();
// The index in settingRows() of a named setting, or of the value `name` of
// `key` (-1 when there is no such row).
int settingIndex(Setting setting);
int settingIndex(const char *key, const QString &name);

// The eleven palette flags, in the palette strip's tab order.
const QStringList &paletteFlagNames();
// The 25 keyboard values, in the order the keyboard page lists them. The
// Find First value is "FindFirst" for writer and reader alike.
const QStringList &keyboardValueNames();
inline constexpr char FindFirstShortcut[] = "FindFirst";

// Validators: a decimal integer (blanks around it allowed), the name of one
// of the editor's fonts, and any text but blanks.
bool isDecimalInteger(const QString &text);
bool isNonBlank(const QString &text);
bool isEditorFont(const QString &text);
// "HTML 4" or "HTML 5", the rule tables of the document analysis.
bool isAnalysisRulesName(const QString &text);

} // namespace tagloom
