#include "images/modDigitalisieren.h"

#include <gtest/gtest.h>

namespace {
// A 20 x 10 white picture; dunkel(x, y) gives the grey of the drawn pixels (-1: white).
Punktfarbe Bild(std::function<int32_t(int32_t, int32_t)> grau)
{
    return [grau](int32_t x, int32_t y) {
        if (x < 0 || y < 0 || x >= 20 || y >= 10) return -1;
        const int32_t g = grau(x, y);
        return (g < 0 ? 255 : g) * 65793;
    };
}
}

TEST(Digitalisieren, ADarkLineIsCollectedLeftToRightAndTheTraceStopsAtTheEdge)
{
    const Punktfarbe linie = Bild([](int32_t, int32_t y) { return y == 4 ? 0 : -1; });
    int32_t x = 2, y = 4;
    std::vector<float> X, Y;
    Kurve_Digitalisieren(linie, x, y, 1.0f, X, Y);
    ASSERT_EQ(X.size(), 17u) << "x = 3 .. 19, then the edge";
    EXPECT_EQ(X.front(), 3.0f);
    EXPECT_EQ(X.back(), 19.0f);
    for (float v : Y) EXPECT_EQ(v, 4.0f);

    // Grey 70 is dark, 71 is not.
    for (int32_t grau : {70, 71}) {
        const Punktfarbe bild = Bild([grau](int32_t x, int32_t y) { return x == 1 && y == 0 ? grau : -1; });
        int32_t x = 0, y = 0;
        std::vector<float> X, Y;
        Kurve_Digitalisieren(bild, x, y, 1.0f, X, Y);
        EXPECT_EQ(X.size(), grau == 70 ? 1u : 0u) << grau;
    }
}

TEST(Digitalisieren, TwoAxisPointsTurnPixelsIntoDiagramValues)
{
    Achsenpunkte achsen{{10, 90, 110, 10}, {0, 0, 10, 1}, 1};
    std::vector<float> X{60}, Y{50};
    EXPECT_FALSE(Achsen_Umrechnen(achsen, X, Y)) << "one point only";
    achsen.Gesetzt = 2;
    ASSERT_TRUE(Achsen_Umrechnen(achsen, X, Y));
    EXPECT_FLOAT_EQ(X[0], 5.0f);
    EXPECT_FLOAT_EQ(Y[0], 0.5f);
}
