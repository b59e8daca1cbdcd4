// Random bytes and random mark-up through every engine: each must end,
// agree with itself where two paths should give the same result, and keep
// the bounds its output is known to keep. Seeded, so a failure repeats.
#include "codetools/document_analysis.h"
#include "codetools/html_compressor.h"
#include "codetools/html_parser.h"
#include "codetools/html_tag_stream.h"
#include "codetools/rtf_to_html.h"
#include "base/text_codec.h"

#include <QStringDecoder>
#include <gtest/gtest.h>
#include <random>

using namespace tagloom;

namespace {

const char *const kHtmlPieces[] = {
    "<", ">", "&", "&#", "&#x", "&#X4", ";", "\"", "=", " ", "  ", "\r", "\n", "\r\n", "\t", "&amp;", "&nbsp;",
    "&lt", "<!--", "-->", "<!--webbot bot=x -->", "<script>", "</script>", "<pre>", "</pre>", "<textarea>",
    "<p align=center>", "<P ALIGN=\"center\">", "</p>", "<center>", "<strong>", "</em>", "<blockquote>",
    "<a href=\"x y\">", "<img alt=\"\" src=a.gif>", "<td nowrap width=5>", "<font face=\"a=b\" color=red>",
    "title='q'", "=\"", "/", "<br/>", "\xEF\xBB\xBF", "text", "Gr\xc3\xb6\xc3\x9f""e", "\xe9", "\0", "x",
};

const char *const kRtfPieces[] = {
    "{", "}", "\\", "\\par ", "\\pard", "\\b", "\\b0", "\\i ", "\\ul", "\\ulnone", "\\qc", "\\qr", "\\ql",
    "\\f0", "\\f9 ", "\\fs24", "\\fs-3", "\\fs99999999999", "\\cf1", "\\cf77", "{\\fonttbl{\\f0 Arial;}",
    "{\\f1\\fnil Times \"New\";}", "{\\colortbl;\\red255\\green0\\blue0;", "\\red300", "\\'e9", "\\'0", "\\'",
    "\\'zz", "\\{", "\\}", "\\\\", "{\\*\\generator x;}", "{\\pntext", "\\pntext", "{\\*\\pn", "\\bullet",
    "\\tab", "\\line", "\\u8364?", "text", " ", "\r\n", "\n", "\xe9", "<", "&",
};

// 600 inputs per engine; TAGLOOM_FUZZ_ROUNDS asks for more (the sanitizer run).
int rounds()
{
    bool ok = false;
    const int asked = qEnvironmentVariableIntValue("TAGLOOM_FUZZ_ROUNDS", &ok);
    return ok && asked > 0 ? asked : 600;
}

template <size_t N>
QByteArray randomInput(std::mt19937 &random, const char *const (&pieces)[N])
{
    QByteArray input;
    const int count = std::uniform_int_distribution<int>(0, 120)(random);
    const bool bytes = random() % 4 == 0; // every fourth input is raw bytes
    for (int i = 0; i < count; ++i) {
        if (bytes)
            input += char(random() & 0xff);
        else if (const char *piece = pieces[random() % N]; *piece)
            input += piece;
        else
            input += '\0';
    }
    return input;
}

QStringList nodeTexts(const THTMLNode &node)
{
    if (const auto *tag = std::get_if<THTMLTag>(&node)) {
        QStringList out{QStringLiteral("T"), tag->Name.toString(), tag->RawText.toString()};
        for (const THTMLParam &p : tag->Params)
            out << p.Name.toString() << p.Value.toString() << p.RawText.toString();
        return out;
    }
    const auto &text = std::get<THTMLText>(node);
    return {QStringLiteral("X"), text.Text.toString(), text.RawText.toString()};
}

// A tag as a scan for tags only gives it, its parameters walked from its raw
// text, in the form nodeTexts gives.
QStringList walkedTagTexts(const THTMLTag &tag)
{
    QStringList out{QStringLiteral("T"), tag.Name.toString(), tag.RawText.toString()};
    TagParamTokens tokens(tag.RawText);
    THTMLParam p;
    while (tokens.next(p))
        out << upperAscii(p.Name.toString()) << p.Value.toString() << p.RawText.toString();
    return out;
}

// `input` handed to `feed` in pieces of random sizes, empty ones among them.
template <typename Feed>
void feedInPieces(std::mt19937 &random, QByteArrayView input, Feed feed)
{
    qsizetype at = 0;
    while (at < input.size()) {
        const qsizetype most = random() % 2 ? 3 : random() % 2 ? 40 : 700;
        const qsizetype size = std::min<qsizetype>(input.size() - at, qsizetype(random() % (most + 1)));
        feed(input.sliced(at, size));
        at += size;
    }
    feed(input.sliced(at));
}

// A tag read from the page's bytes, decoded as the parser decodes the
// page, in the form nodeTexts gives.
QStringList byteTagTexts(QByteArrayView raw, bool utf8)
{
    const auto text = [utf8](QByteArrayView bytes) {
        return utf8 ? QString(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(bytes))
                    : QString::fromLatin1(bytes);
    };
    TagByteTokens tokens(raw);
    QStringList out{QStringLiteral("T"), upperAscii(text(tokens.name())), text(raw)};
    TagByteTokens::Param p;
    while (tokens.next(p))
        out << upperAscii(text(p.name)) << text(p.value) << text(p.raw);
    return out;
}

TEST(EngineFuzz, TokenizerAndAnalysis)
{
    std::mt19937 random(20261209);
    for (int round = 0, n = rounds(); round < n; ++round) {
        const QByteArray input = randomInput(random, kHtmlPieces);
        THTMLParser lines;
        lines.LoadSource(input);
        lines.Parse();
        THTMLParser whole;
        whole.ParseBytes(input);
        THTMLParser text;
        text.ParseText(decode8Bit(input));
        THTMLParser scanned;
        size_t visited = 0;
        bool scanAgrees = true;
        scanned.ScanBytes(input, [&](const THTMLNode &node) {
            scanAgrees = scanAgrees && visited < lines.Nodes.size() && nodeTexts(node) == nodeTexts(lines.Nodes[visited]);
            ++visited;
        });
        QList<QStringList> walked, listed;
        THTMLParser tagsOnly;
        tagsOnly.ScanBytes(input, [&](const THTMLNode &node) { walked << walkedTagTexts(std::get<THTMLTag>(node)); },
                           THTMLParser::ScanNodes::TagsOnly);
        for (const THTMLNode &node : lines.Nodes)
            if (std::holds_alternative<THTMLTag>(node))
                listed << nodeTexts(node);
        EXPECT_EQ(walked, listed) << input.toHex().constData();
        // The tags straight from the bytes, which arrive in random blocks.
        std::mt19937 splits(round);
        const bool utf8 = isValidUtf8(input);
        QList<QStringList> streamed;
        HtmlTagStream stream([&](QByteArrayView raw) { streamed << byteTagTexts(raw, utf8); });
        feedInPieces(splits, input, [&](QByteArrayView piece) { stream.feed(piece); });
        stream.finish();
        EXPECT_EQ(streamed, listed) << input.toHex().constData();
        ASSERT_EQ(whole.Nodes.size(), lines.Nodes.size()) << input.toHex().constData();
        ASSERT_EQ(text.Nodes.size(), lines.Nodes.size()) << input.toHex().constData();
        EXPECT_TRUE(scanAgrees && visited == lines.Nodes.size()) << input.toHex().constData();
        for (size_t i = 0; i < lines.Nodes.size(); ++i) {
            ASSERT_EQ(nodeTexts(whole.Nodes[i]), nodeTexts(lines.Nodes[i])) << input.toHex().constData();
            ASSERT_EQ(nodeTexts(text.Nodes[i]), nodeTexts(lines.Nodes[i])) << input.toHex().constData();
            // Marks end nodes, so no node's raw text holds one.
            const QStringView raw = std::visit([](const auto &node) { return node.RawText; }, lines.Nodes[i]);
            ASSERT_FALSE(raw.contains(QLatin1Char('<')) || raw.contains(QLatin1Char('>'))) << input.toHex().constData();
        }
        const QVector<AnalysisRow> rows = analyseFile(input);
        ASSERT_FALSE(rows.isEmpty());
        EXPECT_EQ(rows, analyseDocument(lines)) << input.toHex().constData();
        QByteArrayList inBlocks, atOnce;
        const auto keep = [](QByteArrayList &into) {
            return [&into](const AnalysisFinding &f) { into << f.invalid.toByteArray() + '|' + f.message.toByteArray() + '|' + f.type.toByteArray(); };
        };
        PageAnalysis analysis(keep(inBlocks));
        feedInPieces(splits, input, [&](QByteArrayView piece) { analysis.feed(piece); });
        analysis.finish();
        const qint64 count = scanFindings(input, keep(atOnce));
        EXPECT_EQ(count, atOnce.size());
        EXPECT_EQ(inBlocks, atOnce) << input.toHex().constData();
    }
}

// Mark-up with server-side code among it. Code that holds "zq" is always
// whole in one piece, so skipped it never shows in a finding.
const char *const kServerPieces[] = {
    "<", ">", "\"", "=", " ", "\r", "\n", "\r\n", "<?", "?>", "<%", "%>", "<!--", "-->", "<!--#", "<!---",
    "--->", "-", "!", "<td nowrap x=\"", "<font foo=1>", "<img src=\"", "\" alt=y>", "<a b c>", "\xc3\xa9", "\xe9",
    "<?php zq ?>", "<?= \"zq\" ?>", "<% zq %>", "<%= zq %>", "<!--#echo zq -->", "<!--- zq --->", "<? $a<zq ?>",
};

// Findings with their places: the same whatever the blocks, with server
// code skipped or not; skipped, nothing from inside the code.
TEST(EngineFuzz, AnalysisPlacesAndServerCode)
{
    std::mt19937 random(1205);
    for (int round = 0, n = rounds(); round < n; ++round) {
        const QByteArray input = randomInput(random, kServerPieces);
        for (const bool skip : {false, true}) {
            AnalysisOptions options;
            options.skipServerCode = skip;
            QByteArrayList inBlocks, atOnce;
            const auto keep = [](QByteArrayList &into) {
                return [&into](const AnalysisFinding &f) {
                    into << f.invalid.toByteArray() + '|' + f.message.toByteArray() + '@' +
                                QByteArray::number(f.line) + ':' + QByteArray::number(f.column);
                };
            };
            PageAnalysis analysis(keep(inBlocks), options);
            feedInPieces(random, input, [&](QByteArrayView piece) { analysis.feed(piece); });
            analysis.finish();
            scanFindings(input, keep(atOnce), options);
            EXPECT_EQ(inBlocks, atOnce) << skip << ' ' << input.toHex().constData();
            for (const QByteArray &finding : atOnce) {
                EXPECT_TRUE(!skip || !finding.contains("ZQ")) << input.toHex().constData();
                EXPECT_FALSE(finding.contains('\n')) << input.toHex().constData();
                EXPECT_FALSE(finding.contains("@0:") || finding.endsWith(":0")) << input.toHex().constData();
            }
        }
    }
}

TEST(EngineFuzz, Compressor)
{
    std::mt19937 random(7);
    for (int round = 0, n = rounds(); round < n; ++round) {
        const QByteArray input = randomInput(random, kHtmlPieces);
        THTMLCompressor compressor;
        compressor.BlockquoteToUl = random() % 2;
        compressor.InvCommas = random() % 4 != 0;
        compressor.LoadBytes(input);
        compressor.Compress();
        const QByteArray once = compressor.Buffer();
        compressor.Compress(); // already compressed: nothing changes
        EXPECT_EQ(compressor.Buffer(), once);
        EXPECT_LE(once.size(), input.size()) << input.toHex().constData();

        THTMLCompressor idle;
        idle.InvCommas = idle.AllReturns = idle.Returns = idle.Webbots = idle.Spaces = idle.SimpleTags = idle.Center =
            false;
        idle.LoadBytes(input);
        idle.Compress();
        EXPECT_EQ(idle.Buffer(), input);
    }
}

// Mark-up longer than any pass looks ahead, so that it runs past the end of
// what a pass is given: runs of one byte, long comments, tags and values,
// and the marks a pass decides by the byte before them.
QByteArray longPiece(std::mt19937 &random)
{
    const QByteArray filler(int(random() % 100), " \r\n<>\"'x"[random() % 8]);
    switch (random() % 5) {
    case 0: return "<!--webbot bot=\"" + filler + "\" -->";
    case 1: return "<P align=center>" + filler + "</p>";
    case 2: return "<a href=\"" + filler + "\" title=x" + filler + ">";
    case 3: return "> <" + QByteArray(1, "tlpTs/"[random() % 6]) + "d>";
    default: return filler;
    }
}

// Pages of many random pieces, so that the passes stop short of the end of
// what they are given again and again.
TEST(EngineFuzz, CompressorStreamGivesWhatCompressGives)
{
    std::mt19937 random(31);
    for (int round = 0, n = rounds(); round < n; ++round) {
        QByteArray input;
        for (int parts = 1 + int(random() % 40); parts > 0; --parts) {
            input += randomInput(random, kHtmlPieces);
            if (random() % 2 == 0)
                input += longPiece(random);
        }
        THTMLCompressor whole;
        bool *const switches[] = {&whole.InvCommas, &whole.AllReturns, &whole.Returns,    &whole.Webbots,
                                  &whole.Spaces,    &whole.SimpleTags, &whole.BlockquoteToUl, &whole.Center};
        for (bool *on : switches)
            *on = random() % 3 != 0;
        QByteArray streamed;
        const auto threads = random() % 2 ? CompressorStream::Threads::Two : CompressorStream::Threads::One;
        CompressorStream stream(whole, [&streamed](QByteArrayView piece) { streamed += piece; }, threads);
        feedInPieces(random, input, [&stream](QByteArrayView piece) { stream.write(piece); });
        stream.finish();
        whole.LoadBytes(input);
        whole.Compress();
        ASSERT_EQ(streamed, whole.Buffer()) << input.toHex().constData();
        EXPECT_EQ(stream.bytesIn(), input.size());
        EXPECT_EQ(stream.bytesOut(), streamed.size());
    }
}

TEST(EngineFuzz, RtfToHtml)
{
    std::mt19937 random(1999);
    for (int round = 0, n = rounds(); round < n; ++round) {
        const QString rtf = QString::fromLatin1(randomInput(random, kRtfPieces));
        const QString html = RtfToHtml(QStringLiteral("{\\rtf1\\ansi ") + rtf);
        // Linear: a bounded amount of mark-up per input character.
        EXPECT_LE(html.size(), 64 * (rtf.size() + 16)) << rtf.toStdString();
    }
}

} // namespace
