#include "analysis/clsGR.h"

#include "core/clsOptions.h"
#include "core/modCommon.h"

#include <numbers>

float clsGR::R(int32_t Index) const
{
    const int32_t zweiSchritte = (Index - 1) * 2;
    return static_cast<float>(zweiSchritte * std::numbers::pi / gOptions->FFT_Points() / gOptions->Delta_k());
}
