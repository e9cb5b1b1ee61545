#include "frontends/win32/panes/Pane_win.h"

#include <windowsx.h>

#include <utility>

namespace viewer {

namespace {

// Shift+F10 (a system key, F10 being one) and the menu key.
bool AsksForMenu(UINT msg, WPARAM key)
{
    // The shift state is read last: every message reaches this test, and
    // under some systems reading key state is a round trip to a server.
    return (msg == WM_KEYDOWN && key == VK_APPS) ||
           ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && key == VK_F10 && GetKeyState(VK_SHIFT) < 0);
}

// Their release, which the default handling would turn into a second menu
// request or the window's menu bar.
bool ReleasesMenuKey(UINT msg, WPARAM key)
{
    return (msg == WM_KEYUP || msg == WM_SYSKEYUP) && (key == VK_APPS || (key == VK_F10 && GetKeyState(VK_SHIFT) < 0));
}

}  // namespace

LRESULT Pane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (AsksForMenu(msg, wParam)) {
        // From the keyboard: the viewer opens it where the pane's caret is.
        // The key goes nowhere else: passed on, F10 would open the Lister's
        // menu bar.
        PostMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), MAKELPARAM(-1, -1));
        return 0;
    }
    if (ReleasesMenuKey(msg, wParam))
        return 0;
    switch (msg) {
    case WM_KEYDOWN:
        keyTaken_ = host_.HandleKey(static_cast<UINT>(wParam)) || OnPaneKey(wParam);
        if (keyTaken_)
            return 0;
        break;
    case WM_CHAR:
        // The character of a key taken already: the control would act on it
        // again (the tree would look for "n" among its labels).
        if (std::exchange(keyTaken_, false))
            return 0;
        break;
    case WM_SETFOCUS: {
        LRESULT result = Default(msg, wParam, lParam);
        host_.SetFocusPane(Hwnd());
        return result;
    }
    case WM_CONTEXTMENU:
        host_.ContextMenu(Hwnd(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_GETDLGCODE:
        // Inside a dialog the control would otherwise never see Tab or Escape.
        return Default(msg, wParam, lParam) | DLGC_WANTALLKEYS;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace viewer
