// The main road on a measurement of a known structure: a Percus–Yevick hard-sphere liquid of carbon
// at the database's density, scattered with carbon's electron form factor from the default
// database, over a smooth background and with counting noise, measured on both sides of the
// primary beam. It is read, centred, folded, averaged, side-fitted, freed of its background,
// normalised into I(K) and transformed, and must give the structure back.
#include "ProjektFixture.h"
#include "analysis/SynthetischeStruktur.h"

#include "analysis/Daempfung.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/KurvenTyp.h"
#include "core/clsOptions.h"
#include "curves/clsCalc.h"
#include "mainwindow/modProjektStart.h"

#include <filesystem>
#include <numbers>
#include <random>

namespace {

constexpr const char* kElement = "C";
constexpr double kPi = std::numbers::pi;
constexpr double kEta = 0.45;        // packing fraction of the hard spheres
constexpr double kKMax = 160.0;      // 1/nm measured on either side of the primary beam
constexpr double kStreuung0 = 4e6;   // counts of the sample's <f²> at K = 0
constexpr int32_t kTrennstelle = 101;  // the side fits meet at K = 10 1/nm

// The tail of the primary beam, a cubic that ends smoothly at 20 1/nm, over a slowly falling rest:
// at K = 0 it carries almost all of the intensity, as the background fit's anchor at the curve's
// first point assumes, and a spline through a few points can follow it.
double Untergrund(double K)
{
    const double schweif = std::max(0.0, 1.0 - K / 20.0);
    return 8e6 * schweif * schweif * schweif + 3e3 * (1.0 + 0.5 * std::exp(-K / 50.0));
}

struct Ergebnis {
    double ikAbweichung = 0.0;  // the largest |I(K) − model| over K 5..140 1/nm
    double dichteGerade = 0.0;  // density from the low-r line of G(r)
    double dichteSumme = 0.0;   // density from the sum rule of I(K)
    int32_t ersterPeak = 0;     // grid point of G(r)'s first maximum
    double kz = 0.0;            // coordination number up to the first minimum of the RDF
    double kzModell = 0.0;      // the model's integral up to the same radius
};

class HauptwegPhysikTest : public ProjektFixture {
protected:
    void SetUp() override
    {
        ProjektFixture::SetUp();
        rho = gMFE->Element_Dichte(kElement, DQ_Fluessig) * 6.02214076e23 / 1e21 / 12.011;
        sigma = std::cbrt(6.0 * kEta / (kPi * rho));
    }

    double I_Modell(double K) const { return synthetisch::S_PercusYevick(K, kEta, sigma) - 1.0; }

    // Counts at K: the sample's <f>²·S(K) with the table's form factor, over the background,
    // drawn from a Poisson distribution.
    double Zaehlung(double K)
    {
        const clsFMK_Intern& tabelle = gFMK->Tabelle(ElectronTable(kElement));
        const double f = tabelle.Y(static_cast<float>(std::fabs(K))) / tabelle.Y(0.0f);
        const double mittel = kStreuung0 * f * f * (1.0 + I_Modell(std::fabs(K))) + Untergrund(std::fabs(K));
        return double(std::poisson_distribution<long long>(mittel)(zufall));
    }

    // The bound of a side fit that counting noise alone reaches: the averaged halves have the
    // variance Y/2 per point, the fit weighs with dy = 100/√Y.
    static float Chi(int32_t von, int32_t bis)
    {
        double s = 0.0;
        for (int32_t i = von; i <= bis; ++i) s += double(gCalc->Y(i)) * gCalc->Y(i) / 2.0 / 1e4;
        return static_cast<float>(s);
    }

    // From the folded curve in the working curve to G(r) and its structure values.
    Ergebnis Auswerten()
    {
        Ergebnis e;
        gCalc->setTrennstelle(kTrennstelle);
        gCalc->setChi_Links(Chi(1, kTrennstelle + 5));
        gCalc->setChi_Rechts(Chi(kTrennstelle - 5, gCalc->Punkte()));
        EXPECT_TRUE(gCalc->FitUebernehmen());
        for (const double K : {5.0, 12.0, 20.0, 30.0, 45.0, 70.0, 105.0, 155.0})
            gUntergrund->Plus_Punkt(static_cast<float>(K), static_cast<float>(Untergrund(K)));

        EXPECT_TRUE(gIK->Berechnen(gMFE->Dichte_Theoretisch()));
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
            const double K = gIK->x(i);
            if (K >= 5.0 && K <= 140.0) e.ikAbweichung = std::max(e.ikAbweichung, std::fabs(gIK->Y(i) - I_Modell(K)));
        }
        e.dichteSumme = gIK->Dichte_IK();

        gIK->Daempfen(DA_Lorch);
        EXPECT_TRUE(gGR->Berechnen());
        e.dichteGerade = gMFE->Dichte_Experimentell();
        e.ersterPeak = gGR->First_Peak_Index();

        // The shell ends at the first minimum of the RDF after the first peak.
        int32_t ende = e.ersterPeak;
        while (ende < gGR->Punkte() && gGR->RDF(ende + 1) >= gGR->RDF(ende)) ++ende;
        while (ende < gGR->Punkte() && gGR->RDF(ende + 1) < gGR->RDF(ende)) ++ende;
        gGR->setKZ_r1(0.0f);
        gGR->setKZ_r2(gGR->R(ende));
        gGR->KZ_Berechnen();
        e.kz = gGR->KZ_Wert();
        e.kzModell = KZ_Modell(gGR->R(ende));
        return e;
    }

    // Atoms within R of an atom, (4/3)πρR³ + ∫₀^R r·G(r) dr, with ∫₀^R r·G dr written in K as
    // (2/π)∫ I(K)·(sin(KR)/K − R·cos(KR)) dK, whose integrand falls as 1/K².
    double KZ_Modell(double R) const
    {
        constexpr double dK = 0.005;
        constexpr int n = 1000000;
        double s = 0.0;
        for (int i = 1; i <= n; ++i) {
            const double K = i * dK;
            s += I_Modell(K) * (std::sin(K * R) / K - R * std::cos(K * R)) * (i == n ? 0.5 : 1.0);
        }
        return 4.0 / 3.0 * kPi * rho * R * R * R + 2.0 / kPi * s * dK;
    }

    // The first maximum of G(r) that the model's exact I(K) gives through the same damping and
    // transform: the finite K range and the damping move it off the contact distance.
    int32_t ErsterPeak_Modell()
    {
        std::vector<float> y(static_cast<size_t>(gIK->Punkte()));
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) y[size_t(i - 1)] = static_cast<float>(I_Modell(gIK->x(i)));
        const int32_t ftr = gIK->FTR_Index();
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) gIK->Set_Y(i, y[size_t(i - 1)]);
        gIK->setFTR_Index(ftr);
        gIK->Daempfen(DA_Lorch);
        EXPECT_TRUE(gGR->Berechnen());
        return gGR->First_Peak_Index();
    }

    void Erwarten(const Ergebnis& e)
    {
        EXPECT_LT(e.ikAbweichung, 0.03);
        EXPECT_NEAR(e.dichteGerade, rho, 0.02 * rho);
        EXPECT_NEAR(e.dichteSumme, rho, 0.03 * rho);
        EXPECT_NEAR(e.kz, e.kzModell, 0.3);
        EXPECT_NEAR(e.ersterPeak, ErsterPeak_Modell(), 1);
    }

    double rho = 0.0;    // atoms per nm³
    double sigma = 0.0;  // hard-sphere diameter, nm
    std::mt19937_64 zufall{20261206};
};

}

TEST_F(HauptwegPhysikTest, RawSpectrumGivesTheStructureBack)
{
    gCommon->Set_Dateiname(Rohspektrum("probe.dat", kKMax, [this](double K) { return Zaehlung(K); }));
    Projekteinstellungen_Uebernehmen(Einstellungen(kElement));
    ASSERT_EQ(gSchritt, 2);
    ASSERT_NEAR(gMFE->Dichte_Theoretisch(), rho, 1e-3 * rho);
    gCalc->Falten();
    ASSERT_TRUE(gCalc->Mitteln(2));
    Erwarten(Auswerten());
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(HauptwegPhysikTest, FoldedCurveReadAsAFileGivesTheStructureBack)
{
    gOptions->setKurveSpeichern(KT_JK_Gemittelt, true);
    gCommon->Set_Dateiname(Rohspektrum("probe.dat", kKMax, [this](double K) { return Zaehlung(K); }));
    Projekteinstellungen_Uebernehmen(Einstellungen(kElement));
    gCalc->Falten();
    ASSERT_TRUE(gCalc->Mitteln(2));

    // The averaged halves as the program wrote them, opened as a folded curve of a new project.
    const auto gefaltet = env.Root() / "gefaltet.fi1";
    std::filesystem::copy_file(env.Root() / "probe.mitt", gefaltet);
    Neues_Projekt_Reset();
    gCommon->Set_Dateiname(gefaltet.string());
    Projekteinstellungen_Uebernehmen(Einstellungen(kElement, PT_Fit));
    ASSERT_EQ(gCalc->x(1), 0.0f);
    Erwarten(Auswerten());
    EXPECT_EQ(seam.errorWindows, 0);
}
