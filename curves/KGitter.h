#pragma once
// The equidistant grids of the analysis: K(i) = (i − 1)·Δk from point 1 on, and the r grid of a
// sine transform of N points on it, r(i) = 2π·(i − 1)/(N·Δk).
#include <algorithm>
#include <cmath>
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

// The 1-based point of a grid of step delta from 0 that lies nearest to v (halves to the even
// point), at least 1; 1 for a step or value that is not a positive finite number.
inline int32_t Gitter_Index(float v, float delta)
{
    const double schritte = static_cast<double>(v) / delta;
    if (!(delta > 0.0f) || !std::isfinite(schritte)) return 1;
    return static_cast<int32_t>(std::nearbyint(std::clamp(schritte, 0.0, 2.0e9)) + 1.0);
}
