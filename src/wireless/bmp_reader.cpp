#include "wireless/bmp_reader.h"

#include <cstdlib>

namespace tagloom {

namespace {

// Larger pictures are refused before anything is allocated.
constexpr qint64 kMostPixels = qint64(1) << 26;

quint32 le(const QByteArray &b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | uchar(b[at + i]);
    return v;
}

struct Mask {
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Mask(quint32 m = 0) : mask(m)
    {
        if (!m)
            return;
        while (!((m >> shift) & 1))
            ++shift;
        while (bits + shift < 32 && ((m >> (shift + bits)) & 1))
            ++bits;
    }
    // The channel scaled to 0..255.
    quint32 channel(quint32 pixel) const
    {
        if (!bits)
            return 0;
        const quint32 v = (pixel & mask) >> shift;
        const quint32 most = bits >= 32 ? 0xffffffffu : ((1u << bits) - 1);
        return quint32((quint64(v) * 255 + most / 2) / most);
    }
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = 0;
    quint32 dataOffset = 0;
    qsizetype paletteAt = 0;
    int paletteEntryBytes = 4;
    int paletteSize = 0;
    Mask red, green, blue;
};

Result<Header> readHeader(const QByteArray &b)
{
    using R = Result<Header>;
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M')
        return R::failure(QStringLiteral("it is not a Windows bitmap."));
    Header h;
    h.dataOffset = le(b, 10, 4);
    const quint32 infoSize = le(b, 14, 4);
    if (infoSize == 12) { // OS/2 core header
        h.width = int(le(b, 18, 2));
        h.height = int(le(b, 20, 2));
        h.bitCount = int(le(b, 24, 2));
        h.paletteEntryBytes = 3;
    } else if (infoSize >= 40 && b.size() >= 14 + 40) {
        h.width = int(qint32(le(b, 18, 4)));
        const qint32 height = qint32(le(b, 22, 4));
        h.topDown = height < 0;
        h.height = height == INT32_MIN ? 0 : std::abs(height);
        h.bitCount = int(le(b, 28, 2));
        h.compression = le(b, 30, 4);
        h.paletteSize = int(le(b, 46, 4));
    } else {
        return R::failure(QStringLiteral("its header is damaged."));
    }
    h.paletteAt = 14 + qsizetype(infoSize);
    if (h.width <= 0 || h.height <= 0)
        return R::failure(QStringLiteral("it has no pixels."));
    if (qint64(h.width) * h.height > kMostPixels)
        return R::failure(QStringLiteral("it is too large."));
    if (h.compression == 1 || h.compression == 2)
        return R::failure(QStringLiteral("compressed (RLE) bitmaps are not supported."));
    if (h.compression != 0 && h.compression != 3 && h.compression != 6)
        return R::failure(QStringLiteral("its kind of compression is not supported."));
    switch (h.bitCount) {
    case 1: case 4: case 8:
        if (h.paletteSize <= 0 || h.paletteSize > (1 << h.bitCount))
            h.paletteSize = 1 << h.bitCount;
        if (h.paletteAt + qsizetype(h.paletteSize) * h.paletteEntryBytes > b.size())
            return R::failure(QStringLiteral("its colour table is cut short."));
        break;
    case 16: case 24: case 32:
        if (h.compression == 3 || h.compression == 6) {
            // The masks follow a 40-byte header, or sit inside a longer one.
            const qsizetype at = 14 + 40;
            if (at + 12 > b.size())
                return R::failure(QStringLiteral("its colour masks are cut short."));
            h.red = Mask(le(b, at, 4));
            h.green = Mask(le(b, at + 4, 4));
            h.blue = Mask(le(b, at + 8, 4));
            if (infoSize == 40)
                h.paletteAt += h.compression == 6 ? 16 : 12;
        } else if (h.bitCount == 16) {
            h.red = Mask(0x7c00);
            h.green = Mask(0x03e0);
            h.blue = Mask(0x001f);
        } else {
            h.red = Mask(0xff0000);
            h.green = Mask(0x00ff00);
            h.blue = Mask(0x0000ff);
        }
        break;
    default:
        return R::failure(QStringLiteral("%1 bits a pixel is not a bitmap depth.").arg(h.bitCount));
    }
    return R::success(h);
}

} // namespace

Result<PixelBuffer> readBmp(const QByteArray &b)
{
    const Result<Header> read = readHeader(b);
    if (!read)
        return Result<PixelBuffer>::failure(read.error);
    const Header &h = *read;
    const qint64 rowBytes = ((qint64(h.width) * h.bitCount + 31) / 32) * 4;
    if (qint64(h.dataOffset) + rowBytes * h.height > b.size())
        return Result<PixelBuffer>::failure(QStringLiteral("its pixels are cut short."));
    std::vector<quint32> palette;
    for (int i = 0; i < (h.bitCount <= 8 ? h.paletteSize : 0); ++i)
        palette.push_back(le(b, h.paletteAt + qsizetype(i) * h.paletteEntryBytes, 3) & 0xffffff);

    PixelBuffer picture(h.width, h.height);
    for (int row = 0; row < h.height; ++row) {
        const qsizetype start = qsizetype(h.dataOffset + rowBytes * row);
        const int y = h.topDown ? row : h.height - 1 - row;
        for (int x = 0; x < h.width; ++x) {
            quint32 rgb = 0;
            if (h.bitCount <= 8) {
                const qint64 bit = qint64(x) * h.bitCount;
                const int shift = 8 - h.bitCount - int(bit % 8);
                const quint32 index = (uchar(b[start + bit / 8]) >> shift) & ((1u << h.bitCount) - 1);
                rgb = index < palette.size() ? palette[index] : 0;
            } else {
                const quint32 pixel = le(b, start + qsizetype(x) * (h.bitCount / 8), h.bitCount / 8);
                rgb = (h.red.channel(pixel) << 16) | (h.green.channel(pixel) << 8) | h.blue.channel(pixel);
            }
            picture.set(x, y, rgb);
        }
    }
    return Result<PixelBuffer>::success(std::move(picture));
}

} // namespace tagloom
