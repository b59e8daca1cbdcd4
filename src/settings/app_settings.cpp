#include "settings/app_settings.h"

#include "settings/settings_store.h"

#include <utility>

namespace tagloom {

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

namespace {

// Keyboard value names with the shortcuts a fresh installation starts with.
const std::pair<const char *, const char *> kKeyboardDefaults[] = {
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
const char *const kPaletteWriteOrder[] = {
    "WML", "Common", "Frames", "Tables", "Forms", "Lists", "ASP", "SSI", "PHP", "WebTV", "ColdFusion",
};

bool flag(const SettingsKey &key, const char *name)
{
    return !key.text(QLatin1String(name)).isEmpty();
}

} // namespace

const QStringList &keyboardValueNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto &entry : kKeyboardDefaults)
            list.append(QLatin1String(entry.first));
        return list;
    }();
    return names;
}

AppSettings readAppSettings(SettingsStore &store)
{
    AppSettings s;
    {
        SettingsKey keyboard = store.open(QLatin1String(SettingsKeys::Keyboard));
        for (const QString &name : keyboardValueNames())
            s.shortcuts.insert(name, keyboard.text(name));
    }
    {
        SettingsKey tidy = store.open(QLatin1String(SettingsKeys::Tidy));
        s.inlineTags = tidy.text(QStringLiteral("In-Line Tags"));
        s.emptyTags = tidy.text(QStringLiteral("Empty Tags"));
        s.blockLevelTags = tidy.text(QStringLiteral("Block-Level Tags"));
        s.preformattedTags = tidy.text(QStringLiteral("Preformatted Tags"));
    }
    {
        SettingsKey root = store.open(QLatin1String(SettingsKeys::Root));
        s.formatBar = flag(root, "Format Bar");
        s.codeController = flag(root, "Code Controller");
        s.autoComplete = flag(root, "AutoComplete");
        s.inlineCoding = flag(root, "Inline Coding");
        s.minimizeOnPreview = flag(root, "Minimize on Preview");
        s.autoIndent = flag(root, "Auto Indent");
        s.smartTabs = flag(root, "Smart Tabs");
        // Preferences writes this one, so honour it rather than keep it off.
        s.scrollPastEol = flag(root, "Scroll Past EOL");
        s.insertMode = flag(root, "Insert Mode");
        s.lineNumbers = flag(root, "Line Numbers");
        s.gutter = flag(root, "Gutter");
        s.dreamweaver = flag(root, "Dreamweaver");
        s.spellCheck = flag(root, "Spell Check");
        s.imageEditor = root.text(QStringLiteral("Image Editor"));
        s.imageEditorTitle = root.text(QStringLiteral("Image Editor Title"));
        s.defaultFont = root.text(QStringLiteral("Default Font"));
        s.fontSize = root.text(QStringLiteral("Font Size"));
        s.gutterWidth = root.text(QStringLiteral("Gutter Width"));
        s.undoLimit = root.text(QStringLiteral("Undo Limit"));
        s.extraLineSpacing = root.text(QStringLiteral("Extra Line Spacing"));
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("Browser %1").arg(i + 4);
            s.browserPaths[i] = root.text(name);
            s.browserTitles[i] = root.text(name + QLatin1String(" Title"));
        }
        s.proxyAddress = root.text(QStringLiteral("Proxy Address"));
        s.defaultLayerTag = root.text(QStringLiteral("Default Layer Tag"));
    }
    {
        SettingsKey toolbars = store.open(QLatin1String(SettingsKeys::Toolbars));
        for (const QString &name : paletteFlagNames())
            s.palettes.insert(name, !toolbars.text(name).isEmpty());
    }
    return s;
}

void writePaletteState(SettingsStore &store, const QMap<QString, bool> &shown)
{
    SettingsKey toolbars = store.open(QLatin1String(SettingsKeys::Toolbars));
    for (const char *name : kPaletteWriteOrder)
        toolbars.setFlag(QLatin1String(name), shown.value(QLatin1String(name)));
}

void writeFirstRunValues(SettingsStore &store)
{
    {
        SettingsKey toolbars = store.open(QLatin1String(SettingsKeys::Toolbars));
        for (const QString &name : paletteFlagNames())
            toolbars.setFlag(name, true);
    }
    {
        SettingsKey root = store.open(QLatin1String(SettingsKeys::Root));
        for (const char *name : {"Format Bar", "Code Controller", "Gutter", "Line Numbers", "Auto Indent",
                                 "Insert Mode", "AutoComplete", "Inline Coding", "Spell Check"})
            root.setFlag(QLatin1String(name), true);
        root.setText(QStringLiteral("Default Font"), QStringLiteral("Courier New"));
        root.setText(QStringLiteral("Font Size"), QStringLiteral("10"));
        root.setText(QStringLiteral("Gutter Width"), QStringLiteral("32"));
        root.setText(QStringLiteral("Undo Limit"), QStringLiteral("32767"));
        root.setText(QStringLiteral("Extra Line Spacing"), QStringLiteral("0"));
    }
    {
        SettingsKey keyboard = store.open(QLatin1String(SettingsKeys::Keyboard));
        for (const auto &entry : kKeyboardDefaults)
            keyboard.setText(QLatin1String(entry.first), QLatin1String(entry.second));
    }
    store.flush();
}

QStringList readFavouriteFolders(SettingsStore &store)
{
    QStringList folders;
    const QString key = QLatin1String(SettingsKeys::FavouriteFolders);
    for (int i = 1; i <= 10; ++i) {
        const QString folder = store.text(key, QStringLiteral("Folder %1").arg(i));
        if (!folder.isEmpty())
            folders.append(folder);
    }
    return folders;
}

void writeFavouriteFolders(SettingsStore &store, const QStringList &folders)
{
    SettingsKey key = store.open(QLatin1String(SettingsKeys::FavouriteFolders));
    for (int i = 1; i <= 10; ++i)
        key.setText(QStringLiteral("Folder %1").arg(i), folders.value(i - 1));
}

int numberSetting(const QString &stored, int fallback)
{
    bool ok = false;
    const int value = stored.toInt(&ok, 10);
    return ok ? value : fallback;
}

} // namespace tagloom
