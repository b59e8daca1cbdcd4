#include "settings/app_settings.h"

#include "settings/settings_store.h"

#include <optional>

namespace tagloom {

AppSettings::AppSettings() : m_values(int(settingRows().size())) {}

QString AppSettings::value(Setting setting) const
{
    const SettingRow &row = settingRows().at(settingIndex(setting));
    const QString stored = text(setting);
    const bool valid = row.isValid ? row.isValid(stored) : !stored.isEmpty();
    return valid || !row.fallback ? stored : QLatin1String(row.fallback);
}

int AppSettings::number(Setting setting) const
{
    return value(setting).toInt(nullptr, 10);
}

QString AppSettings::stored(const char *key, const QString &name) const
{
    const int row = settingIndex(key, name);
    return row < 0 ? QString() : m_values.at(row);
}

bool AppSettings::paletteOn(const QString &flag) const
{
    return !stored(SettingsKeys::Toolbars, flag).isEmpty();
}

QString AppSettings::shortcut(const QString &name) const
{
    return stored(SettingsKeys::Keyboard, name);
}

void AppSettings::setShortcut(const QString &name, const QString &text)
{
    if (const int row = settingIndex(SettingsKeys::Keyboard, name); row >= 0)
        m_values[row] = text;
}

QString storedValue(const SettingsStore &store, Setting setting)
{
    const SettingRow &row = settingRows().at(settingIndex(setting));
    AppSettings one;
    one.set(setting, store.text(QLatin1String(row.key), QLatin1String(row.name)));
    return one.value(setting);
}

Status storeValue(SettingsStore &store, Setting setting, const QString &text)
{
    if (store.isReadOnly())
        return Status::success();
    const SettingRow &row = settingRows().at(settingIndex(setting));
    store.setText(QLatin1String(row.key), QLatin1String(row.name), text);
    return store.flush();
}

AppSettings readAppSettings(SettingsStore &store)
{
    AppSettings settings;
    const std::vector<SettingRow> &rows = settingRows();
    std::optional<SettingsKey> key; // each key opened once, in table order
    for (int i = 0; i < int(rows.size()); ++i) {
        const QString path = QLatin1String(rows[i].key);
        if (!key || key->path() != path) {
            key.reset();
            key.emplace(store.open(path));
        }
        settings.setStored(i, key->text(QLatin1String(rows[i].name)));
    }
    return settings;
}

void writePaletteState(SettingsStore &store, const QMap<QString, bool> &shown)
{
    SettingsKey toolbars = store.open(QLatin1String(SettingsKeys::Toolbars));
    for (const SettingRow &row : settingRows())
        if (qstrcmp(row.key, SettingsKeys::Toolbars) == 0)
            toolbars.setFlag(QLatin1String(row.name), shown.value(QLatin1String(row.name)));
}

void writeFirstRunValues(SettingsStore &store)
{
    for (const SettingRow &row : settingRows())
        if (row.firstRun)
            store.setText(QLatin1String(row.key), QLatin1String(row.name), QLatin1String(row.firstRun));
    store.flush();
}

EditorSettings editorSettings(const AppSettings &s)
{
    EditorSettings e;
    e.fontFamily = s.value(Setting::DefaultFont);
    if (e.fontFamily == QLatin1String("FixedSys"))
        e.fontFamily = QStringLiteral("Fixedsys");
    e.fontSize = s.number(Setting::FontSize);
    e.undoLimit = s.number(Setting::UndoLimit);
    e.gutterWidth = s.number(Setting::GutterWidth);
    e.extraLineSpacing = s.number(Setting::ExtraLineSpacing);
    e.autoComplete = s.flag(Setting::AutoComplete);
    e.livePreview = s.flag(Setting::LivePreview);
    e.expandIncludesAlways = s.flag(Setting::ExpandIncludesAlways);
    e.inlineCoding = s.flag(Setting::InlineCoding);
    e.autoIndent = s.flag(Setting::AutoIndent);
    e.smartTabs = s.flag(Setting::SmartTabs);
    e.scrollPastEol = s.flag(Setting::ScrollPastEol);
    e.insertMode = s.flag(Setting::InsertMode);
    e.lineNumbers = s.flag(Setting::LineNumbers);
    e.gutter = s.flag(Setting::Gutter);
    e.spellCheck = s.flag(Setting::SpellCheck);
    e.imageEditor = s.text(Setting::ImageEditor);
    e.imageEditorTitle = s.text(Setting::ImageEditorTitle);
    e.defaultLayerTag = s.value(Setting::DefaultLayerTag);
    for (const QString &name : keyboardValueNames())
        e.shortcuts.insert(name, s.shortcut(name));
    return e;
}

BrowserSettings browserSettings(const AppSettings &s)
{
    const Setting paths[] = {Setting::Browser4, Setting::Browser5, Setting::Browser6};
    const Setting titles[] = {Setting::Browser4Title, Setting::Browser5Title, Setting::Browser6Title};
    BrowserSettings b;
    for (int i = 0; i < 3; ++i) {
        b.paths[i] = s.text(paths[i]);
        b.titles[i] = s.text(titles[i]);
    }
    b.minimizeOnPreview = s.flag(Setting::MinimizeOnPreview);
    return b;
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

} // namespace tagloom
