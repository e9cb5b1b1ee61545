#include <sys/mman.h>

#include "platform/LargeMemory.h"

namespace platform {

void* AllocateLarge(size_t bytes, bool hugePages)
{
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        return nullptr;
#ifdef MADV_HUGEPAGE
    // Only advice: where the system has no large pages it is ignored.
    if (hugePages)
        madvise(block, bytes, MADV_HUGEPAGE);
#endif
    return block;
}

void FreeLarge(void* block, size_t bytes)
{
    if (block)
        munmap(block, bytes);
}

}  // namespace platform
