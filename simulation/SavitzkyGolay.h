#pragma once
// Quadratic Savitzky-Golay smoothing over 2m+1 points, for half widths m = 2..12: the whole-number
// weights 3m² + 3m - 1 - 5j², divided by their common divisor, and their sum as the norm.
#include <cstdint>
#include <span>

inline constexpr int32_t kSG_MinM = 2;
inline constexpr int32_t kSG_MaxM = 12;

// The weight of offset j (|j| <= m) and the norm for half width m.
int32_t SG_Gewicht(int32_t m, int32_t j);
int32_t SG_Norm(int32_t m);
// aus(k) = smoothed ein around k for k = m..size - 1 - m; the other points of aus keep their values.
void SG_Glaetten(std::span<const float> ein, std::span<float> aus, int32_t m);
