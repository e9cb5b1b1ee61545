// The Lister's search (F7, then F3 or Shift+F3): the shown page from the
// selection on, then the other pages in the tree's order, one round at most.
// Only what a reader sees is searched: never what the link passes hide.
// A page in the browser has no selection of ours: finding it there is
// showing it.
#include "components/RichTextPane_win.h"
#include "components/VisibleText.h"
#include "model/Book.h"
#include "model/PageTree.h"
#include "viewer/PageTreePane.h"
#include "viewer/ViewerWindow.h"

namespace viewer {
namespace {

// The host's search flags.
constexpr int kFindFirst = 1;
constexpr int kMatchCase = 2;
constexpr int kWholeWords = 4;
constexpr int kBackwards = 8;

// The control's effects on [start, end): the selection is borrowed and put
// back, unseen and unheard.
class FormatReader {
public:
    explicit FormatReader(HWND edit) : edit_(edit)
    {
        SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        SendMessageW(edit_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled_));
        events_ = SendMessageW(edit_, EM_GETEVENTMASK, 0, 0);
        SendMessageW(edit_, EM_SETEVENTMASK, 0, events_ & ~ENM_SELCHANGE);
        SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
    }
    ~FormatReader()
    {
        SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        SendMessageW(edit_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled_));
        SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
        SendMessageW(edit_, EM_SETEVENTMASK, 0, events_);
        InvalidateRect(edit_, nullptr, FALSE);
    }
    FormatReader(const FormatReader&) = delete;
    FormatReader& operator=(const FormatReader&) = delete;

    bool AllHidden(const components::TextRange& range) const
    {
        CHARRANGE query{static_cast<LONG>(range.start), static_cast<LONG>(range.end)};
        SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&query));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & CFM_HIDDEN) && (format.dwEffects & CFE_HIDDEN);
    }

private:
    HWND edit_;
    CHARRANGE selection_{};
    POINT scrolled_{};
    LRESULT events_ = 0;
};

// Of what the link passes would hide, what the control shows hidden. A pass
// marks the whole text or nothing (a delayed one that finds text selected
// marks nothing), so one range of it that no other pass touches tells; a
// pass without such a range is asked range by range.
std::vector<components::HiddenRanges> HiddenOnScreen(HWND edit, std::vector<components::HiddenRanges> passes,
                                                     size_t length)
{
    const std::vector<std::optional<size_t>> lone = components::LoneRanges(passes, length);
    std::optional<FormatReader> reader;
    for (size_t pass = 0; pass < passes.size(); ++pass) {
        components::HiddenRanges& ranges = passes[pass];
        if (ranges.empty())
            continue;
        if (!reader)
            reader.emplace(edit);
        if (lone[pass]) {
            if (!reader->AllHidden(ranges[*lone[pass]]))
                ranges.clear();
        } else {
            std::erase_if(ranges, [&](const components::TextRange& range) { return !reader->AllHidden(range); });
        }
    }
    return passes;
}

}  // namespace

// From the top, or from the selection: forward from its end, backwards
// from its start. The page is searched as it shows once the link passes
// have run: those still waiting for their timer run first, so that what
// the search skips is hidden on screen too (a page the search moves to
// would otherwise never get them: its timer finds the match selected).
std::optional<components::TextMatch> ViewerWindow::FindInShownPage(std::u16string_view pattern,
                                                                   const components::SearchFlags& flags, bool fromTop)
{
    text_->RunPendingPasses();
    const std::u16string text = text_->PositionText();
    const components::VisibleText visible(
        text, HiddenOnScreen(text_->Hwnd(), components::LinkPassHiddenRanges(text), text.size()));
    const CHARRANGE selection = text_->Selection();
    size_t from = flags.backwards ? text.size() : 0;
    if (!fromTop)
        from = static_cast<size_t>(std::max<LONG>(0, flags.backwards ? selection.cpMin : selection.cpMax));
    return visible.Find(pattern, from, flags);
}

void ViewerWindow::SelectMatch(const components::TextMatch& match)
{
    text_->SelectAndShow(static_cast<LONG>(match.start), static_cast<LONG>(match.start + match.length));
}

bool ViewerWindow::Search(std::u16string_view pattern, int hostFlags)
{
    if (!book_ || !tree_ || !text_ || !text_->Hwnd() || pattern.empty())
        return false;
    const components::SearchFlags flags{(hostFlags & kMatchCase) != 0, (hostFlags & kWholeWords) != 0,
                                        (hostFlags & kBackwards) != 0};
    const bool fromTop = (hostFlags & kFindFirst) != 0;
    const model::CPage* shown = shownPageId_ ? book_->FindPage(*shownPageId_) : nullptr;
    const LONG startedAt = text_->Selection().cpMin;
    const bool inBrowser = VisibleContentPane() != text_->Hwnd();
    if (shown && !inBrowser) {
        if (auto match = FindInShownPage(pattern, flags, fromTop)) {
            SelectMatch(*match);
            return true;
        }
    }

    if (!pageOrder_)
        pageOrder_ = std::make_unique<components::PageOrder>(model::PageTree(*book_));
    // The page's text as the control shows it can differ from what the
    // order searched (RTF read two ways): such a page is passed over.
    const model::CPage* current = shown;
    for (size_t tried = 0; tried < book_->PageCount(); ++tried) {
        const model::CPage* next = pageOrder_->NextWithMatch(current, pattern, flags);
        if (!next)
            return false;
        if (next == shown) {
            // Back where the search began: only the part it has not seen yet
            // is left, the part before the selection (after it, backwards).
            // A new search finds the page in the browser it started on.
            if (inBrowser)
                return fromTop;
            if (fromTop)
                return false;
            auto match = FindInShownPage(pattern, flags, true);
            const LONG at = match ? static_cast<LONG>(match->start) : startedAt;
            if (!match || (flags.backwards ? at <= startedAt : at >= startedAt))
                return false;
            SelectMatch(*match);
            return true;
        }
        tree_->SelectPage(next->Id());
        if (shownPageId_ != next->Id())
            DisplayPage(next->Id(), false, false);
        if (VisibleContentPane() != text_->Hwnd())
            return true;
        if (auto match = FindInShownPage(pattern, flags, true)) {
            SelectMatch(*match);
            return true;
        }
        current = next;
    }
    return false;
}

}  // namespace viewer
