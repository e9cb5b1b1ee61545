#pragma once
#include "platform/win32/Dialog.h"

#include <string>

namespace opening {

// Dialog 1001: asks for a document's password.
class PasswordDialog : public win::Dialog {
public:
    PasswordDialog(std::wstring prompt, std::wstring password, bool showPassword)
        : prompt_(std::move(prompt)), password_(std::move(password)), showPassword_(showPassword) {}
    ~PasswordDialog() override;

    // True when closed with OK.
    bool Ask(HWND owner);
    const std::wstring& Password() const { return password_; }
    // The check box as the user left it, whichever button closed the dialog.
    bool ShowPassword() const { return showPassword_; }

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyShowPassword();
    void ReadCheckBox();

    std::wstring prompt_;
    std::wstring password_;
    bool showPassword_;
};

}  // namespace opening
