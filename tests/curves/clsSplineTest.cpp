#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsSpline.h"
#include "SplineReference.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class SplineTest : public ::testing::Test, protected TestWorld {
protected:
    static void Add(clsSpline& spline, const std::vector<float>& ys, float dy = 1.0f)
    {
        for (float y : ys) spline.AddPoint(float(spline.Stuetzstellen()), y, dy);
    }
    static std::vector<float> Fit(const clsSpline& spline)
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= spline.Fit_Punkte(); ++i) values.push_back(spline.Fit_Y(i));
        return values;
    }
    // The fit fails with the silent record of the fit and the given error number.
    void ExpectFitFails(clsSpline& spline, float S, int32_t number)
    {
        EXPECT_FALSE(spline.Fitten(1.0f, S, 3));
        EXPECT_EQ(gError->ErrorModul() + "." + gError->ErrorFunction(), "clsSpline.Fit");
        EXPECT_EQ(gError->ErrorNumber(), number);
        EXPECT_EQ(seam.errorWindows, 0);
    }

    clsSpline spline;
};

TEST_F(SplineTest, ZeroBoundInterpolatesAndExtrapolatesWithTheEndPieces)
{
    clsSpline wiederholt;  // a repeated x is dropped; the spacing is averaged
    for (float x : {1.0f, 2.0f, 2.0f, 3.0f}) wiederholt.AddPoint(x, x, 1.0f);
    EXPECT_EQ(wiederholt.Stuetzstellen(), 3);
    EXPECT_FLOAT_EQ(wiederholt.DeltaX(), 0.75f);

    Add(spline, {0, 1, 0});
    ASSERT_TRUE(spline.Fitten(0.5f, 0.0f, 7));
    EXPECT_FLOAT_EQ(spline.Fit_X(7), 3.0f);
    const std::vector<float> expected = {0, 0.6875f, 1, 0.6875f, 0, -0.6875f, -1}, fit = Fit(spline);  // x = 0 .. 3
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(fit[i], expected[i], 1e-6) << i;
    EXPECT_EQ(spline.Fit_Y(8), 0.0f);

    std::vector<float> target(6, 9.0f), tooShort(4, 9.0f);
    ASSERT_TRUE(spline.Fitten(0.5f, 0.0f, 5));
    spline.CopyArray(target);
    const std::vector<float> copied = {0, 0.6875f, 1, 0.6875f, 0, 9};
    for (size_t i = 0; i < copied.size(); ++i) EXPECT_NEAR(target[i], copied[i], 1e-6) << i;
    spline.CopyArray(tooShort);
    EXPECT_EQ(tooShort, std::vector<float>(4, 9.0f)) << "never copies past its target";
    EXPECT_EQ(gError->ErrorFunction(), "CopyArray");
}

TEST_F(SplineTest, PointCountOutsideTheLimitsFailsAndKeepsTheLastFit)
{
    Add(spline, std::vector<float>(clsSpline::MaxStuetzstellen, 1.0f));
    ASSERT_TRUE(spline.Fitten(1.0f, 0.0f, 3));
    spline.AddPoint(float(clsSpline::MaxStuetzstellen), 0.0f, 1.0f);
    EXPECT_FALSE(spline.Fitten(0.5f, 0.0f, 20));
    EXPECT_EQ(Fit(spline), std::vector<float>(3, 1.0f));
    EXPECT_FLOAT_EQ(spline.DeltaX(), 1.0f);

    clsSpline two;
    Add(two, {5, 5});
    EXPECT_FALSE(two.Fitten(0.25f, 0.0f, 9));
    EXPECT_EQ(two.Fit_Punkte(), 0);
}

TEST_F(SplineTest, UnusableDataFailsSilentlyWithoutChangingTheFit)
{
    Add(spline, {0, 1, 0, 1});
    ASSERT_TRUE(spline.Fitten(1.0f, 0.0f, 4));
    const std::vector<float> before = Fit(spline);
    ExpectFitFails(spline, kNaN, rt::errInvalidCall);
    EXPECT_EQ(Fit(spline), before);

    // The no-value marker counts as no value, like not-a-number.
    for (auto [y, dy] : {std::pair{kNaN, 1.0f}, {INFINITY, 1.0f}, {-3e38f, 1.0f}, {1.0f, kNaN}}) {
        clsSpline bad;
        Add(bad, {0});
        bad.AddPoint(1, y, dy);
        Add(bad, {0});
        ExpectFitFails(bad, 1.0f, rt::errInvalidCall);
    }
    clsSpline folded;  // points going back and forth make the band singular
    for (float x : {0.0f, 1.0f, 0.0f}) folded.AddPoint(x, 0.0f, 1.0f);
    ExpectFitFails(folded, 0.0f, rt::errDivisionByZero);
}

// Noisy points on a smooth curve; x on whole numbers with uneven gaps so a grid of step 1 meets them.
class SplineAgainstDenseSolve : public SplineTest, public ::testing::WithParamInterface<double> {};

TEST_P(SplineAgainstDenseSolve, FitIsTheMinimiserAndMeetsTheBound)
{
    const NoisyPoints points = MakeNoisyPoints(60, 20240611);
    for (size_t i = 0; i < points.x.size(); ++i) spline.AddPoint(points.x[i], points.y[i], points.dy[i]);
    const float S = float(GetParam() * double(points.x.size()));
    ASSERT_LT(S, FitStraightLine(points).residual) << "the bound must be reachable";
    const int32_t count = int32_t(points.x.back() - points.x.front()) + 1;
    ASSERT_TRUE(spline.Fitten(1.0f, S, count));

    const DenseSpline reference(points, spline.P() / 2.0);
    double residual = 0;
    size_t knot = 0;
    for (int32_t i = 1; i <= count; ++i) {
        const double expected = reference(spline.Fit_X(i));
        EXPECT_NEAR(spline.Fit_Y(i), expected, 1e-4 * std::fabs(expected)) << "at x = " << spline.Fit_X(i);
        if (knot < points.x.size() && spline.Fit_X(i) == points.x[knot]) {
            residual += std::pow((spline.Fit_Y(i) - points.y[knot]) / points.dy[knot], 2);
            ++knot;
        }
    }
    ASSERT_EQ(knot, points.x.size());
    EXPECT_NEAR(residual, S, 0.01 * S + 1e-6);
}

// Bounds per point (the noise alone gives about 1 per point); at 3 a plain Newton step on p
// overshoots the bound by several per cent.
INSTANTIATE_TEST_SUITE_P(Bounds, SplineAgainstDenseSolve, ::testing::Values(0.0, 0.05, 0.3, 1.0, 3.0));

TEST_F(SplineTest, UnreachableBoundEndsNearTheStraightLine)
{
    const NoisyPoints points = MakeNoisyPoints(200, 7);
    for (size_t i = 0; i < points.x.size(); ++i) spline.AddPoint(points.x[i], points.y[i], points.dy[i]);
    const StraightLine line = FitStraightLine(points);
    for (float S : {1e6f, 1e30f, 3e38f}) {
        ASSERT_TRUE(spline.Fitten(2.0f, S, 200)) << S;
        // Single precision limits how straight it gets; the curve itself spans 6.
        for (int32_t i = 1; i <= 200; ++i)
            EXPECT_NEAR(spline.Fit_Y(i), line.offset + line.slope * spline.Fit_X(i), 0.1) << S;
    }
}

}
