#include "SplineReference.h"

#include <cmath>
#include <random>

NoisyPoints MakeNoisyPoints(int32_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    const auto uniform = [&random] { return double(random()) / 4294967296.0; };
    NoisyPoints points;
    double x = 0;
    for (int32_t i = 0; i < count; ++i) {
        x += 1 + int(uniform() * 3);
        const double dy = 0.05 + 0.2 * uniform();
        points.x.push_back(float(x));
        points.y.push_back(float(10 + 3 * std::sin(x / 8) + dy * std::sqrt(3.0) * (2 * uniform() - 1)));
        points.dy.push_back(float(dy));
    }
    return points;
}

StraightLine FitStraightLine(const NoisyPoints& p)
{
    double sw = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < p.x.size(); ++i) {
        const double w = 1 / (double(p.dy[i]) * p.dy[i]);
        sw += w, sx += w * p.x[i], sy += w * p.y[i], sxx += w * p.x[i] * p.x[i], sxy += w * p.x[i] * p.y[i];
    }
    const double slope = (sw * sxy - sx * sy) / (sw * sxx - sx * sx);
    const double offset = (sy - slope * sx) / sw;
    double residual = 0;
    for (size_t i = 0; i < p.x.size(); ++i) residual += std::pow((offset + slope * p.x[i] - p.y[i]) / p.dy[i], 2);
    return {offset, slope, residual};
}
