// "Fit automatisch suchen" on the raw spectrum of the end-to-end test (counts about 60 to 7000 on
// the right) and on one with ten times fewer counts: both sides must come back with a smoothing
// number that the counting noise fills (within a factor 3 of Σ Y²/10⁴ under the weights
// 100/√Y), and an I(K) as close to the model as with the chi set by the counting statistics, not
// the nearly interpolating fit that follows the noise.
#include "Kohlenstoffprobe.h"
#include "ProjektFixture.h"

#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "curves/clsCalc.h"
#include "mainwindow/modProjektStart.h"

#include <random>

namespace {

constexpr int32_t kTrennstelle = 101;

struct Seitenfit {
    float chiLinks = 0;
    float chiRechts = 0;
    double rms = 0;  // of I(K) − model over K 5..140 1/nm
};

class SeitenfitSuchePhysikTest : public ProjektFixture {
protected:
    void SetUp() override
    {
        ProjektFixture::SetUp();
        probe = Kohlenstoffprobe::AusDatenbank();
    }

    // Counts at ±K scaled by skala (1 for the end-to-end test's measurement), Poisson-drawn.
    std::string Messung(double skala)
    {
        std::mt19937_64 zufall(20261207);
        const clsFMK_Intern& tabelle = gFMK->Tabelle(ElectronTable("C"));
        return Rohspektrum("probe.dat", Kohlenstoffprobe::kKMax, [&](double K) {
            K = std::fabs(K);
            const double f = tabelle.Y(static_cast<float>(K)) / tabelle.Y(0.0f);
            const double mittel = Kohlenstoffprobe::kStreuung0 * f * f * (1.0 + probe.I(K)) + Kohlenstoffprobe::Untergrund(K);
            return double(std::poisson_distribution<long long>(skala * mittel)(zufall));
        });
    }

    // Σ Y²/10⁴ over curve points von..bis: the weighted residual of raw counts' noise.
    static double Zaehlchi(int32_t von, int32_t bis)
    {
        double s = 0.0;
        for (int32_t i = von; i <= bis; ++i) s += double(gCalc->Y(i)) * gCalc->Y(i) / 1e4;
        return s;
    }

    // The project from the file, folded, averaged and side-fitted, automatically or with the chi of
    // the counting statistics of the averaged halves (variance Y/2), then into I(K).
    Seitenfit Auswerten(const std::string& datei, double skala, bool automatisch)
    {
        Neues_Projekt_Reset();
        gCommon->Set_Dateiname(datei);
        Projekteinstellungen_Uebernehmen(Einstellungen("C"));
        gCalc->Falten();
        EXPECT_TRUE(gCalc->Mitteln(2));
        gCalc->setTrennstelle(kTrennstelle);
        Seitenfit e;
        if (automatisch) {
            gCalc->setChi_Links(1e6f);
            gCalc->setChi_Rechts(1e4f);
            gCalc->Best_Fit_L();
            gCalc->Best_Fit_R();
        } else {
            gCalc->setChi_Links(static_cast<float>(Zaehlchi(1, kTrennstelle + 5) / 2.0));
            gCalc->setChi_Rechts(static_cast<float>(Zaehlchi(kTrennstelle - 5, gCalc->Punkte()) / 2.0));
        }
        e.chiLinks = gCalc->Chi_Links();
        e.chiRechts = gCalc->Chi_Rechts();
        links = Zaehlchi(1, kTrennstelle + 5);
        rechts = Zaehlchi(kTrennstelle - 5, gCalc->Punkte());
        EXPECT_TRUE(gCalc->FitUebernehmen());
        for (const double K : Kohlenstoffprobe::kStuetzstellen)
            gUntergrund->Plus_Punkt(static_cast<float>(K), static_cast<float>(skala * Kohlenstoffprobe::Untergrund(K)));
        EXPECT_TRUE(gIK->Berechnen(gMFE->Dichte_Theoretisch()));
        double s = 0.0;
        int32_t n = 0;
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
            const double K = gIK->x(i);
            if (K < 5.0 || K > 140.0) continue;
            s += std::pow(gIK->Y(i) - probe.I(K), 2);
            ++n;
        }
        e.rms = std::sqrt(s / std::max(n, 1));
        return e;
    }

    Kohlenstoffprobe probe;
    double links = 0.0;
    double rechts = 0.0;
};

}

TEST_F(SeitenfitSuchePhysikTest, SearchFitsTheCountingNoiseNotTheNoiseItself)
{
    for (const double skala : {1.0, 0.1}) {
        const std::string datei = Messung(skala);
        const Seitenfit zaehl = Auswerten(datei, skala, false);
        const Seitenfit such = Auswerten(datei, skala, true);
        EXPECT_GT(such.chiLinks, links / 3.0) << skala;
        EXPECT_LT(such.chiLinks, links * 3.0) << skala;
        EXPECT_GT(such.chiRechts, rechts / 3.0) << skala;
        EXPECT_LT(such.chiRechts, rechts * 3.0) << skala;
        EXPECT_LT(such.rms, 1.5 * zaehl.rms) << "counts × " << skala << ": search chi " << such.chiLinks << ", "
                                             << such.chiRechts << "; counting statistics " << zaehl.chiLinks
                                             << ", " << zaehl.chiRechts;
        EXPECT_EQ(seam.errorWindows, 0);
    }
}
