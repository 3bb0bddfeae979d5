// The synthetic test curves and the peak distances of G(r) as K.
#include "AnalysisFixture.h"

#include "analysis/Testkurve.h"
#include "analysis/clsGauss.h"
#include "curves/clsCalc.h"
#include "materials/clsFMK_Intern.h"
#include "materials/clsMFE.h"

namespace {

class Testkurve : public AnalysisFixture {
protected:
    // The mixture form factors of the alloy on I(K)'s grid (the working curve's K); carbon from
    // the database, "X" with the constant form factor 12.
    void Legierung(std::initializer_list<const char*> symbole)
    {
        gCalc->Punkte_Loeschen();
        for (int32_t i = 1; i <= gIK->Punkte() + 10; ++i) gCalc->Punkte_Plus((i - 1) * 0.1f, 1.0f);
        gFMK->setAnzahl(static_cast<int32_t>(symbole.size()));
        int32_t i = 0;
        for (const std::string s : symbole) {
            if (s == "X") gFMK->FMK_Intern_Neu("X", FT_Elektronen, {}, {}, 12.0f);
            gFMK->FMK_Einlesen(++i, 100.0f / symbole.size(), s == "X" ? gFMK->FMK_Anzahl() : ElectronTable(s));
        }
        gFMK->setBeschleunigungsspannung(-200.0f);
        ASSERT_TRUE(gFMK->Formfaktoren_Berechnen());
    }
    static std::vector<float> R_Gitter()
    {
        std::vector<float> r(1000);
        for (size_t i = 0; i < r.size(); ++i) r[i] = 0.01f * i;
        return r;
    }
    clsGauss peaks;
};

}

TEST_F(Testkurve, GasBaseStartsAtMinusOneASingleElementGivesNoNaNAndGRPeaksGiveTheKOfTheirDistance)
{
    gIK->PeakTest();
    Legierung({"C", "X"});
    Testkurve_IK_Setzen(peaks, true);
    EXPECT_FLOAT_EQ(gIK->Y(1), -1.0f);
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) ASSERT_TRUE(std::isfinite(gIK->Y(i))) << i;

    Legierung({"C"});
    peaks.Hinzufuegen(30.0f, 0.5f, 30.0f, 0, 0.0f);
    Testkurve_IK_Setzen(peaks, true);
    for (int32_t i = 1; i <= gIK->Punkte(); ++i)
        ASSERT_FLOAT_EQ(gIK->Y(i), peaks.Y_Gauss(gIK->x(i), 1)) << "no gas term for one element, at " << i;

    // Neighbouring G(r) peaks give the K of their distance.
    gGR->PeakTest();
    const auto peak = [](float r, float r0) { return std::exp(-(r - r0) * (r - r0) / (2 * 0.02f * 0.02f)); };
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) gGR->Set_Y(i, peak(gGR->R(i), 0.25f) + peak(gGR->R(i), 0.45f));
    gGR->setAnzahl_FFT(0);
    EXPECT_TRUE(Peakabstaende_K().empty()) << "before the first transform";

    gGR->setAnzahl_FFT(1);
    const std::vector<float> K = Peakabstaende_K();
    ASSERT_EQ(K.size(), 1u);
    // The maxima lie on the r grid: within a step of 0.25 and 0.45 nm.
    const float dr = gGR->R(2);
    EXPECT_NEAR(K[0], 31.4159f, 6.2832f / (0.2f - dr) - 31.4159f);
}

TEST_F(Testkurve, WithoutEntriesBothCurvesAreZero)
{
    gIK->PeakTest();
    gGR->PeakTest();
    gMFE->setDichte_Theoretisch(80.0f);
    Testkurve_IK_Setzen(peaks, false);
    Testkurve_GR_Setzen(peaks, {});
    for (int32_t i = 1; i <= gIK->Punkte(); ++i) ASSERT_EQ(gIK->Y(i), 0.0f) << i;
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) ASSERT_EQ(gGR->Y(i), 0.0f) << i;
}

TEST_F(Testkurve, GRTestCurveVanishesAtBothEndsAndWithoutDensity)
{
    peaks.Hinzufuegen(0.0f, 0.02f, 0.01f, 0, 0.0f);
    peaks.Hinzufuegen(9.99f, 0.02f, 0.01f, 0, 0.0f);
    peaks.Hinzufuegen(2.5f, 0.02f, 0.01f, 0, 0.0f);
    const std::vector<Sinusterm> sinus{{3.0f, 1.5707964f}};
    const std::vector<float> r = R_Gitter();
    const std::vector<float> g = Test_GR(peaks, sinus, r, 80.0);
    EXPECT_EQ(g.front(), 0.0f);
    EXPECT_NEAR(g.back(), 0.0f, 1e-20f);
    EXPECT_GT(std::fabs(g[250]), 1.0f) << "the middle peak stays";
    for (const float y : Test_GR(peaks, sinus, r, 0.0)) ASSERT_EQ(y, 0.0f);
}
