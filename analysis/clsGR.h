#pragma once
// The reduced radial distribution G(r).
#include <cstdint>

class clsGR {
public:
    // Not computed yet: no curve.
    int32_t Punkte() const { return 0; }
    float R(int32_t /*i*/) const { return 0.0f; }
    float Y(int32_t /*Index*/) const { return 0.0f; }
};
