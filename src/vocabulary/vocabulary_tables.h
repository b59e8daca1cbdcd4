#pragma once
// The list-file tables the main window loads at start and the side panels
// show: Named Colors, Characters, Snippets and Events. A file that cannot
// be read gives an empty table and a problem line for the user.

#include "base/pair_table.h"

#include <QStringList>

namespace tagloom {

struct VocabularyTables {
    PairRows namedColors;
    PairRows characters;
    PairRows snippets;
    QStringList events;
};

// Reads a list file, noting a problem (and giving no entries) when it cannot.
QStringList readListOrNote(const QString &path, QStringList &problems);

// Loads the tables from the data folder in start-up order: Named Colors,
// Characters, Snippets, Events.
VocabularyTables loadVocabularyTables(const QString &dataFolder, QStringList &problems);

} // namespace tagloom
