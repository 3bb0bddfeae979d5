#pragma once
// The equidistant reciprocal-space grid of the analysis: K(i) = (i − 1)·Δk from point 1 on.
#include <cstdint>

// K of 1-based grid point i, formed in double and stored as a Single.
inline float K_Gitter(int32_t i, float deltaK) { return static_cast<float>((i - 1) * static_cast<double>(deltaK)); }
