#include "vocabulary/vocabulary_tables.h"

#include "base/data_folder.h"

#include <QFileInfo>

namespace tagloom {

ListFileContent readListOrNote(const QString &path, QStringList &problems)
{
    auto list = readListFileContent(path);
    if (!list) {
        problems.append(list.error);
        ListFileContent none;
        none.unreadable = QFileInfo::exists(path);
        return none;
    }
    return *list;
}

VocabularyTables loadVocabularyTables(const QString &folder, QStringList &problems)
{
    VocabularyTables t;
    auto read = [&](const char *file) { return readListOrNote(folder + QLatin1String(file), problems); };
    auto pair = [&](const char *first, const char *second, int maxRows) {
        const QStringList a = read(first).entries;
        const QStringList b = read(second).entries;
        return pairRowsFromLists(a, b, maxRows);
    };
    t.namedColors = pair(DataPath::ColorNames, DataPath::ColorValues, FixedTableRows);
    t.characters = pair(DataPath::CharDescriptions, DataPath::CharTexts, FixedTableRows);
    t.snippetNames = read(DataPath::SnippetNames);
    t.snippetTexts = read(DataPath::SnippetTexts);
    t.snippets = pairRowsFromLists(t.snippetNames.entries, t.snippetTexts.entries);
    t.events = read(DataPath::Events).entries;
    return t;
}

void writeSnippetFiles(const QString &folder, const PairRows &rows, const VocabularyTables &asLoaded,
                       QStringList &problems)
{
    // An untouched table is not written, even where its files hold lines
    // that gave no row.
    if (rows == asLoaded.snippets)
        return;
    const PairLists lists = listsFromPairRows(rows);
    const Status names = writeListFileIfChanged(folder + QLatin1String(DataPath::SnippetNames), lists.first,
                                                asLoaded.snippetNames);
    if (!names)
        problems.append(names.error);
    const Status texts = writeListFileIfChanged(folder + QLatin1String(DataPath::SnippetTexts), lists.second,
                                                asLoaded.snippetTexts);
    if (!texts)
        problems.append(texts.error);
}

} // namespace tagloom
