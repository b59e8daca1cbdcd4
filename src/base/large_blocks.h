#pragma once
// Memory for large blocks written once from end to end (the nodes of a big
// page, an engine's output). Such blocks are mapped with huge pages where
// the system offers them: faulting in a block 4 KiB at a time can cost
// more than the work that fills it.

#include <cstddef>
#include <memory>

namespace tagloom {

// Blocks of at least this size are mapped; smaller ones come from the heap.
constexpr size_t kLargeBlockBytes = size_t(4) << 20;

// `bytes` of uninitialised memory; throws std::bad_alloc.
void *allocateBlock(size_t bytes);
// Frees what allocateBlock returned for the same `bytes`.
void freeBlock(void *block, size_t bytes) noexcept;

// A standard allocator on allocateBlock, for containers that grow large.
template <typename T>
struct LargeBlockAllocator {
    using value_type = T;
    LargeBlockAllocator() = default;
    template <typename U>
    LargeBlockAllocator(const LargeBlockAllocator<U> &)
    {
    }
    T *allocate(size_t n) { return static_cast<T *>(allocateBlock(n * sizeof(T))); }
    void deallocate(T *p, size_t n) noexcept { freeBlock(p, n * sizeof(T)); }
    friend bool operator==(const LargeBlockAllocator &, const LargeBlockAllocator &) { return true; }
    friend bool operator!=(const LargeBlockAllocator &, const LargeBlockAllocator &) { return false; }
};

} // namespace tagloom
