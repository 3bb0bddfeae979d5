// The free sine transform against a direct O(N²) sine sum, with the window, the first point taken
// and the continuation beyond the cut-off; no global object is involved.
#include "analysis/Sinustransformation.h"
#include "core/Runtime.h"
#include "curves/KGitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr float kDeltaK = 0.1f;

// G at r(k + 1), k = 0..N/2, of the input v[n] at K = n·Δk: (2/π)·Δk·Σ v[n]·sin(2π·n·k/N).
std::vector<double> DirectG(const std::vector<double>& v, int32_t N)
{
    std::vector<double> g(static_cast<size_t>(N / 2 + 1), 0.0);
    for (int64_t k = 0; k <= N / 2; ++k) {
        double sum = 0.0;
        for (int64_t n = 0; n < static_cast<int64_t>(v.size()); ++n)
            sum += v[static_cast<size_t>(n)] * std::sin(2.0 * kPi * static_cast<double>((n * k) % N) / N);
        g[static_cast<size_t>(k)] = 2.0 / kPi * kDeltaK * sum;
    }
    return g;
}

// The largest deviation of the transform's G from the reference, relative to the reference's largest value.
double RelativeError(const Transformierte& t, const std::vector<double>& reference)
{
    double scale = 0.0;
    double worst = 0.0;
    for (size_t k = 0; k < reference.size(); ++k) {
        scale = std::max(scale, std::fabs(reference[k]));
        worst = std::max(worst, std::fabs(2.0 / kPi * kDeltaK * t.Im[k] - reference[k]));
    }
    return worst / scale;
}

std::vector<float> RandomCurve(int32_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<float> y(static_cast<size_t>(n));
    for (auto& v : y) v = value(random);
    return y;
}

double K(int32_t i) { return K_Gitter(i, kDeltaK); }

}

TEST(Sinustransformation, MatchesTheDirectSineSum)
{
    std::vector<float> einPunkt(1500, 0.0f);
    einPunkt[37] = 2.5f / 3.7f;  // K·I(K) = 2.5 at K = 3.7
    const std::vector<std::pair<int32_t, std::vector<float>>> faelle = {
        {14, einPunkt}, {10, RandomCurve(511, 17u)}, {12, RandomCurve(1500, 19u)}, {14, RandomCurve(1500, 21u)}};
    for (const auto& [bits, y] : faelle) {
        const FFT_Plan plan = FFT_Planen(bits);
        Sinus_Vorgaben v;
        v.Abbruch = static_cast<int32_t>(y.size());
        std::vector<double> reference(y.size());
        for (size_t n = 0; n < y.size(); ++n) reference[n] = K(int32_t(n + 1)) * y[n];
        const Transformierte t = Sinustransformation(plan, y, v);
        ASSERT_EQ(t.Im.size(), size_t(plan.N + 2));
        EXPECT_LT(RelativeError(t, DirectG(reference, plan.N)), 1e-5) << bits << " bits";
    }
}

TEST(Sinustransformation, TakesTheWindowTheFirstPointAndTheContinuation)
{
    const FFT_Plan plan = FFT_Planen(12);
    const std::vector<float> y = RandomCurve(600, 3u);
    Sinus_Vorgaben v;
    v.Start = 20;
    v.Abbruch = 500;
    const double kF = K(v.Abbruch);

    // Hamming's half window over points Start..size(y); nothing below Start.
    v.Hamming = true;
    std::vector<double> reference(y.size(), 0.0);
    for (int32_t i = v.Start; i <= int32_t(y.size()); ++i)
        reference[size_t(i - 1)] = K(i) * y[size_t(i - 1)] * (0.54 + 0.46 * std::cos(kPi * K(i) / kF));
    EXPECT_LT(RelativeError(Sinustransformation(plan, y, v), DirectG(reference, plan.N)), 1e-5);

    // The damped oscillation replaces the curve from the cut-off on and stops at the mirror.
    v.Hamming = false;
    v.Fortsetzen = true;
    v.Ordnung = 3;
    v.Fortsetzen_Bis = 5000;
    v.Y_Abbruch = 0.7f;
    const int32_t letzter = Letzter_K_Index(plan);
    reference.assign(size_t(letzter), 0.0);
    for (int32_t i = v.Start; i < v.Abbruch; ++i) reference[size_t(i - 1)] = K(i) * y[size_t(i - 1)];
    for (int32_t i = v.Abbruch; i <= letzter; ++i)
        reference[size_t(i - 1)] = K(i) * 0.7 * std::cos(kPi / 7.0 * (K(i) - kF)) / std::pow(K(i) / kF, 3);
    EXPECT_LT(RelativeError(Sinustransformation(plan, y, v), DirectG(reference, plan.N)), 1e-5);
}

TEST(Sinustransformation, PlansOnlyTwoToTwentyBits)
{
    EXPECT_EQ(FFT_Planen(2).N, 4);
    for (const int32_t bits : {1, 21}) EXPECT_THROW(FFT_Planen(bits), rt::RuntimeError) << bits;
}
