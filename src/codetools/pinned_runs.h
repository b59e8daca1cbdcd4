#pragma once
// PinnedRuns: items kept in runs in large blocks that never move.

#include "base/large_blocks.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace tagloom {

// Items kept in runs in large blocks that never move, so a pointer to a run
// stays valid for the owner's life. A run still being added to moves whole
// into a new block when it outgrows the last one. Blocks are not cleared:
// memory is touched only as far as it is used. The first block is small, so
// a small page takes little memory.
template <typename T>
class PinnedRuns {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    PinnedRuns() = default;
    // Room for `n` more items at the end of the current run.
    T *extend(size_t n)
    {
        if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().size < n)
            newBlock(n);
        Block &block = m_blocks.back();
        T *room = block.data.get() + block.size;
        block.size += n;
        return room;
    }
    // Gives back the last `n` items of the current run.
    void giveBack(size_t n) { m_blocks.back().size -= n; }
    // Forgets every run, keeping the last block for the next ones.
    void rewind()
    {
        if (m_blocks.empty())
            return;
        m_blocks.erase(m_blocks.begin(), m_blocks.end() - 1);
        m_blocks.back().size = 0;
        m_start = 0;
    }
    void add(const T &item) { *extend(1) = item; }
    void add(const T *items, size_t n) { std::memcpy(static_cast<void *>(extend(n)), items, n * sizeof(T)); }
    // The current run, ended: the next item starts a new one.
    std::pair<T *, size_t> take()
    {
        if (m_blocks.empty())
            return {nullptr, 0};
        Block &block = m_blocks.back();
        const std::pair<T *, size_t> run(block.data.get() + m_start, block.size - m_start);
        m_start = block.size;
        return run;
    }

private:
    struct Free {
        size_t bytes;
        void operator()(T *p) const { freeBlock(p, bytes); }
    };
    struct Block {
        std::unique_ptr<T, Free> data;
        size_t size = 0;
        size_t capacity = 0;
    };
    void newBlock(size_t more)
    {
        const size_t pending = m_blocks.empty() ? 0 : m_blocks.back().size - m_start;
        Block block;
        const size_t blockSize = m_blocks.empty() ? kFirstBlockBytes / sizeof(T) : kLargeBlockBytes / sizeof(T);
        // A run growing piece by piece doubles; one large request gets just
        // its size, so the address space taken stays near the memory used.
        block.capacity = std::max(blockSize, 2 * pending + more);
        block.data = std::unique_ptr<T, Free>(static_cast<T *>(allocateBlock(block.capacity * sizeof(T))),
                                              Free{block.capacity * sizeof(T)});
        if (pending > 0)
            std::memcpy(static_cast<void *>(block.data.get()), m_blocks.back().data.get() + m_start, pending * sizeof(T));
        block.size = pending;
        // A block that held nothing but the run that moved is of no more use.
        if (pending > 0 && m_start == 0)
            m_blocks.pop_back();
        m_blocks.push_back(std::move(block));
        m_start = 0;
    }

    static constexpr size_t kFirstBlockBytes = size_t(64) << 10;
    std::vector<Block> m_blocks;
    size_t m_start = 0; // where the current run begins in the last block
};

} // namespace tagloom
