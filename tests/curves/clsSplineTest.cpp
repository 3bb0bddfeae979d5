#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsSpline.h"
#include "SplineReference.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class SplineTest : public ::testing::Test {
protected:
    void SetUp() override { gError = std::make_unique<clsError>(); }
    void TearDown() override { gError.reset(); }

    void AddPoints(std::initializer_list<float> xs, std::initializer_list<float> ys)
    {
        auto y = ys.begin();
        for (float x : xs) spline.AddPoint(x, *y++, 1.0f);
    }
    // The silent record a failed fit leaves behind.
    void ExpectSilentFitError(int32_t number)
    {
        EXPECT_TRUE(gError->Error());
        EXPECT_EQ(gError->ErrorModul(), "clsSpline");
        EXPECT_EQ(gError->ErrorFunction(), "Fit");
        EXPECT_EQ(gError->ErrorNumber(), number);
        EXPECT_EQ(seam.errorWindows, 0);
    }

    RecordingSeam seam;
    clsSpline spline;
};

TEST_F(SplineTest, AddPointDropsRepeatedXAndAveragesTheSpacing)
{
    for (float x : {1.0f, 2.0f, 2.0f, 3.0f}) spline.AddPoint(x, x, 1.0f);
    EXPECT_EQ(spline.Stuetzstellen(), 3);
    EXPECT_FLOAT_EQ(spline.DeltaX(), 0.75f);
    EXPECT_FLOAT_EQ(spline.X_Max(), 3.0f);

    spline.AddPoint(0.5f, 0.0f, 1.0f);  // decreasing x is kept as given
    EXPECT_EQ(spline.Stuetzstellen(), 4);
    EXPECT_FLOAT_EQ(spline.X_Max(), 0.5f);

    spline.Clear();
    EXPECT_EQ(spline.Stuetzstellen(), 0);
    EXPECT_THROW(spline.X_Max(), rt::RuntimeError);
    spline.AddPoint(7.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(spline.DeltaX(), 0.0f);
}

TEST_F(SplineTest, ZeroBoundInterpolatesAndExtrapolatesWithTheEndPieces)
{
    AddPoints({0, 1, 2}, {0, 1, 0});
    ASSERT_TRUE(spline.Fitten(0.5f, 0.0f, 7));
    EXPECT_EQ(spline.Fit_Punkte(), 7);
    const float expected[] = {0, 0.6875f, 1, 0.6875f, 0, -0.6875f, -1};  // x = 0 .. 3
    for (int32_t i = 1; i <= 7; ++i) {
        EXPECT_FLOAT_EQ(spline.Fit_X(i), 0.5f * float(i - 1));
        EXPECT_NEAR(spline.Fit_Y(i), expected[i - 1], 1e-6) << "at " << spline.Fit_X(i);
    }
    EXPECT_EQ(spline.Fit_Y(0), 0.0f);
    EXPECT_EQ(spline.Fit_Y(8), 0.0f);
    EXPECT_FLOAT_EQ(spline.DeltaX(), 0.5f);

    // A grid running backwards stays on the first piece.
    ASSERT_TRUE(spline.Fitten(-1.0f, 0.0f, 2));
    EXPECT_NEAR(spline.Fit_Y(2), -1.0f, 1e-6);
}

TEST_F(SplineTest, PointCountOutsideTheLimitsFailsAndKeepsTheLastFit)
{
    AddPoints({0, 1, 2}, {0, 1, 0});
    for (int32_t i = 3; i < clsSpline::MaxPoints; ++i) spline.AddPoint(float(i), 0.0f, 1.0f);
    ASSERT_TRUE(spline.Fitten(1.0f, 0.0f, 3));
    spline.AddPoint(float(clsSpline::MaxPoints), 0.0f, 1.0f);
    EXPECT_FALSE(spline.Fitten(0.5f, 0.0f, 20));
    EXPECT_EQ(spline.Fit_Punkte(), 3);
    EXPECT_FLOAT_EQ(spline.Fit_X(3), 2.0f);
    EXPECT_FLOAT_EQ(spline.Fit_Y(2), 1.0f);
    EXPECT_FLOAT_EQ(spline.DeltaX(), 1.0f);

    spline.Clear();
    AddPoints({0, 1}, {5, 5});
    EXPECT_FALSE(spline.Fitten(0.25f, 0.0f, 9));
    EXPECT_EQ(spline.Fit_Punkte(), 0);
    EXPECT_FALSE(gError->Error());
}

TEST_F(SplineTest, UnusableDataFailsSilentlyWithoutChangingTheFit)
{
    AddPoints({0, 1, 2, 3}, {0, 1, 0, 1});
    ASSERT_TRUE(spline.Fitten(1.0f, 0.0f, 4));
    const float before = spline.Fit_Y(2);

    EXPECT_FALSE(spline.Fitten(1.0f, std::numeric_limits<float>::quiet_NaN(), 4));
    ExpectSilentFitError(rt::errInvalidCall);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (auto [y, dy] : {std::pair{nan, 1.0f}, {inf, 1.0f}, {1.0f, 0.0f}, {1.0f, nan}}) {
        clsSpline bad;
        bad.AddPoint(0, 0, 1);
        bad.AddPoint(1, y, dy);
        bad.AddPoint(2, 0, 1);
        EXPECT_FALSE(bad.Fitten(1.0f, 1.0f, 3));
        ExpectSilentFitError(rt::errInvalidCall);
    }

    // The no-value marker used as data overflows single precision inside the fit.
    clsSpline marker;
    for (float y : {1.0f, -3e38f, 1.0f, 2.0f}) marker.AddPoint(float(marker.Stuetzstellen()), y, 1.0f);
    EXPECT_FALSE(marker.Fitten(1.0f, 10.0f, 4));
    ExpectSilentFitError(rt::errOverflow);

    // Points going back and forth make the band singular.
    clsSpline folded;
    for (float x : {0.0f, 1.0f, 0.0f}) folded.AddPoint(x, 0.0f, 1.0f);
    EXPECT_FALSE(folded.Fitten(1.0f, 0.0f, 3));
    ExpectSilentFitError(rt::errDivisionByZero);

    EXPECT_EQ(spline.Fit_Punkte(), 4);
    EXPECT_EQ(spline.Fit_Y(2), before);
}

TEST_F(SplineTest, EmptyOrOverflowingGridIsReportedAndChangesNothing)
{
    AddPoints({0, 1, 2}, {0, 1, 0});
    ASSERT_TRUE(spline.Fitten(1.0f, 0.0f, 3));
    EXPECT_FALSE(spline.Fitten(1.0f, 0.0f, 0));
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "X_Achse");
    EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript);

    EXPECT_FALSE(spline.Fitten(3e38f, 0.0f, 3));
    EXPECT_EQ(gError->ErrorNumber(), rt::errOverflow);
    EXPECT_EQ(spline.Fit_Punkte(), 3);
    EXPECT_FLOAT_EQ(spline.DeltaX(), 1.0f);
}

TEST_F(SplineTest, CopyArrayNeverWritesPastItsTarget)
{
    AddPoints({0, 1, 2}, {0, 1, 0});
    ASSERT_TRUE(spline.Fitten(0.5f, 0.0f, 5));
    std::vector<float> target(6, 9.0f);
    spline.CopyArray(target);
    EXPECT_EQ(target, (std::vector<float>{0, 0.6875f, 1, 0.6875f, 0, 9}));

    std::vector<float> tooShort(4, 9.0f);
    spline.CopyArray(tooShort);
    EXPECT_EQ(tooShort, std::vector<float>(4, 9.0f));
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorModul(), "cSpline");
    EXPECT_EQ(gError->ErrorFunction(), "CopyArray");
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
