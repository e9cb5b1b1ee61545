#include "components/Pane_win.h"

#include <windowsx.h>

namespace components {

LRESULT Pane::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (host_.HandleKey(static_cast<UINT>(wParam), lParam) || OnPaneKey(wParam))
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

}  // namespace components
