#pragma once
#include "platform/win32/WindowSpec.h"

#include <windows.h>

namespace win {

// Wraps a system control (tree view, rich edit...) created by its own class.
// The object travels as the subclass reference data, so no global map is
// needed; the subclass is removed at WM_NCDESTROY.
class SubclassedControl {
public:
    SubclassedControl() = default;
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;
    virtual ~SubclassedControl();

    HWND Hwnd() const { return hwnd_; }
    bool IsAlive() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

    // Creates the control and subclasses it at once.
    bool CreateControl(const WindowSpec& spec);
    bool Attach(HWND hwnd);
    void Destroy();
    // Moves the wrapper to another window and returns the one it leaves, no
    // longer subclassed, for the caller to destroy; nullptr (and nothing
    // moved) when the other window cannot be subclassed.
    HWND MoveTo(HWND other);

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR refData);
    void Detach();

    HWND hwnd_ = nullptr;
};

}  // namespace win
