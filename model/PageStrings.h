#pragma once
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace model {

// The titles and contents of a book's pages, in large blocks that are
// neither moved nor freed one by one: a page keeps a pointer into them, and
// a million pages make no million allocations.
class PageStrings {
public:
    PageStrings() = default;
    PageStrings(PageStrings&& other) noexcept { *this = std::move(other); }
    PageStrings& operator=(PageStrings&& other) noexcept;
    ~PageStrings() { Clear(); }

    // Room for `units` code units, where it stays while these strings live.
    // Throws std::bad_alloc.
    char16_t* Allocate(size_t units);
    void Clear();

private:
    struct Block {
        char16_t* units;
        size_t bytes;
    };
    std::vector<Block> blocks_;
    char16_t* next_ = nullptr;
    size_t left_ = 0;  // units free at next_
};

}  // namespace model
