#include "CurvesTest.h"

namespace {

using StageStoreTest = CurvesTest;

TEST(CurveContainerTest, SizingGivesFreshZerosAndOutsideAccessIsIgnored)
{
    cls_Y curve;
    curve.setAnzahl(50);
    for (int32_t i = 1; i <= 50; ++i) curve.Add_Y(i, float(i));
    curve.setAnzahl(100);
    for (int32_t i = 1; i <= 100; ++i) ASSERT_EQ(curve.Y(i), 0.0f) << i;
    curve.setY(101, 5.0f);
    EXPECT_EQ(curve.Y(101), 0.0f);
    curve.setAnzahl(-1);
    EXPECT_EQ(curve.Anzahl(), 100);
}

TEST_F(StageStoreTest, OneCurvePerKindTheLatestRestoredWithItsGrid)
{
    Load(0.0f, 0.1f, std::vector<float>(10, 1.0f));
    gSSC->Kurve_Sichern(3);
    Load(-0.5f, 0.25f, {41, 42, 43, 44});
    gSSC->Kurve_Sichern(3);
    Load(0.0f, 1.0f, {1, 2});
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 3));
    EXPECT_EQ(gSSC->Kurve_Typ(), 3);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 4);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), 0.25f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), -0.5f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(4), 44.0f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(5), 0.0f) << "no values of the earlier curve";
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 2));

    gSSC->ESC_HEADER();  // forgets the curves but not the selection
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 3));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 4);
}

TEST_F(StageStoreTest, KindsWithoutSourceHoldNothingAndKindsOutsideAreReported)
{
    Load(-3.0f, 1.0f, {1, 2, 3});
    for (int32_t kind : {0, 8}) {
        gSSC->Kurve_Sichern(kind);
        EXPECT_FALSE(gSSC->Kurve_Zurueck(0, kind)) << kind;
    }
    EXPECT_EQ(seam.errorWindows, 0);
    gSSC->Kurve_Sichern(9);
    EXPECT_EQ(Reported() + " " + std::to_string(gError->ErrorNumber()), "Kurve_Sichern 9");
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 9));
}

TEST_F(StageStoreTest, StructureCurvesStartAtZeroOnTheirOwnStep)
{
    gCalc->setMinimum_X(-3.0f);
    for (const auto& [kind, step] : {std::pair{5, 0.1f}, {6, 0.1f}, {7, gOptions->Delta_r()}}) {
        gSSC->Kurve_Sichern(kind);
        ASSERT_TRUE(gSSC->Kurve_Zurueck(0, kind));
        EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), 0.0f) << kind;
        EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), step) << kind;
    }
}

}
