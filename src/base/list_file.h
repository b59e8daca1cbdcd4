#pragma once
// List files (.tlx): 8-bit text, one entry per line, read and written whole.
// Reading ends a line at CR LF, a lone LF or a lone CR, stops at the first NUL,
// and a break after the last entry adds no empty entry. Writing puts CR LF
// after every entry, the last one included. Entries are never trimmed.

#include "base/result.h"

#include <QByteArray>
#include <QStringList>

namespace tagloom {

QStringList splitListText(const QByteArray &bytes);
// Lines of a text ending at CR LF, a lone LF or a lone CR; a break after the
// last line adds no empty line.
QStringList splitTextLines(const QString &text);
QByteArray joinListText(const QStringList &entries);

Result<QStringList> readListFile(const QString &path);
Status writeListFile(const QString &path, const QStringList &entries);

} // namespace tagloom
