// The smoothing spline on a spectrum of the largest size it takes: 5000 noisy points onto a grid
// of 5000 points.
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsSpline.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

namespace {

constexpr int32_t Points = clsSpline::MaxPoints;

void AddNoisySpectrum(clsSpline& spline)
{
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    for (int32_t i = 0; i < Points; ++i) {
        const double x = 0.01 * i;
        const double dy = 0.02 + 0.01 * std::sin(x);
        spline.AddPoint(float(x), float(1 + std::exp(-x / 10) * std::sin(3 * x) + dy * std::sqrt(3.0) * noise(random)),
                        float(dy));
    }
}

// Bound per point: 1 is the noise level (several Newton steps); 0 interpolates and ends after the
// first pass, so its time bounds the cost of one Newton step together with the set-up and evaluation.
void BM_SplineFit(benchmark::State& state)
{
    gError = std::make_unique<clsError>();
    clsSpline spline;
    AddNoisySpectrum(spline);
    const float S = float(state.range(0)) * Points;
    const float step = spline.DeltaX();
    for (auto _ : state) {
        if (!spline.Fitten(step, S, Points)) state.SkipWithError("fit failed");
        benchmark::DoNotOptimize(spline.Fit_Y(Points));
    }
    gError.reset();
}
BENCHMARK(BM_SplineFit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}
