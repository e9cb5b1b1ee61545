// What the Lister's search reads and moves in the viewer's window: the text
// pane's text as it shows, its selection, and the page shown. The round
// itself is BookSearch's.
#include "core/search/SearchRound.h"
#include "core/search/VisibleText.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/viewer/ViewerSearch_win.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "model/Book.h"

namespace viewer {
namespace {

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

    bool AllHidden(const core::TextRange& range) const
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
std::vector<core::HiddenRanges> HiddenOnScreen(HWND edit, std::vector<core::HiddenRanges> passes,
                                                     size_t length)
{
    const std::vector<std::optional<size_t>> lone = core::LoneRanges(passes, length);
    std::optional<FormatReader> reader;
    for (size_t pass = 0; pass < passes.size(); ++pass) {
        core::HiddenRanges& ranges = passes[pass];
        if (ranges.empty())
            continue;
        if (!reader)
            reader.emplace(edit);
        if (lone[pass]) {
            if (!reader->AllHidden(ranges[*lone[pass]]))
                ranges.clear();
        } else {
            std::erase_if(ranges, [&](const core::TextRange& range) { return !reader->AllHidden(range); });
        }
    }
    return passes;
}

// The shown page is searched as it shows once the link passes have run:
// those still waiting for their timer run first, so that what the search
// skips is hidden on screen too (a page the search moves to would otherwise
// never get them: its timer finds the match selected).
class ViewerSearchView final : public core::SearchView {
public:
    ViewerSearchView(ViewerWindow& viewer, RichTextPane& text, PageTreePane& tree)
        : viewer_(viewer), text_(text), tree_(tree)
    {
    }

    const model::CPage* ShownPage() const override { return viewer_.ShownPage(); }

    std::optional<core::VisibleText> ShownText() override
    {
        if (viewer_.VisibleContentPane() != text_.Hwnd())
            return std::nullopt;
        text_.RunPendingPasses();
        const std::u16string text = text_.PositionText();
        return core::VisibleText(
            text, HiddenOnScreen(text_.Hwnd(), core::LinkPassHiddenRanges(text), text.size()));
    }

    core::TextRange Selection() const override
    {
        const CHARRANGE selection = text_.Selection();
        return {static_cast<size_t>(std::max<LONG>(0, selection.cpMin)),
                static_cast<size_t>(std::max<LONG>(0, selection.cpMax))};
    }

    void Select(const core::TextMatch& match) override
    {
        text_.SelectAndShow(static_cast<LONG>(match.start), static_cast<LONG>(match.start + match.length));
    }

    // Selecting the page in the tree shows it, unless the tree had it
    // selected already.
    void ShowPage(const model::CPage& page) override
    {
        tree_.SelectPage(page.Id());
        if (viewer_.ShownPage() != &page)
            viewer_.DisplayPage(page.Id(), false, false);
    }

private:
    ViewerWindow& viewer_;
    RichTextPane& text_;
    PageTreePane& tree_;
};

}  // namespace

ViewerSearch::ViewerSearch(ViewerWindow& viewer) : viewer_(viewer) {}

ViewerSearch::~ViewerSearch() = default;

void ViewerSearch::Forget() { round_.reset(); }

bool ViewerSearch::Find(std::u16string_view pattern, int hostFlags)
{
    const model::CBook* book = viewer_.Book();
    RichTextPane* text = viewer_.TextPane();
    PageTreePane* tree = viewer_.Tree();
    if (!book || !tree || !text || !text->Hwnd())
        return false;
    if (!round_)
        round_ = std::make_unique<core::BookSearch>(*book);
    ViewerSearchView view(viewer_, *text, *tree);
    return round_->Find(view, pattern, hostFlags);
}

}  // namespace viewer
