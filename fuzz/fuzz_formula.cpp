// The formula evaluator on any text.
#include "core/clsParser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    clsParser parser;
    parser.SetVariable("y", 2.5);
    parser.Parse(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
