#include "tests/unit/CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace counting_allocator {
namespace {

// Each block carries its size in front, kept aligned for any scalar type.
constexpr size_t kHeader = alignof(std::max_align_t);
std::atomic<size_t> current{0}, peak{0}, base{0};

}  // namespace

void* Allocate(size_t size, bool nothrow)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) {
        if (nothrow)
            return nullptr;
        throw std::bad_alloc();
    }
    *reinterpret_cast<size_t*>(block) = size;
    const size_t now = current += size;
    for (size_t seen = peak.load(); now > seen && !peak.compare_exchange_weak(seen, now);) {
    }
    return block + kHeader;
}

void Release(void* p) noexcept
{
    if (!p)
        return;
    auto* block = static_cast<unsigned char*>(p) - kHeader;
    current -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}

size_t CurrentBytes() { return current.load(); }
void ResetPeak() { base = current.load(), peak = current.load(); }
size_t PeakBytesSinceReset() { return peak.load() - base.load(); }

}  // namespace counting_allocator

using counting_allocator::Allocate, counting_allocator::Release;
void* operator new(size_t size) { return Allocate(size, false); }
void* operator new[](size_t size) { return Allocate(size, false); }
// Sanitizer runtimes replace every form they are not given; give them all.
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size, true); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
