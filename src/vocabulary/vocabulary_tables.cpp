#include "vocabulary/vocabulary_tables.h"

#include "base/data_folder.h"
#include "base/list_file.h"

namespace tagloom {

QStringList readListOrNote(const QString &path, QStringList &problems)
{
    auto list = readListFile(path);
    if (!list) {
        problems.append(list.error);
        return {};
    }
    return *list;
}

VocabularyTables loadVocabularyTables(const QString &folder, QStringList &problems)
{
    VocabularyTables t;
    auto pair = [&](const char *first, const char *second, int maxRows) {
        const QStringList a = readListOrNote(folder + QLatin1String(first), problems);
        const QStringList b = readListOrNote(folder + QLatin1String(second), problems);
        return pairRowsFromLists(a, b, maxRows);
    };
    t.namedColors = pair(DataPath::ColorNames, DataPath::ColorValues, FixedTableRows);
    t.characters = pair(DataPath::CharDescriptions, DataPath::CharTexts, FixedTableRows);
    t.snippets = pair(DataPath::SnippetNames, DataPath::SnippetTexts, -1);
    t.events = readListOrNote(folder + QLatin1String(DataPath::Events), problems);
    return t;
}

} // namespace tagloom
