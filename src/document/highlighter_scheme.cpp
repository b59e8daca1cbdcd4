#include "document/highlighter_scheme.h"

#include "settings/app_settings.h"
#include "settings/settings_store.h"

namespace tagloom {

StoredColour decodeStoredColour(qint32 value)
{
    const auto v = static_cast<quint32>(value);
    StoredColour c;
    if (v & 0x80000000u) {
        c.system = true;
        c.systemIndex = static_cast<int>(v & 0xFFu);
        return c;
    }
    c.red = static_cast<int>(v & 0xFFu);
    c.green = static_cast<int>((v >> 8) & 0xFFu);
    c.blue = static_cast<int>((v >> 16) & 0xFFu);
    return c;
}

qint32 encodeStoredColour(const StoredColour &c)
{
    if (c.system)
        return static_cast<qint32>(0x80000000u | static_cast<quint32>(c.systemIndex));
    return static_cast<qint32>(static_cast<quint32>(c.red) | (static_cast<quint32>(c.green) << 8) |
                               (static_cast<quint32>(c.blue) << 16));
}

const QStringList &storedSchemeLanguages()
{
    static const QStringList languages = {
        QStringLiteral("HTML Document"), QStringLiteral("ObjectPascal"), QStringLiteral("Java"),
        QStringLiteral("PHP"),           QStringLiteral("Perl"),         QStringLiteral("Javascript"),
    };
    return languages;
}

QStringList schemeAttributes(const QString &language)
{
    if (language == QLatin1String("HTML Document"))
        return {"ASP", "Comment", "Escape", "Identifier", "Reserved word", "Space", "Symbol", "Unknown word",
                "Value"};
    if (language == QLatin1String("PHP"))
        return {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol", "Variable"};
    if (language == QLatin1String("Perl"))
        return {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol", "Variable"};
    if (storedSchemeLanguages().contains(language))
        return {"Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"};
    return {};
}

QVector<AttributeLook> readScheme(SettingsStore &store, const QString &language)
{
    QVector<AttributeLook> looks;
    const QString base = QLatin1String(SettingsKeys::Highlighters) + language;
    if (!store.keyExists(base))
        return looks;
    for (const QString &attribute : schemeAttributes(language)) {
        const QString key = base + QLatin1Char('\\') + attribute;
        if (!store.keyExists(key))
            continue;
        AttributeLook look;
        look.attribute = attribute;
        if (auto v = store.integer(key, QStringLiteral("Foreground")))
            look.foreground = decodeStoredColour(*v);
        if (auto v = store.integer(key, QStringLiteral("Background")))
            look.background = decodeStoredColour(*v);
        if (auto v = store.integer(key, QStringLiteral("Style")))
            look.style = *v;
        if (look.foreground || look.background || look.style)
            looks.append(look);
    }
    return looks;
}

void writeScheme(SettingsStore &store, const QString &language, const QVector<AttributeLook> &looks)
{
    const QString base = QLatin1String(SettingsKeys::Highlighters) + language;
    store.createKey(base);
    for (const AttributeLook &look : looks) {
        const QString key = base + QLatin1Char('\\') + look.attribute;
        store.createKey(key);
        if (look.foreground)
            store.setInteger(key, QStringLiteral("Foreground"), encodeStoredColour(*look.foreground));
        if (look.background)
            store.setInteger(key, QStringLiteral("Background"), encodeStoredColour(*look.background));
        if (look.style)
            store.setInteger(key, QStringLiteral("Style"), *look.style);
    }
}

const QVector<NamedSchemeColour> &schemeColourTable()
{
    static const QVector<NamedSchemeColour> table = [] {
        QVector<NamedSchemeColour> t = {
            {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
            {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clDkGray", 0x808080},
            {"clLtGray", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
            {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
        };
        const char *const system[] = {
            "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu",
            "clWindow", "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText",
            "clActiveBorder", "clInactiveBorder", "clAppWorkSpace", "clHighlight", "clHighlightText",
            "clBtnFace", "clBtnShadow", "clGrayText", "clBtnText", "clInactiveCaptionText",
            "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText", "clInfoBk",
        };
        quint32 n = 0;
        for (const char *name : system)
            t.append({name, 0x80000000u + n++});
        t.append({"clNone", 0x1FFFFFFF});
        return t;
    }();
    return table;
}

int schemeColourIndex(quint32 value)
{
    const QVector<NamedSchemeColour> &table = schemeColourTable();
    for (int i = 0; i < table.size(); ++i)
        if (table.at(i).value == value)
            return i;
    return 0;
}

} // namespace tagloom
