// The compressor's passes as a pipeline over pieces of a page. Each piece
// goes through the passes in place, in one block that stays in the
// processor's cache, so no pass waits for the whole page and no page is
// ever held whole. With two threads the later passes run on the second,
// a few pieces behind the earlier ones.
#include "codetools/html_compressor.h"

#include "codetools/html_compressor_passes.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tagloom {

namespace {

using PassList = std::vector<std::unique_ptr<compressor::Pass>>;

// Pieces small enough that the block and the passes' work on it stay in
// the cache.
constexpr qsizetype kPieceBytes = qsizetype(128) << 10;
// Room in front of a piece for what the passes left over from the one
// before, so that it is joined to the piece without moving the piece.
constexpr qsizetype kHeadroom = qsizetype(64) << 10;

PassList chosenPasses(const THTMLCompressor &c)
{
    using compressor::LineBreakPass;
    PassList passes;
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

// Passes run one after another over each piece.
class StageChain {
public:
    StageChain(PassList passes, CompressorStream::Sink sink) : m_sink(std::move(sink))
    {
        for (auto &pass : passes)
            m_stages.push_back({std::move(pass), {}, 0});
    }

    // Copies `bytes` into a block of the chain's own and runs them through.
    void write(QByteArrayView bytes)
    {
        if (m_block.isEmpty())
            m_block.resize(kHeadroom + kPieceBytes);
        while (!bytes.isEmpty()) {
            const qsizetype piece = std::min(bytes.size(), kPieceBytes);
            char *at = m_block.data() + kHeadroom;
            std::memcpy(at, bytes.data(), size_t(piece));
            push(0, at, piece, kHeadroom, false);
            bytes = bytes.sliced(piece);
        }
    }

    // Runs the `n` bytes at `data` through in place; the `room` bytes in
    // front of them are free.
    void writeInPlace(char *data, qsizetype n, qsizetype room) { push(0, data, n, room, false); }

    void finish()
    {
        static char none;
        push(0, &none, 0, 0, true);
    }

private:
    struct Stage {
        std::unique_ptr<compressor::Pass> pass;
        QByteArray carry;      // input the pass has yet to finish
        qsizetype waitFor = 0; // the input to gather before it runs again
    };

    // Hands `n` new bytes at `data` to stage `k`, the `room` bytes in front
    // of them being free.
    void push(size_t k, char *data, qsizetype n, qsizetype room, bool last)
    {
        if (k == m_stages.size()) {
            if (n > 0)
                m_sink(QByteArrayView(data, n));
            return;
        }
        Stage &stage = m_stages[k];
        // A pass that stopped short goes over what it left again when it
        // runs next; waiting until that much is new keeps the work linear.
        if (!last && stage.carry.size() + n < std::max<qsizetype>(stage.waitFor, 1)) {
            stage.carry.append(data, n);
            return;
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
            push(k + 1, work, done.written, 0, last);
            stage.carry.remove(0, done.read);
            keepSmall(stage.carry);
            return;
        }
        stage.carry.resize(length - done.read);
        std::memcpy(stage.carry.data(), work + done.read, size_t(length - done.read));
        push(k + 1, work, done.written, room, last);
    }

    // A carry that once held a long construct gives its room back.
    static void keepSmall(QByteArray &carry)
    {
        if (carry.capacity() > 4 * kPieceBytes && carry.size() < carry.capacity() / 4)
            carry.squeeze();
    }

    std::vector<Stage> m_stages;
    CompressorStream::Sink m_sink;
    QByteArray m_block; // headroom, then the piece under way
};

} // namespace

// The front half of the passes on the caller's thread; with two threads,
// the back half on a worker, fed through a few buffers that go round, so
// that neither half waits long for the other and little memory is held.
class CompressorStream::Pipeline {
public:
    Pipeline(PassList passes, Sink sink, CompressorStream::Threads threads)
    {
        if (threads == CompressorStream::Threads::One || passes.size() < 2) {
            m_front = std::make_unique<StageChain>(std::move(passes), std::move(sink));
            return;
        }
        // The quote pass and the first line-break passes weigh about as
        // much as the rest.
        const auto middle = passes.begin() + std::ptrdiff_t(std::min<size_t>(passes.size() / 2, 4));
        PassList back(std::make_move_iterator(middle), std::make_move_iterator(passes.end()));
        passes.erase(middle, passes.end());
        m_back = std::make_unique<StageChain>(std::move(back), std::move(sink));
        m_front = std::make_unique<StageChain>(std::move(passes), [this](QByteArrayView piece) { hand(piece); });
        m_filling = newBuffer();
        m_worker = std::thread([this] { work(); });
    }

    // A stream dropped before its end leaves the rest unfinished.
    ~Pipeline()
    {
        if (m_worker.joinable()) {
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_abandoned = true;
            }
            close();
            m_worker.join();
        }
    }

    void write(QByteArrayView bytes)
    {
        m_front->write(bytes);
        if (m_back)
            send();
    }

    void finish()
    {
        m_front->finish();
        if (!m_back)
            return;
        send();
        close();
        m_worker.join();
        if (m_error)
            std::rethrow_exception(m_error);
    }

private:
    static constexpr size_t kBuffers = 4;

    static QByteArray newBuffer()
    {
        QByteArray buffer;
        buffer.reserve(kHeadroom + kPieceBytes);
        buffer.resize(kHeadroom);
        return buffer;
    }

    // Front half: what came out of the front passes, into the buffer being
    // filled; a full buffer goes to the back half.
    void hand(QByteArrayView piece)
    {
        while (!piece.isEmpty()) {
            const qsizetype room = kHeadroom + kPieceBytes - m_filling.size();
            const qsizetype part = std::min(room, piece.size());
            m_filling.append(piece.first(part));
            piece = piece.sliced(part);
            if (m_filling.size() == kHeadroom + kPieceBytes)
                send();
        }
    }

    // Front half: passes the buffer being filled on, when it holds anything.
    void send()
    {
        if (m_filling.size() == kHeadroom)
            return;
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_full.size() < kBuffers || m_error; });
        if (m_error)
            std::rethrow_exception(m_error);
        m_full.push_back(std::move(m_filling));
        if (m_spare.empty()) {
            m_filling = newBuffer();
        } else {
            m_filling = std::move(m_spare.back());
            m_spare.pop_back();
        }
        m_changed.notify_all();
    }

    void close()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
    }

    // Back half, on the worker.
    void work()
    {
        try {
            while (true) {
                QByteArray buffer;
                {
                    std::unique_lock<std::mutex> lock(m_mutex);
                    m_changed.wait(lock, [this] { return !m_full.empty() || m_closed; });
                    if (m_abandoned)
                        return;
                    if (m_full.empty())
                        break;
                    buffer = std::move(m_full.front());
                    m_full.pop_front();
                }
                m_back->writeInPlace(buffer.data() + kHeadroom, buffer.size() - kHeadroom, kHeadroom);
                buffer.resize(kHeadroom);
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_spare.push_back(std::move(buffer));
                m_changed.notify_all();
            }
            m_back->finish();
        } catch (...) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_error = std::current_exception();
            m_changed.notify_all();
        }
    }

    std::unique_ptr<StageChain> m_front;
    std::unique_ptr<StageChain> m_back; // with two threads
    QByteArray m_filling;               // front's output being gathered
    std::thread m_worker;
    std::mutex m_mutex; // guards what follows
    std::condition_variable m_changed;
    std::deque<QByteArray> m_full;   // waiting for the back half
    std::vector<QByteArray> m_spare; // emptied by the back half
    bool m_closed = false;
    bool m_abandoned = false;
    std::exception_ptr m_error;
};

CompressorStream::CompressorStream(const THTMLCompressor &switches, Sink sink, Threads threads)
{
    m_pipeline = std::make_unique<Pipeline>(chosenPasses(switches),
                                            [this, sink = std::move(sink)](QByteArrayView piece) {
                                                m_out += piece.size();
                                                sink(piece);
                                            },
                                            threads);
}

CompressorStream::~CompressorStream() = default;

void CompressorStream::write(QByteArrayView bytes)
{
    m_in += bytes.size();
    m_pipeline->write(bytes);
}

void CompressorStream::finish()
{
    m_pipeline->finish();
}

} // namespace tagloom
