#include "curves/clsCalc.h"

#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

namespace {

class GridCurve : public clsCalc {
public:
    GridCurve(std::initializer_list<float> values, float firstX, float step)
    {
        for (float value : values) Punkte_Plus(0.0f, value);
        setMinimum_X(firstX);
        setSchrittweite(step);
    }
};

TEST(WorkingCurveTest, IndexRoundsHalvesToTheEvenIndexAndReportsAZeroStep)
{
    TestWorld world;
    for (float step : {0.25f, 0.1f, 0.244f}) {
        GridCurve curve({}, 0.0f, step);
        for (int32_t i = 1; i <= 2000; ++i) ASSERT_EQ(curve.Index(curve.x(i)), i) << "step " << step;
        EXPECT_EQ(curve.Index(1.5f * step), 2) << "step " << step;
        EXPECT_EQ(curve.Index(2.5f * step), 4) << "step " << step;
    }
    EXPECT_EQ(GridCurve({}, -1.0f, 0.5f).Index(-0.75f), 2);
    EXPECT_EQ(GridCurve({1, 2}, 0.0f, 0.0f).Index(1.0f), 0);
    EXPECT_EQ(gError->ErrorFunction() + " " + std::to_string(world.seam.errorWindows), "Index (Get) 1");
}

}
