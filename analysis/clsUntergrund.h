#pragma once
// The background support points and fit.
#include <cstdint>

class clsUntergrund {
public:
    // Not fitted yet: no curve.
    int32_t Anzahl_Fit() const { return 0; }
    float Y(int32_t /*Index*/) const { return 0.0f; }
};
