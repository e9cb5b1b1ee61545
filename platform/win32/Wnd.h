#pragma once
#include "platform/win32/WindowSpec.h"

#include <windows.h>

namespace win {

// Base of our own windows. The object is found from its HWND through
// GWLP_USERDATA, set at WM_NCCREATE and cleared at WM_NCDESTROY, so several
// viewers in one process never share state. The owner destroys the HWND
// before it deletes the object; the destructor only covers the case where it
// did not.
class Wnd {
public:
    Wnd() = default;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;
    virtual ~Wnd();

    HWND Hwnd() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

    // The class must have been registered with StaticWndProc.
    bool Create(const WindowSpec& spec);
    void Destroy();

    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    // One virtual per window: derived classes switch on the messages they
    // handle and pass the rest to Default().
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when hwnd_ is already cleared.
    virtual void OnDestroyed() {}

private:
    HWND hwnd_ = nullptr;
};

}  // namespace win
