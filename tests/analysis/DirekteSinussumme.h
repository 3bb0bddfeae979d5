#pragma once
// The independent reference for the fast sine transform: a direct O(N²) sine sum, and random
// curves to feed both.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <random>
#include <vector>

// G at r(k + 1), k = 0..N/2, of the input v[n] at K = n·dK: (2/π)·dK·Σ v[n]·sin(2π·n·k/N).
inline std::vector<double> DirectG(const std::vector<double>& v, int32_t N, double dK)
{
    std::vector<double> g(static_cast<size_t>(N / 2 + 1), 0.0);
    for (int64_t k = 0; k <= N / 2; ++k) {
        double sum = 0.0;
        // The product is reduced exactly before the sine is taken.
        for (int64_t n = 0; n < static_cast<int64_t>(v.size()); ++n)
            sum += v[size_t(n)] * std::sin(2.0 * std::numbers::pi * static_cast<double>((n * k) % N) / N);
        g[size_t(k)] = 2.0 / std::numbers::pi * dK * sum;
    }
    return g;
}

// The largest deviation of got(k) from reference[k], relative to the reference's largest value.
inline double RelativeError(const std::function<double(size_t)>& got, const std::vector<double>& reference)
{
    double scale = 0.0;
    double worst = 0.0;
    for (size_t k = 0; k < reference.size(); ++k) {
        scale = std::max(scale, std::fabs(reference[k]));
        worst = std::max(worst, std::fabs(got(k) - reference[k]));
    }
    return worst / scale;
}

inline std::vector<float> RandomCurve(int32_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<float> y(static_cast<size_t>(n));
    for (auto& v : y) v = value(random);
    return y;
}
