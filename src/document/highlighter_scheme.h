#pragma once
// Colour schemes of six syntax colourings, kept in the settings store under
// Highlighters\<language>\<attribute> as three 32-bit values: "Foreground",
// "Background" (00BBGGRR, or 80000000 + n for system colour n) and "Style"
// (1 bold, 2 italic, 4 underline, 8 strike-out). Only values present are
// applied; the rest keep the colouring's own look.

#include "document/syntax_table.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tagloom {

class SettingsStore;

// A stored colour: a fixed RGB value or one of the 25 system colours.
struct StoredColour {
    bool system = false;
    int systemIndex = 0; // 0 = clScrollBar ... 24 = clInfoBk
    int red = 0, green = 0, blue = 0;
};

StoredColour decodeStoredColour(qint32 value);
qint32 encodeStoredColour(const StoredColour &colour);

struct AttributeLook {
    QString attribute;
    std::optional<StoredColour> foreground;
    std::optional<StoredColour> background;
    std::optional<int> style;
};

// The language names whose schemes are stored, in the order document windows
// load them.
const QStringList &storedSchemeLanguages();

// The attribute names of a language's scheme, in the scheme's order.
QStringList schemeAttributes(const QString &language);

// The stored looks of a language's attributes (those with any value).
QVector<AttributeLook> readScheme(SettingsStore &store, const QString &language);

} // namespace tagloom
