#include "document/document.h"

#include "base/file_io.h"
#include "base/text_codec.h"

namespace tagloom {

TextEncoding detectEncoding(const QByteArray &bytes)
{
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
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
    return fileBytesFromEditor(buffer, m_noLines, eol);
}

EditorText Document::adoptFileBytes(const QByteArray &bytes)
{
    m_encoding = detectEncoding(bytes);
    EditorText text = editorTextFromFile(bytes);
    m_noLines = text.noLines;
    return text;
}

Result<EditorText> Document::load()
{
    auto bytes = readWholeFile(m_path);
    if (!bytes)
        return Result<EditorText>::failure(bytes.error);
    return Result<EditorText>::success(adoptFileBytes(*bytes));
}

Status Document::save(const QByteArray &buffer) const
{
    return writeFileAtomically(m_path, fileBytes(buffer));
}

} // namespace tagloom
