#pragma once
#include <windows.h>

namespace win {

// A control tells its parent what happened (WM_NOTIFY); the parent sends the
// notification back to the control under this number, so that each control
// wrapper handles its own notifications. The value is the one the common
// reflection convention uses (OCM__BASE + WM_NOTIFY).
inline constexpr UINT kReflectedNotify = WM_USER + 0x1C00 + WM_NOTIFY;

// Sends a WM_NOTIFY back to its sender; the sender's answer.
inline LRESULT ReflectNotify(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || !header->hwndFrom || !IsWindow(header->hwndFrom))
        return 0;
    return SendMessageW(header->hwndFrom, kReflectedNotify, 0, lParam);
}

}  // namespace win
