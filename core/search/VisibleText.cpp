#include "core/search/VisibleText.h"

#include "core/links/Links.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace core {
namespace {

// How many ranges cover each position.
std::vector<int32_t> Coverage(const std::vector<HiddenRanges>& passes, size_t length)
{
    // Opened minus closed ranges at each position, then summed up: one pass
    // over the text and one over the ranges, however they overlap.
    std::vector<int32_t> coverage(length + 1, 0);
    for (const HiddenRanges& ranges : passes) {
        for (const TextRange& range : ranges) {
            const size_t end = std::min(range.end, length);
            if (range.start >= end)
                continue;
            ++coverage[range.start];
            --coverage[end];
        }
    }
    int32_t depth = 0;
    for (int32_t& at : coverage) {
        depth += at;
        at = depth;
    }
    return coverage;
}

}  // namespace

std::vector<HiddenRanges> LinkPassHiddenRanges(std::u16string_view text)
{
    // The passes that hide; the others only mark links.
    LinkRecorder recorder{std::u16string(text)};
    HideBookmarks(recorder);
    const size_t bookmarks = recorder.Hidden().size();
    MarkPageLinks(recorder);
    const HiddenRanges& hidden = recorder.Hidden();
    return {HiddenRanges(hidden.begin(), hidden.begin() + bookmarks), HiddenRanges(hidden.begin() + bookmarks, hidden.end())};
}

std::vector<std::optional<size_t>> LoneRanges(const std::vector<HiddenRanges>& passes, size_t length)
{
    const std::vector<int32_t> coverage = Coverage(passes, length);
    std::vector<std::optional<size_t>> lone(passes.size());
    // Covered once is covered by that range alone. A look stops at the first
    // position covered more than once, and a position covered once belongs
    // to one range: each pass looks at a position at most once.
    for (size_t pass = 0; pass < passes.size(); ++pass) {
        for (size_t index = 0; index < passes[pass].size() && !lone[pass]; ++index) {
            const TextRange& range = passes[pass][index];
            const size_t end = std::min(range.end, length);
            if (range.start < end && std::all_of(coverage.begin() + range.start, coverage.begin() + end,
                                                 [](int32_t covered) { return covered == 1; }))
                lone[pass] = index;
        }
    }
    return lone;
}

VisibleText::VisibleText(std::u16string_view text, const std::vector<HiddenRanges>& hidden)
{
    if (std::all_of(hidden.begin(), hidden.end(), [](const HiddenRanges& ranges) { return ranges.empty(); })) {
        visible_ = text;
        if (!text.empty())
            stretches_.push_back({0, 0});
        return;
    }
    const std::vector<int32_t> coverage = Coverage(hidden, text.size());
    visible_.reserve(text.size());
    bool inStretch = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (coverage[i] > 0) {
            inStretch = false;
            continue;
        }
        if (!inStretch)
            stretches_.push_back({visible_.size(), i});
        inStretch = true;
        visible_.push_back(text[i]);
    }
}

size_t VisibleText::FromWhole(size_t position) const
{
    // The last stretch starting at or before the position.
    auto after = std::upper_bound(stretches_.begin(), stretches_.end(), position,
                                  [](size_t at, const Stretch& stretch) { return at < stretch.wholeStart; });
    if (after == stretches_.begin())
        return 0;
    const Stretch& stretch = *(after - 1);
    const size_t length =
        (after == stretches_.end() ? visible_.size() : after->visibleStart) - stretch.visibleStart;
    return stretch.visibleStart + std::min(position - stretch.wholeStart, length);
}

size_t VisibleText::WholePosition(size_t index) const
{
    auto after = std::upper_bound(stretches_.begin(), stretches_.end(), index,
                                  [](size_t at, const Stretch& stretch) { return at < stretch.visibleStart; });
    const Stretch& stretch = *(after - 1);  // the first stretch starts at 0
    return stretch.wholeStart + (index - stretch.visibleStart);
}

TextMatch VisibleText::ToWhole(const TextMatch& match) const
{
    if (match.length == 0 || match.start + match.length > visible_.size())
        return {};
    const size_t start = WholePosition(match.start);
    return {start, WholePosition(match.start + match.length - 1) + 1 - start};
}

std::optional<TextMatch> VisibleText::Find(std::u16string_view pattern, size_t from, SearchFlags flags) const
{
    const std::optional<TextMatch> match = FindText(visible_, pattern, FromWhole(from), flags);
    if (!match)
        return std::nullopt;
    return ToWhole(*match);
}

}  // namespace core
