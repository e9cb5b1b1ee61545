#include "platform/win32/Subclass.h"

#include "platform/win32/Guard.h"

#include <commctrl.h>

namespace win {
namespace {
// One subclass id for all our wrappers: a control carries at most one.
constexpr UINT_PTR kSubclassId = 0x5656;
}

SubclassedControl::~SubclassedControl()
{
    HWND hwnd = hwnd_;
    if (IsAlive())
        Detach();
    DestroyUnhooked(hwnd);
}

bool SubclassedControl::CreateControl(const WindowSpec& spec)
{
    HWND hwnd = CreateWindowFromSpec(spec, nullptr);
    if (!hwnd)
        return false;
    if (!Attach(hwnd)) {
        DestroyWindow(hwnd);
        return false;
    }
    return true;
}

bool SubclassedControl::Attach(HWND hwnd)
{
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = hwnd;
    return true;
}

HWND SubclassedControl::MoveTo(HWND other)
{
    if (!SetWindowSubclass(other, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return nullptr;
    const HWND left = hwnd_;
    Detach();
    hwnd_ = other;
    return left;
}

void SubclassedControl::Detach()
{
    if (hwnd_)
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

LRESULT SubclassedControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Default(msg, wParam, lParam);
}

LRESULT SubclassedControl::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR refData)
{
    auto* self = reinterpret_cast<SubclassedControl*>(refData);
    if (msg == WM_NCDESTROY) {
        LRESULT result = Guard<LRESULT>(0, [&] { return self->HandleMessage(msg, wParam, lParam); });
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->hwnd_ = nullptr;
        return result;
    }
    return Guard<LRESULT>(0, [&] { return self->HandleMessage(msg, wParam, lParam); });
}

}  // namespace win
