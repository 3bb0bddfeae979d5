// The low-K models on curves whose answer is known: each model reproduces a curve of its own
// shape, and a curve it cannot describe leaves I(K) itself.
#include "analysis/TiefK_Modell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr float kDK = 0.1f;
constexpr int32_t kP = 101;  // K(P) = 10

double K(int32_t i) { return (i - 1) * double(kDK); }

std::vector<float> Kurve(const std::function<double(double)>& f, int32_t n = kP + 1)
{
    std::vector<float> y(static_cast<size_t>(n));
    for (int32_t i = 1; i <= n; ++i) y[size_t(i - 1)] = static_cast<float>(f(K(i)));
    return y;
}

// Unit-area profiles of full width W at half height, written from their textbook forms.
double Lorentz(double x, double W) { return (W / (2.0 * std::numbers::pi)) / (W * W / 4.0 + x * x); }

double Gauss(double x, double W)
{
    const double sigma = W / (2.0 * std::sqrt(2.0 * std::log(2.0)));
    return std::exp(-x * x / (2.0 * sigma * sigma)) / (sigma * std::sqrt(2.0 * std::numbers::pi));
}

double Voigt(double x, double W) { return 0.5 * Lorentz(x, W) + 0.5 * Gauss(x, W); }

void ExpectSame(const std::vector<float>& E, const std::vector<float>& y, double tolerance)
{
    for (int32_t i = 1; i <= kP; ++i) ASSERT_NEAR(E[size_t(i - 1)], y[size_t(i - 1)], tolerance) << "i = " << i;
}

}

TEST(TiefK_Modell, ParabelAndPolynomMeetTheCurveAtPAndParabelAnstiegStartsWhereItLeavesMinusOne)
{
    // The parabola takes only the value at P: 0 at K = 10 gives 0.01·K² − 1.
    std::vector<float> yw = Kurve([](double k) { return std::sin(k); });
    yw[kP - 1] = 0.0f;
    std::vector<float> E;
    ASSERT_TRUE(TiefK_Modell(LM_Parabel, yw, kP, kDK, E));
    ExpectSame(E, Kurve([](double k) { return 0.01 * k * k - 1.0; }), 1e-6);
    // The polynomial meets value and slope at P and is flat at 0.
    const std::vector<float> quadratisch = Kurve([](double k) { return 0.02 * k * k - 1.0; });
    ASSERT_TRUE(TiefK_Modell(LM_Polynom, quadratisch, kP, kDK, E));
    ExpectSame(E, quadratisch, 1e-5);

    // −1 up to K0 = 3, then 0.05·(K − 3)² − 1.
    const auto f = [](double k) { return k < 3.0 ? -1.0 : 0.05 * (k - 3.0) * (k - 3.0) - 1.0; };
    yw = Kurve(f);
    ASSERT_TRUE(TiefK_Modell(LM_Parabel_Anstieg, yw, kP, kDK, E));
    // The parabola takes over at the point before K0 (index K0/Δk = 30, K = 2.9).
    for (int32_t i = 1; i <= kP; ++i) {
        const double expected = i == 30 ? 0.05 * 0.01 - 1.0 : f(K(i));
        ASSERT_NEAR(E[size_t(i - 1)], expected, 1e-5) << "i = " << i;
    }
}

TEST(TiefK_Modell, PeakModelsReproduceTheirOwnPeak)
{
    // Full width just below 2, centred on K(P) = 10: the half-height search stops at the grid point
    // x = −1 without depending on rounding, so the model takes W = 2.
    for (const auto& [modell, profil] : {std::pair<int32_t, double (*)(double, double)>{LM_Lorentz, Lorentz},
                                         {LM_Voigt, Voigt}, {LM_Gauss, Gauss}}) {
        const std::vector<float> yw = Kurve([&](double k) { return 5.0 * profil(k - 10.0, 1.99999) - 1.0; });
        std::vector<float> E;
        ASSERT_TRUE(TiefK_Modell(modell, yw, kP, kDK, E));
        ExpectSame(E, yw, 2e-5);
    }
}

TEST(TiefK_Modell, CurvesWithoutTheModelsShapeGiveThemselves)
{
    const std::vector<float> flach = Kurve([](double) { return 0.2; });
    const std::vector<float> bisP(flach.begin(), flach.begin() + kP);
    std::vector<float> E;
    for (const int32_t modell : {int32_t{LM_Parabel_Anstieg}, int32_t{LM_Voigt}, int32_t{LM_Lorentz}, int32_t{LM_Gauss}, 7, -1}) {
        EXPECT_FALSE(TiefK_Modell(modell, flach, kP, kDK, E)) << modell;
        EXPECT_EQ(E, bisP) << modell;
    }
    // Falling towards P, the parabola would start above K(P).
    const std::vector<float> fallend = Kurve([](double k) { return 1.0 - 0.01 * k; });
    EXPECT_FALSE(TiefK_Modell(LM_Parabel_Anstieg, fallend, kP, kDK, E));
}
