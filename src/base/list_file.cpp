#include "base/list_file.h"

#include "base/file_io.h"
#include "base/text_codec.h"

namespace tagloom {

QStringList splitTextLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList splitListText(const QByteArray &raw)
{
    const qsizetype nul = raw.indexOf('\0');
    return splitTextLines(decode8Bit(nul < 0 ? raw : raw.left(nul)));
}

QByteArray joinListText(const QStringList &entries)
{
    QString text;
    qsizetype size = 0;
    for (const QString &e : entries)
        size += e.size() + 2;
    text.reserve(size);
    for (const QString &e : entries) {
        text += e;
        text += QLatin1String("\r\n");
    }
    return encode8Bit(text);
}

Result<QStringList> readListFile(const QString &path)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return Result<QStringList>::failure(bytes.error);
    return Result<QStringList>::success(splitListText(*bytes));
}

Status writeListFile(const QString &path, const QStringList &entries)
{
    return writeFileAtomically(path, joinListText(entries));
}

} // namespace tagloom
