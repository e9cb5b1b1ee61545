#pragma once
#include <windows.h>

#include <string>

namespace listerhost {

// Copies what the screen shows of the window (frame included) and writes it
// as PNG when the name ends in ".png", else as a 24-bit BMP.
bool SaveWindowPicture(HWND hwnd, const std::wstring& path);
// The same for a bitmap, which stays the caller's.
bool SaveBitmapPicture(HBITMAP bitmap, const std::wstring& path);

}  // namespace listerhost
