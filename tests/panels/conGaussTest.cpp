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
    EXPECT_EQ(gGrafik->LetzteKurve(), KT_GR_Peaks);
    // Where the peaks are is the model's rule; here that the panel shows its result.
    EXPECT_EQ(panel->lblGaussInfo->text(), "3  Peaks gefunden (0  Schultern/Mehrfachpeaks)");
    emit panel->cmdChi[0]->Click();
    EXPECT_EQ(panel->Label3->text(), "Fitqualität: Chi = 2E+11");
}

TEST_F(Gauss, AnEmptyCurveReportsNoPoints)
{
    panel->Init();
    EXPECT_EQ(gError->ErrorNumber(), 90000);
}

TEST_F(Gauss, PeakViewOfTheEvaluatedIK)
{
    Auswertung();
    gGrafik->Zeichne_Kurve(KT_IK);
    panel->Init();
    EXPECT_GT(gGauss->Anzahl(), 1);
    EXPECT_TRUE(panel->lblInfo[0]->text().endsWith(" 1/nm"));
    Speichern(haupt, "conGauss_IK.png");
    Bilder("conGauss", [this] { panel->SpracheUmstellen(); });
}
