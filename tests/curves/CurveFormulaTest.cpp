#include "curves/CurveFormula.h"

#include "EditingFixture.h"
#include "core/Runtime.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

namespace {

class CurveFormula : public EditingFixture {
protected:
    void Convert(const std::string& formula, bool wholeCurve)
    {
        auto curve = View();
        const auto selection = Piece();
        editing::WerteUmrechnen(curve, selection, formula, wholeCurve);
    }
};

}

TEST_F(CurveFormula, WholeCurveConvertsTheClipLevelAndTheLowestValueToo)
{
    for (const char* locale : {"C", "comma"}) {
        ScopedLocale scoped(locale);
        Load(0.0f, 1.0f, {1.5f, -3, 4});
        Convert("y*2", true);
        EXPECT_EQ(Y, (std::vector<float>{3, -6, 8})) << locale;
        EXPECT_EQ(Maximum_Y, 8.0f);
        EXPECT_EQ(Minimum, -6.0f);
        Convert("Y+1", true);
        EXPECT_EQ(Y, (std::vector<float>{4, -5, 9}));
        EXPECT_EQ(Maximum_Y, 9.0f);
    }
}

TEST_F(CurveFormula, SelectedRangeLeavesTheOtherPointsAndTheExtremes)
{
    Load(0.0f, 1.0f, {1, 2, 3, 4});
    X_StartIndex = 2;
    X_StartIndex_Rechts = 3;
    Convert("7", false);
    EXPECT_EQ(Y, (std::vector<float>{1, 7, 7, 4}));
    EXPECT_EQ(Maximum_Y, 4.0f);
    EXPECT_EQ(Minimum, 1.0f);
}

TEST_F(CurveFormula, AFailureAnywhereLeavesTheWholeCurveAsItWas)
{
    Load(0.0f, 1.0f, {1, 2, 0, 4});
    EXPECT_THROW(Convert("10/y", true), rt::RuntimeError);
    EXPECT_EQ(Y, (std::vector<float>{1, 2, 0, 4}));
    EXPECT_EQ(Maximum_Y, 4.0f);
    X_StartIndex = 3;
    X_StartIndex_Rechts = 9;
    EXPECT_THROW(Convert("y+1", false), rt::RuntimeError) << "a range beyond the curve";
    EXPECT_EQ(Y, (std::vector<float>{1, 2, 0, 4}));
}
