#include "model/PageList.h"

#include <new>

#include "platform/LargeMemory.h"

namespace model {

PageList& PageList::operator=(PageList&& other) noexcept
{
    if (this != &other) {
        Clear();
        chunks_ = std::move(other.chunks_);
        size_ = std::exchange(other.size_, 0);
        other.chunks_.clear();
    }
    return *this;
}

// The first chunk is touched only where used; a book that outgrows it is a
// large one, whose later chunks may be backed by large pages.
void PageList::PushBack(CPage&& page)
{
    if (size_ == chunks_.size() * kChunkPages) {
        chunks_.reserve(chunks_.size() + 1);
        void* chunk = platform::AllocateLarge(kChunkBytes, !chunks_.empty());
        if (!chunk)
            throw std::bad_alloc();
        chunks_.push_back(static_cast<CPage*>(chunk));
    }
    new (&(*this)[size_]) CPage(std::move(page));
    ++size_;
}

void PageList::Erase(size_t index)
{
    for (size_t i = index; i + 1 < size_; ++i)
        (*this)[i] = std::move((*this)[i + 1]);
    (*this)[--size_].~CPage();
    if (size_ % kChunkPages == 0) {
        platform::FreeLarge(chunks_.back(), kChunkBytes);
        chunks_.pop_back();
    }
}

void PageList::Clear()
{
    for (size_t i = 0; i < size_; ++i)
        (*this)[i].~CPage();
    for (CPage* chunk : chunks_)
        platform::FreeLarge(chunk, kChunkBytes);
    chunks_.clear();
    size_ = 0;
}

}  // namespace model
