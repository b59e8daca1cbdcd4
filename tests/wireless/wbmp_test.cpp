// WBMP files checked byte for byte and read back by an independent decoder
// (ImageMagick), and Windows bitmaps made by ImageMagick read by our reader.

#include "wireless/bmp_reader.h"
#include "wireless/wbmp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString magick()
{
    for (const char *name : {"magick", "convert"})
        if (const QString found = QStandardPaths::findExecutable(QLatin1String(name)); !found.isEmpty())
            return found;
    return {};
}

// Runs ImageMagick; its standard output.
QByteArray runMagick(const QStringList &arguments)
{
    QProcess process;
    process.start(magick(), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "ImageMagick failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

// One byte a pixel (0 black, 255 white) of a WBMP file, as ImageMagick reads it.
QByteArray decodeWithMagick(const QString &wbmpPath)
{
    return runMagick({QStringLiteral("WBMP:") + wbmpPath, QStringLiteral("-depth"), QStringLiteral("8"),
                      QStringLiteral("gray:-")});
}

class WbmpTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(WbmpTest, HeaderAndRowsByteForByte)
{
    const struct {
        const char *name;
        PixelBuffer picture;
        QByteArray expectedStart;
        qsizetype expectedSize;
    } rows[] = {
        {"one white pixel", PixelBuffer(1, 1, 0xffffff), bytesOf({0, 0, 1, 1, 0x80}), 5},
        {"width 200 in two bytes", PixelBuffer(200, 1, 0), bytesOf({0, 0, 0x81, 0x48, 1}), 5 + 25},
        {"height 300 in two bytes", PixelBuffer(1, 300, 0), bytesOf({0, 0, 1, 0x82, 0x2c}), 5 + 300},
        {"9 wide: rows of 2 bytes", PixelBuffer(9, 2, 0xffffff), bytesOf({0, 0, 9, 2, 0xff, 0x80, 0xff, 0x80}), 8},
        {"8 wide: rows of 1 byte", PixelBuffer(8, 2, 0xffffff), bytesOf({0, 0, 8, 2, 0xff, 0xff}), 6},
        {"661 is white everywhere", PixelBuffer(3, 1, 0xdcdcdd), bytesOf({0, 0, 3, 1, 0xe0}), 5},
        {"60 is black everywhere", PixelBuffer(3, 1, 0x14141e), bytesOf({0, 0, 3, 1, 0}), 5},
    };
    for (const auto &row : rows) {
        const QByteArray bytes = wbmpBytes(row.picture);
        EXPECT_EQ(bytes.size(), row.expectedSize) << row.name;
        EXPECT_EQ(bytes.left(row.expectedStart.size()).toHex(' '), row.expectedStart.toHex(' ')) << row.name;
    }
}

TEST_F(WbmpTest, DitherBandEdges)
{
    // Both edges of every band, at pixels inside and outside its pattern.
    const struct {
        int sum, x, y;
        bool white;
    } rows[] = {
        {661, 0, 1, true},   {660, 0, 1, false},  {660, 3, 4, false}, {586, 1, 1, true},  {586, 0, 4, false},
        {585, 0, 0, false},  {585, 1, 0, true},   {481, 0, 1, true},  {481, 2, 2, false}, {480, 0, 0, false},
        {480, 1, 0, true},   {376, 1, 1, false},  {376, 2, 3, true},  {375, 1, 2, true},  {375, 1, 1, false},
        {271, 4, 5, true},   {271, 2, 2, false},  {270, 0, 0, true},  {270, 4, 8, true},  {181, 2, 0, false},
        {180, 1, 3, true},   {180, 6, 8, true},   {61, 0, 0, false},  {61, 1, 8, true},   {60, 1, 3, false},
        {765, 7, 7, true},   {0, 1, 3, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(wbmpPixelIsWhite(row.sum, row.x, row.y), row.white)
            << "sum " << row.sum << " at " << row.x << "," << row.y;
}

TEST_F(WbmpTest, IndependentDecoderReadsOurFiles)
{
    if (magick().isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    const auto grid = [](int w, int h, auto white) {
        QByteArray out;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.append(white(x, y) ? char(255) : char(0));
        return out;
    };
    const struct {
        const char *name;
        PixelBuffer picture;
        QByteArray expected;
    } rows[] = {
        {"one white pixel", PixelBuffer(1, 1, 0xffffff), grid(1, 1, [](int, int) { return true; })},
        {"grey 400 checkerboard, black top left", PixelBuffer(7, 5, 0x858586),
         grid(7, 5, [](int x, int y) { return (x + y) % 2 == 1; })},
        {"9 wide white", PixelBuffer(9, 3, 0xffffff), grid(9, 3, [](int, int) { return true; })},
        {"black", PixelBuffer(10, 4, 0), grid(10, 4, [](int, int) { return false; })},
        {"200 wide", PixelBuffer(200, 2, 0xffffff), grid(200, 2, [](int, int) { return true; })},
    };
    for (const auto &row : rows) {
        const QString out = path("out.wbmp");
        ASSERT_TRUE(BitmapToWbmp(row.picture, out).ok) << row.name;
        EXPECT_EQ(decodeWithMagick(out).toHex(), row.expected.toHex()) << row.name;
    }
}

TEST_F(WbmpTest, BitmapsMadeByAnotherProgramConvert)
{
    if (magick().isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    // A left half of grey 400 and a right half of white, in several depths.
    const struct {
        const char *name;
        QStringList depth;
    } rows[] = {
        {"24 bits", {QStringLiteral("-type"), QStringLiteral("TrueColor"), QStringLiteral("BMP3:")}},
        {"8-bit palette", {QStringLiteral("-type"), QStringLiteral("Palette"), QStringLiteral("BMP3:")}},
        {"32 bits with masks",
         {QStringLiteral("-type"), QStringLiteral("TrueColorAlpha"), QStringLiteral("BMP:")}},
    };
    for (const auto &row : rows) {
        const QString bmp = path("in.bmp");
        QFile::remove(bmp);
        runMagick({QStringLiteral("-size"), QStringLiteral("6x3"), QStringLiteral("xc:rgb(133,133,134)"),
                   QStringLiteral("-size"), QStringLiteral("5x3"), QStringLiteral("xc:white"),
                   QStringLiteral("+append"), row.depth[0], row.depth[1], row.depth[2] + bmp});
        ASSERT_TRUE(QFile::exists(bmp)) << row.name;
        const Result<PixelBuffer> read = readBmp(readAll(bmp));
        ASSERT_TRUE(read) << row.name << ": " << read.error.toStdString();
        EXPECT_EQ(read->width, 11);
        EXPECT_EQ(read->height, 3);
        EXPECT_EQ(read->at(0, 0), 0x858586u) << row.name;
        EXPECT_EQ(read->at(10, 2), 0xffffffu) << row.name;

        const QString out = path("out.wbmp");
        ASSERT_TRUE(ConvertFileToWbmp(bmp, out).ok) << row.name;
        QByteArray expected;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 11; ++x)
                expected.append(x >= 6 || (x + y) % 2 == 1 ? char(255) : char(0));
        EXPECT_EQ(decodeWithMagick(out).toHex(), expected.toHex()) << row.name;
    }
}

TEST_F(WbmpTest, RefusalsLeaveNoFileAndKeepAnExistingOne)
{
    {
        QFile jpeg(path("picture.jpg"));
        jpeg.open(QIODevice::WriteOnly);
        jpeg.write(bytesOf({0xff, 0xd8, 0xff, 0xe0, 0, 16, 'J', 'F', 'I', 'F', 0}));
    }
    const struct {
        const char *name;
        std::function<Status(const QString &)> convert;
    } rows[] = {
        {"empty picture", [](const QString &out) { return BitmapToWbmp(PixelBuffer(), out); }},
        {"too wide", [](const QString &out) { return BitmapToWbmp(PixelBuffer(2057, 1), out); }},
        {"too high", [](const QString &out) { return BitmapToWbmp(PixelBuffer(1, 16384), out); }},
        {"missing source", [this](const QString &out) { return ConvertFileToWbmp(path("none.bmp"), out); }},
        {"not a bitmap", [this](const QString &out) { return ConvertFileToWbmp(path("picture.jpg"), out); }},
        {"bitmap cut short",
         [this](const QString &out) {
             const QByteArray cut = bytesOf({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 100, 0,
                                             0, 0, 100, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0})
                                    + QByteArray(30, '\0');
             QFile f(path("cut.bmp"));
             f.open(QIODevice::WriteOnly);
             f.write(cut);
             f.close();
             return ConvertFileToWbmp(path("cut.bmp"), out);
         }},
    };
    for (const auto &row : rows) {
        const QString fresh = path("fresh.wbmp");
        const Status status = row.convert(fresh);
        EXPECT_FALSE(status.ok) << row.name;
        EXPECT_FALSE(status.error.isEmpty()) << row.name;
        EXPECT_FALSE(QFile::exists(fresh)) << row.name;

        const QString kept = path("kept.wbmp");
        QFile old(kept);
        old.open(QIODevice::WriteOnly);
        old.write("old");
        old.close();
        row.convert(kept);
        EXPECT_EQ(readAll(kept), QByteArray("old")) << row.name;
    }
    // The limits themselves are written.
    EXPECT_TRUE(BitmapToWbmp(PixelBuffer(2056, 2, 0xffffff), path("widest.wbmp")).ok);
    EXPECT_EQ(readAll(path("widest.wbmp")).size(), 5 + 257 * 2);
}

TEST_F(WbmpTest, ExistingOutputIsReplacedWhole)
{
    const QString out = path("out.wbmp");
    QFile old(out);
    old.open(QIODevice::WriteOnly);
    old.write(QByteArray(1000, 'x'));
    old.close();
    ASSERT_TRUE(BitmapToWbmp(PixelBuffer(1, 1, 0xffffff), out).ok);
    EXPECT_EQ(readAll(out).toHex(' '), QByteArray("00 00 01 01 80"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.wbmp")});
}

} // namespace
