#pragma once
// The interference function I(K).
#include <cstdint>

class clsIK {
public:
    // Not computed yet: no curve.
    int32_t Punkte() const { return 0; }
    float x(int32_t /*i*/) const { return 0.0f; }
    float Y(int32_t /*Index*/) const { return 0.0f; }
};
