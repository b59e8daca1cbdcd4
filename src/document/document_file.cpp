#include "document/document_file.h"

#include "base/file_io.h"
#include "base/text_codec.h"

namespace tagloom {

TextEncoding detectEncoding(const QByteArray &bytes)
{
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

Result<LoadedDocument> loadDocumentFile(const QString &path)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return Result<LoadedDocument>::failure(bytes.error);
    LoadedDocument doc;
    doc.encoding = detectEncoding(*bytes);
    doc.text = editorTextFromFile(*bytes);
    return Result<LoadedDocument>::success(std::move(doc));
}

Status saveDocumentFile(const QString &path, const QByteArray &buffer, bool noLines)
{
    return writeFileAtomically(path, fileBytesFromEditor(buffer, noLines));
}

QString fileNamePart(const QString &path)
{
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? path : path.mid(cut + 1);
}

} // namespace tagloom
