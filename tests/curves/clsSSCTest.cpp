#include "curves/clsSSC.h"

#include "CurvesTest.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

namespace {

class StageStoreTest : public CurvesTest {
protected:
    // Makes the working curve 1, 2, ..., n on the grid from first x with the given step.
    static void WorkingCurve(int32_t n, float firstX, float step)
    {
        gCalc->Punkte_Loeschen();
        for (int32_t i = 1; i <= n; ++i) gCalc->Punkte_Plus(firstX + (i - 1) * step, float(i));
        gCalc->setMinimum_X(firstX);
        gCalc->setSchrittweite(step);
    }
};

TEST(CurveContainerTest, SizingGivesFreshZerosAndOutsideAccessIsIgnored)
{
    cls_Y curve;
    curve.setAnzahl(50);
    for (int32_t i = 1; i <= 50; ++i) curve.Add_Y(i, float(i));
    curve.setAnzahl(100);
    ASSERT_EQ(curve.Anzahl(), 100);
    for (int32_t i = 1; i <= 100; ++i) EXPECT_EQ(curve.Y(i), 0.0f);

    curve.setY(0, 5.0f);
    curve.setY(101, 5.0f);
    EXPECT_EQ(curve.Y(0), 0.0f);
    EXPECT_EQ(curve.Y(101), 0.0f);
    curve.setAnzahl(-1);
    EXPECT_EQ(curve.Anzahl(), 100);
}

TEST_F(StageStoreTest, SavedWorkingCurveIsRestoredWithItsGrid)
{
    WorkingCurve(4, -0.5f, 0.25f);
    gSSC->Kurve_Sichern(1);
    WorkingCurve(2, 0.0f, 1.0f);

    ASSERT_TRUE(gSSC->Kurve_Zurueck(gSSC->Aktuelles_Level(), 1));
    EXPECT_EQ(gSSC->Kurve_Typ(), 1);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 4);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), 0.25f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), -0.5f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(3), 3.0f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(5), 0.0f);
}

TEST_F(StageStoreTest, OneCurvePerKindTheLatestWithoutOldValues)
{
    WorkingCurve(10, 0.0f, 0.1f);
    gSSC->Kurve_Sichern(3);
    WorkingCurve(4, 0.0f, 0.2f);
    for (int32_t i = 1; i <= 4; ++i) gCalc->setY(i, 40.0f + i);
    gSSC->Kurve_Sichern(3);

    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 3));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 4);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), 0.2f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(4), 44.0f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Y(5), 0.0f);
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 2));
}

TEST_F(StageStoreTest, KindsWithoutSourceAreMarkedButHoldNothing)
{
    // A store that was never reset selects nothing and answers true.
    clsSSC fresh;
    EXPECT_TRUE(fresh.Kurve_Zurueck(0, 1));
    EXPECT_EQ(fresh.Kurve_Zurueck_Punkte(), 0);
    EXPECT_EQ(fresh.Kurve_Zurueck_Y(1), 0.0f);

    gSSC->Kurve_Sichern(0);
    gSSC->Kurve_Sichern(8);
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 0));
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 8));
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(StageStoreTest, KindOutsideTheStoreIsReportedAndNotStored)
{
    WorkingCurve(3, 0.0f, 1.0f);
    gSSC->Kurve_Sichern(9);
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorModul(), "clsSSC");
    EXPECT_EQ(gError->ErrorFunction(), "Kurve_Sichern");
    EXPECT_EQ(gError->ErrorNumber(), 9);
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 9));
}

TEST_F(StageStoreTest, StructureCurvesStartAtZeroOnTheirOwnStep)
{
    gCalc->setMinimum_X(-3.0f);
    gSSC->Kurve_Sichern(6);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 6));
    EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), 0.0f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), 0.1f);
    gSSC->Kurve_Sichern(5);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 5));
    EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), 0.0f);
    gSSC->Kurve_Sichern(7);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 7));
    EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), gOptions->Delta_r());
}

TEST_F(StageStoreTest, ResetForgetsTheCurvesButNotTheSelection)
{
    WorkingCurve(3, 0.0f, 1.0f);
    gSSC->Naechste_Stufe();
    EXPECT_EQ(gSSC->Aktuelles_Level(), 1);
    gSSC->Kurve_Sichern(1);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 1));

    gSSC->ESC_HEADER();
    EXPECT_EQ(gSSC->Aktuelles_Level(), 0);
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 1));
    EXPECT_EQ(gSSC->Kurve_Typ(), 1);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 3);
}

}
