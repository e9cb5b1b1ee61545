#pragma once
#include "platform/win32/WindowHolder.h"

#include <windows.h>

namespace win {

// Base of our own windows. The object is found from its HWND through
// GWLP_USERDATA, set at WM_NCCREATE and cleared at WM_NCDESTROY, so several
// viewers in one process never share state. The owner destroys the HWND
// before it deletes the object; the destructor only covers the case where it
// did not.
class Wnd : public WindowHolder {
public:
    Wnd() = default;
    virtual ~Wnd();

    // The class must have been registered with StaticWndProc.
    bool Create(const WindowSpec& spec);

    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    // One virtual per window: derived classes switch on the messages they
    // handle and pass the rest to Default().
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when hwnd_ is already cleared.
    virtual void OnDestroyed() {}
};

}  // namespace win
