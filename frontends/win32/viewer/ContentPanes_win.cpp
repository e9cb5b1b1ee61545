#include "frontends/win32/viewer/ContentPanes_win.h"

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

ContentPanes::ContentPanes(PaneHost& textHost, HtmlPaneHost& htmlHost, core::TextPaneSettings& settings)
    : textHost_(textHost), htmlHost_(htmlHost), settings_(settings)
{
}

ContentPanes::~ContentPanes() = default;

bool ContentPanes::Create(const RECT& rect, HWND parent, UINT id)
{
    text_ = std::make_unique<RichTextPane>(textHost_, settings_);
    return text_->Create(rect, parent, id);
}

void ContentPanes::Show(const model::CPage& page)
{
    shownPageId_ = page.Id();
    if (!page.IsHtmlType() || !ShowInBrowser(page)) {
        text_->ShowPage(page);
        ShowPane(text_->Hwnd());
    }
}

void ContentPanes::CloseBrowser()
{
    html_.reset();
    htmlUnavailable_ = false;
}

void ContentPanes::Release()
{
    text_.reset();
    splitter_ = nullptr;
}

HWND ContentPanes::Visible() const
{
    if (html_ && IsShown(html_->Hwnd()))
        return html_->Hwnd();
    return text_ ? text_->Hwnd() : nullptr;
}

// A focus inside the pane that goes moves to the one that comes, or it
// would be left in a hidden window.
void ContentPanes::ShowPane(HWND pane)
{
    const HWND before = Visible();
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

void ContentPanes::PaneReplaced(HWND fresh)
{
    if (splitter_ && IsShown(fresh))
        splitter_->SetRightPane(fresh);
}

void ContentPanes::PlaceHidden()
{
    if (!html_ || !text_ || !html_->Hwnd() || !text_->Hwnd())
        return;
    const HWND shown = Visible();
    MoveOnto(shown == html_->Hwnd() ? text_->Hwnd() : html_->Hwnd(), shown);
}

// Over the rich text pane's place, hidden until a page is shown in it. A
// control that could not be made is not tried again for this document.
bool ContentPanes::EnsureHtmlPane()
{
    if (html_ && html_->Hwnd())
        return true;
    if (htmlUnavailable_ || !splitter_ || !text_ || !text_->Hwnd())
        return false;
    RECT place{};
    GetWindowRect(text_->Hwnd(), &place);
    MapWindowPoints(nullptr, splitter_->Hwnd(), reinterpret_cast<POINT*>(&place), 2);
    auto pane = std::make_unique<HtmlPane>(htmlHost_);
    if (!pane->Create(place, splitter_->Hwnd(), kHtmlPaneId)) {
        htmlUnavailable_ = true;
        return false;
    }
    html_ = std::move(pane);
    return true;
}

bool ContentPanes::ShowInBrowser(const model::CPage& page)
{
    if (!EnsureHtmlPane())
        return false;
    const auto kind = page.IsWebArchive() ? text::PageFileKind::WebArchive : text::PageFileKind::Html;
    if (!html_->ShowPage(kind, page.Text()))
        return false;
    ShowPane(html_->Hwnd());
    return true;
}

void ContentPanes::HtmlPageShown(bool shown, const model::CBook& book)
{
    const model::CPage* page = shownPageId_ ? book.FindPage(*shownPageId_) : nullptr;
    if (!page || !page->IsHtmlType() || !html_ || !text_)
        return;
    if (shown) {
        ShowPane(html_->Hwnd());
    } else {
        text_->ShowPage(*page);
        ShowPane(text_->Hwnd());
    }
}

}  // namespace viewer
