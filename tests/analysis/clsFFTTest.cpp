// The transforms of the project's curves: the guard of short transforms (against a direct O(N²)
// sine sum), the round trip K·I(K) → G(r) → K·I(K) and the placement of v(r).
#include "AnalysisFixture.h"

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kPi = std::numbers::pi;

int32_t Points(int32_t bits) { return 1 << bits; }

// G at r(k + 1), k = 0..N/2, of the input v[n] at K = n·Δk: (2/π)·Δk·Σ v[n]·sin(2π·n·k/N).
std::vector<double> DirectG(const std::vector<double>& v, int32_t N, double dK)
{
    std::vector<double> g(static_cast<size_t>(N / 2 + 1), 0.0);
    for (int64_t k = 0; k <= N / 2; ++k) {
        double sum = 0.0;
        for (int64_t n = 0; n < static_cast<int64_t>(v.size()); ++n) {
            if (v[static_cast<size_t>(n)] == 0.0) continue;
            // The product is reduced exactly before the sine is taken.
            sum += v[static_cast<size_t>(n)] * std::sin(2.0 * kPi * static_cast<double>((n * k) % N) / N);
        }
        g[static_cast<size_t>(k)] = 2.0 / kPi * dK * sum;
    }
    return g;
}

// The largest deviation of gFFT->G from the reference, relative to the reference's largest value.
double RelativeError(const std::vector<double>& reference)
{
    double scale = 0.0;
    double worst = 0.0;
    for (size_t k = 0; k < reference.size(); ++k) {
        scale = std::max(scale, std::fabs(reference[k]));
        worst = std::max(worst, std::fabs(gFFT->G(static_cast<int32_t>(k + 1)) - reference[k]));
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

// What the transform takes at grid index n = i - 1 from I(K) without extrapolation or tail.
std::vector<double> KTimesIK(int32_t from, int32_t to)
{
    std::vector<double> v(static_cast<size_t>(to), 0.0);
    for (int32_t i = from; i <= to; ++i) v[static_cast<size_t>(i - 1)] = double(gIK->x(i)) * gIK->Y_Wichtung(i);
    return v;
}

}

class FFTTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gOptions->setAbbruchstelle_Daempfen(false);
    }
    void Setup(int32_t bits)
    {
        gOptions->setFFT_Bits(bits);
        gFFT->SetupFFT();
    }
    // I(K) over n points with the whole curve in the transform.
    void UseIK(const std::vector<float>& y)
    {
        SetIK(y);
        gIK->setFTR_Index(gIK->Punkte());
        gIK->setFTR_Start_Index(1);
    }
};

TEST_F(FFTTest, ShortTransformsCutALongIKAtHalfTheirLengthAndWarnOncePerSetup)
{
    for (const int32_t bits : {10, 11}) {
        seam_.messages.clear();
        Setup(bits);
        gOptions->setAbbruchstelle_Daempfen(true);
        UseIK(RandomCurve(1500, 11u));
        gIK->setFTR_Index(400);
        gFFT->FFT();
        gFFT->FFT();
        ASSERT_EQ(seam_.messages.size(), 1u) << bits << " bits";
        EXPECT_NE(seam_.messages[0].text.find("I(K)"), std::string::npos);

        // Nothing from beyond the last transformable point reaches the result.
        const int32_t last = Points(bits) / 2 - 1;
        std::vector<double> v = KTimesIK(1, 400);
        v.resize(size_t(last), 0.0);
        const double kF = gIK->x(400);
        for (int32_t i = 400; i <= last; ++i) {
            const double k = gIK->x(i);
            v[size_t(i - 1)] = k * gIK->Y(400) * std::cos(kPi / 7.0 * (k - kF)) / std::pow(k / kF, 4);
        }
        EXPECT_LT(RelativeError(DirectG(v, Points(bits), 0.1)), 1e-5) << bits << " bits";
        EXPECT_EQ(gFFT->GR_Punkte(), std::min(1000, Points(bits) / 2));
    }
    Setup(14);
    EXPECT_EQ(gFFT->GR_Punkte(), 1000);
}

TEST_F(FFTTest, ForwardThenBackGivesKTimesIKAgain)
{
    for (const int32_t bits : {11, 14}) {
        Setup(bits);
        const int32_t n = std::min(1500, Points(bits) / 2 - 1);
        UseIK(RandomCurve(n, 5u));
        gFFT->FFT();
        gFFT->iFFT();

        double scale = 0.0;
        for (int32_t i = 1; i <= n; ++i) scale = std::max(scale, std::fabs(double(gIK->x(i)) * gIK->Y(i)));
        EXPECT_EQ(gFFT->IK(1), 0.0f);
        for (int32_t i = 2; i <= n; ++i)
            ASSERT_NEAR(double(gIK->x(i)) * gFFT->IK(i), double(gIK->x(i)) * gIK->Y(i), 1e-5 * scale) << "i = " << i;
    }
}

TEST_F(FFTTest, PotentialValuesSitAtTheirOwnR)
{
    Setup(12);
    const int32_t N = Points(12);
    const int32_t p = 5;
    std::vector<float> v(40, 0.0f);
    v[p - 1] = 3.0f;  // v(r(5)), r(5) = 4·Δr
    gPot->Set_Y_r(v);
    gMFE->setDichte_Theoretisch(60.0f);
    gFFT->iFFT_Pot();

    const double c = 2.0 * kPi * kPi * 60.0 * 1E-27 / 0.1;
    const double amplitude = 4.0 * 3.0 * c / N;
    for (int32_t i = 2; i <= 200; ++i) {
        const double expected = amplitude * std::sin(2.0 * kPi * (p - 1) * (i - 1) / N);
        ASSERT_NEAR(double(gIK->x(i)) * gFFT->IK(i), expected, 1e-5 * amplitude) << "i = " << i;
    }
}

TEST_F(FFTTest, CallsWithoutASetupOrOffTheGridReportOnceAndGiveZero)
{
    clsFFT unplanned;
    const std::vector<std::pair<const char*, std::function<float()>>> calls = {
        {"FFT", [&] { unplanned.FFT(); return 0.0f; }},
        {"iFFT", [&] { unplanned.iFFT(); return 0.0f; }},
        {"iFFT_Pot", [&] { unplanned.iFFT_Pot(); return 0.0f; }},
        {"G", [&] { return gFFT->G(0); }},
        {"IK", [&] { return gFFT->IK(Points(gOptions->FFT_Bits()) + 3); }},
    };
    for (const auto& [procedure, call] : calls) {
        gError->setError(false);
        EXPECT_EQ(call(), 0.0f) << procedure;
        EXPECT_TRUE(gError->Error()) << procedure;
        EXPECT_EQ(gError->ErrorFunction(), procedure);
        EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript) << procedure;
    }
}
