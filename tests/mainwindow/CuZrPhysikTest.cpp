// The main road on an alloy of the installed element database, the Cu50Zr50 sample at 200 kV: the
// road must give its I(K) and its density back.
#include "Legierungsprobe.h"
#include "ProjektFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/clsFT_AI.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "mainwindow/Wertanzeige.h"
#include "support/InstallierteDatenbank.h"

#include <iostream>
#include <random>

namespace {

constexpr int32_t kTrennstelle = 101;  // the side fits meet at K = 10 1/nm

class CuZrPhysikTest : public ProjektFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Installierte_Datenbank_Laden(*this));
        ProjektFixture::SetUp();
        probe = Legierungsprobe::AusDatenbank();
    }

    Projekteinstellungen Legierung() const
    {
        Projekteinstellungen e = Einstellungen("Cu");
        e.Komponenten.clear();
        for (size_t i = 0; i < Legierungsprobe::kSymbole.size(); ++i) {
            const std::string symbol = Legierungsprobe::kSymbole[i];
            e.Komponenten.push_back({symbol, 50.0f, gMFE->Element_Dichte(symbol, DQ_Kristallin),
                                     gMFE->Element_Valenz(symbol, kValenz_Element), probe.tabellen[i]});
        }
        return e;
    }

    static float Chi(int32_t von, int32_t bis)
    {
        double s = 0.0;
        for (int32_t i = von; i <= bis; ++i) s += double(gCalc->Y(i)) * gCalc->Y(i) / 2.0 / 1e4;
        return static_cast<float>(s);
    }

    // Measured, folded, averaged, side-fitted and freed of its background into I(K).
    void Bis_IK()
    {
        gCommon->Set_Dateiname(Rohspektrum("cuzr.dat", Kohlenstoffprobe::kKMax, [this](double K) { return probe.Zaehlung(K, zufall); }));
        Projekteinstellungen_Uebernehmen(Legierung());
        ASSERT_EQ(gSchritt, 2);
        ASSERT_NEAR(gMFE->Dichte_Theoretisch(), probe.rho, 1e-3 * probe.rho);
        gCalc->Falten();
        ASSERT_TRUE(gCalc->Mitteln(2));

        gCalc->setTrennstelle(kTrennstelle);
        gCalc->setChi_Links(Chi(1, kTrennstelle + 5));
        gCalc->setChi_Rechts(Chi(kTrennstelle - 5, gCalc->Punkte()));
        ASSERT_TRUE(gCalc->FitUebernehmen());
        for (const double K : Kohlenstoffprobe::kStuetzstellen)
            gUntergrund->Plus_Punkt(static_cast<float>(K), static_cast<float>(Kohlenstoffprobe::Untergrund(K)));
        ASSERT_TRUE(gIK->Berechnen(gMFE->Dichte_Theoretisch()));
    }

    // The density line of the value label's I(K) block.
    static std::string Dichtezeile()
    {
        const std::string text = Wertanzeige(6);
        const size_t anfang = text.find(gLanguage->Caption(95));
        return text.substr(anfang, text.find('\n', anfang) - anfang);
    }

    Legierungsprobe probe;
    std::mt19937_64 zufall{20261207};
};

}

TEST_F(CuZrPhysikTest, RawSpectrumOfTheAlloyGivesItsStructureAndDensityBack)
{
    ASSERT_GT(probe.tabellen[0], 0);
    ASSERT_GT(probe.tabellen[1], 0);
    const auto [f2m, fm2] = probe.Mischung(0.0);
    ASSERT_GT(f2m, 1.1 * fm2) << "the two elements scatter differently";

    ASSERT_NO_FATAL_FAILURE(Bis_IK());
    double abweichung = 0.0;
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
        const double K = gIK->x(i);
        if (K >= 5.0 && K <= 140.0) abweichung = std::max(abweichung, std::fabs(gIK->Y(i) - probe.I(K)));
    }
    EXPECT_LT(abweichung, 0.03);

    gIK->Daempfen(DA_Lorch);
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_NEAR(gMFE->Dichte_Experimentell(), probe.rho, 0.03 * probe.rho) << "density from the low-r line";
    std::cout << "Cu50Zr50: largest |I(K) - model| " << abweichung << ", density " << gMFE->Dichte_Experimentell()
              << " of " << probe.rho << " 1/nm³\n";
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(CuZrPhysikTest, TheSumRuleGivesTheUndampedDensityWhateverDampingIsChosen)
{
    ASSERT_NO_FATAL_FAILURE(Bis_IK());
    // A cut-off where I(K) is well above 0, so that the exponential damping applies too, and a
    // low-K model from K = 8 1/nm, whose fit the damping changes a little.
    int32_t F = gIK->Punkte() - 1;
    while (gIK->Y(F) < 0.05f) --F;
    gIK->setFTR_Index(F);
    gIK->setParabel_Index(81);
    for (const bool vorne : {false, true}) {
        gIK->setParabel_Vorn(vorne);
        gIK->Daempfen(DA_Keine);
        const float ungedaempft = gIK->Dichte_IK();
        const std::string zeile = Dichtezeile();
        // The normalisation's density, up to its single-precision β, which a difference of two
        // integrals a thousand times larger than the sum rule's fixes.
        EXPECT_NEAR(ungedaempft, gMFE->Dichte_Theoretisch(), 2e-4 * probe.rho) << "front parabola " << vorne;
        for (const int32_t art : {DA_Lorch, DA_Lorch_Shifted, DA_Exp}) {
            gIK->Daempfen(art);
            ASSERT_EQ(gIK->Daempfung(), art);
            EXPECT_NEAR(gIK->Dichte_IK(), ungedaempft, 1e-5 * probe.rho) << "damping " << art << ", front parabola " << vorne;
            EXPECT_EQ(Dichtezeile(), zeile) << "damping " << art;
        }
    }
    // Nor do round trips: they refine what the transform takes, not the measured I(K) whose
    // normalisation the sum rule checks.
    const float vorher = gIK->Dichte_IK();
    gIK->setWichtung(0.5f);
    for (int pass = 0; pass < 3; ++pass) {
        ASSERT_TRUE(gGR->Berechnen());
        gIK->RTR_Berechnen();
    }
    EXPECT_NEAR(gIK->Dichte_IK(), vorher, 1e-5 * probe.rho) << "after three round trips";
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(CuZrPhysikTest, TheGaussViewOfGrListsTheShellsFromTheFirstOn)
{
    // Below the first shell G(r) follows the density line with ripples about it; undamped, one
    // near the origin stands above zero. The list begins at the first shell, and the mean spacing
    // of the shells gives a_r = r1/Δr and K0 = 2π/Δr near the main peak of I(K); undamped, with
    // the cut-off's ripple on every shell, one peak a shell; damped too. Either is judged on its
    // average over one period of the ripple. The extended search lists nothing below the first
    // shell either, and reaches as far out as the plain one, on the model's exact I(K) too; on a
    // noisy curve its second differences may miss the faintest, last shell.
    ASSERT_NO_FATAL_FAILURE(Bis_IK());
    const double hauptpeak = Hauptpeak_K(probe, 10.0, 60.0);
    const double periode = 2.0 * std::numbers::pi / hauptpeak;
    for (const bool genau : {false, true}) {
        if (genau) {
            const int32_t ftr = gIK->FTR_Index();
            gIK->Daempfen(DA_Keine);
            for (int32_t i = 1; i <= gIK->Punkte(); ++i) gIK->Set_Y(i, static_cast<float>(probe.I(gIK->x(i))));
            gIK->setFTR_Index(ftr);
        }
        for (const int32_t daempfung : {DA_Keine, DA_Lorch}) {
            SCOPED_TRACE(testing::Message() << "damping " << daempfung << (genau ? ", exact I(K)" : ""));
            const Peakabstaende abstaende = Gauss_Ansicht_Ab_Erster_Schale(daempfung);
            ASSERT_GE(gGauss->Anzahl(), 2);
            const float reicht = gGauss->x(gGauss->Anzahl() - (genau ? 0 : 1));
            if (!genau) {
                EXPECT_NEAR(gMath->Fenster() * gOptions->Delta_r(), gGR->Abbruchoszillationen(), 1e-6);
                Eine_Spitze_Je_Schale(abstaende, hauptpeak);
            }

            // The extended search lists points of the second derivative: none below the first shell.
            Gauss_Ansicht_GR(true);
            ASSERT_GE(gGauss->Anzahl(), 3);
            EXPECT_GT(gGauss->x(1), gGR->R(gGR->Dichte_Exp_Index())) << "extended search";
            const int32_t erster = static_cast<int32_t>(std::lround(gGauss->x(1) / gOptions->Delta_r())) + 1;
            EXPECT_GT(gGR->Y(erster), 0.0f) << "extended search";
            EXPECT_GE(gGauss->x(gGauss->Anzahl()), reicht - 0.25 * periode) << "extended search";
        }
    }
}

TEST_F(CuZrPhysikTest, TheGaussViewOfAWarmAlloysUndampedGrListsOnePeakAShellAlsoAfterAutomaticRuns)
{
    // Thermal motion spreads the pair distances by 0.01 nm and damps I(K) towards the cut-off: the
    // ripple is weaker and the counting noise counts for more. Three runs of the automatic
    // transform (50 passes each towards a deviation no line reaches) change G(r) pass by pass; the
    // view pressed after them lists the shells as before.
    probe.thermisch = 0.01;
    ASSERT_NO_FATAL_FAILURE(Bis_IK());
    const double hauptpeak = Hauptpeak_K(probe, 10.0, 60.0);
    {
        SCOPED_TRACE("fresh G(r)");
        Eine_Spitze_Je_Schale(Gauss_Ansicht_Ab_Erster_Schale(DA_Keine), hauptpeak);
    }
    clsFT_AI lauf;
    for (int32_t run = 1; run <= 3; ++run) {
        FT_AI_Anzeige anzeige;
        ASSERT_EQ(lauf.Starten("0", "50", anzeige).Anzahl_iFTR, 50);
    }
    SCOPED_TRACE("after three runs");
    Eine_Spitze_Je_Schale(Gauss_Ansicht_GR(), hauptpeak);
    EXPECT_EQ(seam.errorWindows, 0);
}
