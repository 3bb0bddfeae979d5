// A project started and evaluated without any window: the world is built by the start-up's
// creation functions, a generated two-sided raw spectrum is opened through the project settings'
// model sequence, and the main road leads from the spectrum to G(r).
#include "analysis/SynthetischeStruktur.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "mainwindow/MainWindowView.h"
#include "mainwindow/modProjektEinstellungen.h"
#include "mainwindow/modProjektStart.h"
#include "materials/clsFMK.h"
#include "materials/clsFMK_Intern.h"
#include "materials/clsMFE.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace {

using synthetisch::I_Modell;

constexpr const char* kElement = "C";  // amorphous carbon
constexpr double kKMax = 100.0;  // 1/nm on either side of the primary beam
constexpr double kSchritt = 0.1;

double Untergrund(double K) { return 400.0 + 800.0 * std::exp(-K / 25.0); }

// The element's electron form-factor table in the default database.
int32_t Tabelle()
{
    for (int32_t k = 1; k <= gFMK->FMK_Anzahl(); ++k)
        if (gFMK->FMK_Intern_Symbol(k) == kElement && gFMK->Formfaktor_Typ(k) == FT_Elektronen) return k;
    return 0;
}

// Scattering of the sample above the background, J − U = s·f²·S(K), scaled to 5000 at K = 0.
double Streuung(double K)
{
    const clsFMK_Intern& tabelle = gFMK->Tabelle(Tabelle());
    const double f = tabelle.Y(static_cast<float>(K)) / tabelle.Y(0.0f);
    return 5000.0 * f * f * (1.0 + I_Modell(K));
}

class RecordingView final : public MainWindowView {
public:
    void SetTitle(const std::string& text) override { title = text; }
    void SetAlloyMenu(const std::vector<std::string>& captions) override { alloyMenu = captions; }
    void ShowProjectMenus(bool alloy) override { alloyMenuShown = alloy; }
    std::string title;
    std::vector<std::string> alloyMenu;
    bool alloyMenuShown = false;
};

class ProjektStartTest : public ::testing::Test, protected TestWorld {
protected:
    void SetUp() override { SetMainView(&view); }
    void TearDown() override { SetMainView(nullptr); }

    // A raw spectrum measured from −kKMax to kKMax, x in 1/nm: 1000 ms per point and counts ten
    // times the intensity, so that the reader's counts / time × 100 gives the intensity back.
    std::string Rohspektrum() const
    {
        const auto path = env.Root() / "probe.dat";
        std::ofstream file(path, std::ios::binary);
        file << "Bemerkungen: generated\r\n";
        const auto n = static_cast<int>(std::lround(kKMax / kSchritt));
        for (int i = -n; i <= n; ++i) {
            const double K = std::fabs(i * kSchritt);
            file << i * kSchritt << " 1000 " << std::lround(10.0 * (Untergrund(K) + Streuung(K))) << "\r\n";
        }
        return path.string();
    }

    // The project settings as the window hands them over for one element of the default database.
    static Projekteinstellungen Einstellungen(const std::string& ordner)
    {
        Projekteinstellungen e;
        e.Ordner = ordner;
        e.ProjektTyp = PT_Beugung;
        e.Faktor_X = 1.0f;
        e.Komponenten = {{kElement, 100.0f, gMFE->Element_Dichte(kElement, DQ_Fluessig),
                          gMFE->Element_Valenz(kElement, kValenz_Element), Tabelle()}};
        e.Beschleunigungsspannung = -200.0f;
        e.Temperatur = "300";
        return e;
    }

    RecordingView view;
};

}

TEST_F(ProjektStartTest, RawSpectrumIsEvaluatedToGrWithoutAWindow)
{
    Neues_Projekt_Reset();
    gCommon->Set_Dateiname(Rohspektrum());
    Projekteinstellungen_Uebernehmen(Einstellungen(env.Root().string() + "/"));

    ASSERT_EQ(gSchritt, 2) << "the raw spectrum is loaded";
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(view.title, "KPW - ZELO (DEMO) 2.32 - [probe]");
    ASSERT_EQ(view.alloyMenu.size(), 1u);
    EXPECT_EQ(view.alloyMenu[0], "C: 100at%, 2.26 g/cm³, 4 e/a");
    EXPECT_TRUE(view.alloyMenuShown);
    ASSERT_GT(gMFE->Dichte_Theoretisch(), 0.0f);

    // Fold at the primary beam and average both sides from K = 0.
    gCalc->Falten();
    ASSERT_TRUE(gCalc->Mitteln(2));
    ASSERT_TRUE(gCalc->IstGefaltet());

    // Fit both sides of a separation point and take the joined fit over.
    gCalc->setTrennstelle(gCalc->Punkte() / 4);
    gCalc->setChi_Links(1000.0f);
    gCalc->setChi_Rechts(100.0f);
    ASSERT_TRUE(gCalc->FitUebernehmen());

    for (const double K : {5.0, 15.0, 30.0, 45.0, 60.0, 75.0, 90.0, 98.0})
        gUntergrund->Plus_Punkt(static_cast<float>(K), static_cast<float>(Untergrund(K)));
    ASSERT_TRUE(gUntergrund->Fit_OK());

    ASSERT_TRUE(gIK->Berechnen(gMFE->Dichte_Theoretisch()));
    ASSERT_TRUE(gGR->Berechnen());
    ASSERT_GT(gGR->Punkte(), 0);
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) ASSERT_TRUE(std::isfinite(gGR->Y(i))) << "r = " << gGR->R(i);
    const int32_t peak = gGR->First_Peak_Index();
    ASSERT_GT(peak, 1);
    EXPECT_GT(gGR->Y(peak), 0.0f);
    EXPECT_NEAR(gGR->R(peak), synthetisch::kSchalen[0].r, 0.02) << "the first shell of the generated structure";
}

TEST_F(ProjektStartTest, SpectrumThatFailsToLoadIsOfferedAgainButNotShown)
{
    const auto path = (env.Root() / "leer.dat").string();
    std::ofstream(path) << "no data line\r\n";
    gCommon->Set_Dateiname(path);
    gCommon->setProjektTyp(PT_Beugung);
    gSchritt = 0;
    Datei_Einlesen_Endgueltig();
    EXPECT_EQ(gSchritt, 0);
    EXPECT_EQ(gOptions->MRU(1), path);
    EXPECT_TRUE(view.title.empty()) << "the window keeps the previous project's title";
}
