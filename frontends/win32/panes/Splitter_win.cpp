#include "frontends/win32/panes/Splitter_win.h"

#include "platform/win32/Gdi.h"
#include "platform/win32/Profile.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowClass.h"

#include <windowsx.h>

namespace viewer {
namespace {

constexpr wchar_t kClassName[] = L"VornView.Splitter";

void MovePane(HWND pane, const core::Box& box)
{
    if (pane && IsWindow(pane))
        MoveWindow(pane, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
}

}  // namespace

Splitter::Splitter(UINT notifyMessage) : notifyMessage_(notifyMessage) {}

bool Splitter::Create(const SplitterSpec& spec)
{
    WNDCLASSEXW wc{};
    wc.lpfnWndProc = Wnd::StaticWndProc;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!win::RegisterWindowClass(wc))
        return false;

    left_ = spec.left;
    right_ = spec.right;
    minLeft_ = spec.minLeft;
    minRight_ = spec.minRight;
    id_ = static_cast<int>(spec.id);
    if (!Wnd::Create({kClassName, L"", spec.style, 0, spec.rect, spec.parent, spec.id}))
        return false;
    // The panes become our children but keep the viewer as their owner, which
    // is where their notifications and commands go.
    for (HWND pane : {left_, right_})
        if (pane && IsWindow(pane))
            SetParent(pane, Hwnd());

    const core::Box client = ClientBox();
    int stored = win::ReadModuleProfileInt(win::Wide(core::SplitterProfileSection(id_)), win::Wide(core::kSplitterProfileKey))
                     .value_or(core::DefaultSplitPosition(client.Width()));
    // A stored position comes from another window size (or an edited file):
    // keep it inside the limits of this one.
    int x = Clamp(core::SplitForLeftEdge(stored, barWidth_));
    SetSplit(x);
    leftWidth_ = leftBox_.Width();
    return true;
}

core::Box Splitter::ClientBox() const
{
    RECT rc{};
    if (Hwnd())
        GetClientRect(Hwnd(), &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

int Splitter::Clamp(int x) const { return core::ClampSplit(ClientBox(), x, minLeft_, minRight_); }

void Splitter::ApplyLayout(const core::SplitLayout& layout)
{
    barBox_ = layout.bar;
    leftBox_ = layout.left;
    rightBox_ = layout.right;
    MovePane(left_, leftBox_);
    MovePane(right_, rightBox_);
    if (notifyMessage_ && GetParent(Hwnd()))
        SendMessageW(GetParent(Hwnd()), notifyMessage_, 0, 0);
}

void Splitter::SetSplit(int x) { ApplyLayout(core::LayoutForSplit(ClientBox(), x, barWidth_)); }

void Splitter::SetMetrics(const core::SplitMetrics& metrics)
{
    const int leftEdge = leftBox_.right;
    barWidth_ = metrics.barWidth;
    minLeft_ = metrics.minLeft;
    minRight_ = metrics.minRight;
    if (!Hwnd() || leftHidden_)
        return;
    SetSplit(Clamp(core::SplitForLeftEdge(leftEdge, barWidth_)));
    leftWidth_ = leftBox_.Width();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void Splitter::SetBarColour(COLORREF colour)
{
    barBrush_.Reset(CreateSolidBrush(colour));
    if (Hwnd())
        InvalidateRect(Hwnd(), nullptr, TRUE);
}

void Splitter::HideLeftPane()
{
    if (leftHidden_ || !right_)
        return;
    leftHidden_ = true;
    barBox_ = {};
    if (left_)
        ShowWindow(left_, SW_HIDE);
    rightBox_ = ClientBox();
    MovePane(right_, rightBox_);
}

void Splitter::ShowLeftPane()
{
    if (!leftHidden_)
        return;
    leftHidden_ = false;
    // The window may have narrowed while the pane was hidden: the bar comes
    // back inside it, as a stored position does. The width the user chose is
    // kept for when the window grows again.
    SetSplit(Clamp(core::SplitForLeftEdge(leftBox_.right, barWidth_)));
    if (left_)
        ShowWindow(left_, SW_SHOW);
}

void Splitter::DrawTracker()
{
    HWND parent = GetParent(Hwnd());
    if (!parent)
        return;
    win::WindowDc dc(parent, true);
    if (!dc.Get())
        return;
    win::Brush brush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    win::SelectInDc select(dc.Get(), brush.Get());
    PatBlt(dc.Get(), barBox_.left + tracker_.left + barWidth_, tracker_.top, barWidth_,
           tracker_.bottom - tracker_.top, PATINVERT);
}

void Splitter::StartDrag(int x, int y)
{
    if (!barBox_.Contains(x, y))
        return;
    // The tracker lives in the parent's window coordinates, where it is drawn.
    RECT self{}, parent{};
    GetWindowRect(Hwnd(), &self);
    GetWindowRect(GetParent(Hwnd()), &parent);
    tracker_ = self;
    OffsetRect(&tracker_, -parent.left, -parent.top);
    lastX_ = x;
    DrawTracker();
    SetCapture(Hwnd());
    focusBeforeDrag_ = SetFocus(Hwnd());
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    dragging_ = true;
    tracking_ = true;
}

void Splitter::MoveDrag(int x)
{
    DrawTracker();
    x = Clamp(x);
    OffsetRect(&tracker_, x - lastX_, 0);
    DrawTracker();
    lastX_ = x;
}

void Splitter::EndDrag(int x)
{
    x = Clamp(x);
    DrawTracker();
    dragging_ = false;
    SetSplit(x);
    leftWidth_ = leftBox_.Width();
    tracking_ = false;
    ReleaseCapture();
}

void Splitter::CancelDrag()
{
    DrawTracker();
    dragging_ = false;
    tracking_ = false;
    if (GetCapture() == Hwnd())
        ReleaseCapture();
    if (focusBeforeDrag_ && IsWindow(focusBeforeDrag_))
        SetFocus(focusBeforeDrag_);
}

void Splitter::SavePosition()
{
    if (leftBox_.IsEmpty())
        return;
    // A place that refuses the value is passed over for the next; when none
    // takes it, the process keeps it. The window is going: nothing to show.
    win::WriteModuleProfileInt(win::Wide(core::SplitterProfileSection(id_)), win::Wide(core::kSplitterProfileKey), leftBox_.right);
}

LRESULT Splitter::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NOTIFY:
    case WM_COMMAND:
        // A control that asks for its parent when it notifies finds the
        // splitter; its notifications belong to the viewer.
        if (HWND parent = GetParent(Hwnd()))
            return SendMessageW(parent, msg, wParam, lParam);
        break;
    case WM_ERASEBKGND:
        if (barBrush_.Get()) {
            RECT client{};
            GetClientRect(Hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, barBrush_.Get());
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        StartDrag(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (barBox_.Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)) || dragging_)
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        if (dragging_)
            MoveDrag(GET_X_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (dragging_ && tracking_)
            EndDrag(GET_X_LPARAM(lParam));
        return Default(msg, wParam, lParam);
    case WM_KEYDOWN:
        if (dragging_ && wParam == VK_ESCAPE) {
            CancelDrag();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        // Losing the capture (another window took it, a menu opened) ends the
        // drag like Escape; otherwise the inverted bar would stay on screen.
        if (dragging_ && reinterpret_cast<HWND>(lParam) != Hwnd())
            CancelDrag();
        break;
    case WM_SETCURSOR: {
        // Answered here rather than left to the class cursor, which would
        // flash the arrow over the bar before every mouse move.
        POINT pt{};
        GetCursorPos(&pt);
        ScreenToClient(Hwnd(), &pt);
        if (dragging_ || (LOWORD(lParam) == HTCLIENT && barBox_.Contains(pt.x, pt.y))) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return TRUE;
        }
        break;
    }
    case WM_SIZE: {
        LRESULT result = Default(msg, wParam, lParam);
        if (leftHidden_) {
            rightBox_ = ClientBox();
            MovePane(right_, rightBox_);
        } else {
            SetSplit(Clamp(leftWidth_ + 1));
        }
        return result;
    }
    case WM_DESTROY: {
        LRESULT result = Default(msg, wParam, lParam);
        SavePosition();
        return result;
    }
    }
    return Default(msg, wParam, lParam);
}

}  // namespace viewer
