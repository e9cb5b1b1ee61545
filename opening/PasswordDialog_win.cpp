#include "opening/PasswordDialog_win.h"

#include "resources/ResourceIds.h"

#include <vector>

namespace opening {

PasswordDialog::~PasswordDialog() { SecureZeroMemory(password_.data(), password_.size() * sizeof(wchar_t)); }

bool PasswordDialog::Ask(HWND owner) { return DoModal(IDD_PASSWORD, owner) == IDOK; }

// Checked shows the typed text; unchecked hides it behind "*". The frame is
// redrawn because the edit caches its password state.
void PasswordDialog::ApplyShowPassword()
{
    HWND edit = GetDlgItem(Hwnd(), IDC_PASSWORD_EDIT);
    LONG style = GetWindowLongW(edit, GWL_STYLE);
    if (showPassword_) {
        SetWindowLongW(edit, GWL_STYLE, style & ~ES_PASSWORD);
        SendMessageW(edit, EM_SETPASSWORDCHAR, 0, 0);
    } else {
        SetWindowLongW(edit, GWL_STYLE, style | ES_PASSWORD);
        SendMessageW(edit, EM_SETPASSWORDCHAR, L'*', 0);
    }
    SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    InvalidateRect(edit, nullptr, TRUE);
}

void PasswordDialog::ReadCheckBox()
{
    showPassword_ = IsDlgButtonChecked(Hwnd(), IDC_PASSWORD_SHOW) == BST_CHECKED;
}

INT_PTR PasswordDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        if (!prompt_.empty())
            SetDlgItemTextW(Hwnd(), IDC_PASSWORD_PROMPT, prompt_.c_str());
        if (!password_.empty())
            SetDlgItemTextW(Hwnd(), IDC_PASSWORD_EDIT, password_.c_str());
        CheckDlgButton(Hwnd(), IDC_PASSWORD_SHOW, showPassword_ ? BST_CHECKED : BST_UNCHECKED);
        ApplyShowPassword();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PASSWORD_SHOW:
            if (HIWORD(wParam) == BN_CLICKED) {
                ReadCheckBox();
                ApplyShowPassword();
            }
            return TRUE;
        case IDOK: {
            HWND edit = GetDlgItem(Hwnd(), IDC_PASSWORD_EDIT);
            std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
            SecureZeroMemory(password_.data(), password_.size() * sizeof(wchar_t));
            password_ = text.data();
            SecureZeroMemory(text.data(), text.size() * sizeof(wchar_t));
            ReadCheckBox();
            End(IDOK);
            return TRUE;
        }
        case IDCANCEL:
            ReadCheckBox();
            End(IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace opening
