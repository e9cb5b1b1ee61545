#include "core/search/TextSearch.h"

#include "core/search/VisibleText.h"
#include "model/PageTree.h"
#include "platform/System.h"
#include "richtext/PlainText.h"
#include "richtext/RtfReader.h"
#include "text/WordCharacters.h"

#include <algorithm>

namespace core {
namespace {

bool IsWholeWord(std::u16string_view text, size_t start, size_t length)
{
    const bool before = start > 0 && text::IsWordCharacter(text[start - 1]);
    const bool after = start + length < text.size() && text::IsWordCharacter(text[start + length]);
    return !before && !after;
}

}  // namespace

std::optional<TextMatch> FindText(std::u16string_view text, std::u16string_view pattern, size_t from,
                                  SearchFlags flags)
{
    if (pattern.empty() || pattern.size() > text.size())
        return std::nullopt;
    // Lower-casing maps one unit to one unit, so positions stay where they were.
    std::u16string foldedText, foldedPattern;
    if (!flags.matchCase) {
        foldedText = platform::ToLower(std::u16string(text));
        foldedPattern = platform::ToLower(std::u16string(pattern));
        text = foldedText;
        pattern = foldedPattern;
    }
    from = std::min(from, text.size());
    if (!flags.backwards) {
        for (size_t at = text.find(pattern, from); at != std::u16string_view::npos; at = text.find(pattern, at + 1))
            if (!flags.wholeWords || IsWholeWord(text, at, pattern.size()))
                return TextMatch{at, pattern.size()};
        return std::nullopt;
    }
    if (from < pattern.size())
        return std::nullopt;
    for (size_t at = text.rfind(pattern, from - pattern.size()); at != std::u16string_view::npos;
         at = at == 0 ? std::u16string_view::npos : text.rfind(pattern, at - 1))
        if (!flags.wholeWords || IsWholeWord(text, at, pattern.size()))
            return TextMatch{at, pattern.size()};
    return std::nullopt;
}

std::u16string SearchableText(const model::CPage& page)
{
    if (page.IsFolder())
        return {};
    if (page.Kind() == model::kRichText)
        return richtext::PlainText(richtext::ReadRtf(page.Text(), richtext::Pictures::Leave));
    return page.Text();
}

PageOrder::PageOrder(const model::PageTree& tree)
{
    tree.WalkExpanded([this](const model::CPage& page, size_t) {
        pages_.push_back(&page);
        return true;
    });
}

const model::CPage* PageOrder::NextWithMatch(const model::CPage* current, std::u16string_view pattern,
                                             SearchFlags flags) const
{
    const size_t count = pages_.size();
    if (count == 0)
        return nullptr;
    const auto found = std::find(pages_.begin(), pages_.end(), current);
    // Without a current page the search starts just before the first page
    // (just after the last, backwards) and ends with it.
    const size_t start = found != pages_.end() ? static_cast<size_t>(found - pages_.begin())
                                               : (flags.backwards ? 0 : count - 1);
    for (size_t step = 1; step <= count; ++step) {
        const size_t index = flags.backwards ? (start + count - step) % count : (start + step) % count;
        const model::CPage* page = pages_[index];
        // Searched as the text pane will show it, the link passes' marks hidden.
        const std::u16string text = SearchableText(*page);
        const VisibleText visible(text, LinkPassHiddenRanges(text));
        if (visible.Find(pattern, flags.backwards ? text.size() : 0, flags))
            return page;
    }
    return nullptr;
}

}  // namespace core
