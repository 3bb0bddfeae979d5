#pragma once
// Noisy points for the smoothing spline and the straight line it tends to.
#include <cstdint>
#include <vector>

struct NoisyPoints {
    std::vector<float> x, y, dy;
};

// A smooth curve with uniform noise of standard deviation dy; x on whole numbers with gaps of 1 to 3.
NoisyPoints MakeNoisyPoints(int32_t count, uint32_t seed);

// The weighted least-squares straight line; its weighted residual is the largest reachable bound.
struct StraightLine {
    double offset, slope, residual;
};
StraightLine FitStraightLine(const NoisyPoints& points);
