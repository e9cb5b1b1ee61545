#pragma once
#include <windows.h>

namespace win {

// What CreateWindowExW needs, by name: the creators of our windows and
// wrapped controls take one of these instead of a row of positional values.
struct WindowSpec {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};
    HWND parent = nullptr;
    UINT_PTR idOrMenu = 0;  // a child's identifier, or a top-level window's menu
};

}  // namespace win
