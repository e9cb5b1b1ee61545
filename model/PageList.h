#pragma once
#include <cstddef>
#include <utility>
#include <vector>

#include "model/Page.h"

namespace model {

// Pages in stored order, held by value in chunks that never move: growing
// never copies the pages read so far (a million of them would need twice
// their memory while being copied), and a page's address stays the same.
class PageList {
public:
    PageList() = default;
    PageList(PageList&& other) noexcept { *this = std::move(other); }
    PageList& operator=(PageList&& other) noexcept;
    ~PageList() { Clear(); }

    size_t Size() const { return size_; }
    CPage& operator[](size_t index) { return chunks_[index / kChunkPages][index % kChunkPages]; }
    const CPage& operator[](size_t index) const { return chunks_[index / kChunkPages][index % kChunkPages]; }

    // Throws std::bad_alloc.
    void PushBack(CPage&& page);
    // Moves the pages after `index` one place forward.
    void Erase(size_t index);
    void Clear();

    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        for (size_t i = 0; i < size_; ++i)
            visit((*this)[i]);
    }
    template <typename Visit>
    void ForEach(Visit&& visit)
    {
        for (size_t i = 0; i < size_; ++i)
            visit((*this)[i]);
    }

private:
    static constexpr size_t kChunkBytes = size_t{2} << 20;
    static constexpr size_t kChunkPages = kChunkBytes / sizeof(CPage);

    std::vector<CPage*> chunks_;  // each kChunkBytes from the system
    size_t size_ = 0;
};

}  // namespace model
