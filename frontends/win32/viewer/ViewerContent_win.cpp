// The content pane: the rich text pane, or the browser for HTML pages and
// web archives, made when the first of those is shown. Both sit in the
// same place; the hidden one follows the visible one.
#include "frontends/win32/browser/HtmlPane_win.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/panes/Splitter_win.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "model/Book.h"

namespace viewer {
namespace {

// By its own style: while the viewer is still being built no window is
// visible on screen, yet one of the panes is the one shown.
bool IsShown(HWND pane) { return pane && (GetWindowLongW(pane, GWL_STYLE) & WS_VISIBLE) != 0; }

void MoveOnto(HWND pane, HWND place)
{
    RECT rect{};
    GetWindowRect(place, &rect);
    MapWindowPoints(nullptr, GetParent(place), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(pane, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace

HWND ViewerWindow::VisibleContentPane() const
{
    if (html_ && IsShown(html_->Hwnd()))
        return html_->Hwnd();
    return text_ ? text_->Hwnd() : nullptr;
}

// A focus inside the pane that goes moves to the one that comes, or it
// would be left in a hidden window.
void ViewerWindow::ShowContentPane(HWND pane)
{
    const HWND before = VisibleContentPane();
    const HWND focus = GetFocus();
    const bool focusMoves = before != pane && focus && (focus == before || IsChild(before, focus));
    if (before && pane && before != pane)
        MoveOnto(pane, before);
    for (HWND each : {text_ ? text_->Hwnd() : nullptr, html_ ? html_->Hwnd() : nullptr})
        if (each)
            ShowWindow(each, each == pane ? SW_SHOW : SW_HIDE);
    if (splitter_)
        splitter_->SetRightPane(pane);
    if (focusMoves)
        SetFocus(pane);
}

// The text pane swaps its control for a new one when a long page leaves.
void ViewerWindow::PaneReplaced(HWND old, HWND fresh)
{
    if (focusPane_ == old)
        focusPane_ = fresh;
    if (splitter_ && IsShown(fresh))
        splitter_->SetRightPane(fresh);
}

// After every layout of the splitter, which moves only the visible pane.
void ViewerWindow::PlaceHiddenContentPane()
{
    if (!html_ || !text_ || !html_->Hwnd() || !text_->Hwnd())
        return;
    const HWND shown = VisibleContentPane();
    MoveOnto(shown == html_->Hwnd() ? text_->Hwnd() : html_->Hwnd(), shown);
}

// Over the rich text pane's place, hidden until a page is shown in it. A
// control that could not be made is not tried again for this document.
bool ViewerWindow::EnsureHtmlPane()
{
    if (html_ && html_->Hwnd())
        return true;
    if (htmlUnavailable_ || !splitter_ || !text_ || !text_->Hwnd())
        return false;
    RECT place{};
    GetWindowRect(text_->Hwnd(), &place);
    MapWindowPoints(nullptr, splitter_->Hwnd(), reinterpret_cast<POINT*>(&place), 2);
    auto pane = std::make_unique<HtmlPane>(static_cast<HtmlPaneHost&>(*this));
    if (!pane->Create(place, splitter_->Hwnd(), kHtmlPaneId)) {
        htmlUnavailable_ = true;
        return false;
    }
    html_ = std::move(pane);
    return true;
}

bool ViewerWindow::ShowInBrowser(const model::CPage& page)
{
    if (!EnsureHtmlPane())
        return false;
    const auto kind = page.IsWebArchive() ? text::PageFileKind::WebArchive : text::PageFileKind::Html;
    if (!html_->ShowPage(kind, page.Text()))
        return false;
    ShowContentPane(html_->Hwnd());
    return true;
}

// The browser's late word on the page it was given, which is still the
// page shown unless the user moved on.
void ViewerWindow::HtmlPageShown(bool shown)
{
    const model::CPage* page = book_ && shownPageId_ ? book_->FindPage(*shownPageId_) : nullptr;
    if (!page || !page->IsHtmlType() || !html_ || !text_)
        return;
    if (shown) {
        ShowContentPane(html_->Hwnd());
    } else {
        text_->ShowPage(*page);
        ShowContentPane(text_->Hwnd());
    }
}

}  // namespace viewer
