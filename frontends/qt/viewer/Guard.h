#pragma once
// Code the host's event loop calls (slots, model queries) runs inside a
// guard: an exception that reached the loop would end the host.
#include <utility>

namespace qtviewer {

template <typename F>
void Guarded(F&& body) noexcept
{
    try {
        std::forward<F>(body)();
    } catch (...) {
    }
}

template <typename T, typename F>
T GuardedOr(T fallback, F&& body) noexcept
{
    try {
        return std::forward<F>(body)();
    } catch (...) {
        return fallback;
    }
}

}  // namespace qtviewer
