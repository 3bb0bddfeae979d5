#include "curves/JumpCorrection.h"

#include "EditingFixture.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"

#include <gtest/gtest.h>

namespace {

class JumpCorrection : public EditingFixture {
protected:
    // Jump search over the whole curve.
    bool Correct()
    {
        auto curve = View();
        return editing::Sprunganalyse(curve, 1, Punkte);
    }
};

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}

TEST_F(JumpCorrection, ADropLiftsTheRestToTheLevelBeforeIt)
{
    Load(0.0f, 1.0f, {100, 100, 60, 60, 60});
    EXPECT_TRUE(Correct());
    EXPECT_EQ(Y, (std::vector<float>{100, 100, 100, 100, 100}));
    EXPECT_EQ(seam.redraws, 1);
}

TEST_F(JumpCorrection, ARatioOfExactlyPointSevenIsNoJump)
{
    Load(0.0f, 1.0f, {100, 100, 69.9f});
    EXPECT_TRUE(Correct());
    EXPECT_EQ(Y[2], 100.0f);
    Load(0.0f, 1.0f, {100, 100, 70});
    EXPECT_FALSE(Correct());
    EXPECT_EQ(Y[2], 70.0f);
    EXPECT_EQ(seam.redraws, 1) << "an unchanged curve is not redrawn";
}

TEST_F(JumpCorrection, TwoJumpsCorrectOnlyTheStretchBetweenThem)
{
    Load(0.0f, 1.0f, {100, 50, 50, 100, 100});
    EXPECT_TRUE(Correct());
    EXPECT_EQ(Y, (std::vector<float>{100, 100, 100, 100, 100}));
}

TEST_F(JumpCorrection, AThirdJumpReplacesTheSecondAndValuesStayAtLeastZero)
{
    Load(0.0f, 1.0f, {10, 100, 50, 20});
    EXPECT_TRUE(Correct());
    EXPECT_EQ(Y, (std::vector<float>{10, 10, 0, 20}));
}

TEST_F(JumpCorrection, PairsWithAZeroAndPairsOutsideTheRangeAreNoJumps)
{
    Load(0.0f, 1.0f, {100, 0, 1000, 1000});
    EXPECT_FALSE(Correct());
    Load(0.0f, 1.0f, {100, 10, 10, 10, 10});
    auto curve = View();
    EXPECT_FALSE(editing::Sprunganalyse(curve, 2, 10));
    EXPECT_EQ(Y[1], 10.0f);
}

TEST_F(JumpCorrection, ClipLevelAboveTheCurrentOneIsLoweredByOne)
{
    Load(0.0f, 1.0f, {1, 500, 1});
    auto curve = View();
    editing::Hoehe_Reduzieren(curve, 600, 0);
    EXPECT_EQ(Maximum_Y, 499.0f);
    EXPECT_EQ(Y[1], 499.0f);
    ASSERT_FALSE(seam.logLines.empty());
    EXPECT_EQ(seam.logLines.back(), "reduzierte Höhe: 499");
}

TEST_F(JumpCorrection, RawSpectrumIsClippedFilledAndCentred)
{
    Load(0.0f, 1.0f, {1, 5, 9, 3, 9, 8, 2});
    auto curve = View();
    editing::Hoehe_Reduzieren(curve, 8, 0);
    EXPECT_EQ(Y, (std::vector<float>{1, 5, 8, 8, 8, 8, 2}));
    EXPECT_EQ(Mitte_Index, 4) << "3 + 1.5 rounds to the even 4";
    EXPECT_EQ(Minimum_X, -3.0f);
    EXPECT_EQ(Maximum_X, 4.0f);
    EXPECT_EQ(Mitte, 0.0f);
    ASSERT_EQ(seam.logLines.size(), 3u);
    EXPECT_TRUE(EndsWith(seam.logLines[0], ": Ausreiser im Hauptpeak entfernt"));
    EXPECT_TRUE(EndsWith(seam.logLines[1], ": Mitte festgelegt: Punkt: 4 (K = 0 1/nm )"));
}

TEST_F(JumpCorrection, ElectronSpectrumIsClippedFromTheFirstPointToTheLastOneAtTheLevel)
{
    Load(0.0f, 1.0f, {100, 80, 0, 30, 60, 20});
    auto curve = View();
    editing::Hoehe_Reduzieren(curve, 50, 1);
    EXPECT_EQ(Y, (std::vector<float>{50, 50, 50, 50, 50, 20}));
    Load(0.0f, 1.0f, {100, 10, 20});
    editing::Hoehe_Reduzieren(curve, 50, 1);
    EXPECT_EQ(Y, (std::vector<float>{50, 10, 20}));
    Load(0.0f, 1.0f, {100, 10, 20});
    editing::Hoehe_Reduzieren(curve, 50, 4);
    EXPECT_EQ(Y, (std::vector<float>{100, 10, 20})) << "other project types keep their values";
    EXPECT_EQ(Maximum_Y, 50.0f);
}

TEST_F(JumpCorrection, OutliersWithoutAPointAtTheLevelChangeNothing)
{
    Load(0.0f, 1.0f, {1, 2, 3});
    Maximum_Y = 10;
    auto curve = View();
    editing::Ausreiser(curve);
    EXPECT_EQ(Y, (std::vector<float>{1, 2, 3}));
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(JumpCorrection, MiddleOfTheClippedRunRoundsHalfToEven)
{
    for (const auto& [s, e, middle] : {std::tuple{10, 13, 12}, std::tuple{10, 15, 12}, std::tuple{7, 7, 7}}) {
        std::vector<float> values(20, 1.0f);
        for (int i = s; i <= e; ++i) values[static_cast<size_t>(i - 1)] = 9.0f;
        Load(0.0f, 0.5f, values);
        auto curve = View();
        editing::Mitte_suchen(curve);
        EXPECT_EQ(Mitte_Index, middle) << s << ".." << e;
        EXPECT_EQ(curve.x(middle), 0.0f);
    }
}

TEST_F(JumpCorrection, MiddleWithoutAPointAtTheLevelKeepsTheAxis)
{
    Load(-1.0f, 0.5f, {1, 2, 3});
    Maximum_Y = 10;
    Mitte_Index = 2;
    auto curve = View();
    editing::Mitte_suchen(curve);
    EXPECT_EQ(Minimum_X, -1.0f);
    EXPECT_EQ(Mitte_Index, 2);
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(JumpCorrection, RestoreTakesTheStageGridExtremesAndFlags)
{
    const editing::SavedStage raw{5, 0.5f, 0.0f, {1, 2, 9, 2, 1}, KT_JK};
    struct Case {
        int32_t kind;
        bool fitted;
        bool folded;
        float minimumX;
    };
    for (const Case& c : {Case{KT_JK, false, false, -1.0f}, Case{KT_JK_Bearbeitet, false, false, -1.0f},
                          Case{KT_JK_Gemittelt, false, true, 0.0f}, Case{KT_Fit, true, true, 0.0f}}) {
        Load(7.0f, 3.0f, {5, 5});
        bool fitted = !c.fitted;
        bool folded = !c.folded;
        editing::SavedStage stage = raw;
        stage.Typ = c.kind;
        auto curve = View();
        editing::Sicherheit_Zurueck(curve, stage, fitted, folded);
        EXPECT_EQ(Y, raw.Y) << c.kind;
        EXPECT_EQ(Punkte, 5);
        EXPECT_EQ(Schrittweite, 0.5f);
        EXPECT_EQ(Maximum_Y, 9.0f);
        EXPECT_EQ(Minimum, 1.0f);
        EXPECT_EQ(Minimum_X, c.minimumX) << "kinds 1 and 2 are centred again";
        EXPECT_EQ(Maximum_X, c.minimumX + 2.0f) << "the last point, not one step beyond";
        EXPECT_EQ(fitted, c.fitted) << c.kind;
        EXPECT_EQ(folded, c.folded) << c.kind;
    }
    EXPECT_TRUE(EndsWith(seam.logLines[0], ": Sicherheitskopie reaktiviert, Kurve: " + Kurven_Titel(KT_JK)));
}

TEST_F(JumpCorrection, RestoreOfAnotherKindKeepsTheFlagsAndAnEmptyStageIsRefused)
{
    Load(7.0f, 3.0f, {5, 5});
    bool fitted = true;
    bool folded = false;
    auto curve = View();
    editing::Sicherheit_Zurueck(curve, {2, 1.0f, 0.0f, {3, 4}, KT_IK}, fitted, folded);
    EXPECT_TRUE(fitted);
    EXPECT_FALSE(folded);
    EXPECT_EQ(Y, (std::vector<float>{3, 4}));
    EXPECT_THROW(editing::Sicherheit_Zurueck(curve, {}, fitted, folded), rt::RuntimeError);
    EXPECT_EQ(Y, (std::vector<float>{3, 4}));
}
