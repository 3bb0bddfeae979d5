#include "curves/clsCalc.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace {

// Opens the inverse of the halves' scale to the tests.
class GridCurve : public clsCalc {
public:
    using clsCalc::X_Unshifted;

    GridCurve(std::initializer_list<float> values, float firstX, float step)
    {
        for (float value : values) Punkte_Plus(0.0f, value);
        setMinimum_X(firstX);
        setSchrittweite(step);
    }
};

class WorkingCurveTest : public ::testing::Test {
protected:
    void SetUp() override { gError = std::make_unique<clsError>(); }
    void TearDown() override { gError.reset(); }
    RecordingSeam seam;
};

TEST_F(WorkingCurveTest, IndexRoundsHalvesToTheEvenIndexAndReportsAZeroStep)
{
    for (float step : {0.25f, 0.1f, 0.244f}) {
        GridCurve curve({}, 0.0f, step);
        for (int32_t i = 1; i <= 2000; ++i) ASSERT_EQ(curve.Index(curve.x(i)), i) << "step " << step;
        EXPECT_EQ(curve.Index(1.5f * step), 2) << "step " << step;
        EXPECT_EQ(curve.Index(2.5f * step), 4) << "step " << step;
    }
    EXPECT_EQ(GridCurve({}, -1.0f, 0.5f).Index(-0.75f), 2);
    EXPECT_EQ(GridCurve({1, 2}, 0.0f, 0.0f).Index(1.0f), 0);
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "Index (Get)");
}

TEST_F(WorkingCurveTest, IstPunktHitsAtAndJustAboveAGridPoint)
{
    GridCurve curve({1, 2, 3, 4}, 1.0f, 0.5f);
    EXPECT_TRUE(curve.IstPunkt(curve.x(3) + 0.025f, 0.1f));
    EXPECT_EQ(curve.Index(), 3);
    EXPECT_FALSE(curve.IstPunkt(curve.x(2) - 0.025f, 0.1f));
    EXPECT_EQ(curve.Index(), 3);
    EXPECT_FALSE(curve.IstPunkt(3.0e38f, 0.1f));
    EXPECT_FALSE(GridCurve({1}, 0.0f, 0.0f).IstPunkt(0.0f, 0.1f));
}

TEST_F(WorkingCurveTest, HalvesScaleIsCentredAndInvertible)
{
    GridCurve curve({1, 2, 3, 4, 5}, 0.0f, 0.25f);
    EXPECT_EQ(curve.X_Shifted(2, true), 0.0f) << "the middle is point 2 (2.5 rounds to even)";
    EXPECT_EQ(curve.X_Shifted(5, false), 0.75f);
    for (int32_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(curve.X_Unshifted(curve.X_Shifted(i, true), true), i);
        EXPECT_EQ(curve.X_Unshifted(curve.X_Shifted(i, false), false), i);
    }
}

TEST_F(WorkingCurveTest, SmoothnessSumsRelativeDeviationsFromTheNeighboursLine)
{
    EXPECT_FLOAT_EQ(GridCurve({1, 2, 3, 4}, 0.0f, 1.0f).Glattheit(), 100.0f);
    EXPECT_FLOAT_EQ(GridCurve({1, 2, 1, 2}, 0.0f, 1.0f).Glattheit(), 50.0f);
    EXPECT_FLOAT_EQ(GridCurve({5, 7}, 0.0f, 1.0f).Glattheit(), 100.0f);
    EXPECT_THROW(GridCurve({1, 0, 1}, 0.0f, 1.0f).Glattheit(), rt::RuntimeError);
}

TEST_F(WorkingCurveTest, AppendedPointsSetGridAndExtremesAndOutsidePointsReadZero)
{
    clsCalc curve;
    for (const auto& [x, y] : {std::pair{0.0f, 40.0f}, {0.5f, 100.0f}, {1.0f, 80.0f}}) curve.Punkte_Plus(x, y);
    EXPECT_EQ(curve.Schrittweite(), 0.5f);
    EXPECT_EQ(curve.Maximum_Y(), 80.0f) << "the second value does not count for the extremes";
    EXPECT_EQ(curve.Minimum_Y(), 20.0f) << "half the lowest value";
    curve.setY(4, 9.0f);
    curve.setY(0, 9.0f);
    EXPECT_EQ(curve.Y(4) + curve.Y(0), 0.0f);
    curve.Extremwerte_suchen();
    EXPECT_EQ(curve.Maximum_Y(), 100.0f);
}

}
