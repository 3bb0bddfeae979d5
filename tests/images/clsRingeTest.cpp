#include "images/clsRinge.h"

#include "images/Kalibrierung.h"

#include <gtest/gtest.h>

namespace {
void Ring(clsRinge& ringe, float mx, float my, float r)
{
    ringe.Klicken(mx, my - r);
    ringe.Klicken(mx + r, my);
    ringe.Klicken(mx, my + r);
}
}

TEST(Ringe, ThreeClicksGiveARingTheCentreIsTheMeanAndCollinearOrTooManyAddNothing)
{
    clsRinge ringe;
    EXPECT_EQ(ringe.Klicken(100, 50), clsRinge::Klick::Gemerkt);
    EXPECT_EQ(ringe.Klicken(150, 100), clsRinge::Klick::Gemerkt);
    EXPECT_FALSE(ringe.Mittelpunkt_Gesetzt()) << "no centre before the first ring";
    EXPECT_EQ(ringe.Klicken(100, 150), clsRinge::Klick::Ring);
    EXPECT_TRUE(ringe.Mittelpunkt_Gesetzt());
    EXPECT_FLOAT_EQ(ringe.Ring_X(1), 100.0f);
    EXPECT_FLOAT_EQ(ringe.Ring_Y(1), 100.0f);
    EXPECT_FLOAT_EQ(ringe.Ring_R(1), 50.0f);
    Ring(ringe, 102, 98, 30);
    EXPECT_FLOAT_EQ(ringe.Mittelpunkt_X(), 101.0f);
    EXPECT_FLOAT_EQ(ringe.Mittelpunkt_Y(), 99.0f);

    // Collinear clicks and a twenty-first ring add nothing.
    clsRinge gerade;
    gerade.Klicken(10, 10);
    gerade.Klicken(20, 20);
    EXPECT_EQ(gerade.Klicken(30, 30), clsRinge::Klick::Entartet);
    EXPECT_EQ(gerade.Ring_Anzahl(), 0);
    EXPECT_EQ(gerade.Klick_Anzahl(), 0);
    EXPECT_FALSE(gerade.Mittelpunkt_Gesetzt()) << "nor after clicks that made no ring";
    for (int k = 0; k < clsRinge::MaxRinge; ++k) Ring(gerade, 200, 200, 10.0f + k);
    ASSERT_EQ(gerade.Ring_Anzahl(), 20);
    EXPECT_EQ(gerade.Klicken(1, 1), clsRinge::Klick::Voll);
    EXPECT_EQ(gerade.Klick_Anzahl(), 0);
    EXPECT_EQ(gerade.Ring_Anzahl(), 20);
    gerade.Clear();
    EXPECT_FALSE(gerade.Mittelpunkt_Gesetzt());
}

TEST(Kalibrierung, CameraConstantGivesCFAndANonNumberKeepsThePrevious)
{
    const float cf = CF_Aus_Text("29800", 0.0f);
    EXPECT_NEAR(cf, 0.187239f, 5e-7f);
    EXPECT_EQ(CF_Beschriftung(cf), "CF = C/1E6 *2Pi = 0.187239 1/(Pixel nm)");
    EXPECT_EQ(CF_Aus_Text("29800,0", 0.0f), cf);
    EXPECT_EQ(CF_Aus_Text("abc", cf), cf);
    EXPECT_EQ(CF_Aus_Text("", cf), cf);
}
