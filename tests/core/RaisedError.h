#pragma once
#include "core/Runtime.h"

#include <functional>

// The run-time error number an action raises, 0 when it raises none.
inline int32_t RaisedError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const rt::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}
