#include "settings/setting_rows.h"

#include <QHash>
#include <utility>

namespace tagloom {

namespace {

using T = SettingType;
constexpr const char *Root = SettingsKeys::Root;
constexpr const char *Tidy = SettingsKeys::Tidy;

// The named rows, in the order of the Setting enumeration.
const SettingRow kNamedRows[] = {
    {Root, "Format Bar", T::Flag, nullptr, "True"},
    {Root, "Code Controller", T::Flag, nullptr, "True"},
    {Root, "AutoComplete", T::Flag, nullptr, "True"},
    {Root, "Inline Coding", T::Flag, nullptr, "True"},
    {Root, "Minimize on Preview", T::Flag},
    {Root, "Auto Indent", T::Flag, nullptr, "True"},
    {Root, "Smart Tabs", T::Flag},
    // Preferences writes this one, so it is honoured rather than kept off.
    {Root, "Scroll Past EOL", T::Flag},
    {Root, "Insert Mode", T::Flag, nullptr, "True"},
    {Root, "Line Numbers", T::Flag, nullptr, "True"},
    {Root, "Gutter", T::Flag, nullptr, "True"},
    {Root, "Dreamweaver", T::Flag},
    {Root, "Spell Check", T::Flag, nullptr, "True"},
    {Root, "Image Editor", T::Text},
    {Root, "Image Editor Title", T::Text},
    // Any name but the editor's fonts keeps Courier New.
    {Root, "Default Font", T::Text, "Courier New", "Courier New", isEditorFont},
    {Root, "Font Size", T::Number, "10", "10", isDecimalInteger},
    {Root, "Gutter Width", T::Number, "32", "32", isDecimalInteger},
    {Root, "Undo Limit", T::Number, "32767", "32767", isDecimalInteger},
    {Root, "Extra Line Spacing", T::Number, "0", "0", isDecimalInteger},
    {Root, "Browser 4", T::Text},
    {Root, "Browser 4 Title", T::Text},
    {Root, "Browser 5", T::Text},
    {Root, "Browser 5 Title", T::Text},
    {Root, "Browser 6", T::Text},
    {Root, "Browser 6 Title", T::Text},
    {Root, "Proxy Address", T::Text},
    // Nothing in the program writes it; without it the drawn layers would be
    // elements without a name.
    {Root, "Default Layer Tag", T::Text, "div", nullptr, isNonBlank},
    // The document window's live preview (off until the user turns it on).
    {Root, "Live Preview", T::Flag},
    // The host the web update asks for its control file.
    {Root, "Update Server", T::Text, "update.tagloom.org", nullptr, isNonBlank},
    // The preview expands server-side includes of .shtml, .shtm and .stm
    // pages always; of every other page only with this on.
    {Root, "Expand Includes In Preview", T::Flag},
    // The table the document analysis checks pages against.
    {Root, "Analysis Rules", T::Text, "HTML 4", nullptr, isAnalysisRulesName},
    // The document analysis passes over server-side code (off: pages are
    // checked as plain mark-up).
    {Root, "Skip Server-Side Code", T::Flag},
    {Tidy, "In-Line Tags", T::Text},
    {Tidy, "Empty Tags", T::Text},
    {Tidy, "Block-Level Tags", T::Text},
    {Tidy, "Preformatted Tags", T::Text},
};
constexpr int kNamedCount = int(sizeof kNamedRows / sizeof kNamedRows[0]);

// Keyboard value names with the shortcuts a fresh installation starts with.
const std::pair<const char *, const char *> kKeyboardRows[] = {
    {"New File", "Ctrl+N"},
    {"New From", "Shift+Ctrl+N"},
    {"Open from Local", "Ctrl+O"},
    {"Open from Web", "Ctrl+W"},
    {"Save", "Ctrl+S"},
    {"Print", "Ctrl+P"},
    {"Exit", "Alt+X"},
    {"Image", "Ctrl+I"},
    {"Hyperlink", "Ctrl+H"},
    {"Java Applet", "Ctrl+J"},
    {"Non-breaking Space", "Shift+Ctrl+Space"},
    {"Line Break", "Shift+Enter"},
    {"Table", "Ctrl+T"},
    {"Layer", "Ctrl+L"},
    {"Find", "Ctrl+F"},
    {"Find and Replace", "Ctrl+R"},
    {"Extended Find and Replace", "Shift+Ctrl+R"},
    {FindFirstShortcut, "F3"},
    {"Undo", "Ctrl+Z"},
    {"Redo", "Shift+Ctrl+Z"},
    {"Cut", "Ctrl+X"},
    {"Copy", "Ctrl+C"},
    {"Paste", "Ctrl+V"},
    {"Select All", "Ctrl+A"},
    {"Spell Check", "F7"},
};

// The palette flags in the order WritePaletteState writes them.
const char *const kPaletteRows[] = {
    "WML", "Common", "Frames", "Tables", "Forms", "Lists", "ASP", "SSI", "PHP", "WebTV", "ColdFusion",
};

QString lookupKey(const char *key, const QString &name)
{
    return QLatin1String(key).toString().toLower() + QLatin1Char('\\') + name.toLower();
}

struct Table {
    std::vector<SettingRow> rows;
    std::vector<int> namedIndex; // Setting -> row
    QHash<QString, int> byName;  // lower-case "key\name" -> row
};

const Table &table()
{
    static const Table t = [] {
        Table table;
        table.namedIndex.resize(kNamedCount);
        for (const auto &[name, shortcut] : kKeyboardRows)
            table.rows.push_back({SettingsKeys::Keyboard, name, T::Shortcut, nullptr, shortcut});
        for (int i = 0; i < kNamedCount; ++i) {
            if (qstrcmp(kNamedRows[i].key, Tidy) == 0) {
                table.namedIndex[i] = int(table.rows.size());
                table.rows.push_back(kNamedRows[i]);
            }
        }
        for (int i = 0; i < kNamedCount; ++i) {
            if (qstrcmp(kNamedRows[i].key, Root) == 0) {
                table.namedIndex[i] = int(table.rows.size());
                table.rows.push_back(kNamedRows[i]);
            }
        }
        for (const char *flag : kPaletteRows)
            table.rows.push_back({SettingsKeys::Toolbars, flag, T::Flag, nullptr, "True"});
        for (int i = 0; i < int(table.rows.size()); ++i)
            table.byName.insert(lookupKey(table.rows[i].key, QLatin1String(table.rows[i].name)), i);
        return table;
    }();
    return t;
}

} // namespace

const std::vector<SettingRow> &settingRows()
{
    return table().rows;
}

int settingIndex(Setting setting)
{
    return table().namedIndex.at(static_cast<size_t>(setting));
}

int settingIndex(const char *key, const QString &name)
{
    return table().byName.value(lookupKey(key, name), -1);
}

const QStringList &paletteFlagNames()
{
    static const QStringList names = {
        QStringLiteral("Common"), QStringLiteral("Frames"), QStringLiteral("Tables"),
        QStringLiteral("Forms"),  QStringLiteral("Lists"),  QStringLiteral("WML"),
        QStringLiteral("ASP"),    QStringLiteral("ColdFusion"), QStringLiteral("SSI"),
        QStringLiteral("PHP"),    QStringLiteral("WebTV"),
    };
    return names;
}

const QStringList &keyboardValueNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto &row : kKeyboardRows)
            list.append(QLatin1String(row.first));
        return list;
    }();
    return names;
}

bool isDecimalInteger(const QString &text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

bool isNonBlank(const QString &text) { return !text.trimmed().isEmpty(); }

bool isAnalysisRulesName(const QString &text)
{
    return text == QLatin1String("HTML 4") || text == QLatin1String("HTML 5");
}

bool isEditorFont(const QString &text)
{
    // "FixedSys" is how Preferences spells the font the system calls Fixedsys.
    for (const char *font : {"Courier New", "Courier", "Fixedsys", "FixedSys", "Terminal", "Arial"})
        if (text == QLatin1String(font))
            return true;
    return false;
}

} // namespace tagloom
