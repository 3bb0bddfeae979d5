#include "CurvesTest.h"

namespace {

using StageStoreTest = CurvesTest;

TEST_F(StageStoreTest, OneCurvePerKindTheLatestRestoredWithItsGridAndAnalysisCurvesWithTheirValues)
{
    Load(0.0f, 0.1f, std::vector<float>(10, 1.0f));
    gSSC->Kurve_Sichern(3);
    Load(-0.5f, 0.25f, {41, 42, 43, 44});
    gSSC->Kurve_Sichern(3);
    Load(0.0f, 1.0f, {1, 2});
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 3));
    EXPECT_EQ(gSSC->Kurve_Typ(), 3);
    EXPECT_EQ(StageGrid(), (Grid{4, 0.25f, -0.5f, 0.0f}));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(4), 44.0f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(5), 0.0f) << "no values of the earlier curve";
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 2));
    gSSC->ESC_HEADER();
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 3));

    // Analysis curves come with their values.
    const std::vector<float> ik = {0.5f, -1.0f};
    gSSC->Kurve_Sichern(6, 0.1f, 0.0f, ik);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 6));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 2);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(2), -1.0f);

    // Without them the store has no source for the kind: reported, nothing saved.
    gSSC->Kurve_Sichern(7);
    EXPECT_EQ(Reported(), "Kurve_Sichern");
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 7));
}

}
