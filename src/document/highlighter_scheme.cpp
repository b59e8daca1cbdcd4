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

} // namespace tagloom
