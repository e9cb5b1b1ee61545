#pragma once
// Every entry from a host or a toolkit into our code (exports, window and
// dialog procedures, COM methods, hooks, slots, model queries) runs its body
// through Guard, so that no C++ exception unwinds into the caller's frames:
// across a C or system boundary that is undefined behaviour, and in an event
// loop it ends the host.
#include <utility>

namespace platform {

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

}  // namespace platform
