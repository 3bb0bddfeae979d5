#include "CurvesTest.h"
#include "core/KurvenTyp.h"

#include <tuple>

namespace {

class JumpCorrection : public CurvesTest {
protected:
    // Jump search over the whole curve of these values; the values afterwards.
    static std::vector<float> Corrected(const std::vector<float>& values)
    {
        Load(0.0f, 1.0f, values);
        gCalc->setX_StartIndex(1);
        gCalc->setX_StartIndex_Rechts(gCalc->Punkte());
        gCalc->Sprunganalyse();
        return Values();
    }
};

}

TEST_F(JumpCorrection, JumpsLiftTheStretchAfterTheClippedRunsMiddleRoundsHalfToEvenAndRestoreTakesTheStage)
{
    using V = std::vector<float>;
    for (const auto& [values, corrected] : {
             std::pair{V{100, 100, 60, 60, 60}, V{100, 100, 100, 100, 100}},
             {V{100, 100, 69.9f}, V{100, 100, 100}},
             {V{100, 100, 70}, V{100, 100, 70}},  // a ratio of exactly 0.7 is no jump
             {V{100, 50, 50, 100, 100}, V{100, 100, 100, 100, 100}},  // two jumps: only the stretch between
             {V{10, 100, 50, 20}, V{10, 10, 0, 20}},  // a third jump replaces the second; never below zero
             {V{100, 0, 1000, 1000}, V{100, 0, 1000, 1000}},  // pairs with a zero are no jumps
         })
        EXPECT_EQ(Corrected(values), corrected);
    EXPECT_EQ(seam.redraws, 4) << "an unchanged curve is not redrawn";
    EXPECT_TRUE(seam.redrawKeptYScaling);

    // The middle of the clipped run rounds half to even; without one nothing changes.
    Load(-1.0f, 0.5f, {1, 2, 3});
    gCalc->setY(3, 0.0f);
    gCalc->Ausreiser();
    gCalc->Mitte_suchen();
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 0}));
    EXPECT_EQ(gCalc->Minimum_X(), -1.0f) << "no point at the level keeps the axis";
    EXPECT_EQ(gCalc->Mitte_Index(), 0);
    for (const auto& [s, e, middle] : {std::tuple{10, 13, 12}, {10, 15, 12}, {7, 7, 7}}) {
        std::vector<float> values(20, 1.0f);
        std::fill(values.begin() + (s - 1), values.begin() + e, 9.0f);
        Load(0.0f, 0.5f, values);
        gCalc->Mitte_suchen();
        EXPECT_EQ(gCalc->Mitte_Index(), middle) << s << ".." << e;
        EXPECT_EQ(gCalc->x(middle), 0.0f);
    }

    // Restoring takes the stage's grid, extremes and flags per kind.
    for (const auto& [kind, fitted, folded, minimumX] :
         {std::tuple{KT_JK, false, false, -1.0f}, {KT_JK_Bearbeitet, false, false, -1.0f},
          {KT_JK_Gemittelt, false, true, 0.0f}, {KT_Fit, true, true, 0.0f}}) {
        Load(0.0f, 0.5f, {1, 2, 9, 2, 1});
        gSSC->Kurve_Sichern(kind);
        Load(7.0f, 3.0f, {5, 5});
        gCalc->setIstGefaltet(!folded);
        ASSERT_TRUE(gSSC->Kurve_Zurueck(0, kind));
        EXPECT_TRUE(gCalc->Sicherheit_Zurueck());
        EXPECT_EQ(Values(), (std::vector<float>{1, 2, 9, 2, 1})) << kind;
        EXPECT_EQ(gCalc->Schrittweite(), 0.5f);
        EXPECT_EQ(gCalc->Maximum_Y(), 9.0f);
        EXPECT_EQ(gCalc->Minimum_X(), minimumX) << "kinds 1 and 2 are centred again";
        EXPECT_EQ(gCalc->Maximum_X(), minimumX + 2.0f) << "the last point, not one step beyond";
        EXPECT_EQ(gCalc->IstGefittet(), fitted) << kind;
        EXPECT_EQ(gCalc->IstGefaltet(), folded) << kind;
    }
    EXPECT_TRUE(LoggedPart(": Sicherheitskopie reaktiviert, Kurve: " + Kurven_Titel(KT_JK)));
    StartStageStore();
    EXPECT_FALSE(gCalc->Sicherheit_Zurueck()) << "no stage selected";
    EXPECT_EQ(Reported(), "Sicherheit_Zurueck");
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 9, 2, 1}));
}

