#include "curves/PointEditing.h"

#include "EditingFixture.h"
#include "core/Runtime.h"

#include <gtest/gtest.h>

namespace {

using PointEditing = EditingFixture;

int32_t ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const rt::RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}

TEST_F(PointEditing, CopiesFromTheLowerXUpToButNotIncludingTheUpperOne)
{
    Load(0.0f, 0.25f, {10, 20, 30, 40, 50, 60});
    for (const auto& [x1, x2] : {std::pair{0.25f, 1.0f}, std::pair{1.0f, 0.25f}}) {
        auto curve = View();
        auto piece = Piece();
        editing::Punkte_Kopieren(curve, piece, x1, x2);
        EXPECT_EQ(Temp_Punkte, 3);
        EXPECT_EQ(X_StartIndex, 2);
        EXPECT_EQ(X_StartIndex_Rechts, 5);
        EXPECT_EQ(Y_Temp, (std::vector<float>{20, 30, 40}));
        EXPECT_TRUE(Punkte_Kopiert);
    }
}

TEST_F(PointEditing, RefusedCopyLeavesTheBufferAsItWas)
{
    Load(0.0f, 0.25f, {10, 20, 30, 40, 50});
    auto curve = View();
    auto piece = Piece();
    EXPECT_EQ(ErrorOf([&] { editing::Punkte_Kopieren(curve, piece, 0.5f, 2.0f); }), rt::errSubscript)
        << "beyond the last point";
    EXPECT_EQ(ErrorOf([&] { editing::Punkte_Kopieren(curve, piece, 0.5f, 0.5f); }), rt::errSubscript)
        << "no grid step";
    EXPECT_EQ(ErrorOf([&] { editing::Punkte_Kopieren(curve, piece, 0.6f, 0.7f); }), rt::errSubscript)
        << "both between the same two points";
    EXPECT_FALSE(Punkte_Kopiert);
    EXPECT_EQ(Temp_Punkte, 0);
    EXPECT_TRUE(Y_Temp.empty());
}

TEST_F(PointEditing, MirrorReversesThePieceAndStartsItAtTheMirrorOfItsRightEnd)
{
    Load(-1.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    auto curve = View();
    auto piece = Piece();
    editing::Punkte_Kopieren(curve, piece, 0.25f, 1.0f);
    ASSERT_EQ(X_StartIndex, 6);
    editing::Punkte_Spiegeln(curve, piece);
    EXPECT_EQ(X_StartIndex, 1) << "the index of x = -1.0";
    EXPECT_EQ(X_StartIndex_Rechts, 6);
    EXPECT_EQ(Y_Temp, (std::vector<float>{8, 7, 6}));
    EXPECT_EQ(YU, (std::vector<float>{6, 7, 8}));
    EXPECT_EQ(Y[0], 1.0f) << "the curve itself is not changed";
}

TEST_F(PointEditing, PositioningMovesByWholeStepsAndLiftsTheValues)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8});
    Y_Temp = {1, 2};
    Temp_Punkte = 2;
    X_StartIndex = 2;
    auto curve = View();
    auto piece = Piece();
    editing::Punkte_Positionieren(curve, piece, 0.5f, 1.5f);
    EXPECT_EQ(X_StartIndex, 4);
    EXPECT_EQ(Y_Temp, (std::vector<float>{2.5f, 3.5f}));
    editing::Punkte_Positionieren(curve, piece, 0.375f, 0.0f);
    EXPECT_EQ(X_StartIndex, 6) << "1.5 steps round to 2";
    Schrittweite = 0.0f;
    EXPECT_EQ(ErrorOf([&] { editing::Punkte_Positionieren(curve, piece, 0.5f, 0.0f); }), rt::errDivisionByZero);
}

TEST_F(PointEditing, InsertReplacesOrTakesThePlainMean)
{
    Load(0.0f, 1.0f, {10, -1, 5, 5, 5});
    Y_Temp = {13, 0};
    Temp_Punkte = 2;
    X_StartIndex = 1;
    Punkte_Kopiert = true;
    auto curve = View();
    auto piece = Piece();
    EXPECT_EQ(editing::Punkte_Einfuegen(curve, piece, false), 0);
    EXPECT_EQ(Y, (std::vector<float>{11.5f, -0.5f, 5, 5, 5}));
    EXPECT_FALSE(Punkte_Kopiert);
    X_StartIndex = 3;
    EXPECT_EQ(editing::Punkte_Einfuegen(curve, piece, true), 0);
    EXPECT_EQ(Y, (std::vector<float>{11.5f, -0.5f, 13, 0, 5}));
}

TEST_F(PointEditing, InsertWritesWhatFitsAtEitherEndAndCountsTheRest)
{
    Load(0.0f, 1.0f, {0, 0, 0, 0, 0});
    Y_Temp = {1, 2, 3};
    Temp_Punkte = 3;
    auto curve = View();
    auto piece = Piece();
    X_StartIndex = 4;
    EXPECT_EQ(editing::Punkte_Einfuegen(curve, piece, true), 1);
    EXPECT_EQ(Y, (std::vector<float>{0, 0, 0, 1, 2}));
    X_StartIndex = -1;
    EXPECT_EQ(editing::Punkte_Einfuegen(curve, piece, true), 2);
    EXPECT_EQ(Y, (std::vector<float>{3, 0, 0, 1, 2})) << "each value stays at its own index";
    X_StartIndex = 50;
    EXPECT_EQ(editing::Punkte_Einfuegen(curve, piece, true), 3);
}

TEST_F(PointEditing, DeletingAPointTakesTheMeanOfItsNeighbours)
{
    Load(0.0f, 1.0f, {1, 2, 10, 4, 5, 6});
    auto curve = View();
    editing::Loesche_Punkt(curve, 2.2f);
    EXPECT_EQ(Y[2], 3.0f) << "nearer to x(3)";
    Y[2] = 10;
    editing::Loesche_Punkt(curve, 1.5f);
    EXPECT_EQ(Y[2], 3.0f) << "half-way replaces the upper point";
    Y[1] = 10;
    editing::Loesche_Punkt(curve, 0.5f);
    EXPECT_EQ(Y[1], 10.0f) << "between the first two points nothing happens";
    editing::Loesche_Punkt(curve, 0.0f);
    editing::Loesche_Punkt(curve, 4.5f);
    EXPECT_EQ(Y[5], 6.0f) << "the last point has no right neighbour";
    editing::Loesche_Punkt(curve, 9.0f);
    EXPECT_EQ(Y, (std::vector<float>{1, 10, 3, 4, 5, 6}));
}

TEST_F(PointEditing, CutAtTheRightKeepsThePointsBelowTheCut)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    auto curve = View();
    editing::Breite_reduzieren(curve, 0.6f);
    EXPECT_EQ(Punkte, 3);
    EXPECT_EQ(Y, (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(Maximum_X, 0.6f);
    ASSERT_EQ(seam.logLines.size(), 1u);
    EXPECT_EQ(seam.logLines[0], "reduzierte rechte Seite:0.6 (Punkte: 3)");
}

TEST_F(PointEditing, CutAtTheLeftKeepsThePointsAtTheirOwnX)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    auto curve = View();
    editing::Links_reduzieren(curve, 0.3f);
    EXPECT_EQ(Punkte, 3);
    EXPECT_EQ(Y, (std::vector<float>{3, 4, 5}));
    EXPECT_EQ(curve.x(1), 0.5f);
    EXPECT_EQ(curve.x(3), 1.0f);
    EXPECT_EQ(Maximum_X, 1.0f);
    ASSERT_EQ(seam.logLines.size(), 1u);
    EXPECT_EQ(seam.logLines[0], "reduzierte linke Seite:0.3 (Punkte: 3)");
}

TEST_F(PointEditing, CutsThatWouldLeaveNoPointAreRefused)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    auto curve = View();
    EXPECT_EQ(ErrorOf([&] { editing::Breite_reduzieren(curve, 0.0f); }), rt::errSubscript);
    EXPECT_EQ(ErrorOf([&] { editing::Links_reduzieren(curve, 1.0f); }), rt::errSubscript);
    EXPECT_EQ(Punkte, 5);
    EXPECT_EQ(Y.size(), 5u);
    EXPECT_EQ(Minimum_X, 0.0f);
    EXPECT_EQ(Maximum_X, 1.25f);
    EXPECT_TRUE(seam.logLines.empty());
}

TEST_F(PointEditing, ReduceCutsTheLeftForANegativeValue)
{
    Load(-1.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    auto curve = View();
    editing::Reduzieren(curve, -0.5f);
    EXPECT_EQ(Y.front(), 4.0f);
    EXPECT_EQ(Minimum_X, -0.25f);
    editing::Reduzieren(curve, 0.5f);
    EXPECT_EQ(Y.back(), 6.0f) << "x = 0.25 is the last below 0.5";
    editing::Reduzieren(curve, 0.0f);
    EXPECT_EQ(Y, (std::vector<float>{4}));
}
