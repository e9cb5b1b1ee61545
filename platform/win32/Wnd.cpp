#include "platform/win32/Wnd.h"

#include "platform/win32/Guard.h"
#include "platform/win32/Module.h"

namespace win {

HWND CreateWindowFromSpec(const WindowSpec& spec, void* createParam)
{
    const RECT& rc = spec.rect;
    return CreateWindowExW(spec.exStyle, spec.className, spec.title, spec.style, rc.left, rc.top, rc.right - rc.left,
                           rc.bottom - rc.top, spec.parent, reinterpret_cast<HMENU>(spec.idOrMenu), ThisModule(),
                           createParam);
}

Wnd::~Wnd()
{
    if (IsAlive())
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyUnhooked(hwnd_);
}

bool Wnd::Create(const WindowSpec& spec) { return CreateWindowFromSpec(spec, this) != nullptr; }

LRESULT Wnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }

LRESULT Wnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(hwnd_, msg, wParam, lParam); }

LRESULT CALLBACK Wnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Wnd* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<Wnd*>(cs->lpCreateParams);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<Wnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);

    LRESULT result = Guard<LRESULT>(0, [&] { return self->HandleMessage(msg, wParam, lParam); });
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        GuardVoid([&] { self->OnDestroyed(); });
    }
    return result;
}

}  // namespace win
