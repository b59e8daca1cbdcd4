#include "base/large_blocks.h"

#include <new>
#include <sys/mman.h>

namespace tagloom {

void *allocateBlock(size_t bytes)
{
    if (bytes < kLargeBlockBytes)
        return ::operator new(bytes);
    void *block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(block, bytes, MADV_HUGEPAGE); // a hint: without huge pages the block still works
#endif
    return block;
}

void freeBlock(void *block, size_t bytes) noexcept
{
    if (!block)
        return;
    if (bytes < kLargeBlockBytes)
        ::operator delete(block);
    else
        munmap(block, bytes);
}

} // namespace tagloom
