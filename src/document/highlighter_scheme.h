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
// Stores every given look under Highlighters\<language>\<attribute>: the
// values a look has, each as a 32-bit integer.
void writeScheme(SettingsStore &store, const QString &language, const QVector<AttributeLook> &looks);

// The 42 colours a scheme's colour can be chosen from, with their stored
// values: 16 fixed colours, the 25 system colours and "clNone" (1FFFFFFF).
struct NamedSchemeColour {
    const char *name;
    quint32 value;
};
const QVector<NamedSchemeColour> &schemeColourTable();
// The first colour of the table whose value is `value`; 0 ("clBlack") when
// none is.
int schemeColourIndex(quint32 value);

} // namespace tagloom
