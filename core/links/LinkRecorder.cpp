#include "core/links/LinkRecorder.h"

#include <algorithm>
#include <utility>

namespace core {

LinkRecorder::LinkRecorder(std::u16string text) : text_(std::move(text) + u"\r"), hidden_(text_.size(), false) {}

int32_t LinkRecorder::FirstHidden(int32_t start, int32_t end)
{
    while (start < end && !IsHidden(start))
        ++start;
    return start;
}

int32_t LinkRecorder::AfterLastHidden(int32_t start, int32_t end)
{
    while (end > start && !IsHidden(end - 1))
        --end;
    return end;
}

void LinkRecorder::Hide(int32_t start, int32_t end, bool)
{
    if (start < 0 || end <= start)
        return;
    hiddenRanges_.push_back({static_cast<size_t>(start), static_cast<size_t>(end)});
    const auto last = std::min(static_cast<size_t>(end), hidden_.size());
    for (auto at = static_cast<size_t>(start); at < last; ++at)
        hidden_[at] = true;
}

void LinkRecorder::MarkLink(int32_t start, int32_t end)
{
    if (start >= 0 && end > start)
        links_.push_back({static_cast<size_t>(start), static_cast<size_t>(end)});
}

std::vector<TextRange> LinkRecorder::TakeLinks() { return std::exchange(links_, {}); }

}  // namespace core
