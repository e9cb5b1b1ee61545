#include "tools/listerhost/Keys.h"

#include <cwctype>

namespace listerhost {
namespace {

std::wstring Upper(std::wstring text)
{
    for (auto& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

UINT NamedKey(const std::wstring& name)
{
    if (name == L"ESCAPE" || name == L"ESC")
        return VK_ESCAPE;
    if (name == L"TAB")
        return VK_TAB;
    if (name == L"ENTER" || name == L"RETURN")
        return VK_RETURN;
    if (name == L"INSERT")
        return VK_INSERT;
    if (name == L"UP")
        return VK_UP;
    if (name == L"DOWN")
        return VK_DOWN;
    if (name == L"LEFT")
        return VK_LEFT;
    if (name == L"RIGHT")
        return VK_RIGHT;
    if (name.size() >= 2 && name[0] == L'F') {
        int n = _wtoi(name.c_str() + 1);
        if (n >= 1 && n <= 24)
            return VK_F1 + n - 1;
    }
    if (name.size() == 1 && (std::iswalpha(name[0]) || std::iswdigit(name[0])))
        return name[0];
    return 0;
}

}  // namespace

KeyStroke ParseKey(const std::wstring& text)
{
    KeyStroke key;
    std::wstring rest = Upper(text);
    for (;;) {
        if (rest.rfind(L"CTRL+", 0) == 0) {
            key.ctrl = true;
            rest.erase(0, 5);
        } else if (rest.rfind(L"SHIFT+", 0) == 0) {
            key.shift = true;
            rest.erase(0, 6);
        } else {
            break;
        }
    }
    key.vk = NamedKey(rest);
    return key;
}

void PressKey(HWND target, const KeyStroke& key)
{
    BYTE saved[256] = {};
    GetKeyboardState(saved);
    BYTE state[256];
    memcpy(state, saved, sizeof state);
    if (key.ctrl)
        state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    if (key.shift)
        state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    SetKeyboardState(state);
    UINT scan = MapVirtualKeyW(key.vk, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    LPARAM up = down | (1u << 30) | (1u << 31);
    SendMessageW(target, WM_KEYDOWN, key.vk, down);
    SendMessageW(target, WM_KEYUP, key.vk, up);
    SetKeyboardState(saved);
}

}  // namespace listerhost
