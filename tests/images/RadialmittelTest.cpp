#include "images/Radialmittel.h"

#include "images/Kalibrierung.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"

#include <cmath>
#include <gtest/gtest.h>

class RadialmittelTest : public ::testing::Test {
protected:
    // The radial average of a picture written with farbe, about (mx, my).
    Radialkurve Mitteln(int32_t breite, int32_t hoehe, const Bildfarbe& farbe, float mx, float my, float cf = 1.0f)
    {
        const auto datei = world.env.Root() / "bild.png";
        Bild_Schreiben(datei, breite, hoehe, farbe);
        clsImage bild(true);
        EXPECT_EQ(bild.LoadPic(datei.string()), Lader_FreeImage);
        Radialkurve kurve;
        EXPECT_TRUE(Radialmittel_Berechnen(bild.Zeilen(), mx, my, cf, nullptr, kurve));
        return kurve;
    }
    TestWorld world;
};

TEST_F(RadialmittelTest, UniformGreyGivesTheMeanLoweredByOneCountAndAPlateau)
{
    const Radialkurve kurve = Mitteln(201, 201, [](int32_t, int32_t) { return Grau(100); }, 100.0f, 100.0f, 0.5f);
    ASSERT_EQ(kurve.Y.size(), 200u);
    std::vector<double> k(200);
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 201; ++x) {
            const double b = std::nearbyint(std::hypot(x - 100.0, y - 100.0));
            if (b < 200) k[static_cast<size_t>(b)] += 1;
        }
    size_t groesster = 0;
    for (size_t b = 0; b < 200; ++b)
        if (k[b] > k[groesster]) groesster = b;
    const double hoch = 65793.0 * 100 * k[groesster] / (k[groesster] + 1);
    for (size_t b = 0; b < 200; ++b) {
        const double erwartet = b <= groesster ? hoch : 65793.0 * 100 * k[b] / (k[b] + 1);
        ASSERT_NEAR(kurve.Y[b], erwartet, erwartet * 1e-6) << "bin " << b;
        ASSERT_FLOAT_EQ(kurve.X[b], 0.5f * b);
    }
}

TEST_F(RadialmittelTest, RingsPeakAtTheirRadiusTimesCF)
{
    const float cf = CF_Aus_Text("29800", 0.0f);
    const auto ring = [](int32_t x, int32_t y) {
        const double r = std::nearbyint(std::hypot(x - 256.0, y - 256.0));
        return Grau(r == 40 ? 220 : r == 80 ? 180 : 60);
    };
    const Radialkurve kurve = Mitteln(512, 512, ring, 256.0f, 256.0f, cf);
    ASSERT_EQ(kurve.Y.size(), 355u);
    EXPECT_NEAR(kurve.X[40], 7.4896, 1e-4);
    EXPECT_NEAR(kurve.X[80], 14.979, 1e-3);
    EXPECT_GT(kurve.Y[40], kurve.Y[41]);
    EXPECT_EQ(kurve.Y[39], kurve.Y[40]) << "plateau before the first maximum";
    EXPECT_GT(kurve.Y[80], kurve.Y[79]);
    EXPECT_GT(kurve.Y[80], kurve.Y[81]);
}

TEST_F(RadialmittelTest, BinsRoundHalfToEvenAndTheGreyFilterKeepsTwelveTo254)
{
    // Centre (0.5, 0): the pixels at x = 3 and 4 lie 2.5 and 3.5 from it.
    const auto halb = [](int32_t x, int32_t) { return Grau(x == 3 ? 200 : x == 4 ? 100 : 0); };
    Radialkurve kurve = Mitteln(8, 1, halb, 0.5f, 0.0f);
    EXPECT_FLOAT_EQ(kurve.Y[2], 65793.0f * 100);
    EXPECT_EQ(kurve.Y[3], 0.0f);
    EXPECT_FLOAT_EQ(kurve.Y[4], 65793.0f * 50);

    const auto filter = [](int32_t x, int32_t) {
        switch (x) {
        case 2: return Grau(254);
        case 4: return Grau(11);
        case 6: return Grau(255);
        case 8: return Grau(12);
        default: return 0u;
        }
    };
    kurve = Mitteln(12, 1, filter, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(kurve.Y[2], 65793.0f * 127);
    EXPECT_EQ(kurve.Y[4], 0.0f);
    EXPECT_EQ(kurve.Y[6], 0.0f);
    EXPECT_FLOAT_EQ(kurve.Y[8], 65793.0f * 6);
}

TEST_F(RadialmittelTest, ACentreLeavingFewerThanTwoPointsIsRefused)
{
    Bild_Schreiben(world.env.Root() / "b.png", 10, 10, [](int32_t, int32_t) { return Grau(100); });
    clsImage bild(true);
    bild.LoadPic((world.env.Root() / "b.png").string());
    Radialkurve kurve{{1.0f}, {2.0f}};
    EXPECT_FALSE(Radialmittel_Berechnen(bild.Zeilen(), 109.0f, 5.0f, 1.0f, nullptr, kurve));
    EXPECT_EQ(kurve.X.size(), 1u) << "the previous curve stays";
    EXPECT_TRUE(Radialmittel_Berechnen(bild.Zeilen(), 107.0f, 5.0f, 1.0f, nullptr, kurve));
    EXPECT_EQ(kurve.X.size(), 2u);
}
