#pragma once
// Every entry from Windows into our code (window and dialog procedures, COM
// methods, exports, hooks) runs its body through Guard so that no C++
// exception unwinds into system frames, which has undefined behaviour.
#include <utility>

namespace win {

template <class Result, class Body>
Result Guard(Result fallback, Body&& body) noexcept
{
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return fallback;
    }
}

template <class Body>
void GuardVoid(Body&& body) noexcept
{
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

}  // namespace win
