// The searches over a G(r) curve, on curves made here without any global object: extremes and
// first peak, the peak's left edge, the density line, Il'inskii's point and the maxima.
#include "analysis/GR_Suche.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kDeltaR = 0.01f;

std::vector<float> RGitter(int32_t n)
{
    std::vector<float> r(static_cast<size_t>(n));
    for (int32_t i = 1; i <= n; ++i) r[size_t(i - 1)] = kDeltaR * float(i - 1);
    return r;
}

}

TEST(GR_Suche, FirstPeakItsLeftEdgeAndTheDensityLineThroughTheOrigin)
{
    // Point 1 is ignored; the minimum at point 4 is where G stops falling towards r = 0.
    const std::vector<float> g = {9.0f, -1.0f, -2.0f, -3.0f, 1.0f, 4.0f, 2.0f, 4.0f, 0.0f};
    const GR_Extreme e = Extreme_Suchen(g);
    EXPECT_EQ(e.Minimum, -3.0f);
    EXPECT_EQ(e.Maximum, 4.0f);
    EXPECT_EQ(e.Erster_Peak, 6);  // the first of two equal heights
    EXPECT_EQ(Linker_Rand_Suchen(g, e.Erster_Peak), 4);

    // Nothing above 0: no peak, and the edge falls back to point 2.
    const std::vector<float> negativ = {0.0f, -1.0f, -0.5f};
    EXPECT_EQ(Extreme_Suchen(negativ).Erster_Peak, 0);
    EXPECT_EQ(Extreme_Suchen(negativ).Maximum, 0.0f);
    EXPECT_EQ(Linker_Rand_Suchen(negativ, 0), 2);
    EXPECT_EQ(Extreme_Suchen({}).Erster_Peak, 0);

    // The density line is the least-squares line through the origin.
    const std::vector<float> r = RGitter(100);
    for (const double krumm : {400.0, 0.0}) {
        std::vector<float> g(r.size());
        for (size_t i = 0; i < g.size(); ++i) g[i] = static_cast<float>(-750.0 * r[i] + krumm * r[i] * r[i]);
        const Dichtegerade d = Dichtegerade_Anpassen(g, r, 30);
        EXPECT_EQ(d.Bis, 30);
        // Σr³/Σr² over r = 0..0.29 is 0.221186: the curvature tilts the line by that much.
        EXPECT_NEAR(d.Anstieg, -750.0 + krumm * 0.221186, 0.01) << krumm;
        EXPECT_EQ(d.Verhaeltnis < 0.995f, krumm != 0.0) << krumm;
    }
    // The last point is kept inside 2..size(g).
    const std::vector<float> konstant(100, -1.0f);
    EXPECT_EQ(Dichtegerade_Anpassen(konstant, r, 0).Bis, 2);
    EXPECT_EQ(Dichtegerade_Anpassen(konstant, r, 5000).Bis, 100);
}

TEST(GR_Suche, IlinskiiRadiusWhereTheIntegralOfRGFallsBelowMinusOne)
{
    // G = −a: C(i + 1) = −a·Δr²·i(i + 1)/2, −0.99 at r = 4.4 and −1.035 at r = 4.5 for a = 0.1,
    // Δr = 0.1: the crossing lies 0.01/0.045 of a step past 4.4.
    EXPECT_NEAR(Ilinskii_Radius(std::vector<float>(200, -0.1f), 0.1f), 4.4 + 0.1 * 0.01 / 0.045, 1e-4);
    EXPECT_EQ(Ilinskii_Radius(std::vector<float>(45, -0.1f), 0.1f), 0.0f);
    EXPECT_EQ(Ilinskii_Radius(std::vector<float>(200, 0.1f), 0.1f), 0.0f);
}

TEST(GR_Suche, MaximaAreWhereGStartsFalling)
{
    EXPECT_EQ(Maxima_Suchen(std::vector<float>{0.0f, 2.0f, 1.0f, 3.0f, 3.0f, 0.0f, 5.0f}), (std::vector<int32_t>{2, 5}));
    // A curve falling from its first point has its maximum there; a rising one has none.
    EXPECT_EQ(Maxima_Suchen(std::vector<float>{5.0f, 4.0f, 6.0f, 1.0f}), (std::vector<int32_t>{1, 3}));
    EXPECT_TRUE(Maxima_Suchen(std::vector<float>{1.0f, 2.0f, 3.0f}).empty());
}

TEST(GR_Suche, RipplesBelowTheFirstShellAreNoShells)
{
    // Maxima at points 1 (0), 3 (0.5, on the density line up to point 4), 5 (−2, below zero before
    // the first shell), 7 (the first shell), 10 (−0.5, after it) and 12.
    const std::vector<float> g{0.0f, -1.0f, 0.5f, -3.0f, -2.0f, -4.0f, 5.0f, 1.0f, -1.0f, -0.5f, -2.0f, 3.0f, 1.0f};
    const Schalenbeginn beginn = Schalenbeginn_Suchen(g, 4);
    EXPECT_EQ(beginn.Erste_Schale, 7);
    for (const int32_t i : {1, 3, 5}) EXPECT_TRUE(beginn.Darunter(g, i)) << i;
    for (const int32_t i : {7, 10, 12}) EXPECT_FALSE(beginn.Darunter(g, i)) << i;

    // Without the line, the ripple above zero would pass for the first shell.
    EXPECT_EQ(Schalenbeginn_Suchen(g, 0).Erste_Schale, 3);
    // A curve with no maximum above zero has no shell: every maximum lies below.
    const std::vector<float> tief{0.0f, -2.0f, -1.0f, -3.0f, -2.5f, -4.0f};
    const Schalenbeginn keine = Schalenbeginn_Suchen(tief, 2);
    EXPECT_EQ(keine.Erste_Schale, 0);
    EXPECT_TRUE(keine.Darunter(tief, 3));
    EXPECT_TRUE(keine.Darunter(tief, 5));
}
