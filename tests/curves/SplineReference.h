#pragma once
// An independent reference for the smoothing spline: the minimiser of
// sum(((g(x) - y) / dy)^2) + lambda * integral(g''^2), found by dense linear algebra.
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

class DenseSpline {
public:
    DenseSpline(const NoisyPoints& points, double lambda);
    double operator()(double at) const;

private:
    std::vector<double> x_, values_, secondDerivatives_;
};
