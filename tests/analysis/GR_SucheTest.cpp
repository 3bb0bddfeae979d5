// The searches over a G(r) curve, on curves made here without any global object: extremes and
// first peak, the peak's left edge, the density line, Il'inskii's point and the maxima.
#include "analysis/GR_Suche.h"
#include "analysis/Peakauswahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

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

namespace {

// Points in one period of the ripple, as the cut-off at K = 157.8 1/nm lays it on a grid of
// 0.0038350 nm.
constexpr double kPeriode = 10.38;

// Shells every 50 points from point 100 on, each half as high as the one before and 8 points
// wide, under the cut-off's ripple of amplitude 1; from point 400 on slow wiggles of the noise,
// `rauschen` high, that outlast the average.
std::vector<float> Schalen_Unter_Rippel(double rauschen)
{
    std::vector<float> g(600);
    for (int32_t i = 1; i <= 600; ++i) {
        double y = std::sin(2.0 * std::numbers::pi * i / kPeriode);
        for (int32_t k = 0; k < 6; ++k) y += 100.0 / std::pow(2.0, k) * std::exp(-0.5 * std::pow((i - 100 - 50 * k) / 8.0, 2));
        if (i >= 400) y += rauschen * std::sin(2.0 * std::numbers::pi * i / 31.0);
        g[size_t(i - 1)] = static_cast<float>(y);
    }
    return g;
}

}

TEST(GR_Suche, AveragedOverOnePeriodTheRippleFadesAndTheShellsStay)
{
    const std::vector<float> eben(50, 3.0f);
    EXPECT_EQ(Gemittelt(eben, kPeriode), eben) << "to its ends";
    std::vector<float> rippel(200), gerade(200);
    for (int32_t i = 1; i <= 200; ++i) {
        rippel[size_t(i - 1)] = static_cast<float>(std::sin(2.0 * std::numbers::pi * i / kPeriode));
        gerade[size_t(i - 1)] = 0.5f * float(i);
    }
    const std::vector<float> r = Gemittelt(rippel, kPeriode), l = Gemittelt(gerade, kPeriode);
    for (int32_t i = 10; i <= 190; ++i) {
        EXPECT_NEAR(r[size_t(i - 1)], 0.0f, 0.02f) << i;
        EXPECT_NEAR(l[size_t(i - 1)], 0.5f * float(i), 1e-4f) << i;
    }

    // Every shell is one top of the averaged curve, however many maxima of the ripple it wears,
    // and is listed while it stands four times the ripple's spread out of it: the sixth, three times
    // the ripple, is not. Beyond it the slow wiggles of the noise stand out too when they are high,
    // but past a gap wider than the shells' spacing allows the list has ended.
    for (const double rauschen : {0.3, 1.0, 2.5}) {
        const std::vector<float> g = Schalen_Unter_Rippel(rauschen);
        const std::vector<int32_t> maxima = Maxima_Suchen(g);
        ASSERT_GT(maxima.size(), 40u);
        const std::vector<int32_t> schalen = Herausragende_Gipfel(g, Gemittelt(g, kPeriode), maxima, kPeriode);
        ASSERT_EQ(schalen.size(), 5u) << rauschen;
        for (size_t k = 0; k < schalen.size(); ++k) EXPECT_NEAR(schalen[k], 100 + 50 * int32_t(k), 1) << k;
    }

    // A top within half a period of an end, averaged on one side only, is none.
    std::vector<float> steigend(Schalen_Unter_Rippel(0.3));
    for (int32_t i = 591; i <= 600; ++i) steigend[size_t(i - 1)] = 10.0f * float(i - 590);
    EXPECT_TRUE(Herausragende_Gipfel(steigend, Gemittelt(steigend, kPeriode), std::vector<int32_t>{595}, kPeriode).empty());
}
