#include "DiagrammFixture.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "graphics/Raster.h"

namespace {

using EngineTest = DiagrammFixture;

QImage Bild(QRgb farbe)
{
    QImage bild(4, 1, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

}

TEST(RasterAnd, WhiteKeepsThePictureAndColoursMeetInBlack)
{
    const QRgb weiss = qRgb(255, 255, 255), rot = qRgb(255, 0, 0), gruen = qRgb(0, 255, 0), schwarz = qRgb(0, 0, 0);
    const auto und = [](QRgb unten, QRgb oben) {
        QImage ziel = Bild(unten);
        Uebertragen(ziel, Bild(oben), 1, 2, 1, SRCAND);
        EXPECT_EQ(std::pair(ziel.pixel(0, 0), ziel.pixel(3, 0)), std::pair(unten, unten)) << "beside the copy";
        return ziel.pixel(1, 0);
    };
    EXPECT_EQ(std::tuple(und(rot, weiss), und(rot, schwarz), und(gruen, rot)), std::tuple(rot, schwarz, schwarz));
}

TEST_F(EngineTest, MergeSkipsInvisibleAndEmptyLayersAndAlwaysDrawsTheAxesLayersCountFromOne)
{
    gGrafik->LoadLayer(0, 0, true);
    gGrafik->Skalieren(0, 10, 0, 10, 0, -1, -1, KT_JK);
    gGrafik->MergeLayer();
    EXPECT_EQ(DunklePixelImPlot(), 0) << "no layer: only the axes";
    EXPECT_EQ(display.Achsen().texte.size(), 10u + 11u);
    const QImage nurAchsen = display.pic->Image;

    gGrafik->LoadLayer(2, 0, true);
    gGrafik->Skalieren(0, 10, 0, 10, 0, 1, 2, KT_JK);
    gGrafik->MergeLayer();
    EXPECT_EQ(display.pic->Image, nurAchsen) << "empty layers change nothing";

    gGrafik->DrawLineHorizontal(1, 5);
    gGrafik->Layer(1).setVisible(false);
    gGrafik->MergeLayer();
    EXPECT_EQ(DunklePixelImPlot(), 0) << "an invisible layer is skipped";
    gGrafik->Layer(1).setVisible(true);
    gGrafik->MergeLayer();
    EXPECT_GT(DunklePixelImPlot(), 400);
    EXPECT_EQ(display.pic->Picture, display.pic->Image) << "the merged diagram is the background";

    // Layers are counted from one across the diagrams and sized after theirs.
    conDisplay zweites;
    zweites.resize(300, 200);
    zweites.show();
    gGrafik->setDisplay(1, &zweites);
    gGrafik->LoadLayer(1, 1, false);
    ASSERT_EQ(gGrafik->LayerAnzahl(), 3);
    EXPECT_EQ(gGrafik->Layer(1).DisplayIndex(), 0);
    EXPECT_EQ(gGrafik->Layer(3).DisplayIndex(), 1);
    EXPECT_EQ(gGrafik->Layer(3).Bild().size(), QSize(300, 200));
    for (const int32_t n : {0, 4}) gGrafik->ClearLayer(n);  // beyond the layers: nothing happens
    EXPECT_THROW(gGrafik->DrawPoint(4, 1, 1), rt::RuntimeError);
}

TEST_F(EngineTest, ScalingUsesTheKindsDefaultsAndTheTwoDiagramRoutingZoomOrdersItsWindow)
{
    gGrafik->LoadLayer(1, 0, true);
    gGrafik->Skalieren(5, 5, 2, 2, 0, 1, 1, KT_IK);
    EXPECT_FLOAT_EQ(gGrafik->SkalenBereich().y1, -2.0f);
    EXPECT_FLOAT_EQ(display.Skala().xmax, 150.0f);
    EXPECT_FLOAT_EQ(gGrafik->Layer(1).Skala().xmax, 150.0f);
    EXPECT_EQ(gGrafik->Layer(1).Kurve(), KT_IK);

    gOptions->setAnsicht_2_Fenster(true);
    gGrafik->Skalieren(0, 1, -1, 2, 0, -1, -1, KT_GR);
    EXPECT_EQ(display.Kurve(), KT_IK_Wichtung) << "the main diagram shows I(K) beside a G(r)";
    EXPECT_FLOAT_EQ(gGrafik->Layer(1).Skala().xmax, 150.0f) << "LayerVon -1 leaves the layers";
    EXPECT_EQ(seam.errorWindows, 0);

    gGrafik->Zoomen(10, 2, 5, -1, true);
    const Bereich z = gGrafik->ZoomFenster();
    EXPECT_EQ(std::tuple(gGrafik->Zoom(), z.x1, z.x2, z.y1, z.y2), std::tuple(true, 2.0f, 10.0f, -1.0f, 5.0f));
    gGrafik->Zeichne_Kurve(KT_IK);
    EXPECT_FALSE(gGrafik->Zoom()) << "a new kind ends the zoom";
}

TEST_F(EngineTest, FlatCurveOnALogAxisIsDrawnWithoutAFault)
{
    display.setY_Achse_Log(true);
    Arbeitskurve(0, 10, 0.1f, [](float) { return -1.0f; });
    gGrafik->Zeichne_Kurve(KT_JK);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_GT(DunklePixelImPlot(), 500) << "a straight line across the plot";
}
