// A curve's values recomputed by any formula: one report at the first failure and no values, or a
// value for every point; never a message box, whatever the formula calls.
#include "FuzzWelt.h"

#include "core/FormulaValues.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWelt& welt = FuzzWelt::Get();
    welt.Neu();
    static const std::vector<float> ys = {0.0f, 1.5f, -2.25f, 1e-7f, 3.4e38f, 100.0f};
    static const std::vector<float> xs = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
    const std::string formel(reinterpret_cast<const char*>(data), size);
    for (const bool mitX : {false, true}) {
        welt.Neu();
        const std::vector<float> werte = ValuesByFormula(formel, ys, mitX ? xs : std::vector<float>{});
        if (!welt.seam.messages.empty()) std::abort();
        if (werte.empty() != gError->Error()) std::abort();
        if (!werte.empty() && werte.size() != ys.size()) std::abort();
    }
    return 0;
}
