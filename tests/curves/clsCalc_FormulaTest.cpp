#include "CurvesTest.h"
#include "support/ScopedLocale.h"

using CurveFormula = CurvesTest;

TEST_F(CurveFormula, WholeCurveOrSelectedRangeConvertsAndAFailureAnywhereLeavesTheCurve)
{
    for (const char* locale : {"C", "comma"}) {
        ScopedLocale scoped(locale);
        Load(0.0f, 1.0f, {1.5f, -3, 4});
        gCalc->WerteUmrechnen("y*2", true);
        EXPECT_EQ(Values(), (std::vector<float>{3, -6, 8})) << locale;
        EXPECT_EQ(gCalc->Maximum_Y(), 8.0f);
        EXPECT_EQ(gCalc->Minimum_Y(), -3.0f) << "half the lowest value -6";
        gCalc->WerteUmrechnen("Y+1", true);
        EXPECT_EQ(Values(), (std::vector<float>{4, -5, 9}));
    }
    EXPECT_EQ(seam.errorWindows, 0);

    Load(0.0f, 1.0f, {1, 2, 0, 4});
    gCalc->setX_StartIndex(2);
    gCalc->setX_StartIndex_Rechts(3);
    gCalc->WerteUmrechnen("7", false);
    EXPECT_EQ(Values(), (std::vector<float>{1, 7, 7, 4}));
    EXPECT_EQ(gCalc->Maximum_Y(), 4.0f);
    gCalc->setY(3, 0.0f);
    gCalc->WerteUmrechnen("10/y", true);
    EXPECT_EQ(Reported() + " " + std::to_string(gError->ErrorNumber()), "WerteUmrechnen 11");
    gCalc->setX_StartIndex_Rechts(9);
    gCalc->WerteUmrechnen("y+1", false);
    EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript) << "a range beyond the curve";
    EXPECT_EQ(Values(), (std::vector<float>{1, 7, 0, 4}));
    EXPECT_EQ(gCalc->Maximum_Y(), 4.0f);
}

