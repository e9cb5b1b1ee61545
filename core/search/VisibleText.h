#pragma once
// The text a reader sees of a page: its text without the ranges the link
// passes hide, and the way back from there to positions of the whole text,
// where the control's selection lives.
#include "core/links/LinkRecorder.h"
#include "core/search/TextSearch.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// What one pass hides.
using HiddenRanges = std::vector<TextRange>;

// What the link passes that hide would hide in `text` (character positions,
// without the control's final paragraph mark), one list per pass: bookmarks,
// then the heads and ends of page links.
std::vector<HiddenRanges> LinkPassHiddenRanges(std::u16string_view text);

// For each pass, one of its ranges that no range of another pass overlaps,
// when it has one: whether the control shows that range hidden tells whether
// the pass ran. `length` is the text's.
std::vector<std::optional<size_t>> LoneRanges(const std::vector<HiddenRanges>& passes, size_t length);

class VisibleText {
public:
    // Ranges in any order; they may overlap, be empty or reach past the end
    // of the text.
    VisibleText(std::u16string_view text, const std::vector<HiddenRanges>& hidden);

    const std::u16string& Text() const { return visible_; }
    // How many visible characters stand before `position` of the whole text.
    size_t FromWhole(size_t position) const;
    // The match in the whole text: from its first visible character to just
    // after its last, with any hidden run between them.
    TextMatch ToWhole(const TextMatch& match) const;
    // FindText over the visible characters; `from` and the match are
    // positions of the whole text.
    std::optional<TextMatch> Find(std::u16string_view pattern, size_t from, SearchFlags flags) const;

private:
    size_t WholePosition(size_t index) const;

    // A run of visible characters: where it starts in either text.
    struct Stretch {
        size_t visibleStart = 0;
        size_t wholeStart = 0;
    };
    std::u16string visible_;
    std::vector<Stretch> stretches_;
};

}  // namespace core
