#include "core/search/SearchRound.h"

#include "model/Book.h"
#include "model/PageTree.h"

#include <limits>

namespace core {
namespace {

// Past the end of any text: a search backwards from there starts at its end.
constexpr size_t kEnd = std::numeric_limits<size_t>::max();

struct Request {
    std::u16string_view pattern;
    SearchFlags flags;
    bool fromTop = false;
};

Request ReadRequest(std::u16string_view pattern, int hostFlags)
{
    return {pattern,
            {(hostFlags & kSearchMatchCase) != 0, (hostFlags & kSearchWholeWords) != 0,
             (hostFlags & kSearchBackwards) != 0},
            (hostFlags & kSearchFindFirst) != 0};
}

// One search over the view: where it started and what it has seen there.
class Round {
public:
    Round(SearchView& view, const Request& request) : view_(view), request_(request), start_(view.ShownPage()) {}

    bool Run(const PageOrder& order)
    {
        if (start_ && FindInStartPage())
            return true;
        // Then each page that holds a match as the order reads it. The
        // page's text as it shows can differ from that reading (RTF read two
        // ways): such a page is passed over, and the round ends on coming
        // back to the first one passed over. The count bounds the loop
        // whatever the order holds.
        const model::CPage* current = start_;
        const model::CPage* firstPassedOver = nullptr;
        for (size_t tried = 0; tried < order.Size(); ++tried) {
            const model::CPage* next = order.NextWithMatch(current, request_.pattern, request_.flags);
            if (!next || next == firstPassedOver)
                return false;
            if (next == start_)
                return FindInStartPageRest();
            view_.ShowPage(*next);
            const std::optional<VisibleText> text = view_.ShownText();
            if (!text || SelectFound(FindFromTop(*text)))
                return true;
            if (!firstPassedOver)
                firstPassedOver = next;
            current = next;
        }
        return false;
    }

private:
    // From the top, or from the selection: forward from its end, backwards
    // from its start.
    bool FindInStartPage()
    {
        selection_ = view_.Selection();
        const std::optional<VisibleText> text = view_.ShownText();
        if (!text) {
            startInBrowser_ = true;
            return false;
        }
        if (request_.fromTop)
            return SelectFound(FindFromTop(*text));
        const size_t from = request_.flags.backwards ? selection_.start : selection_.end;
        return SelectFound(text->Find(request_.pattern, from, request_.flags));
    }

    // Back where the search began. A search from the top has read all of
    // the page's text, and one going on from a page in the browser found
    // that page before; a new search has seen nothing of a page in the
    // browser, and one from the selection only the part after it (before
    // it, backwards): that rest is left.
    bool FindInStartPageRest()
    {
        const bool seenWhole = startInBrowser_ ? !request_.fromTop : request_.fromTop;
        if (seenWhole)
            return false;
        if (view_.ShownPage() != start_)
            view_.ShowPage(*start_);
        const std::optional<VisibleText> text = view_.ShownText();
        if (!text)
            return true;
        const std::optional<TextMatch> match = FindFromTop(*text);
        const size_t startedAt = selection_.start;
        const bool unseen = match && (request_.flags.backwards ? match->start > startedAt : match->start < startedAt);
        return unseen && SelectFound(match);
    }

    std::optional<TextMatch> FindFromTop(const VisibleText& text) const
    {
        return text.Find(request_.pattern, request_.flags.backwards ? kEnd : 0, request_.flags);
    }

    bool SelectFound(const std::optional<TextMatch>& match)
    {
        if (match)
            view_.Select(*match);
        return match.has_value();
    }

    SearchView& view_;
    const Request request_;
    const model::CPage* const start_;
    TextRange selection_;
    bool startInBrowser_ = false;
};

}  // namespace

BookSearch::BookSearch(const model::CBook& book) : book_(book) {}

BookSearch::~BookSearch() = default;

bool BookSearch::Find(SearchView& view, std::u16string_view pattern, int hostFlags)
{
    if (pattern.empty())
        return false;
    if (!order_)
        order_ = std::make_unique<PageOrder>(model::PageTree(book_));
    return Round(view, ReadRequest(pattern, hostFlags)).Run(*order_);
}

}  // namespace core
