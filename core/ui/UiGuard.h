#pragma once
// The one guard of the windows' handlers: a handler that calls the model runs its body inside it,
// so that whatever escapes is reported once through gError under the window's and the handler's
// name, and the program goes on. A Qt slot must never let an exception reach the event loop.
#include "core/Guarded.h"

template <class Body, class Result = std::invoke_result_t<Body&>>
Result UiGuard(const char* window, const char* handler, Body&& body)
{
    try {
        return Guarded(window, handler, body);
    } catch (...) {
        zelo::ReportCaught(window, handler, rt::RuntimeError(rt::errInvalidCall), false);
    }
    if constexpr (!std::is_void_v<Result>) return Result{};
}

// The guarded form of a handler, to connect to a signal.
template <class Handler>
auto GuardedSlot(const char* window, const char* handler, Handler body)
{
    return [window, handler, body] { UiGuard(window, handler, body); };
}
