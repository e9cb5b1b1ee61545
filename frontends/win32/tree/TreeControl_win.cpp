#include "frontends/win32/tree/TreeControl_win.h"

namespace viewer {

LRESULT TreeControl::Send(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return proc ? CallWindowProcW(proc, hwnd, msg, wParam, lParam) : SendMessageW(hwnd, msg, wParam, lParam);
}

// The control's own switch leaves its scroll bars painting on every change,
// which makes a walk through thousands of levels crawl; the window's switch
// stops that too. The window's switch turned on also shows the window: a
// hidden tree (the user hid the pane) is left to the control's switch.
QuietTree::QuietTree(TreeControl& control) : control_(control)
{
    if (control_.quietDepth++ > 0)
        return;
    previousCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    visible_ = (GetWindowLongW(control_.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    SendMessageW(control_.hwnd, WM_SETREDRAW, FALSE, 0);
    if (visible_)
        DefWindowProcW(control_.hwnd, WM_SETREDRAW, FALSE, 0);
}

QuietTree::~QuietTree()
{
    if (--control_.quietDepth > 0)
        return;
    if (visible_)
        DefWindowProcW(control_.hwnd, WM_SETREDRAW, TRUE, 0);
    SendMessageW(control_.hwnd, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(control_.hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    SetCursor(previousCursor_);
}

}  // namespace viewer
