#include "wireless/wbmp.h"

#include "base/file_io.h"
#include "wireless/bmp_reader.h"

namespace tagloom {

void WriteWbmpInteger(QByteArray &out, int value)
{
    if (value >= 128)
        out.append(char(128 + value / 128));
    out.append(char(value % 128));
}

bool wbmpPixelIsWhite(int sum, int x, int y)
{
    if (sum >= 661)
        return true;
    if (sum >= 586)
        return !(x % 3 == 0 && y % 3 == 1);
    if (sum >= 481)
        return x % 2 == 1 || y % 2 == 1;
    if (sum >= 376)
        return (x + y) % 2 == 1;
    if (sum >= 271)
        return x % 3 == 1 && y % 3 == 2;
    if (sum >= 181)
        return x % 4 == 0 && y % 4 == 0;
    if (sum >= 61)
        return x % 5 == 1 && y % 5 == 3;
    return false;
}

namespace {

int channelSum(quint32 rgb)
{
    return int((rgb >> 16) & 0xff) + int((rgb >> 8) & 0xff) + int(rgb & 0xff);
}

bool beyondLimits(const PixelBuffer &picture)
{
    return picture.width > WbmpMaxWidth || picture.height > WbmpMaxHeight;
}

} // namespace

QByteArray wbmpBytes(const PixelBuffer &picture)
{
    if (picture.isEmpty() || beyondLimits(picture))
        return {};
    const int rowBytes = (picture.width + 7) / 8;
    QByteArray out;
    out.reserve(8 + qsizetype(rowBytes) * picture.height);
    WriteWbmpInteger(out, 0); // type 0
    out.append('\0');         // fixed header
    WriteWbmpInteger(out, picture.width);
    WriteWbmpInteger(out, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < picture.width; ++x)
            if (wbmpPixelIsWhite(channelSum(picture.at(x, y)), x, y))
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

Status BitmapToWbmp(const PixelBuffer &picture, const QString &outputPath)
{
    if (picture.isEmpty())
        return Status::failure(QStringLiteral("The picture is empty: there is nothing to convert."));
    if (beyondLimits(picture))
        return Status::failure(
            QStringLiteral("The picture is %1 by %2 pixels; a WBMP picture can be at most %3 pixels wide "
                           "and %4 pixels high.")
                .arg(picture.width)
                .arg(picture.height)
                .arg(WbmpMaxWidth)
                .arg(WbmpMaxHeight));
    return writeFileAtomically(outputPath, wbmpBytes(picture));
}

Status ConvertFileToWbmp(const QString &sourcePath, const QString &outputPath)
{
    const Result<QByteArray> bytes = readWholeFile(sourcePath);
    if (!bytes)
        return Status::failure(bytes.error);
    const Result<PixelBuffer> picture = readBmp(*bytes);
    if (!picture)
        return Status::failure(QStringLiteral("\"%1\" cannot be read as a picture: %2").arg(sourcePath, picture.error));
    return BitmapToWbmp(*picture, outputPath);
}

} // namespace tagloom
