#pragma once
// Searching the notebook's pages as the Lister's search asks: within one
// text, and from page to page in the order the tree shows them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {
class CPage;
class PageTree;
}  // namespace model

namespace core {

struct SearchFlags {
    bool matchCase = false;
    bool wholeWords = false;
    bool backwards = false;
};

struct TextMatch {
    size_t start = 0;
    size_t length = 0;
};

// The first match that starts at or after `from`, or, backwards, the last
// one that ends at or before it. Without matchCase both sides are folded as
// the tree folds titles; a whole word has no letter or digit on either side.
std::optional<TextMatch> FindText(std::u16string_view text, std::u16string_view pattern, size_t from,
                                  SearchFlags flags);

// The text a search looks at: plain text as it is, rich text without its
// markup, HTML and web archives in their source; nothing for folders.
std::u16string SearchableText(const model::CPage& page);

// The pages of the fully expanded tree in the order it shows them.
class PageOrder {
public:
    explicit PageOrder(const model::PageTree& tree);

    // Going on from `current` (the first page, or the last backwards, when
    // it is null or not in the tree), the next page holding the pattern
    // where a reader sees it (not in what the link passes hide),
    // round the end and back, `current` itself last; null when none does.
    const model::CPage* NextWithMatch(const model::CPage* current, std::u16string_view pattern,
                                      SearchFlags flags) const;
    size_t Size() const { return pages_.size(); }

private:
    std::vector<const model::CPage*> pages_;
};

}  // namespace core
