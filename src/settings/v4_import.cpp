#include "settings/v4_import.h"

#include "settings/setting_rows.h"
#include "settings/settings_store.h"

namespace tagloom {

namespace {

constexpr char kV4Key[] = "Software\\Quenby\\Tagloom 4";

enum class Kind { Nothing, Flag, Text };
struct ImportRow {
    const char *label;
    const char *v4Name; // the earlier version's value
    const char *name;   // the value of the settings root
    Kind kind;
};
// The dialog's items in list order.
const ImportRow kRows[V4ImportItemCount] = {
    {"Preform HTML analysis before preview", "analysis", nullptr, Kind::Nothing},
    {"Auto-Indent", "autoindent", "Auto Indent", Kind::Flag},
    {"Code Controller", "codecontrol", "Code Controller", Kind::Flag},
    {"Dreamweaver Integration", "dream", "Dreamweaver", Kind::Flag},
    {"Editor Font", "editor_font", "Default Font", Kind::Text},
    {"Editor Font Size", "font_size", "Font Size", Kind::Text},
    {"Gutter", "gutter", "Gutter", Kind::Flag},
    {"Image Editor", "iedit", "Image Editor", Kind::Text},
    {"Show Line Numbers", "showlineno", "Line Numbers", Kind::Flag},
    {"Smart Tabs", "smarttabs", "Smart Tabs", Kind::Flag},
};

} // namespace

const QStringList &v4ImportItemLabels()
{
    static const QStringList labels = [] {
        QStringList list;
        for (const ImportRow &row : kRows)
            list.append(QLatin1String(row.label));
        return list;
    }();
    return labels;
}

bool v4AlreadyImported(const SettingsStore &user)
{
    return user.text(QLatin1String(SettingsKeys::Root), QStringLiteral("V4 Done")) == QLatin1String("True");
}

void importV4Settings(const SettingsStore *machine, SettingsStore &user,
                      const std::array<bool, V4ImportItemCount> &ticked)
{
    const QString v4Key = QLatin1String(kV4Key);
    SettingsKey root = user.open(QLatin1String(SettingsKeys::Root));
    for (int i = 0; i < V4ImportItemCount; ++i) {
        const ImportRow &row = kRows[i];
        if (!ticked[static_cast<size_t>(i)] || row.kind == Kind::Nothing)
            continue;
        const QString value = machine ? machine->text(v4Key, QLatin1String(row.v4Name)) : QString();
        if (row.kind == Kind::Flag) // only the exact lower-case "true" was on
            root.setFlag(QLatin1String(row.name), value == QLatin1String("true"));
        else
            root.setText(QLatin1String(row.name), value);
    }
    root.setText(QStringLiteral("V4 Done"), QStringLiteral("True"));
}

} // namespace tagloom
