// Writes the diagram of a generated raw spectrum and of a G(r) to <build>/diagram/ for a look.
#include "DiagrammFixture.h"

#include "core/KurvenTyp.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "curves/clsSSC.h"
#include "support/ui/Bildschirmfoto.h"


#include <cmath>
#include <fstream>

namespace {

class DiagrammBilder : public DiagrammFixture {
protected:
    void Speichern(const char* name) { foto::Ablegen(display, QString("diagram/") + name); }
};

}

TEST_F(DiagrammBilder, RawSpectrum)
{
    display.resize(900, 500);
    const auto path = env.Root() / "spektrum.dat";
    {
        std::ofstream file(path, std::ios::binary);
        file << "Bemerkungen: generated\r\n";
        for (int i = -1600; i <= 1600; ++i) {
            const double k = std::fabs(i * 0.1);
            const double counts = 1000 + 2e5 * std::exp(-k / 12) + 3e4 * std::exp(-(k - 30) * (k - 30) / 18) +
                                  8e3 * std::exp(-(k - 52) * (k - 52) / 30);
            file << i * 0.1 << " 100 " << std::llround(counts) << "\r\n";
        }
    }
    gSSC = std::make_unique<clsSSC>();
    gSSC->ESC_HEADER();
    gOptions->setFaktor_X(1.0f);
    gCommon->setDateiname_Rohdaten(path.string());
    ASSERT_TRUE(gCalc->Beugung_oeffnen());
    gGrafik->Zeichne_Kurve(KT_JK);
    EXPECT_GT(DunklePixelImPlot(), 800);
    Speichern("spektrum.png");
}

TEST_F(DiagrammBilder, PairDistribution)
{
    display.resize(900, 500);
    gGrafik->setLetzteKurve(KT_GR);
    gGrafik->LoadLayer(2, 0, true);
    gGrafik->Skalieren(0, 1, -3, 4, 0, 1, 2);
    gGrafik->SetLayerForeColor(2, 65280);
    gGrafik->DrawLineHorizontal(2, 0);
    gGrafik->SetLayerForeColor(1, 0);
    for (int i = 0; i <= 1000; ++i) {
        const float r = i * 0.001f;
        // −4πρ₀r below the first neighbours, then damped shells.
        const float g = r < 0.22f ? -12 * r
                                  : -2.64f * std::exp(-(r - 0.22f) * 60) +
                                        3.5f * std::exp(-(r - 0.27f) * 4) * std::sin((r - 0.22f) * 23);
        if (i == 0)
            gGrafik->DrawPoint(1, r, g);
        else
            gGrafik->DrawLineTo(1, r, g);
    }
    gGrafik->MergeLayer();
    EXPECT_GT(DunklePixelImPlot(), 800);
    Speichern("gr.png");
}
