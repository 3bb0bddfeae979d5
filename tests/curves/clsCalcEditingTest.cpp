#include "EditingCurveTest.h"
#include "core/Runtime.h"

#include <gtest/gtest.h>

using PointEditing = EditingCurveTest;

TEST_F(PointEditing, CopiesFromTheLowerXUpToButNotIncludingTheUpperOne)
{
    Load(0.0f, 0.25f, {10, 20, 30, 40, 50, 60});
    for (const auto& [x1, x2] : {std::pair{0.25f, 1.0f}, std::pair{1.0f, 0.25f}}) {
        gCalc->Punkte_Kopieren(x1, x2);
        EXPECT_EQ(gCalc->Temp_Punkte(), 3);
        EXPECT_EQ(gCalc->X_StartIndex(), 2);
        EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 5);
        EXPECT_EQ(Piece(), (std::vector<float>{20, 30, 40}));
        EXPECT_TRUE(gCalc->Punkte_Kopiert());
    }
    EXPECT_EQ(gCalc->Y_Temp(0), 0.0f);
    EXPECT_EQ(gCalc->Y_Temp(4), 0.0f);
}

TEST_F(PointEditing, RefusedCopyIsReportedAndLeavesTheBufferAsItWas)
{
    Load(0.0f, 0.25f, {10, 20, 30, 40, 50});
    for (const auto& [x1, x2] : {std::pair{0.5f, 2.0f}, std::pair{0.5f, 0.5f}, std::pair{0.6f, 0.7f}}) {
        gCalc->Punkte_Kopieren(x1, x2);
        EXPECT_EQ(Reported(), "Punkte_Kopieren") << x1 << ".." << x2;
        EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript);
    }
    EXPECT_FALSE(gCalc->Punkte_Kopiert());
    EXPECT_EQ(gCalc->Temp_Punkte(), 0);
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 0);
}

TEST_F(PointEditing, MirrorReversesThePieceAndStartsItAtTheMirrorOfItsRightEnd)
{
    Load(-1.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    gCalc->Punkte_Kopieren(0.25f, 1.0f);
    ASSERT_EQ(gCalc->X_StartIndex(), 6);
    gCalc->Punkte_Spiegeln();
    EXPECT_EQ(gCalc->X_StartIndex(), 1) << "the index of x = -1.0";
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 6);
    EXPECT_EQ(Piece(), (std::vector<float>{8, 7, 6}));
    EXPECT_EQ(gCalc->YU(1), 6.0f);
    EXPECT_EQ(gCalc->YU(3), 8.0f);
    EXPECT_EQ(gCalc->YU(4), 0.0f);
    EXPECT_EQ(gCalc->Y(1), 1.0f) << "the curve itself is not changed";
}

TEST_F(PointEditing, MovingShiftsTheRangeAndLiftsTheValues)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8});
    gCalc->Punkte_Kopieren(0.25f, 0.75f);
    gCalc->Punkte_Positionieren(0.5f, 1.5f);
    EXPECT_EQ(gCalc->X_StartIndex(), 4);
    EXPECT_EQ(Piece(), (std::vector<float>{3.5f, 4.5f}));
    gCalc->Punkte_Positionieren(0.375f, 0.0f);
    EXPECT_EQ(gCalc->X_StartIndex(), 6) << "1.5 steps round to 2";
    gCalc->Verschieben_X(-3);
    EXPECT_EQ(gCalc->X_StartIndex(), 3);
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 7);
    gCalc->Verschieben_Y(-0.5f);
    EXPECT_EQ(Piece(), (std::vector<float>{3, 4}));
    gCalc->setSchrittweite(0.0f);
    EXPECT_THROW(gCalc->Punkte_Positionieren(0.5f, 0.0f), rt::RuntimeError);
}

TEST_F(PointEditing, InsertReplacesOrTakesThePlainMean)
{
    Load(0.0f, 1.0f, {13, 0, 10, -1, 5});
    gCalc->Punkte_Kopieren(0.0f, 2.0f);
    gCalc->Verschieben_X(2);
    gCalc->Punkte_Einfuegen(false);
    EXPECT_EQ(Values(), (std::vector<float>{13, 0, 11.5f, -0.5f, 5}));
    EXPECT_FALSE(gCalc->Punkte_Kopiert());
    gCalc->Verschieben_X(1);
    gCalc->Punkte_Einfuegen(true);
    EXPECT_EQ(Values(), (std::vector<float>{13, 0, 11.5f, 13, 0}));
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(PointEditing, InsertWritesWhatFitsAtEitherEndAndSaysSo)
{
    Load(0.0f, 1.0f, {1, 2, 3, 0, 0});
    gCalc->Punkte_Kopieren(0.0f, 3.0f);
    gCalc->Verschieben_X(3);
    gCalc->Punkte_Einfuegen(true);
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3, 1, 2}));
    EXPECT_EQ(Reported(), "Punkte_Einfuegen");
    EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript);
    gCalc->Verschieben_X(-5);
    gCalc->Punkte_Einfuegen(true);
    EXPECT_EQ(Values(), (std::vector<float>{3, 2, 3, 1, 2})) << "each value stays at its own index";
    EXPECT_EQ(seam.errorWindows, 2);
}

TEST_F(PointEditing, DeletingAPointTakesTheMeanOfItsNeighbours)
{
    Load(0.0f, 1.0f, {1, 2, 10, 4, 5, 6});
    gCalc->Loesche_Punkt(2.2f);
    EXPECT_EQ(gCalc->Y(3), 3.0f) << "nearer to x(3)";
    gCalc->setY(3, 10);
    gCalc->Loesche_Punkt(1.5f);
    EXPECT_EQ(gCalc->Y(3), 3.0f) << "half-way replaces the upper point";
    gCalc->setY(2, 10);
    gCalc->Loesche_Punkt(0.5f);
    gCalc->Loesche_Punkt(0.0f);
    gCalc->Loesche_Punkt(4.5f);
    gCalc->Loesche_Punkt(9.0f);
    EXPECT_EQ(Values(), (std::vector<float>{1, 10, 3, 4, 5, 6}))
        << "no point between the first two, none without a right neighbour, none beyond the curve";
}

TEST_F(PointEditing, CutAtTheRightKeepsThePointsBelowTheCut)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    gCalc->Breite_reduzieren(0.6f);
    EXPECT_EQ(gCalc->Punkte(), 3);
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(gCalc->Maximum_X(), 0.6f);
    EXPECT_TRUE(Logged("reduzierte rechte Seite:0.6 (Punkte: 3)"));
}

TEST_F(PointEditing, CutAtTheLeftKeepsThePointsAtTheirOwnX)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    gCalc->Links_reduzieren(0.3f);
    EXPECT_EQ(gCalc->Punkte(), 3);
    EXPECT_EQ(Values(), (std::vector<float>{3, 4, 5}));
    EXPECT_EQ(gCalc->x(1), 0.5f);
    EXPECT_EQ(gCalc->x(3), 1.0f);
    EXPECT_EQ(gCalc->Maximum_X(), 1.0f);
    EXPECT_TRUE(Logged("reduzierte linke Seite:0.3 (Punkte: 3)"));
}

TEST_F(PointEditing, CutsThatWouldLeaveNoPointAreRefused)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    gCalc->Breite_reduzieren(0.0f);
    EXPECT_EQ(Reported(), "Breite_reduzieren");
    gCalc->Links_reduzieren(1.0f);
    EXPECT_EQ(Reported(), "Links_reduzieren");
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3, 4, 5}));
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_EQ(gCalc->Maximum_X(), 1.25f);
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(PointEditing, ReduceCutsTheLeftForANegativeValue)
{
    Load(-1.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    gCalc->Reduzieren(-0.5f);
    EXPECT_EQ(gCalc->Y(1), 4.0f);
    EXPECT_EQ(gCalc->Minimum_X(), -0.25f);
    gCalc->Reduzieren(0.5f);
    EXPECT_EQ(gCalc->Y(gCalc->Punkte()), 6.0f) << "x = 0.25 is the last below 0.5";
    gCalc->Reduzieren(0.0f);
    EXPECT_EQ(Values(), (std::vector<float>{4}));
}
