#include "tests/unit/CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace counting_allocator {
namespace {

// Each block carries its size in front, kept aligned for any scalar type.
constexpr size_t kHeader = alignof(std::max_align_t);
std::atomic<size_t> current{0};
std::atomic<size_t> peak{0};
std::atomic<size_t> base{0};

void* Allocate(size_t size)
{
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
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

}  // namespace

size_t CurrentBytes() { return current.load(); }
void ResetPeak() { base = current.load(), peak = current.load(); }
size_t PeakBytesSinceReset() { return peak.load() - base.load(); }

}  // namespace counting_allocator

void* operator new(size_t size) { return counting_allocator::Allocate(size); }
void* operator new[](size_t size) { return counting_allocator::Allocate(size); }
void operator delete(void* p) noexcept { counting_allocator::Release(p); }
void operator delete[](void* p) noexcept { counting_allocator::Release(p); }
void operator delete(void* p, size_t) noexcept { counting_allocator::Release(p); }
void operator delete[](void* p, size_t) noexcept { counting_allocator::Release(p); }
// Sanitizer runtimes replace every form they are not given; give them all.
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    try {
        return counting_allocator::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { counting_allocator::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { counting_allocator::Release(p); }
