#include <windows.h>

#include "platform/LargeMemory.h"

namespace platform {

// Large pages need a privilege users rarely hold; committed pages are made
// when first touched either way.
void* AllocateLarge(size_t bytes, bool)
{
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void FreeLarge(void* block, size_t)
{
    if (block)
        VirtualFree(block, 0, MEM_RELEASE);
}

}  // namespace platform
