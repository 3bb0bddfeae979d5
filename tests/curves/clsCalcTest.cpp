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

TEST_F(WorkingCurveTest, IndexRoundsHalvesToTheEvenIndex)
{
    for (float step : {0.25f, 0.1f, 0.244f}) {
        GridCurve curve({}, 0.0f, step);
        for (int32_t i = 1; i <= 2000; ++i) ASSERT_EQ(curve.Index(curve.x(i)), i) << "step " << step;
        EXPECT_EQ(curve.Index(1.5f * step), 2) << "step " << step;
        EXPECT_EQ(curve.Index(2.5f * step), 4) << "step " << step;
    }
    GridCurve shifted({}, -1.0f, 0.5f);
    EXPECT_EQ(shifted.Index(-0.75f), 2);
    EXPECT_EQ(shifted.Index(0.25f), 4);
}

TEST_F(WorkingCurveTest, IndexWithoutStepReportsAndGivesZero)
{
    GridCurve curve({1, 2}, 0.0f, 0.0f);
    EXPECT_EQ(curve.Index(1.0f), 0);
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorModul(), "clsCalc");
    EXPECT_EQ(gError->ErrorFunction(), "Index (Get)");
    EXPECT_EQ(gError->ErrorNumber(), rt::errDivisionByZero);
}

TEST_F(WorkingCurveTest, IstPunktHitsAtAndJustAboveAGridPoint)
{
    GridCurve curve({1, 2, 3, 4}, 1.0f, 0.5f);
    EXPECT_TRUE(curve.IstPunkt(curve.x(3) + 0.05f * 0.5f, 0.1f));
    EXPECT_EQ(curve.Index(), 3);
    EXPECT_FALSE(curve.IstPunkt(curve.x(2) - 0.05f * 0.5f, 0.1f));
    EXPECT_EQ(curve.Index(), 3);
    EXPECT_TRUE(curve.IstPunkt(curve.x(4), 0.1f));
    EXPECT_EQ(curve.Index(), 4);
    EXPECT_FALSE(curve.IstPunkt(3.0e38f, 0.1f));

    GridCurve noStep({1}, 0.0f, 0.0f);
    EXPECT_FALSE(noStep.IstPunkt(0.0f, 0.1f));
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(WorkingCurveTest, HalvesScaleIsCentredAndInvertible)
{
    GridCurve curve({1, 2, 3, 4, 5}, 0.0f, 0.25f);
    // The middle is point 2 (2.5 rounds to even).
    EXPECT_EQ(curve.X_Shifted(2, true), 0.0f);
    EXPECT_EQ(curve.X_Shifted(5, false), 0.75f);
    for (int32_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(curve.X_Unshifted(curve.X_Shifted(i, true), true), i);
        EXPECT_EQ(curve.X_Unshifted(curve.X_Shifted(i, false), false), i);
    }
    GridCurve noStep({1, 2}, 0.0f, 0.0f);
    EXPECT_THROW(noStep.X_Unshifted(1.0f, true), rt::RuntimeError);
}

TEST_F(WorkingCurveTest, SmoothnessSumsRelativeDeviationsFromTheNeighboursLine)
{
    EXPECT_FLOAT_EQ(GridCurve({1, 2, 3, 4}, 0.0f, 1.0f).Glattheit(), 100.0f);
    EXPECT_FLOAT_EQ(GridCurve({1, 2, 1}, 0.0f, 1.0f).Glattheit(), 150.0f);
    EXPECT_FLOAT_EQ(GridCurve({1, 2, 1, 2}, 0.0f, 1.0f).Glattheit(), 50.0f);
    EXPECT_FLOAT_EQ(GridCurve({5, 7}, 0.0f, 1.0f).Glattheit(), 100.0f);
    EXPECT_THROW(GridCurve({1, 0, 1}, 0.0f, 1.0f).Glattheit(), rt::RuntimeError);
    EXPECT_THROW(GridCurve({1, 2, 1}, 0.0f, 0.0f).Glattheit(), rt::RuntimeError);
}

TEST_F(WorkingCurveTest, AppendedPointsSetGridAndExtremes)
{
    clsCalc curve;
    curve.Punkte_Plus(0.0f, 5.0f);
    curve.Punkte_Plus(0.5f, 100.0f);
    curve.Punkte_Plus(1.0f, 7.0f);
    EXPECT_EQ(curve.Punkte(), 3);
    EXPECT_EQ(curve.Schrittweite(), 0.5f);
    EXPECT_EQ(curve.Minimum_X(), 0.0f);
    // The second value does not count for the extremes.
    EXPECT_EQ(curve.Maximum_Y(), 7.0f);
    EXPECT_EQ(curve.Minimum_Y(), 2.5f);
    EXPECT_EQ(curve.Y(2), 100.0f);
}

TEST_F(WorkingCurveTest, ValuesOutsideTheCurveReadZeroAndIgnoreWrites)
{
    GridCurve curve({40, 60, 80}, 0.0f, 1.0f);
    EXPECT_EQ(curve.Y(0), 0.0f);
    EXPECT_EQ(curve.Y(4), 0.0f);
    curve.setY(4, 9.0f);
    curve.setY(0, 9.0f);
    EXPECT_EQ(curve.Y(4), 0.0f);
    curve.setY(2, 100.0f);
    curve.Extremwerte_suchen();
    EXPECT_EQ(curve.Maximum_Y(), 100.0f);
    // Half the lowest value.
    EXPECT_EQ(curve.Minimum_Y(), 20.0f);

    curve.setPunkte(5);
    EXPECT_EQ(curve.Y(5), 0.0f);
    curve.Punkte_Loeschen();
    EXPECT_EQ(curve.Punkte(), 0);
    EXPECT_EQ(curve.Y(1), 0.0f);
}

}
