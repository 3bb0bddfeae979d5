#include "CurvesTest.h"

namespace {

class PointEditing : public CurvesTest {
protected:
    static std::vector<float> Piece()
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= gCalc->Temp_Punkte(); ++i) values.push_back(gCalc->Y_Temp(i));
        return values;
    }
};

TEST_F(PointEditing, CopiesFromTheLowerXUpToButNotIncludingTheUpperOneOrRefuses)
{
    Load(0.0f, 0.25f, {10, 20, 30, 40, 50, 60});
    for (const auto& [x1, x2] : {std::pair{0.25f, 1.0f}, {1.0f, 0.25f}}) {
        gCalc->Punkte_Kopieren(x1, x2);
        EXPECT_EQ(std::pair(gCalc->X_StartIndex(), gCalc->X_StartIndex_Rechts()), std::pair(2, 5));
        EXPECT_EQ(Piece(), (std::vector<float>{20, 30, 40}));
        EXPECT_TRUE(gCalc->Punkte_Kopiert());
    }
    for (const auto& [x1, x2] : {std::pair{0.5f, 2.0f}, {0.5f, 0.5f}, {0.6f, 0.7f}}) {
        gCalc->Punkte_Kopieren(x1, x2);
        EXPECT_EQ(Reported() + " " + std::to_string(gError->ErrorNumber()), "Punkte_Kopieren 9") << x1 << ".." << x2;
    }
    EXPECT_EQ(Piece(), (std::vector<float>{20, 30, 40})) << "a refused copy leaves the buffer as it was";
}

TEST_F(PointEditing, MirrorReversesThePieceAndMovingShiftsAndLiftsIt)
{
    Load(-1.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    gCalc->Punkte_Kopieren(0.25f, 1.0f);
    gCalc->Punkte_Spiegeln();
    EXPECT_EQ(gCalc->X_StartIndex(), 1) << "starts at the mirror of its right end, x = -1.0";
    EXPECT_EQ(Piece(), (std::vector<float>{8, 7, 6}));
    EXPECT_EQ(std::pair(gCalc->YU(1), gCalc->YU(3)), std::pair(6.0f, 8.0f));
    EXPECT_EQ(gCalc->Y(1), 1.0f) << "the curve itself is not changed";

    Load(0.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8});
    gCalc->Punkte_Kopieren(0.25f, 0.75f);
    gCalc->Punkte_Positionieren(0.5f, 1.5f);
    EXPECT_EQ(gCalc->X_StartIndex(), 4);
    EXPECT_EQ(Piece(), (std::vector<float>{3.5f, 4.5f}));
    gCalc->Punkte_Positionieren(0.375f, 0.0f);
    EXPECT_EQ(gCalc->X_StartIndex(), 6) << "1.5 steps round to 2";
    gCalc->Verschieben_X(-3);
    EXPECT_EQ(std::pair(gCalc->X_StartIndex(), gCalc->X_StartIndex_Rechts()), std::pair(3, 7));
    gCalc->Verschieben_Y(-0.5f);
    EXPECT_EQ(Piece(), (std::vector<float>{3, 4}));
}

TEST_F(PointEditing, InsertReplacesOrTakesThePlainMeanAndWritesWhatFits)
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

    Load(0.0f, 1.0f, {1, 2, 3, 0, 0});
    gCalc->Punkte_Kopieren(0.0f, 3.0f);
    gCalc->Verschieben_X(3);
    gCalc->Punkte_Einfuegen(true);
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3, 1, 2}));
    EXPECT_EQ(Reported(), "Punkte_Einfuegen");
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
    for (float x : {0.5f, 0.0f, 4.5f, 9.0f}) gCalc->Loesche_Punkt(x);
    EXPECT_EQ(Values(), (std::vector<float>{1, 10, 3, 4, 5, 6}))
        << "no point between the first two, none without a right neighbour, none beyond the curve";
}

TEST_F(PointEditing, CutsKeepThePointsAtTheirOwnXOrAreRefused)
{
    Load(0.0f, 0.25f, {1, 2, 3, 4, 5});
    gCalc->Breite_reduzieren(0.0f);
    EXPECT_EQ(Reported(), "Breite_reduzieren");
    gCalc->Links_reduzieren(1.0f);
    EXPECT_EQ(Reported(), "Links_reduzieren");
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3, 4, 5})) << "a cut that would leave no point";
    EXPECT_TRUE(seam.logLines.empty());

    gCalc->Breite_reduzieren(1.1f);
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3, 4, 5}));
    EXPECT_EQ(gCalc->Maximum_X(), 1.1f);
    EXPECT_TRUE(Logged("reduzierte rechte Seite:1.1 (Punkte: 5)"));
    gCalc->Links_reduzieren(0.3f);
    EXPECT_EQ(Values(), (std::vector<float>{3, 4, 5}));
    EXPECT_EQ(gCalc->x(1), 0.5f);
    EXPECT_TRUE(Logged("reduzierte linke Seite:0.3 (Punkte: 3)"));

    Load(-1.0f, 0.25f, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    gCalc->Reduzieren(-0.5f);
    EXPECT_EQ(gCalc->Minimum_X(), -0.25f) << "a negative value cuts the left";
    gCalc->Reduzieren(0.5f);
    EXPECT_EQ(Values(), (std::vector<float>{4, 5, 6}));
}

}
