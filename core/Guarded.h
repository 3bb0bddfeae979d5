#pragma once
// A procedure with its own error handler: the body runs; a run-time error it raises is reported
// through gError under the procedure's module and name, and the procedure returns its neutral value
// (0, empty, false), keeping whatever the body had set before the error.
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <exception>
#include <new>
#include <type_traits>

namespace zelo {

// The run-time error that stands for an exception of the library (a lack of memory, as a rule).
inline rt::RuntimeError AsRuntimeError(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error)) return rt::RuntimeError(rt::errOutOfMemory);
    return rt::RuntimeError(rt::errInvalidCall, error.what());
}

// Reports through gError while it exists: the end of the program may already have released it.
inline void ReportCaught(const char* module, const char* procedure, const rt::RuntimeError& error, bool silent)
{
    if (gError) gError->Report(module, procedure, error, silent);
}

}

// Runs body; silent stores the error without showing the error window. The names are plain texts, so
// that a getter in a loop makes no strings unless it fails.
template <class Body, class Result = std::invoke_result_t<Body&>>
Result Guarded(const char* module, const char* procedure, Body&& body, bool silent = false)
{
    try {
        return body();
    } catch (const rt::RuntimeError& error) {
        zelo::ReportCaught(module, procedure, error, silent);
    } catch (const std::exception& error) {
        zelo::ReportCaught(module, procedure, zelo::AsRuntimeError(error), silent);
    }
    if constexpr (!std::is_void_v<Result>) return Result{};
}
