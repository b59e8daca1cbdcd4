#include "codetools/html_compressor.h"
#include "common/golden_files.h"

#include <gtest/gtest.h>

#include <new>

using namespace tagloom;

namespace {

QByteArray compressedWhole(const QByteArray &page)
{
    THTMLCompressor compressor;
    compressor.LoadBytes(page);
    compressor.Compress();
    return compressor.Buffer();
}

QByteArray compressedInPieces(const QByteArray &page, qsizetype piece, CompressorStream::Threads threads)
{
    THTMLCompressor switches;
    QByteArray out;
    CompressorStream stream(switches, [&out](QByteArrayView bytes) { out += bytes; }, threads);
    for (qsizetype at = 0; at < page.size(); at += piece)
        stream.write(QByteArrayView(page).sliced(at, std::min(piece, page.size() - at)));
    stream.finish();
    EXPECT_EQ(stream.bytesIn(), page.size());
    EXPECT_EQ(stream.bytesOut(), out.size());
    return out;
}

// Pages whose constructs run across many pieces (the stream works in pieces
// of 128 KiB): each must come out as Compress makes it of the whole page,
// whatever the size of the writes and on one thread or two.
TEST(CompressorStream, GivesWhatCompressGivesWhateverThePieces)
{
    QByteArray lines;
    for (const auto &golden : test::goldenCases(QStringLiteral("compressor")))
        lines += golden.input;
    lines = lines.repeated(int(400000 / std::max<qsizetype>(1, lines.size())) + 1);
    const QByteArray filler = QByteArray("word  \r\n <b>x</b> ").repeated(20000);
    const struct {
        const char *name;
        QByteArray page;
    } rows[] = {
        {"pages of lines with CR LF and LF", lines},
        {"a <pre> block longer than a piece", "<p> a </p>\r\n<PRE>" + filler + "</pre> \r\n" + filler},
        {"a <pre> never closed", filler + "<pre>" + filler},
        {"a tag longer than a piece", "<td" + QByteArray(" a=\"v\" b=\"w x\"").repeated(30000) + ">x  y\r\n" + filler},
        {"a quoted value never closed", filler + "<a href=\"" + filler},
        {"a centred paragraph whose </p> is far away", "<p align=center>" + filler + "</P><p align=\"center\">x"},
        {"a run of spaces and one of breaks longer than a piece",
         "<p>" + QByteArray(300000, ' ') + "</p>" + QByteArray(300000, '\n') + "<td>x"},
        {"a web-bot comment longer than a piece", "x\r\n<!--webbot " + filler + " -->\r\ny"},
    };
    for (const auto &row : rows) {
        const QByteArray whole = compressedWhole(row.page);
        for (const qsizetype piece : {qsizetype(7), qsizetype(4096), qsizetype(1) << 20}) {
            for (const auto threads : {CompressorStream::Threads::One, CompressorStream::Threads::Two}) {
                EXPECT_EQ(compressedInPieces(row.page, piece, threads), whole)
                    << row.name << ", writes of " << piece << (threads == CompressorStream::Threads::Two ? ", two threads" : "");
            }
        }
    }
}

// The sink runs on the second thread: what it throws comes out of the
// stream on the caller's, and the stream stops there.
TEST(CompressorStream, WhatTheSinkThrowsOnTheSecondThreadComesBack)
{
    THTMLCompressor switches;
    qint64 calls = 0;
    CompressorStream stream(switches, [&calls](QByteArrayView) {
        if (++calls == 2)
            throw std::bad_alloc();
    }, CompressorStream::Threads::Two);
    const QByteArray piece = QByteArray("<p>text</p>\r\n").repeated(20000);
    EXPECT_THROW(
        {
            for (int i = 0; i < 50; ++i)
                stream.write(piece);
            stream.finish();
        },
        std::bad_alloc);
    EXPECT_EQ(calls, 2);
}

// A stream dropped part-way, as when reading the page fails, ends without
// finishing the page and without waiting for more.
TEST(CompressorStream, ADroppedStreamStopsWithoutFinishing)
{
    THTMLCompressor switches;
    QByteArray out;
    {
        CompressorStream stream(switches, [&out](QByteArrayView bytes) { out += bytes; },
                                CompressorStream::Threads::Two);
        stream.write(QByteArray("<p align=center>a").repeated(100000));
    }
    // Every paragraph waits for a </p> that never came, so nothing came out;
    // finishing would have let all of it out as it was.
    EXPECT_TRUE(out.isEmpty());
}

} // namespace
