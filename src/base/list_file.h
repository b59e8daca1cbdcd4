#pragma once
// List files (.tlx): 8-bit text, one entry per line, read and written whole.
// Reading ends a line at CR LF, a lone LF or a lone CR; a break after the
// last entry adds no empty entry. Every byte between breaks, a NUL included,
// belongs to its entry, and each line is read as UTF-8 when it is valid
// UTF-8 and as Latin-1 otherwise. Writing puts CR LF after every entry, the
// last one included. Entries are never trimmed.

#include "base/result.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace tagloom {

// A list file as read: its entries with the bytes each came from, so that
// writing the list back changes only what the user changed.
struct ListFileContent {
    QStringList entries;
    QList<QByteArray> lines;   // lines[i]: entries[i] as it stood in the file, without its break
    bool singleByte = false;   // some line is no UTF-8: the file is in a single-byte code page
    bool unreadable = false;   // the file exists but could not be read: never write over it
};

ListFileContent splitListBytes(const QByteArray &bytes);
// An entry that was read keeps its bytes wherever it moved; other text is
// written in the file's own code page where it fits (Latin-1 for a
// single-byte file), as UTF-8 otherwise.
QByteArray joinListBytes(const QStringList &entries, const ListFileContent &asRead);

QStringList splitListText(const QByteArray &bytes);
// Lines of a text ending at CR LF, a lone LF or a lone CR; a break after the
// last line adds no empty line.
QStringList splitTextLines(const QString &text);
QByteArray joinListText(const QStringList &entries);

Result<ListFileContent> readListFileContent(const QString &path);
Result<QStringList> readListFile(const QString &path);
Status writeListFile(const QString &path, const QStringList &entries);
// Writes `entries` only when they differ from the list as read, keeping the
// bytes of the entries read. A file that could not be read is left alone
// and the unsaved change reported.
Status writeListFileIfChanged(const QString &path, const QStringList &entries, const ListFileContent &asRead);

} // namespace tagloom
