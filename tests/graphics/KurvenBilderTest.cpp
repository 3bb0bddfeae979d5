// Writes the view of every curve kind that the diagram draws itself, from a generated evaluation,
// to <build>/diagram/ for a look. The Gauss views (26, 27) are drawn by their panel.
#include "AuswertungFixture.h"

#include "analysis/clsPot.h"
#include "core/KurvenTyp.h"

#include <fstream>

namespace {

class KurvenBilder : public AuswertungFixture {
protected:
    void Bild(int32_t kurve, const char* name, conDisplay& d)
    {
        gGrafik->Zeichne_Kurve(kurve);
        Speichern(d, name);
    }
};

}

TEST_F(KurvenBilder, EveryDrawnKindFromAGeneratedEvaluation)
{
    Rohspektrum_Starten();
    Bild(KT_JK, "kind01_rohspektrum.png", haupt);
    gGrafik->Zoomen(2.0f, 4.5f, 0, 9e6f, true, true);
    Speichern(haupt, "kind01_rohspektrum_zoom.png");
    gCalc->Falten();
    gSchritt = 4;
    Bild(KT_JK, "kind01_gefaltet.png", haupt);
    ASSERT_TRUE(gCalc->Mitteln(2));
    Seitenfit();
    gSchritt = 9;
    Bild(KT_JK, "kind01_seitenfit.png", haupt);
    Bis_GR();
    gSchritt = 10;
    Bild(KT_UG_Stuetzstellen, "kind05_untergrund.png", haupt);
    gSchritt = 12;
    Bild(KT_IK, "kind06_ik.png", haupt);
    Bild(KT_GR, "kind07_gr.png", haupt);
    Bild(KT_RDF, "kind12_rdf.png", haupt);
    gOptions->setAnsicht_2_Fenster(true);
    Bild(KT_GR, "kind07_zwei_gr.png", zweites);
    Speichern(haupt, "kind07_zwei_ik.png");
    gOptions->setAnsicht_2_Fenster(false);

    // A Lennard-Jones potential on the r grid of G(r), with its minimum at 0.25 nm, its core cut at 50.
    const auto datei = env.Root() / "probe.vr";
    {
        std::ofstream f(datei);
        for (int32_t i = 2; i <= 400; ++i) {
            const double r = gGR->R(i);
            const double q = std::pow(0.25 / r, 6);
            f << r << "\t" << std::min(50.0, 5.0 * (q * q - 2.0 * q)) << "\n";
        }
    }
    gCommon->Set_Dateiname(datei.string());
    ASSERT_TRUE(gPot->Einlesen_R_Raum());
    gPot->Berechne_v_K();
    Bild(KT_v_r, "kind24_vr.png", haupt);
    Bild(KT_v_K, "kind25_vk.png", haupt);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_TRUE(seam.messages.empty());
}
