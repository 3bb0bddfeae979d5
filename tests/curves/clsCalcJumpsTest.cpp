#include "EditingCurveTest.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "curves/clsSSC.h"

#include <gtest/gtest.h>

namespace {

class JumpCorrection : public EditingCurveTest {
protected:
    // Jump search over the whole curve.
    static void Correct()
    {
        gCalc->setX_StartIndex(1);
        gCalc->setX_StartIndex_Rechts(gCalc->Punkte());
        gCalc->Sprunganalyse();
    }
};

}

TEST_F(JumpCorrection, ADropLiftsTheRestToTheLevelBeforeIt)
{
    Load(0.0f, 1.0f, {100, 100, 60, 60, 60});
    Correct();
    EXPECT_EQ(Values(), (std::vector<float>{100, 100, 100, 100, 100}));
    EXPECT_EQ(seam.redraws, 1);
    EXPECT_TRUE(seam.redrawKeptYScaling);
}

TEST_F(JumpCorrection, ARatioOfExactlyPointSevenIsNoJump)
{
    Load(0.0f, 1.0f, {100, 100, 69.9f});
    Correct();
    EXPECT_EQ(gCalc->Y(3), 100.0f);
    Load(0.0f, 1.0f, {100, 100, 70});
    Correct();
    EXPECT_EQ(gCalc->Y(3), 70.0f);
    EXPECT_EQ(seam.redraws, 1) << "an unchanged curve is not redrawn";
}

TEST_F(JumpCorrection, TwoJumpsCorrectOnlyTheStretchBetweenThem)
{
    Load(0.0f, 1.0f, {100, 50, 50, 100, 100});
    Correct();
    EXPECT_EQ(Values(), (std::vector<float>{100, 100, 100, 100, 100}));
}

TEST_F(JumpCorrection, AThirdJumpReplacesTheSecondAndValuesStayAtLeastZero)
{
    Load(0.0f, 1.0f, {10, 100, 50, 20});
    Correct();
    EXPECT_EQ(Values(), (std::vector<float>{10, 10, 0, 20}));
}

TEST_F(JumpCorrection, PairsWithAZeroAndPairsOutsideTheRangeAreNoJumps)
{
    Load(0.0f, 1.0f, {100, 0, 1000, 1000});
    Correct();
    EXPECT_EQ(Values(), (std::vector<float>{100, 0, 1000, 1000}));
    Load(0.0f, 1.0f, {100, 10, 10, 10, 10});
    gCalc->setX_StartIndex(2);
    gCalc->setX_StartIndex_Rechts(10);
    gCalc->Sprunganalyse();
    EXPECT_EQ(gCalc->Y(2), 10.0f);
    EXPECT_EQ(seam.redraws, 0);
}

TEST_F(JumpCorrection, ClipLevelAboveTheCurrentOneIsLoweredByOne)
{
    gCommon->setProjektTyp(PT_Beugung);
    Load(0.0f, 1.0f, {1, 500, 1});
    gCalc->Hoehe_Reduzieren(600);
    EXPECT_EQ(gCalc->Maximum_Y(), 499.0f);
    EXPECT_EQ(gCalc->Y(2), 499.0f);
    EXPECT_EQ(seam.logLines.back(), "reduzierte Höhe: 499");
}

TEST_F(JumpCorrection, RawSpectrumIsClippedFilledAndCentred)
{
    gCommon->setProjektTyp(PT_Beugung);
    Load(0.0f, 1.0f, {1, 5, 9, 3, 9, 8, 2});
    gCalc->Hoehe_Reduzieren(8);
    EXPECT_EQ(Values(), (std::vector<float>{1, 5, 8, 8, 8, 8, 2}));
    EXPECT_EQ(gCalc->Mitte_Index(), 4) << "3 + 1.5 rounds to the even 4";
    EXPECT_EQ(gCalc->Minimum_X(), -3.0f);
    EXPECT_EQ(gCalc->Maximum_X(), 4.0f);
    EXPECT_EQ(gCalc->Mitte(), 0.0f);
    EXPECT_TRUE(LoggedPart(": Ausreiser im Hauptpeak entfernt"));
    EXPECT_TRUE(LoggedPart(": Mitte festgelegt: Punkt: 4 (K = 0 1/nm )"));
}

TEST_F(JumpCorrection, ElectronSpectrumIsClippedFromTheFirstPointToTheLastOneAtTheLevel)
{
    gCommon->setProjektTyp(PT_ELMI);
    Load(0.0f, 1.0f, {100, 80, 0, 30, 60, 20});
    gCalc->Hoehe_Reduzieren(50);
    EXPECT_EQ(Values(), (std::vector<float>{50, 50, 50, 50, 50, 20}));
    Load(0.0f, 1.0f, {100, 10, 20});
    gCalc->Hoehe_Reduzieren(50);
    EXPECT_EQ(Values(), (std::vector<float>{50, 10, 20}));
    gCommon->setProjektTyp(PT_Fit);
    Load(0.0f, 1.0f, {100, 10, 20});
    gCalc->Hoehe_Reduzieren(50);
    EXPECT_EQ(Values(), (std::vector<float>{100, 10, 20})) << "other project types keep their values";
    EXPECT_EQ(gCalc->Maximum_Y(), 50.0f);
}

TEST_F(JumpCorrection, OutliersAndMiddleWithoutAPointAtTheLevelChangeNothing)
{
    Load(-1.0f, 0.5f, {1, 2, 3});
    gCalc->setY(3, 0.0f);
    gCalc->Ausreiser();
    gCalc->Mitte_suchen();
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 0}));
    EXPECT_EQ(gCalc->Minimum_X(), -1.0f) << "no point at the level keeps the axis";
    EXPECT_EQ(gCalc->Mitte_Index(), 0);
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(JumpCorrection, MiddleOfTheClippedRunRoundsHalfToEven)
{
    for (const auto& [s, e, middle] : {std::tuple{10, 13, 12}, std::tuple{10, 15, 12}, std::tuple{7, 7, 7}}) {
        std::vector<float> values(20, 1.0f);
        for (int i = s; i <= e; ++i) values[static_cast<size_t>(i - 1)] = 9.0f;
        Load(0.0f, 0.5f, values);
        gCalc->Mitte_suchen();
        EXPECT_EQ(gCalc->Mitte_Index(), middle) << s << ".." << e;
        EXPECT_EQ(gCalc->x(middle), 0.0f);
    }
}

TEST_F(JumpCorrection, RestoreTakesTheStageGridExtremesAndFlagsPerKind)
{
    struct Case {
        int32_t kind;
        bool fitted;
        bool folded;
        float minimumX;
    };
    for (const Case& c : {Case{KT_JK, false, false, -1.0f}, Case{KT_JK_Bearbeitet, false, false, -1.0f},
                          Case{KT_JK_Gemittelt, false, true, 0.0f}, Case{KT_Fit, true, true, 0.0f}}) {
        Load(0.0f, 0.5f, {1, 2, 9, 2, 1});
        gSSC->Kurve_Sichern(c.kind);
        Load(7.0f, 3.0f, {5, 5});
        gCalc->setIstGefaltet(!c.folded);
        ASSERT_TRUE(gSSC->Kurve_Zurueck(0, c.kind));
        EXPECT_TRUE(gCalc->Sicherheit_Zurueck());
        EXPECT_EQ(Values(), (std::vector<float>{1, 2, 9, 2, 1})) << c.kind;
        EXPECT_EQ(gCalc->Schrittweite(), 0.5f);
        EXPECT_EQ(gCalc->Maximum_Y(), 9.0f);
        EXPECT_EQ(gCalc->Minimum_Y(), 0.5f);
        EXPECT_EQ(gCalc->Minimum_X(), c.minimumX) << "kinds 1 and 2 are centred again";
        EXPECT_EQ(gCalc->Maximum_X(), c.minimumX + 2.0f) << "the last point, not one step beyond";
        EXPECT_EQ(gCalc->IstGefittet(), c.fitted) << c.kind;
        EXPECT_EQ(gCalc->IstGefaltet(), c.folded) << c.kind;
    }
    EXPECT_TRUE(LoggedPart(": Sicherheitskopie reaktiviert, Kurve: " + Kurven_Titel(KT_JK)));
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(JumpCorrection, RestoreWithoutASelectedStageIsReported)
{
    gSSC = std::make_unique<clsSSC>();
    Load(7.0f, 3.0f, {5, 5});
    EXPECT_FALSE(gCalc->Sicherheit_Zurueck());
    EXPECT_EQ(Reported(), "Sicherheit_Zurueck");
    EXPECT_EQ(Values(), (std::vector<float>{5, 5}));
}
