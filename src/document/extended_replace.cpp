#include "document/extended_replace.h"

#include "base/file_io.h"
#include "base/text_codec.h"
#include "document/editor_text.h"

#include <QByteArrayMatcher>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tagloom {

namespace {

constexpr qsizetype ProgressStep = 8192;
constexpr qsizetype PromptLineLimit = 200;

bool isWordByte(char c)
{
    const auto u = static_cast<uchar>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u >= 127;
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Only ASCII letters fold, so the copy keeps every offset and every
// 8-bit byte of the original.
QByteArray foldCase(QByteArray bytes)
{
    for (char &c : bytes) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return bytes;
}

// A changed file that ends without a line break gets the break the file
// already uses, so LF files stay LF files.
QByteArray lineBreakOf(const QByteArray &data)
{
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] == '\n')
            return QByteArray("\n");
        if (data[i] == '\r')
            return i + 1 < data.size() && data[i + 1] == '\n' ? QByteArray("\r\n") : QByteArray("\r");
    }
    return QByteArray("\r\n");
}

// The line holding position `at` as it reads now: its start may already be
// in `out` (with earlier replacements), the rest is still in `data`.
QByteArray currentLine(const QByteArray &data, const QByteArray &out, qsizetype copied, qsizetype at)
{
    qsizetype start = at;
    while (start > copied && !isLineBreak(data[start - 1]))
        --start;
    QByteArray line;
    if (start == copied) {
        qsizetype o = out.size();
        while (o > 0 && !isLineBreak(out[o - 1]))
            --o;
        line = out.mid(o);
    }
    qsizetype end = at;
    while (end < data.size() && !isLineBreak(data[end]))
        ++end;
    line += data.mid(start, end - start);
    qsizetype lead = 0;
    while (lead < line.size() && static_cast<uchar>(line[lead]) <= ' ')
        ++lead;
    return line.mid(lead, PromptLineLimit);
}

// A file's text without the line break that ends it, as the counters see it:
// one block, followed by the CR LF every block is counted (and written) with.
QByteArray withoutFinalBreak(const QByteArray &text)
{
    if (text.endsWith("\r\n"))
        return text.chopped(2);
    if (text.endsWith('\n') || text.endsWith('\r'))
        return text.chopped(1);
    return text;
}

bool isReadOnly(const QFileInfo &info)
{
    // The owner bit as well, since the super-user may write anything.
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

TextReplacement replaceInText(const QByteArray &data, const QByteArray &search, const QByteArray &replacement,
                              const ReplaceOptions &options, const QString &fileForPrompt, const PromptHandler &ask,
                              const ProgressHandler &progress, qint64 *bytesScanned)
{
    const qsizetype size = data.size();
    const qsizetype m = search.size();
    qsizetype scanned = 0;
    auto advance = [&](qsizetype to) {
        if (bytesScanned)
            *bytesScanned += to - scanned;
        scanned = to;
        if (progress)
            progress();
    };
    // Occurrences never span lines; a pattern holding a line break finds nothing.
    if (m == 0 || search.contains('\r') || search.contains('\n')) {
        advance(size);
        return {data, 0};
    }

    const QByteArray key = options.caseSensitive ? data : foldCase(data);
    const QByteArrayMatcher matcher(options.caseSensitive ? search : foldCase(search));
    QByteArray out;
    qsizetype copied = 0;
    qsizetype from = 0;
    qsizetype chunkEnd = std::min(size, ProgressStep);
    bool asking = options.prompt;
    int count = 0;

    while (true) {
        // Searching a window at a time lets the caller show progress on big files.
        const qsizetype q = matcher.indexIn(key.constData(), std::min(size, chunkEnd + m - 1), from);
        if (q < 0) {
            if (chunkEnd >= size)
                break;
            from = std::max(from, chunkEnd);
            advance(chunkEnd);
            chunkEnd = std::min(size, chunkEnd + ProgressStep);
            continue;
        }
        if (options.wholeWords) {
            const bool wordBefore = q > copied ? isWordByte(data[q - 1]) : !out.isEmpty() && isWordByte(out.back());
            const bool wordAfter = q + m < size && isWordByte(data[q + m]);
            if (wordBefore || wordAfter) {
                from = q + 1;
                continue;
            }
        }
        if (asking) {
            const PromptAnswer answer = ask ? ask(fileForPrompt, currentLine(data, out, copied, q)) : PromptAnswer::Yes;
            if (answer == PromptAnswer::Cancel)
                break;
            if (answer == PromptAnswer::No) {
                from = q + 1;
                continue;
            }
            if (answer == PromptAnswer::All)
                asking = false;
        }
        if (out.isEmpty())
            out.reserve(size + size / 8);
        out.append(data.constData() + copied, q - copied);
        out.append(replacement);
        copied = q + m;
        ++count;
        // Replaced text is never searched again. After a deletion the byte
        // that moved into place may not start an occurrence either.
        from = replacement.isEmpty() ? copied + 1 : copied;
    }
    advance(size);

    if (count == 0)
        return {data, 0};
    out.append(data.constData() + copied, size - copied);
    if (!isLineBreak(data.back()))
        out.append(lineBreakOf(data));
    return {out, count};
}

QString replacePromptText(const QString &search, const QString &replacement, const QString &file,
                          const QByteArray &line)
{
    // One multi-argument arg() so a '%' in the user's texts stays literal.
    return QStringLiteral("Replace \"%1\" with \"%2\" in file\n%3\nFor the following line:\n\n%4")
        .arg(search, replacement, file, decode8Bit(line));
}

bool isEligibleFile(const QString &path)
{
    const QFileInfo info(path);
    // Links, devices and pipes are not regular files; replacing one would
    // turn it into a plain copy.
    return info.isFile() && !info.isSymLink() && !info.fileName().startsWith(QLatin1Char('.'))
           && !isReadOnly(info);
}

QStringList filesFromDroppedPath(QString path)
{
    const qsizetype nul = path.indexOf(QChar(0));
    if (nul >= 0)
        path.truncate(nul);
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isDir())
        return isEligibleFile(path) ? QStringList{info.absoluteFilePath()} : QStringList{};

    QStringList files;
    const QDir dir(path);
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString full = dir.absoluteFilePath(name);
        if (isEligibleFile(full))
            files.append(full);
    }
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return files;
}

ExtendedReplace::ExtendedReplace(const QString &search, const QString &replacement, const ReplaceOptions &options)
    : m_searchText(search),
      m_replaceText(replacement),
      m_search(encode8Bit(search)),
      m_replacement(encode8Bit(replacement)),
      m_options(options)
{
}

void ExtendedReplace::setFiles(const QStringList &files)
{
    m_total = 0;
    for (const QString &file : files)
        m_total += QFileInfo(file).size();
}

int ExtendedReplace::percent() const
{
    if (m_total <= 0)
        return 0;
    return static_cast<int>(std::min<qint64>(100, m_bytesRead * 100 / m_total));
}

FileReport ExtendedReplace::processFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && isReadOnly(info))
        return {FileOutcome::Failed, QStringLiteral("Error creating file %1\nThe file is read-only.").arg(path)};
    const Result<QByteArray> read = readWholeFile(path);
    if (!read)
        return {FileOutcome::Failed, QStringLiteral("Error accessing file ") + path};
    ++m_filesRead;

    const qint64 readBefore = m_bytesRead;
    const TextReplacement result = replaceInText(*read, m_search, m_replacement, m_options, path,
                                                 m_ask, m_progress, &m_bytesRead);
    m_occurrences += result.occurrences;
    // Every processed file counts, changed or not: its text plus the CR LF
    // that ends it, read and as written out (every line break a CR LF).
    m_bytesRead = readBefore + withoutFinalBreak(*read).size() + 2;
    const QByteArray out = withoutFinalBreak(result.occurrences ? result.text : *read);
    if (!out.isEmpty())
        m_bytesWritten += normaliseLineBreaks(out, CrLf).size() + 2;
    if (result.occurrences == 0)
        return {FileOutcome::Unchanged, {}};

    // The backup is complete before the file is replaced, and both writes
    // are atomic, so a failure at any point leaves the original readable.
    if (m_options.backup) {
        const Status backup = writeFileAtomically(path + QStringLiteral(".bak"), *read);
        if (!backup)
            return {FileOutcome::Failed, QStringLiteral("Error creating file %1.bak\n%2").arg(path, backup.error)};
    }
    const Status written = writeFileAtomically(path, result.text);
    if (!written)
        return {FileOutcome::Failed, QStringLiteral("Error creating file %1\n%2").arg(path, written.error)};
    return {FileOutcome::Changed, {}};
}

} // namespace tagloom
