#pragma once
#include "platform/win32/WindowHolder.h"

#include <windows.h>

namespace win {

// Wraps a system control (tree view, rich edit...) created by its own class.
// The object travels as the subclass reference data, so no global map is
// needed; the subclass is removed at WM_NCDESTROY.
class SubclassedControl : public WindowHolder {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();

    // Creates the control and subclasses it at once.
    bool CreateControl(const WindowSpec& spec);
    bool Attach(HWND hwnd);
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
};

}  // namespace win
