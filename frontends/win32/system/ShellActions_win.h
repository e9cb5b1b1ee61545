#pragma once
// What the viewer asks of the desktop: a beep, and the shell's "open" on a
// document or an address. Tests put in their own to see the requests.
#include <windows.h>

#include <string>

namespace viewer {

class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void Beep() = 0;
    // The shell's "open", shown normally; its result (above 32 is success).
    virtual INT_PTR Open(HWND owner, const std::wstring& target) = 0;
};

// The actions in use: the system's unless a test put its own.
ShellActions& Shell();
// nullptr puts the system's back.
void UseShell(ShellActions* actions);

}  // namespace viewer
