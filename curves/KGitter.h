#pragma once
// The equidistant grids of the analysis: K(i) = (i − 1)·Δk from point 1 on, and the r grid of a
// sine transform of N points on it, r(i) = 2π·(i − 1)/(N·Δk).
#include <cstdint>
#include <numbers>

// K of 1-based grid point i, formed in double and stored as a Single.
inline float K_Gitter(int32_t i, float deltaK) { return static_cast<float>((i - 1) * static_cast<double>(deltaK)); }
// r of 1-based grid point i in nm for a transform of fftPunkte points, formed in double and stored as a Single.
inline float R_Gitter(int32_t i, int32_t fftPunkte, float deltaK)
{
    const int32_t zweiSchritte = (i - 1) * 2;
    return static_cast<float>(zweiSchritte * std::numbers::pi / fftPunkte / deltaK);
}
