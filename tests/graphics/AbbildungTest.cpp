#include "graphics/Abbildung.h"

#include "core/KurvenTyp.h"
#include "core/modString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

DiagrammSkala Diagramm600(float xmin, float xmax, float ymin, float ymax)
{
    DiagrammSkala s;
    s.rechts = 600;
    s.unten = 365;
    SkaliereDiagramm(s, xmax, xmin, ymax, ymin, true);
    return s;
}

LayerSkala Layer600x400(float xmin, float xmax, float ymin, float ymax, bool log = false, bool keepY = true)
{
    LayerSkala s = LayerBox(600, 400);
    s.log = log;
    SkaliereLayer(s, xmax, xmin, ymax, ymin, keepY);
    return s;
}

}

TEST(Abbildung, DiagramMapsValuesToPixelsRoundingHalvesToEvenAndBack)
{
    const DiagrammSkala s = Diagramm600(0, 100, 0, 10);
    EXPECT_EQ(PixelX(s, 50), 335);
    EXPECT_FLOAT_EQ(WertX(s, 70), 0.0f);
    EXPECT_EQ(PixelY(s, -5), 365) << "below Ymin lands on the plot bottom";
    EXPECT_LT(*PixelY(s, 20), 0) << "above Ymax is not clipped";
    EXPECT_FLOAT_EQ(WertY(s, static_cast<float>(*PixelY(s, 4))), 4.0f);
    EXPECT_EQ(ZuPixel(2.5), 2);
    EXPECT_EQ(ZuPixel(3.5), 4);
    EXPECT_EQ(ZuPixel(-0.5), 0);
    // 530 pixels for 0..530: x + 70 puts every half on a pixel's edge.
    const DiagrammSkala halbe = Diagramm600(0, 530, 0, 1);
    EXPECT_EQ(PixelX(halbe, 0.5f), 70);
    EXPECT_EQ(PixelX(halbe, 1.5f), 72);
    EXPECT_FALSE(ZuPixel(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ZuPixel(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(PixelX(halbe, std::numeric_limits<float>::quiet_NaN()));
}

TEST(Abbildung, LayerClampsOnEverySideGivesHeadroomALogDecadeAndWidensEmptySpans)
{
    const LayerSkala s = Layer600x400(0, 100, 0, 10);
    EXPECT_FLOAT_EQ(s.rechts, 530.0f);
    EXPECT_FLOAT_EQ(s.unten, 365.0f);
    const auto pixel = [](const LayerSkala& skala, float x, float y) {
        EXPECT_TRUE(KonvertiereAchsen(skala, x, y));
        return std::pair{x, y};
    };
    EXPECT_EQ(pixel(s, 200, 20), std::pair(530.0f, 0.0f));
    EXPECT_EQ(pixel(s, -50, -3), std::pair(0.0f, 365.0f));
    EXPECT_EQ(pixel(s, 50, Kein_Wert).second, 365.0f) << "the no-value marker lands on the bottom row";
    EXPECT_EQ(pixel(s, 50, 5), std::pair(265.0f, 182.5f));

    EXPECT_FLOAT_EQ(Layer600x400(0, 1, 0, 100, false, false).ymax, 105.0f);
    EXPECT_FLOAT_EQ(Layer600x400(0, 1, 0, 100, false, true).ymax, 100.0f);
    const LayerSkala log = Layer600x400(0, 1, 0.5f, 100, true, false);
    EXPECT_NEAR(log.ymin, std::log(0.05), 1e-6);
    EXPECT_NEAR(log.ymax, std::log(105.0), 1e-5);
    EXPECT_NEAR(pixel(log, 0.5f, -2).second, 365 - (0 - log.ymin) * log.yscale, 1e-3) << "y <= 0 is drawn at log value 0";

    const LayerSkala flach = Layer600x400(3, 3, 100, 100, false, true);
    EXPECT_EQ(pixel(flach, 3, 100), std::pair(265.0f, 182.5f)) << "a flat curve is drawn in the middle";
    EXPECT_TRUE(std::isfinite(Diagramm600(0, 0, 0, 0).yscale));
    float nx = std::numeric_limits<float>::quiet_NaN(), ny = 1;
    EXPECT_FALSE(KonvertiereAchsen(flach, nx, ny));
}

TEST(Abbildung, EmptyRangesTakeTheKindsDefaults)
{
    const auto bereich = [](int32_t kind) { return MitStandardBereich(kind, {5, 5, 2, 2}); };
    const auto gleich = [](Bereich a, Bereich b) { return a.x1 == b.x1 && a.x2 == b.x2 && a.y1 == b.y1 && a.y2 == b.y2; };
    EXPECT_TRUE(gleich(bereich(KT_IK), {0, 150, -2, 5}));
    EXPECT_TRUE(gleich(bereich(KT_v_r), {0, 3.1415927f, -100, 1000}));
    EXPECT_TRUE(gleich(bereich(KT_UG), {0, 150, 0, 1000}));
    EXPECT_TRUE(gleich(MitStandardBereich(KT_IK, {5, 5, 1, 3}), {0, 150, 1, 3})) << "only the empty range";
}

TEST(Abbildung, TwoDiagramsShowIKBelowAndGRAbove)
{
    const auto ziel = [](int32_t kind, int32_t index, bool zwei) {
        const auto z = ZielDiagramm(kind, index, zwei);
        return z ? std::pair{z->display, z->kurve} : std::pair{-1, -1};
    };
    EXPECT_EQ(ziel(KT_GR, 0, true), std::pair(0, int32_t(KT_IK_Wichtung)));
    EXPECT_EQ(ziel(KT_IK_Wichtung, 1, true), std::pair(1, int32_t(KT_GR)));
    EXPECT_EQ(ziel(KT_GR, 2, true), std::pair(-1, -1));
    EXPECT_EQ(ziel(KT_GR, 0, false), std::pair(0, int32_t(KT_GR)));
    EXPECT_EQ(ziel(KT_JK, 1, true), std::pair(1, int32_t(KT_JK)));
}

TEST(Abbildung, ZoomOnlyForFourNumbersWithSpans)
{
    EXPECT_FALSE(ZoomAusGrenzen({"5", "1", "abc", "10"}, false, 1));
    EXPECT_FALSE(ZoomAusGrenzen({"5", "1", "3", "3"}, false, 1));
    EXPECT_FALSE(ZoomAusGrenzen({"5", "5", "0", "10"}, false, 1));
    EXPECT_FALSE(ZoomAusGrenzen({"5", "0", "0", "10"}, true, 1)) << "a log axis needs Y above 0";
    const auto fenster = ZoomAusGrenzen({"5", "-1,5", "0", "10"}, false, 10);
    ASSERT_TRUE(fenster);
    EXPECT_EQ(std::tuple(fenster->x2, fenster->y1, fenster->y2), std::tuple(1.0f, -1.5f, 5.0f)) << "shown in Å, zoomed in nm";
    EXPECT_EQ(ZoomInfoText(0, 100, 0, 50, {0, 50, 0, 25}), "200 % / 200 %");
}
