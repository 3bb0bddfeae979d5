// The formula evaluator on any text: a number or the run time's error of the formula, nothing else.
#include "FuzzWelt.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsParser.h"
#include "core/modCommon.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A failed function call shows a message box; the seam keeps each one until it is cleared.
    FuzzWelt::Get().Neu();
    clsParser parser;
    parser.SetVariable("y", 2.5);
    parser.Parse(std::string(reinterpret_cast<const char*>(data), size));
    // An exception of the library would arrive as an invalid call with the library's own text.
    if (gError->Error() && gError->ErrorNumber() == rt::errInvalidCall &&
        gError->ErrorDescription() != rt::ErrorDescription(rt::errInvalidCall))
        std::abort();
    return 0;
}
