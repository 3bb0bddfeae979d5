#include "images/Radialmittel.h"

#include "images/Kalibrierung.h"
#include "support/TestBilder.h"
#include "support/TestWorld.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

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

namespace {

// The average as the scan defines it, pixel by pixel through the grey level and the maths library:
// bins of the pixels with grey 12 to 254, each divided by its count plus one, the plateau before
// the first maximum.
std::vector<float> Mittel_Pixelweise(const Bildzeilen& bild, double mx, double my, size_t punkte)
{
    std::vector<double> summe(static_cast<size_t>(bild.breite) + 101), anzahl(summe.size());
    for (int32_t y = 0; y < bild.hoehe; ++y)
        for (int32_t x = 0; x < bild.breite; ++x) {
            const uint8_t* p = bild.Zeile(y) + 3 * x;
            const int32_t grau = Grauwert(p[0], p[1], p[2]);
            if (grau < 12 || grau > 254) continue;
            const auto b = static_cast<size_t>(std::nearbyint(std::sqrt((x - mx) * (x - mx) + (y - my) * (y - my))));
            if (b >= summe.size()) continue;
            summe[b] += p[0] + 256.0 * p[1] + 65536.0 * p[2];
            anzahl[b] += 1;
        }
    std::vector<float> Y(punkte, 0.0f);
    for (size_t i = 0; i < punkte && i < summe.size(); ++i) Y[i] = static_cast<float>(summe[i] / (anzahl[i] + 1));
    const auto erstesMaximum = std::max_element(Y.begin(), Y.end());
    if (*erstesMaximum > 0) std::fill(Y.begin(), erstesMaximum, *erstesMaximum);
    return Y;
}

}

TEST(Radialmittel, ColourPixelsAtTheGreyBoundsAndHalfPixelDistancesGiveThePixelByPixelResult)
{
    // The colours whose grey lies within a hundredth of 11.5 (37 of them exactly at it in whole
    // hundredths, where the rounding of the double decides) or a tenth of 254.5, among random colours.
    std::vector<std::array<uint8_t, 3>> grenzfarben;
    for (int32_t p = 0; p < 256; ++p)
        for (int32_t q = 0; q < 256; ++q)
            for (int32_t s = 0; s < 256; ++s)
                if (const int32_t h = 30 * p + 59 * q + 11 * s; std::abs(h - 1150) <= 1 || std::abs(h - 25450) <= 10)
                    grenzfarben.push_back({uint8_t(p), uint8_t(q), uint8_t(s)});
    ASSERT_GT(grenzfarben.size(), 111u);
    const int32_t breite = 301, hoehe = 203, pitch = 904;
    std::vector<uint8_t> bits(static_cast<size_t>(pitch) * hoehe);
    std::mt19937 zufall(31u);
    for (int32_t y = 0; y < hoehe; ++y)
        for (int32_t x = 0; x < breite; ++x) {
            uint8_t* p = &bits[static_cast<size_t>(y) * pitch + 3 * x];
            if (zufall() % 2) {
                const auto& f = grenzfarben[zufall() % grenzfarben.size()];
                std::copy(f.begin(), f.end(), p);
            } else {
                for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(zufall());
            }
        }
    const Bildzeilen bild{bits.data(), breite, hoehe, pitch};
    // Whole and half-pixel centres put pixels exactly half way between two bins.
    for (const auto& [mx, my] :
         {std::pair{150.0f, 101.0f}, {150.5f, 101.0f}, {0.5f, 0.5f}, {33.25f, 190.75f}, {-20.0f, 40.0f}}) {
        Radialkurve kurve;
        ASSERT_TRUE(Radialmittel_Berechnen(bild, mx, my, 0.25f, nullptr, kurve));
        const std::vector<float> erwartet = Mittel_Pixelweise(bild, mx, my, kurve.Y.size());
        ASSERT_EQ(kurve.Y.size(), erwartet.size());
        for (size_t i = 0; i < erwartet.size(); ++i)
            ASSERT_EQ(kurve.Y[i], erwartet[i]) << "bin " << i << ", centre " << mx << ", " << my;
    }
}
