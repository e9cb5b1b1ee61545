#include "components/SearchRound.h"

#include "model/Book.h"
#include "model/PageTree.h"

#include <limits>

namespace components {
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

std::optional<TextMatch> FindFromTop(const VisibleText& text, const Request& request)
{
    return text.Find(request.pattern, request.flags.backwards ? kEnd : 0, request.flags);
}

bool SelectFound(SearchView& view, const std::optional<TextMatch>& match)
{
    if (match)
        view.Select(*match);
    return match.has_value();
}

}  // namespace

BookSearch::BookSearch(const model::CBook& book) : book_(book) {}

BookSearch::~BookSearch() = default;

bool BookSearch::Find(SearchView& view, std::u16string_view pattern, int hostFlags)
{
    if (pattern.empty())
        return false;
    const Request request = ReadRequest(pattern, hostFlags);
    const bool backwards = request.flags.backwards;

    // The shown page first: from the top, or from the selection (forward
    // from its end, backwards from its start).
    const model::CPage* const start = view.ShownPage();
    TextRange selection;
    bool startInBrowser = false;
    if (start) {
        selection = view.Selection();
        if (const std::optional<VisibleText> text = view.ShownText()) {
            const size_t from = request.fromTop ? (backwards ? kEnd : 0) : (backwards ? selection.start : selection.end);
            if (SelectFound(view, text->Find(pattern, from, request.flags)))
                return true;
        } else {
            startInBrowser = true;
        }
    }

    if (!order_)
        order_ = std::make_unique<PageOrder>(model::PageTree(book_));
    // Then each page that holds a match as the order reads it. The page's
    // text as it shows can differ from that reading (RTF read two ways):
    // such a page is passed over, and the round ends on coming back to the
    // first one passed over. The count bounds the loop whatever the order
    // holds.
    const model::CPage* current = start;
    const model::CPage* firstPassedOver = nullptr;
    for (size_t tried = 0; tried < order_->Size(); ++tried) {
        const model::CPage* next = order_->NextWithMatch(current, pattern, request.flags);
        if (!next || next == firstPassedOver)
            return false;
        if (next == start) {
            // Back where the search began. A search from the top has read
            // all of the page's text, and one going on from a page in the
            // browser found that page before; a new search has seen nothing
            // of a page in the browser, and one from the selection only the
            // part after it (before it, backwards): that rest is left.
            const bool seenWhole = startInBrowser ? !request.fromTop : request.fromTop;
            if (seenWhole)
                return false;
            if (view.ShownPage() != start)
                view.ShowPage(*start);
            const std::optional<VisibleText> text = view.ShownText();
            if (!text)
                return true;
            const std::optional<TextMatch> match = FindFromTop(*text, request);
            const bool unseen = match && (backwards ? match->start > selection.start : match->start < selection.start);
            return unseen && SelectFound(view, match);
        }
        view.ShowPage(*next);
        const std::optional<VisibleText> text = view.ShownText();
        if (!text || SelectFound(view, FindFromTop(*text, request)))
            return true;
        if (!firstPassedOver)
            firstPassedOver = next;
        current = next;
    }
    return false;
}

}  // namespace components
