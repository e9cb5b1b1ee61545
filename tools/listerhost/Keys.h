#pragma once
#include <windows.h>

#include <string>

namespace listerhost {

struct KeyStroke {
    UINT vk = 0;
    bool ctrl = false;
    bool shift = false;
};

// "Escape", "Tab", "F10", "Ctrl+T", "Shift+F10", a single letter or digit.
// vk 0 when the text names no key.
KeyStroke ParseKey(const std::wstring& text);

// Delivers WM_KEYDOWN and WM_KEYUP to the window with the modifier keys
// reported down for their duration, as a real key press leaves them in the
// thread's key state.
void PressKey(HWND target, const KeyStroke& key);

}  // namespace listerhost
