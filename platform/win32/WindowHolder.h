#pragma once
// What our window wrappers (own windows, subclassed controls, dialogs)
// share: one window handle, owned and never copied.
#include "platform/win32/WindowSpec.h"

#include <windows.h>

namespace win {

class WindowHolder {
public:
    WindowHolder(const WindowHolder&) = delete;
    WindowHolder& operator=(const WindowHolder&) = delete;

    HWND Hwnd() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr && IsWindow(hwnd_); }
    void Destroy()
    {
        if (IsAlive())
            DestroyWindow(hwnd_);
    }

protected:
    WindowHolder() = default;
    ~WindowHolder() = default;

    // For a wrapper's destructor, once it has unhooked itself from the
    // window: a window its owner did not destroy goes now.
    void DestroyUnhooked(HWND hwnd)
    {
        hwnd_ = nullptr;
        if (hwnd && IsWindow(hwnd))
            DestroyWindow(hwnd);
    }

    HWND hwnd_ = nullptr;
};

// CreateWindowExW with the spec's values, in this module.
HWND CreateWindowFromSpec(const WindowSpec& spec, void* createParam);

}  // namespace win
