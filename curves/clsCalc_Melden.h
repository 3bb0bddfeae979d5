#pragma once
// Runs one operation of the working curve and reports a run-time error, or a lack of memory, under
// module "clsCalc" and the operation's procedure name; the operation ends there.
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <new>

// True when body ran to its end.
template <class Body>
bool Calc_Gemeldet(const char* procedure, Body body)
{
    try {
        body();
        return true;
    } catch (const rt::RuntimeError& e) {
        gError->ErrorMsg("clsCalc", procedure, false, e.Number(), e.Description());
    } catch (const std::bad_alloc&) {
        gError->ErrorMsg("clsCalc", procedure, false, rt::errOutOfMemory, rt::ErrorDescription(rt::errOutOfMemory));
    }
    return false;
}
