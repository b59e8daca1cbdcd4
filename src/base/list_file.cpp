#include "base/list_file.h"

#include "base/file_io.h"
#include "base/text_codec.h"

#include <QHash>
#include <algorithm>

namespace tagloom {

namespace {

// Each line on its own: a Latin-1 line in an otherwise UTF-8 file (or the
// other way round) still reads as its writer meant it.
QString decodeLine(const QByteArray &line, bool &singleByte)
{
    if (isValidUtf8(line))
        return decodeUtf8(line);
    singleByte = true;
    return QString::fromLatin1(line);
}

QByteArray encodeEntry(const QString &entry, bool singleByte)
{
    const bool fitsLatin1 =
        std::all_of(entry.begin(), entry.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    return singleByte && fitsLatin1 ? entry.toLatin1() : encode8Bit(entry);
}

} // namespace

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

ListFileContent splitListBytes(const QByteArray &bytes)
{
    ListFileContent content;
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    auto take = [&](qsizetype end) {
        const QByteArray line = bytes.mid(start, end - start);
        content.entries.append(decodeLine(line, content.singleByte));
        content.lines.append(line);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        take(i);
        if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        take(n);
    return content;
}

QByteArray joinListBytes(const QStringList &entries, const ListFileContent &asRead)
{
    // The same text may have come from differently encoded lines: hand out
    // their bytes in file order.
    QHash<QString, QList<QByteArray>> readBytes;
    for (qsizetype i = 0; i < asRead.entries.size() && i < asRead.lines.size(); ++i)
        readBytes[asRead.entries.at(i)].append(asRead.lines.at(i));
    QHash<QString, qsizetype> handedOut;

    QByteArray out;
    for (const QString &entry : entries) {
        const auto found = readBytes.constFind(entry);
        if (found != readBytes.constEnd()) {
            qsizetype &next = handedOut[entry];
            out += found->at(std::min(next, found->size() - 1));
            ++next;
        } else {
            out += encodeEntry(entry, asRead.singleByte);
        }
        out += "\r\n";
    }
    return out;
}

QStringList splitListText(const QByteArray &bytes)
{
    return splitListBytes(bytes).entries;
}

QByteArray joinListText(const QStringList &entries)
{
    return joinListBytes(entries, ListFileContent());
}

Result<ListFileContent> readListFileContent(const QString &path)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return Result<ListFileContent>::failure(bytes.error);
    return Result<ListFileContent>::success(splitListBytes(*bytes));
}

Result<QStringList> readListFile(const QString &path)
{
    auto content = readListFileContent(path);
    if (!content)
        return Result<QStringList>::failure(content.error);
    return Result<QStringList>::success(std::move((*content).entries));
}

Status writeListFile(const QString &path, const QStringList &entries)
{
    return writeFileAtomically(path, joinListText(entries));
}

Status writeListFileIfChanged(const QString &path, const QStringList &entries, const ListFileContent &asRead)
{
    if (entries == asRead.entries)
        return Status::success();
    if (asRead.unreadable)
        return Status::failure(
            QStringLiteral("The file \"%1\" could not be read at start, so it was left as it was; "
                           "the changes to its list were not saved.")
                .arg(path));
    return writeFileAtomically(path, joinListBytes(entries, asRead));
}

} // namespace tagloom
