#include "document/document.h"

#include "base/file_io.h"
#include "base/text_codec.h"

#include <QFileInfo>
#include <QtEndian>
#include <limits>
#include <new>

namespace tagloom {

namespace {

// The UTF-16 code units of `bytes`, the byte-order mark included.
QString decodeUtf16(const QByteArray &bytes, bool bigEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(bigEndian ? qFromBigEndian<quint16>(p + 2 * i) : qFromLittleEndian<quint16>(p + 2 * i));
    return text;
}

QByteArray encodeUtf16(const QString &text, bool bigEndian)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (bigEndian)
            qToBigEndian<quint16>(text.at(i).unicode(), p + 2 * i);
        else
            qToLittleEndian<quint16>(text.at(i).unicode(), p + 2 * i);
    }
    return bytes;
}

bool isBigEndian(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf16BE;
}

} // namespace

TextEncoding detectEncoding(const QByteArray &bytes)
{
    const bool le = bytes.startsWith("\xFF\xFE");
    const bool be = bytes.startsWith("\xFE\xFF");
    if ((le || be) && bytes.size() % 2 == 0 && QStringView(decodeUtf16(bytes, be)).isValidUtf16())
        return be ? TextEncoding::Utf16BE : TextEncoding::Utf16LE;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

QByteArray editorBytesFromFile(const QByteArray &file, TextEncoding encoding)
{
    if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE)
        return file;
    return decodeUtf16(file, isBigEndian(encoding)).toUtf8();
}

QByteArray fileBytesInEncoding(const QByteArray &editorBytes, TextEncoding encoding)
{
    if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE)
        return editorBytes;
    return encodeUtf16(decodeUtf8(editorBytes), isBigEndian(encoding));
}

QString textFromFileBytes(const QByteArray &file)
{
    const TextEncoding encoding = detectEncoding(file);
    const QByteArray held = editorBytesFromFile(file, encoding);
    return heldAsUtf8(encoding) ? QString::fromUtf8(held) : QString::fromLatin1(held);
}

qint64 largestEditableFile(qint64 availableMemory)
{
    // The file's bytes, their line-break-normalised copy, the editor's text
    // and its style bytes are alive together while a file loads.
    constexpr qint64 kCopiesWhileLoading = 4;
    constexpr qint64 kEditorLimit = std::numeric_limits<qint32>::max();
    return std::min(kEditorLimit, availableMemory / kCopiesWhileLoading);
}

QString fileNamePart(const QString &path)
{
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString Document::title() const
{
    return isUntitled() ? QLatin1String(UntitledCaption) : fileNamePart(m_path);
}

QByteArray Document::fileBytes(const QByteArray &buffer, const QByteArray &eol) const
{
    return fileBytesInEncoding(fileBytesFromEditor(buffer, m_noLines, eol), m_encoding);
}

QByteArray Document::textBytes(const QByteArray &buffer) const
{
    return fileBytesFromEditor(buffer, m_noLines);
}

EditorText Document::adoptFileBytes(const QByteArray &bytes)
{
    m_encoding = detectEncoding(bytes);
    EditorText text = editorTextFromFile(editorBytesFromFile(bytes, m_encoding));
    m_noLines = text.noLines;
    return text;
}

Status fitsInEditor(const QString &path, qint64 availableMemory)
{
    const qint64 size = QFileInfo(path).size();
    const qint64 largest = largestEditableFile(availableMemory);
    if (size <= largest)
        return Status::success();
    return Status::failure(QStringLiteral("The file \"%1\" is too large to open: it holds %2 MB, and with the memory "
                                          "available now the editor can hold files of up to %3 MB.")
                               .arg(path)
                               .arg(size / (1024 * 1024))
                               .arg(largest / (1024 * 1024)));
}

qint64 longestShowableLine(qint64 textBytes, qint64 availableMemory)
{
    // The editor holds the text with a style byte for each of its bytes; the
    // line it shows is laid out whole, with a character, a style and a
    // four-byte position for each byte, and room to grow by an eighth.
    constexpr qint64 kLayoutBytesPerByte = 7;
    return std::max<qint64>(0, (availableMemory - 2 * textBytes) / kLayoutBytesPerByte);
}

namespace {

Status lineFitsInEditor(const QString &path, const LoadedText &loaded, qint64 availableMemory)
{
    const qint64 longest = longestShowableLine(loaded.text.buffer.size(), availableMemory);
    if (loaded.longestLine <= longest)
        return Status::success();
    return Status::failure(QStringLiteral("The file \"%1\" is too large to open: its longest line holds %2 MB, and "
                                          "with the memory available now the editor can show lines of up to %3 MB.")
                               .arg(path)
                               .arg(loaded.longestLine / (1024 * 1024))
                               .arg(longest / (1024 * 1024)));
}

} // namespace

Result<LoadedText> readDocumentFile(const QString &path, qint64 availableMemory)
{
    if (Status fits = fitsInEditor(path, availableMemory); !fits)
        return Result<LoadedText>::failure(fits.error);
    try {
        auto bytes = readWholeFile(path);
        if (!bytes)
            return Result<LoadedText>::failure(bytes.error);
        LoadedText loaded;
        loaded.encoding = detectEncoding(*bytes);
        loaded.text = editorTextFromFile(editorBytesFromFile(*bytes, loaded.encoding));
        (*bytes).clear();
        loaded.longestLine = longestLineLength(loaded.text.buffer);
        if (Status fits = lineFitsInEditor(path, loaded, availableMemory); !fits)
            return Result<LoadedText>::failure(fits.error);
        return Result<LoadedText>::success(std::move(loaded));
    } catch (const std::bad_alloc &) {
        return Result<LoadedText>::failure(
            QStringLiteral("There is not enough memory to open the file \"%1\".").arg(path));
    }
}

Status writeDocumentFile(const QString &path, const QByteArray &buffer, TextEncoding encoding, bool noLines)
{
    try {
        return writeFileAtomically(path, fileBytesInEncoding(fileBytesFromEditor(buffer, noLines), encoding));
    } catch (const std::bad_alloc &) {
        return Status::failure(QStringLiteral("There is not enough memory to save the file \"%1\".").arg(path));
    }
}

void Document::adopt(const LoadedText &loaded)
{
    m_encoding = loaded.encoding;
    m_noLines = loaded.text.noLines;
}

Result<EditorText> Document::load(qint64 availableMemory)
{
    Result<LoadedText> loaded = readDocumentFile(m_path, availableMemory);
    if (!loaded)
        return Result<EditorText>::failure(loaded.error);
    adopt(*loaded);
    return Result<EditorText>::success(std::move((*loaded).text));
}

Status Document::save(const QByteArray &buffer) const
{
    return writeDocumentFile(m_path, buffer, m_encoding, m_noLines);
}

} // namespace tagloom
