#include "update/szdd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <mspack.h>

namespace tagloom {

namespace {

bool isPlainNameChar(char c)
{
    return c > ' ' && c < 127 && c != '/' && c != '\\';
}

} // namespace

QString expandedSzddName(const QString &compressedName, char missingChar)
{
    if (!compressedName.isEmpty() && isPlainNameChar(missingChar) && compressedName.endsWith(QLatin1Char('_')))
        return compressedName.left(compressedName.size() - 1) + QLatin1Char(missingChar);
    if (compressedName.endsWith(QLatin1Char('_')) && compressedName.size() > 1)
        return compressedName.left(compressedName.size() - 1);
    return compressedName + QLatin1String(".out");
}

Result<QString> expandSzddInPlace(const QString &path)
{
    const QFileInfo info(path);
    msszdd_decompressor *szdd = mspack_create_szdd_decompressor(nullptr);
    if (!szdd)
        return Result<QString>::failure(QStringLiteral("The LZ expander could not be started."));
    const QByteArray input = QFile::encodeName(info.absoluteFilePath());
    msszddd_header *header = szdd->open(szdd, input.constData());
    if (!header) {
        mspack_destroy_szdd_decompressor(szdd);
        return Result<QString>::failure(QStringLiteral("%1 is not an LZ compressed file.").arg(info.fileName()));
    }
    const QString target = info.dir().filePath(expandedSzddName(info.fileName(), header->missing_char));
    // Expanded beside the target first, so that a broken file replaces nothing.
    QString partPath;
    {
        QTemporaryFile part(target + QLatin1String(".XXXXXX"));
        part.setAutoRemove(false);
        if (part.open())
            partPath = part.fileName();
    }
    int error = partPath.isEmpty() ? MSPACK_ERR_OPEN
                                   : szdd->extract(szdd, header, QFile::encodeName(partPath).constData());
    szdd->close(szdd, header);
    mspack_destroy_szdd_decompressor(szdd);
    if (error == MSPACK_ERR_OK) {
        QFile::remove(target);
        if (!QFile::rename(partPath, target))
            error = MSPACK_ERR_WRITE;
    }
    if (error != MSPACK_ERR_OK) {
        if (!partPath.isEmpty())
            QFile::remove(partPath);
        return Result<QString>::failure(QStringLiteral("%1 could not be expanded.").arg(info.fileName()));
    }
    QFile::remove(info.absoluteFilePath());
    return Result<QString>::success(target);
}

QByteArray storeAsSzdd(const QByteArray &data, char missingChar)
{
    QByteArray out("SZDD\x88\xf0\x27\x33", 8);
    out += 'A';
    out += missingChar;
    const quint32 size = static_cast<quint32>(data.size());
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((size >> (8 * i)) & 0xff);
    for (qsizetype at = 0; at < data.size(); at += 8) {
        const qsizetype count = qMin<qsizetype>(8, data.size() - at);
        out += static_cast<char>(0xff); // eight flags: each byte a literal
        out += data.mid(at, count);
    }
    return out;
}

} // namespace tagloom
