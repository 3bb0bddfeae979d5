// The Gauss peak panel: the peaks of a G(r) made of three Gauss curves, the smoothing parameter,
// an empty curve, the peak views of the generated evaluation's I(K) and G(r), and the peaks' labels.
#include "PanelImRahmen.h"

#include "analysis/Daempfung.h"
#include "analysis/clsGauss.h"
#include "core/KurvenTyp.h"
#include "core/clsError.h"
#include "panels/Peakbeschriftung.h"
#include "panels/conGauss.h"
#include "analysis/clsMath.h"
#include "graphics/DiagrammFlaeche.h"
#include "graphics/DiagrammMaus.h"
#include "widgets/fxbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using Gauss = PanelImRahmen<conGauss>;

namespace {

// A G(r) of 1000 points made of Gauss curves of height 20 and the given width at the given places,
// shown in the Gauss view.
void Gausskurven_Zeigen(conGauss& panel, const std::array<double, 3>& lagen, double breite)
{
    gGR->setPunkte(1000);
    for (int32_t i = 1; i <= 1000; ++i) {
        double y = 0;
        for (const double lage : lagen) y += 20.0 * std::exp(-0.5 * std::pow((gGR->R(i) - lage) / breite, 2));
        gGR->Set_Y(i, static_cast<float>(y));
    }
    gGrafik->setLetzteKurve(KT_GR);
    panel.Init();
}

}

TEST_F(Gauss, FindsThePeaksOfThreeGaussCurvesInGr)
{
    constexpr std::array<double, 3> kLage{0.5, 0.9, 1.4};
    Gausskurven_Zeigen(*panel, kLage, 0.05);
    EXPECT_EQ(panel->Chi(), 1E+11f);
    EXPECT_EQ(gGrafik->LetzteKurve(), KT_GR_Peaks);
    ASSERT_EQ(gGauss->Anzahl(), 3);
    for (int32_t j = 1; j <= 3; ++j) {
        EXPECT_NEAR(gGauss->x(j), kLage[j - 1], 2 * gOptions->Delta_r()) << j;
        EXPECT_GT(gGauss->Y_Gauss(gGauss->x(j), j), 10.0f) << "the drawn curve is not flat";
    }
    EXPECT_EQ(panel->lblGaussInfo->text(), "3  Peaks gefunden (0  Schultern/Mehrfachpeaks)");
    EXPECT_EQ(panel->Label3->text(), "Spline-Fit Qualität");
    emit panel->cmdChi[0]->Click();
    EXPECT_EQ(panel->Label3->text(), "Fitqualität: Chi = 2E+11");
}

TEST_F(Gauss, AnEmptyCurveReportsNoPoints)
{
    panel->Init();
    EXPECT_EQ(gError->ErrorNumber(), 90000);
    EXPECT_EQ(gError->ErrorDescription(), "Punkte = 0");
}

TEST_F(Gauss, PeakViewOfTheEvaluatedIK)
{
    Auswertung();
    gGrafik->Zeichne_Kurve(KT_IK);
    panel->Init();
    EXPECT_EQ(panel->Chi(), 1E+7f);
    EXPECT_GT(gGauss->Anzahl(), 1);
    EXPECT_TRUE(panel->lblInfo[0]->text().endsWith(" 1/nm"));
    Speichern(haupt, "conGauss_IK.png");
    Bilder("conGauss", [this] { panel->SpracheUmstellen(); });
}

TEST_F(Gauss, PeakViewOfTheEvaluatedGrBeginsAtItsFirstShell)
{
    // The ripples of G(r) about its density line below the first shell are no peaks, damped or not.
    Auswertung();
    for (const int32_t daempfung : {DA_Keine, DA_Lorch}) {
        gIK->Daempfen(daempfung);
        ASSERT_TRUE(gGR->Berechnen());
        gGrafik->Zeichne_Kurve(KT_GR);
        panel->Init();
        SCOPED_TRACE(testing::Message() << "damping " << daempfung);
        ASSERT_GE(gGauss->Anzahl(), 2);
        EXPECT_NEAR(gGauss->x(1), gGR->R(gGR->First_Peak_Index()), 2 * gOptions->Delta_r());
        Speichern(haupt, daempfung == DA_Lorch ? "conGauss_GR_Lorch.png" : "conGauss_GR_ungedaempft.png");
    }
}

TEST_F(Gauss, TypedLimitsZoomCurvesAxesAndBoxesAndOneToOneShowsTheOpeningView)
{
    Auswertung();
    gGrafik->Zeichne_Kurve(KT_GR);
    panel->Init();
    const DiagrammSkala ganz = haupt.Skala();
    std::array<std::string, 4> grenzen;
    for (size_t i = 0; i < grenzen.size(); ++i) grenzen[i] = haupt.txtAchse[i]->text().toStdString();

    haupt.txtAchse[0]->setText("60");
    haupt.txtAchse[2]->setText("1.2");
    haupt.txtAchse[3]->setText("2.0");
    QTest::keyClick(haupt.txtAchse[3], Qt::Key_Return);
    EXPECT_FLOAT_EQ(haupt.Skala().xmin, 1.2f);
    EXPECT_FLOAT_EQ(haupt.Skala().xmax, 2.0f);
    EXPECT_FLOAT_EQ(haupt.Skala().ymax, 60.0f);
    EXPECT_EQ(haupt.txtAchse[0]->text().toStdString(), "60.0") << "the boxes are written anew";
    const auto& texte = haupt.Achsen().texte;
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const AchsenText& t) { return t.text == "1.60"; }))
        << "the x axis is numbered in the new range";
    // The diagram stays the G(r)'s: linear, with the read-out's names.
    EXPECT_FALSE(haupt.Check1->isVisible());
    haupt.Maus->MouseMove(0, 0, float(*PixelX(haupt.Skala(), 1.5f)), 100.0f);
    EXPECT_TRUE(haupt.lblPos->text().startsWith("r [nm]= 1.")) << haupt.lblPos->text().toStdString();
    EXPECT_TRUE(haupt.lblPos->text().contains("G(r)= ")) << haupt.lblPos->text().toStdString();
    Speichern(haupt, "conGauss_GR_Grenzen.png");

    // "1:1" as the tool button does it.
    gGrafik->setZoom(false);
    gGrafik->Zeichne(false);
    EXPECT_EQ(haupt.Skala().ymin, ganz.ymin);
    EXPECT_EQ(haupt.Skala().ymax, ganz.ymax);
    EXPECT_EQ(haupt.Skala().xmax, ganz.xmax);
    for (size_t i = 0; i < grenzen.size(); ++i) EXPECT_EQ(haupt.txtAchse[i]->text().toStdString(), grenzen[i]) << i;
}

TEST(Peakbeschriftung, ThreeSignificantDigitsInTheUnitShown)
{
    EXPECT_EQ(Peak_Text(0.2531f, 1.0f), "0.253") << "nm";
    EXPECT_EQ(Peak_Text(0.2531f, 10.0f), "2.53") << "Å";
    EXPECT_EQ(Peak_Text(28.64f, 1.0f), "28.6") << "1/nm";
    EXPECT_EQ(Peak_Text(28.64f, 0.1f), "2.86") << "1/Å";
    EXPECT_EQ(Peak_Text(123.4f, 1.0f), "123") << "no exponent";
    EXPECT_EQ(Peak_Text(0.0253f, 1.0f), "0.0253");
}

TEST(Peakbeschriftung, ALabelThatWouldRunIntoTheOneBeforeMovesUp)
{
    // Edges in pixels: the second runs into the first, the third clears the first (the one before it
    // on the lower line), the fourth runs into the third, the last stands alone.
    EXPECT_EQ(Hochgesetzt({{100, 140}, {130, 170}, {150, 190}, {185, 225}, {400, 440}}),
              (std::vector<bool>{false, true, false, true, false}));
    EXPECT_EQ(Hochgesetzt({{100, 140}, {141, 180}}), (std::vector<bool>{false, false})) << "touching is not overlapping";
    EXPECT_TRUE(Hochgesetzt({}).empty());
}

TEST_F(Gauss, ClosePeaksInGrGetLabelsOnTwoLines)
{
    // Two peaks 0.03 nm apart: their labels ("0.253", "0.283") are wider than the gap.
    // Zoomed, the view has the curve's maximum at its top row: the raised label must still show.
    for (const bool gezoomt : {false, true}) {
        SCOPED_TRACE(gezoomt ? "zoomed" : "whole curve");
        gGrafik->setZoom(gezoomt);
        Gausskurven_Zeigen(*panel, {0.253, 0.283, 0.9}, 0.008);
        ASSERT_EQ(gGauss->Anzahl(), 3);
        QCoreApplication::processEvents();
        // Text pixels in the line above the peaks' labels right of the second and the third mark:
        // only the raised label of the second peak puts any there.
        const DiagrammSkala& s = haupt.Skala();
        const int32_t zeile = haupt.fontMetrics().height();
        const int32_t oben = std::max(*PixelY(s, gMath->Maximum_Y(), false), zeile) - zeile;
        const auto schwarz = [&](float von, float bis, int32_t y0, int32_t y1) {
            int n = 0;
            for (int32_t y = y0; y < y1; ++y)
                for (int32_t x = *PixelX(s, von) + 2; x < *PixelX(s, bis) - 2; ++x) n += qGray(haupt.pic->Image.pixel(x, y)) < 100;
            return n;
        };
        EXPECT_GT(schwarz(gGauss->x(2), gGauss->x(2) + 0.1f, oben, oben + zeile), 10) << "the second label stands a line higher";
        EXPECT_EQ(schwarz(gGauss->x(3), gGauss->x(3) + 0.1f, oben, oben + zeile - 2), 0) << "the third label stays low";
        EXPECT_GT(schwarz(gGauss->x(3), gGauss->x(3) + 0.1f, oben + zeile, oben + 2 * zeile), 10) << "and shows";
        Speichern(haupt, gezoomt ? "conGauss_GR_Peaks_gezoomt.png" : "conGauss_GR_Peaks.png");
    }
    gGrafik->setZoom(false);
}
