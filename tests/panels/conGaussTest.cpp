// The Gauss peak panel: the peaks of a G(r) made of three Gauss curves, the smoothing parameter,
// an empty curve, and the peak view of the generated evaluation's I(K).
#include "PanelImRahmen.h"

#include "analysis/clsGauss.h"
#include "core/KurvenTyp.h"
#include "core/clsError.h"
#include "panels/conGauss.h"
#include "widgets/fxbutton.h"

#include <QLabel>

#include <array>
#include <cmath>

using Gauss = PanelImRahmen<conGauss>;

TEST_F(Gauss, FindsThePeaksOfThreeGaussCurvesInGr)
{
    constexpr std::array<double, 3> kLage{0.5, 0.9, 1.4};
    gGR->setPunkte(1000);
    for (int32_t i = 1; i <= 1000; ++i) {
        double y = 0;
        for (const double lage : kLage) y += 20.0 * std::exp(-0.5 * std::pow((gGR->R(i) - lage) / 0.05, 2));
        gGR->Set_Y(i, static_cast<float>(y));
    }
    gGrafik->setLetzteKurve(KT_GR);
    panel->Init();
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
