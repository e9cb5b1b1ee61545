#include "platform/win32/Dialog.h"

#include "platform/win32/Guard.h"
#include "platform/win32/Module.h"

namespace win {

Dialog::~Dialog()
{
    if (IsAlive())
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyUnhooked(hwnd_);
}

INT_PTR Dialog::DoModal(WORD templateId, HWND owner)
{
    return DialogBoxParamW(ThisModule(), MAKEINTRESOURCEW(templateId), owner, StaticDlgProc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(WORD templateId, HWND parent)
{
    return CreateDialogParamW(ThisModule(), MAKEINTRESOURCEW(templateId), parent, StaticDlgProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::HandleMessage(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CALLBACK Dialog::StaticDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self)
        return FALSE;
    INT_PTR result = Guard<INT_PTR>(FALSE, [&] { return self->HandleMessage(msg, wParam, lParam); });
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        GuardVoid([&] { self->OnDestroyed(); });
    }
    return result;
}

}  // namespace win
