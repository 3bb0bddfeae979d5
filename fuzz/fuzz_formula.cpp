// The formula evaluator on any text: a number or the run time's error of the formula, nothing else.
#include "core/Runtime.h"
#include "core/clsParser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    clsParser parser;
    parser.SetVariable("y", 2.5);
    try {
        parser.Parse(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const rt::RuntimeError&) {
    }
    return 0;
}
