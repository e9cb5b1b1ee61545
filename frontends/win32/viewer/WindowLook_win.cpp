#include "frontends/win32/viewer/WindowLook_win.h"

#include "core/panes/DpiMetrics.h"

namespace viewer {
namespace {

template <typename Fn>
Fn LibraryFunction(const wchar_t* library, const char* name, bool load)
{
    HMODULE module = GetModuleHandleW(library);
    if (!module && load)
        module = LoadLibraryW(library);  // kept: the controls keep using it
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

int WindowDpi(HWND window)
{
    using DpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = LibraryFunction<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow", false);
    if (dpiForWindow && window)
        if (const UINT dpi = dpiForWindow(window); dpi > 0)
            return static_cast<int>(dpi);
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc)
        ReleaseDC(window, dc);
    return dpi > 0 ? dpi : core::kBaseDpi;
}

void UseDarkControlTheme(HWND control, bool dark)
{
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto setTheme = LibraryFunction<SetWindowThemeFn>(L"uxtheme.dll", "SetWindowTheme", true);
    if (!setTheme || !control || !IsWindow(control))
        return;
    setTheme(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

}  // namespace viewer
