#include "platform/win32/MessageBox.h"

namespace win {

int AppMessageBox(HWND owner, const std::wstring& text, UINT flags)
{
    if (!owner)
        owner = GetActiveWindow();
    return MessageBoxW(owner, text.c_str(), kAppName, flags);
}

}  // namespace win
