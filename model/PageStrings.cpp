#include "model/PageStrings.h"

#include <new>

#include "platform/LargeMemory.h"

namespace model {
namespace {

constexpr size_t kBlockUnits = size_t{1} << 20;  // 2 MiB

}  // namespace

PageStrings& PageStrings::operator=(PageStrings&& other) noexcept
{
    if (this != &other) {
        Clear();
        blocks_ = std::move(other.blocks_);
        next_ = std::exchange(other.next_, nullptr);
        left_ = std::exchange(other.left_, 0);
        other.blocks_.clear();
    }
    return *this;
}

// The first block is touched only where used; a book that outgrows it is a
// large one, whose later blocks may be backed by large pages.
char16_t* PageStrings::Allocate(size_t units)
{
    if (units == 0)
        return nullptr;
    if (units > left_) {
        const size_t blockUnits = units > kBlockUnits ? units : kBlockUnits;
        const size_t bytes = blockUnits * sizeof(char16_t);
        void* block = platform::AllocateLarge(bytes, !blocks_.empty());
        if (!block)
            throw std::bad_alloc();
        blocks_.push_back({static_cast<char16_t*>(block), bytes});
        // A block of its own for a string beyond the usual size leaves the
        // current block's room for the next ones.
        if (units > kBlockUnits)
            return static_cast<char16_t*>(block);
        next_ = static_cast<char16_t*>(block);
        left_ = blockUnits;
    }
    char16_t* room = next_;
    next_ += units;
    left_ -= units;
    return room;
}

void PageStrings::Clear()
{
    for (const Block& block : blocks_)
        platform::FreeLarge(block.units, block.bytes);
    blocks_.clear();
    next_ = nullptr;
    left_ = 0;
}

}  // namespace model
