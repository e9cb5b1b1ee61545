#pragma once
#include "platform/win32/WindowHolder.h"

#include <windows.h>

namespace win {

// A dialog made from a resource template of ThisModule(). The object is kept
// in DWLP_USER from WM_INITDIALOG (the messages before it are left to the
// system) and released at WM_NCDESTROY.
class Dialog : public WindowHolder {
public:
    Dialog() = default;
    virtual ~Dialog();

    // Modal: returns the code given to EndDialog, or -1 when the dialog
    // could not be created.
    INT_PTR DoModal(WORD templateId, HWND owner);
    // Modeless (for example a child dialog inside a host window).
    bool CreateModeless(WORD templateId, HWND parent);

protected:
    // Returns TRUE when the message was handled (the dialog-procedure rule).
    virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void OnDestroyed() {}
    void End(INT_PTR code) { EndDialog(hwnd_, code); }

private:
    static INT_PTR CALLBACK StaticDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

}  // namespace win
