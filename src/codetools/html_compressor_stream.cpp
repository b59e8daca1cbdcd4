// The compressor's passes as a pipeline over pieces of a page. Each piece
// goes through every pass in place, in one block that stays in the
// processor's cache, so no pass waits for the whole page and no page is
// ever held whole.
#include "codetools/html_compressor.h"

#include "codetools/html_compressor_passes.h"

#include <vector>

namespace tagloom {

namespace {

// Pieces small enough that the block and the passes' work on it stay in
// the cache.
constexpr qsizetype kPieceBytes = qsizetype(128) << 10;
// Room in front of a piece for what the passes left over from the one
// before, so that it is joined to the piece without moving the piece.
constexpr qsizetype kHeadroom = qsizetype(64) << 10;

std::vector<std::unique_ptr<compressor::Pass>> chosenPasses(const THTMLCompressor &c)
{
    using compressor::LineBreakPass;
    std::vector<std::unique_ptr<compressor::Pass>> passes;
    if (c.InvCommas)
        passes.push_back(compressor::quotePass());
    if (c.AllReturns || c.Returns) {
        for (const LineBreakPass pass : {LineBreakPass::CrCr, LineBreakPass::LfLf})
            passes.push_back(compressor::lineBreakPass(pass, c.Webbots));
        if (c.AllReturns)
            for (const LineBreakPass pass : {LineBreakPass::CrLf, LineBreakPass::Cr, LineBreakPass::Lf})
                passes.push_back(compressor::lineBreakPass(pass, c.Webbots));
    }
    if (c.Spaces)
        passes.push_back(compressor::spacePass());
    if (c.SimpleTags || c.BlockquoteToUl)
        passes.push_back(compressor::tagPass(c.SimpleTags, c.BlockquoteToUl));
    if (c.Center)
        for (const char *opening : {"<p align=center>", "<p align=\"center\">"})
            passes.push_back(compressor::centrePass(opening));
    return passes;
}

} // namespace

class CompressorStream::Pipeline {
public:
    Pipeline(std::vector<std::unique_ptr<compressor::Pass>> passes, Sink sink) : m_sink(std::move(sink))
    {
        for (auto &pass : passes)
            m_stages.push_back({std::move(pass), {}, 0});
        m_block.resize(kHeadroom + kPieceBytes);
    }

    qint64 write(QByteArrayView bytes)
    {
        qint64 out = 0;
        while (!bytes.isEmpty()) {
            const qsizetype piece = std::min(bytes.size(), kPieceBytes);
            char *at = m_block.data() + kHeadroom;
            std::memcpy(at, bytes.data(), size_t(piece));
            out += push(0, at, piece, kHeadroom, false);
            bytes = bytes.sliced(piece);
        }
        return out;
    }

    qint64 finish() { return push(0, m_block.data() + kHeadroom, 0, kHeadroom, true); }

private:
    struct Stage {
        std::unique_ptr<compressor::Pass> pass;
        QByteArray carry;      // input the pass has yet to finish
        qsizetype waitFor = 0; // the input to gather before it runs again
    };

    // Hands `n` new bytes at `data` to stage `k`; returns the bytes that came
    // out of the last stage. The `room` bytes in front of `data` are free.
    qint64 push(size_t k, char *data, qsizetype n, qsizetype room, bool last)
    {
        if (k == m_stages.size()) {
            if (n > 0)
                m_sink(QByteArrayView(data, n));
            return n;
        }
        Stage &stage = m_stages[k];
        // A pass that stopped short goes over what it left again when it
        // runs next; waiting until that much is new keeps the work linear.
        if (!last && stage.carry.size() + n < std::max<qsizetype>(stage.waitFor, 1)) {
            stage.carry.append(data, n);
            return 0;
        }
        char *work = data;
        qsizetype length = n;
        bool inCarry = false;
        if (const qsizetype carried = stage.carry.size(); carried > 0 && carried <= room) {
            work = data - carried;
            std::memcpy(work, stage.carry.constData(), size_t(carried));
            length += carried;
            room -= carried;
            stage.carry.resize(0);
        } else if (carried > 0) {
            stage.carry.append(data, n);
            work = stage.carry.data();
            length = stage.carry.size();
            inCarry = true;
        }
        const compressor::Progress done = stage.pass->run(work, length, work, last);
        stage.waitFor = 2 * (length - done.read);
        if (inCarry) {
            // The next stage works on the front of this carry in place.
            const qint64 out = push(k + 1, work, done.written, 0, last);
            stage.carry.remove(0, done.read);
            keepSmall(stage.carry);
            return out;
        }
        stage.carry.resize(length - done.read);
        std::memcpy(stage.carry.data(), work + done.read, size_t(length - done.read));
        return push(k + 1, work, done.written, room, last);
    }

    // A carry that once held a long construct gives its room back.
    static void keepSmall(QByteArray &carry)
    {
        if (carry.capacity() > 4 * kPieceBytes && carry.size() < carry.capacity() / 4)
            carry.squeeze();
    }

    std::vector<Stage> m_stages;
    Sink m_sink;
    QByteArray m_block; // headroom, then the piece under way
};

CompressorStream::CompressorStream(const THTMLCompressor &switches, Sink sink)
    : m_pipeline(std::make_unique<Pipeline>(chosenPasses(switches), std::move(sink)))
{
}

CompressorStream::~CompressorStream() = default;

void CompressorStream::write(QByteArrayView bytes)
{
    m_in += bytes.size();
    m_out += m_pipeline->write(bytes);
}

void CompressorStream::finish()
{
    m_out += m_pipeline->finish();
}

} // namespace tagloom
