#pragma once
// The list-file tables the main window loads at start and the side panels
// show: Named Colors, Characters, Snippets and Events. A file that cannot
// be read gives an empty table and a problem line for the user.

#include "base/list_file.h"
#include "base/pair_table.h"

#include <QStringList>

namespace tagloom {

struct VocabularyTables {
    PairRows namedColors;
    PairRows characters;
    PairRows snippets;
    QStringList events;
    // The Snippets pair files as read: writing the table back keeps their
    // bytes and leaves a file alone when its column did not change.
    ListFileContent snippetNames;
    ListFileContent snippetTexts;
};

// Reads a list file, noting a problem (and giving no entries) when it
// cannot; a file that exists but cannot be read is marked unreadable.
ListFileContent readListOrNote(const QString &path, QStringList &problems);

// Loads the tables from the data folder in start-up order: Named Colors,
// Characters, Snippets, Events.
VocabularyTables loadVocabularyTables(const QString &dataFolder, QStringList &problems);

// Writes the Snippets table (header row included) back to its pair files,
// names first, when it differs from the table as loaded; failures are noted.
void writeSnippetFiles(const QString &dataFolder, const PairRows &rows, const VocabularyTables &asLoaded,
                       QStringList &problems);

} // namespace tagloom
