#pragma once
#include <windows.h>

#include <string>

namespace win {

// Puts one format on the clipboard (emptied first) together with the thread's
// locale; true when the main format was set.
bool SetClipboardBytes(UINT format, const void* bytes, size_t size);
bool SetClipboardText(const std::wstring& text);

}  // namespace win
