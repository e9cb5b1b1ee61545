#include "components/VisibleText.h"

#include "components/Links.h"

#include <algorithm>
#include <cstdint>

namespace components {
namespace {

// The passes over a text no control shows: only what they hide is kept.
class HiddenRecorder final : public LinkText {
public:
    // The passes read the text as the control gives it, ending in its final
    // paragraph mark.
    explicit HiddenRecorder(std::u16string_view text) : text_(std::u16string(text) + u"\r") {}

    const std::u16string& Text() override { return text_; }
    void Hide(int32_t start, int32_t end, bool) override
    {
        if (start >= 0 && end > start)
            ranges_.push_back({static_cast<size_t>(start), static_cast<size_t>(end)});
    }
    void MarkLink(int32_t, int32_t) override {}

    std::vector<TextRange> Take() { return std::move(ranges_); }

private:
    std::u16string text_;
    std::vector<TextRange> ranges_;
};

}  // namespace

std::vector<TextRange> LinkPassHiddenRanges(std::u16string_view text)
{
    HiddenRecorder recorder(text);
    // The passes that hide; the others only mark links.
    HideBookmarks(recorder);
    MarkPageLinks(recorder);
    return recorder.Take();
}

VisibleText::VisibleText(std::u16string_view text, const std::vector<TextRange>& hidden)
{
    // How many ranges start minus how many end at each position: a position
    // is hidden while the running sum is above zero. One pass over the text
    // and one over the ranges, however they overlap.
    if (hidden.empty()) {
        visible_ = text;
        if (!text.empty())
            stretches_.push_back({0, 0});
        return;
    }
    std::vector<int32_t> opened(text.size() + 1, 0);
    for (const TextRange& range : hidden) {
        const size_t end = std::min(range.end, text.size());
        if (range.start >= end)
            continue;
        ++opened[range.start];
        --opened[end];
    }
    visible_.reserve(text.size());
    int64_t depth = 0;
    bool inStretch = false;
    for (size_t i = 0; i < text.size(); ++i) {
        depth += opened[i];
        if (depth > 0) {
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

}  // namespace components
