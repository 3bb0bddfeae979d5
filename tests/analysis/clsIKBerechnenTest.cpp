// I(K) from a synthetic measurement with a known structure: J(K) = s·(<f²> + <f>²·I(K)) + U(K)
// with carbon's electron form factor from the database (constant ones where a test is only about
// refusing an input), a smooth background given by eight support points and a model I(K) whose
// transform is known in closed form. The computation must give the model back, its
// transform the model's G(r), and every input that cannot give an I(K) must be refused.
#include "AnalysisFixture.h"
#include "SynthetischeStruktur.h"

#include "core/KurvenTyp.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSpline.h"

#include <filesystem>

namespace {

using namespace synthetisch;
constexpr int32_t kIK = 1500;       // points of I(K), K up to 149.9 1/nm
constexpr float kF = 10.0f;         // the constant form factor
constexpr double kSkala = 500.0;    // counts per unit of <f²>

double Untergrund(double K) { return 100.0 + 50.0 * std::exp(-K / 30.0); }

double K(int32_t i) { return (i - 1) * 0.1; }

}

class IKBerechnenTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
        gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
        gCommon->setOrdner(env.Root().string());
        Messung(kF);
    }

    // The measurement on I(K)'s points and ten more, its form factors and its background points.
    void Messung(float f, int32_t punkte = kIK + 10,
                 std::initializer_list<double> stuetzstellen = {5.0, 25.0, 45.0, 65.0, 85.0, 105.0, 125.0, 145.0})
    {
        gCalc->Punkte_Loeschen();
        for (int32_t i = 1; i <= punkte; ++i)
            gCalc->Punkte_Plus(float(K(i)), float(kSkala * f * f * (1.0 + I_Modell(K(i))) + Untergrund(K(i))));
        gCalc->setMaximum_X(gCalc->x(punkte));
        gFMK->FMK_Intern_Neu("X", 1, {}, {}, f);
        gFMK->setAnzahl(1);
        gFMK->FMK_Einlesen(1, 100.0f, gFMK->FMK_Anzahl());
        ASSERT_TRUE(gFMK->Formfaktoren_Berechnen());
        gUntergrund->Clear();
        for (const double k : stuetzstellen) gUntergrund->Plus_Punkt(float(k), float(Untergrund(k)));
    }

    // The same measurement scattered with carbon's electron form factor from the database at
    // 200 kV, which falls a thousandfold up to the last K; the counts are high enough that the
    // background fit's misfit stays small beside the sample's scattering there.
    static void Messung_Kohlenstoff() { Kohlenstoff_Streuung(I_Modell, Untergrund); }

    std::filesystem::path IK1() const { return env.Root() / "probe.ik1"; }

    // Berechnen is refused with the message of the given text, and the I(K) before stays.
    void ExpectRefused(float rho, const std::string& text)
    {
        const int32_t punkte = gIK->Punkte();
        const float letzter = gIK->Y(punkte);
        std::filesystem::remove(IK1());
        seam.messages.clear();
        EXPECT_FALSE(gIK->Berechnen(rho));
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, text);
        EXPECT_EQ(gIK->Punkte(), punkte);
        EXPECT_EQ(gIK->Y(punkte), letzter);
        EXPECT_FALSE(std::filesystem::exists(IK1()));
    }
};

TEST_F(IKBerechnenTest, GivesTheModelBackAndItsTransformTheModelsGr)
{
    Messung_Kohlenstoff();
    gOptions->setKurveSpeichern(KT_IK_Auto, true);
    gGR->setAnzahl_FFT(3);
    ASSERT_TRUE(gIK->Berechnen(float(kRho0)));
    ASSERT_EQ(gIK->Punkte(), kIK);
    // The background fit's small misfit at high K, divided by the small form factor there.
    for (int32_t i = 1; i <= kIK; ++i) ASSERT_NEAR(gIK->Y(i), I_Modell(K(i)), 5e-4) << "K = " << K(i);

    EXPECT_EQ(gGR->Anzahl_FFT(), 0);  // the next G(r) is the first of this I(K)
    EXPECT_TRUE(std::filesystem::exists(IK1()));

    gOptions->setFFT_Bits(14);
    gFFT->SetupFFT();
    gFFT->FFT();
    double scale = 0.0;
    for (int32_t i = 1; i <= 1000; ++i) scale = std::max(scale, std::fabs(G_Modell(gGR->R(i))));
    for (int32_t i = 1; i <= 1000; ++i) ASSERT_NEAR(gFFT->G(i), G_Modell(gGR->R(i)), 2e-3 * scale) << "r = " << gGR->R(i);
}

TEST_F(IKBerechnenTest, TwelvePointsAreTheShortestSpectrum)
{
    Messung(kF, 12, {0.2, 0.5, 0.8, 1.0});
    ASSERT_TRUE(gIK->Berechnen(float(kRho0)));
    EXPECT_EQ(gIK->Punkte(), 2);
    Messung(kF, 11, {0.2, 0.5, 0.8, 1.0});
    ExpectRefused(float(kRho0), "Zu wenige Punkte für die Interferenzfunktion (mindestens 12).");
}

TEST_F(IKBerechnenTest, RefusesInputsThatCannotGiveAnIK)
{
    ASSERT_TRUE(gIK->Berechnen(float(kRho0)));
    // The refusal says where the density is set.
    for (const float unbekannt : {-3E+11f, 0.0f})
        ExpectRefused(unbekannt, "Die Teilchenzahldichte der Legierung ist unbekannt.\r\n"
                                 "Die Dichte wird im Menü \"Legierung\" oder im Fenster \"Projektdaten wählen\" eingestellt.");

    const std::string keinUntergrund = "Kein gültiger Untergrund: bitte mindestens vier Untergrundstützstellen setzen.";
    for (const float k : {145.0f, 125.0f, 105.0f, 85.0f, 65.0f}) gUntergrund->Loesche_Punkt(k);
    ExpectRefused(float(kRho0), keinUntergrund);
    gUntergrund->Clear();
    ExpectRefused(float(kRho0), keinUntergrund);

    Messung(0.0f);
    ExpectRefused(float(kRho0), "Die Formfaktoren der Legierung fehlen oder sind 0.");
}

TEST_F(IKBerechnenTest, RefusesAMeasurementThatIsAllBackground)
{
    ASSERT_TRUE(gIK->Berechnen(float(kRho0)));
    // J equal to the fitted background from K > 0 on: the integral of K²·(J − U) is 0.
    for (int32_t i = 2; i <= gCalc->Punkte(); ++i) gCalc->setY(i, gUntergrund->Y(i));
    ExpectRefused(float(kRho0), "Alpha=0 bei Berechnung der Interferenzfunktion.\r\n"
                                "Problem trat auf beim integrieren der Interferenzfunktion.");
}
