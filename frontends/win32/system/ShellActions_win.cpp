#include "frontends/win32/system/ShellActions_win.h"

#include <shellapi.h>

namespace viewer {
namespace {

class SystemShell final : public ShellActions {
public:
    void Beep() override { MessageBeep(static_cast<UINT>(-1)); }
    INT_PTR Open(HWND owner, const std::wstring& target) override
    {
        return reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOW));
    }
};

ShellActions* gShell = nullptr;

}  // namespace

ShellActions& Shell()
{
    static SystemShell system;
    return gShell ? *gShell : system;
}

void UseShell(ShellActions* actions) { gShell = actions; }

}  // namespace viewer
