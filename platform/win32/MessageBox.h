#pragma once
#include <windows.h>

#include <string>

namespace win {

inline constexpr wchar_t kAppName[] = L"Vorn View";

// The application's message box: caption "Vorn View". A null owner means the
// active window of this thread, as the messages of the open procedure expect.
int AppMessageBox(HWND owner, const std::wstring& text, UINT flags);

}  // namespace win
