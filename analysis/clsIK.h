#pragma once
// The interference function I(K).
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"

#include <cstdint>

class clsIK {
public:
    // Not computed yet: no curve.
    int32_t Punkte() const { return 0; }
    // K of point i on the Delta_k grid.
    float x(int32_t i) const { return static_cast<float>((i - 1.0) * rt::Object(gOptions).Delta_k()); }
    float Y(int32_t /*Index*/) const { return 0.0f; }
};
