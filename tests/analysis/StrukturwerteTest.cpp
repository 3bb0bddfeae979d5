// The structure values of the extras step, their marker lines, the free-electron and crystal-reflex
// lines and the mean peak spacing of the Gauss view.
#include "analysis/Modelllinien.h"
#include "analysis/Peakabstaende.h"
#include "analysis/Strukturwerte.h"
#include "analysis/clsGauss.h"
#include "core/KurvenTyp.h"
#include "materials/clsElement.h"

#include <gtest/gtest.h>

namespace {
void Erwarte_Linien(const std::vector<float>& linien, const std::vector<double>& erwartet)
{
    ASSERT_EQ(linien.size(), erwartet.size());
    for (size_t i = 0; i < linien.size(); ++i) EXPECT_NEAR(linien[i], erwartet[i], 1e-4) << i;
}
}

TEST(Strukturwerte, RatiosAnglesUnsetPositionsAndStructureLinesEndingAfterTheFirstBeyondMaxR)
{
    Strukturwerte w;
    w.Berechnen(0.0f, 25.0f, 0.25f, 0.55f);
    EXPECT_EQ(w.Tau[0], "= 2.200");
    EXPECT_EQ(w.Winkel[0], "= 0.00 °") << "arc sine of a ratio above 2";
    EXPECT_EQ(w.Winkel[1], "= 26.27 °");
    EXPECT_EQ(w.Lambda[0], "n/a");
    EXPECT_EQ(w.Lambda[1], "= 0.251");
    EXPECT_EQ(w.Verhaeltnis, "= 0.000");

    w.Berechnen(30.0f, 0.0f, 0.0f, 0.55f);
    EXPECT_EQ(w.Lambda[0], "= 0.209");
    EXPECT_EQ(w.Lambda[1], "n/a");
    EXPECT_EQ(w.Verhaeltnis, "");
    EXPECT_EQ(w.Tau[1], "n/a");
    EXPECT_EQ(w.Winkel[0], "n/a");

    // The cursor at r = 1.0 stores 0.8 and K = 2π/0.8.
    const float r = 1.0f * 4.0f / 5.0f;
    const float K = static_cast<float>(6.28318530717958 / r);
    const Markerlinien zwei = Strukturlinien(K, r, 3.1415927f, true, 7);
    Erwarte_Linien(zwei.r, {1.0, 1.8, 2.6, 3.4});
    Erwarte_Linien(zwei.K, {7.853982, 2 * 7.853982, 3 * 7.853982, 4 * 7.853982, 5 * 7.853982});

    EXPECT_EQ(Strukturlinien(K, r, 3.1415927f, false, 7).r.size(), 6u);
    EXPECT_EQ(Strukturlinien(K, r, 3.1415927f, false, 6).K.size(), 3u) << "bounded by the r series";
}

TEST(Modelllinien, FreeElectronLinesReflexesOfACubicElementAndTheMeanSpacingOfIKPeaks)
{
    const float zweiKF = Fermi_Durchmesser(1.0f, 58.6f);
    EXPECT_NEAR(zweiKF, 24.0327, 1e-4);
    const float lambdaF = Friedel_Wellenlaenge(1.0f, 58.6f);
    EXPECT_NEAR(lambdaF, 0.26144, 1e-5);
    EXPECT_NEAR(Friedel_Linien(lambdaF, 0.25f).front(), 0.3268, 1e-4);
    EXPECT_NEAR(Friedel_Linien(lambdaF, 0.2f).front(), 0.3137, 1e-4);
    EXPECT_EQ(Fermi_Linien(zweiKF).size(), 5u);
    EXPECT_EQ(Fermi_Linien(zweiKF, 100.0f).size(), 4u) << "ends before the first line beyond the curve";

    // Reflexes of a cubic element.
    clsElement element;
    element.setStruktur_System(1);
    element.setStruktur_a(0.4086f);
    const std::vector<Kristallreflex> reflexe = Kristallreflexe(element);
    ASSERT_EQ(reflexe.size(), 18u);
    EXPECT_NEAR(reflexe[0].d, 0.23591, 1e-5);
    EXPECT_NEAR(reflexe[0].K, 26.634, 1e-3);
    EXPECT_EQ(reflexe[0].Text, "(1, 1, 1)");
    EXPECT_EQ(Abstand_Text(element.Ebenenabstand(0, 0, 0)), std::nullopt);

    element.setStruktur_System(2);
    EXPECT_TRUE(Kristallreflexe(element).empty());

    // The mean spacing of I(K) peaks.
    clsGauss peaks;
    peaks.setKurve(KT_IK);
    for (const float x : {10.0f, 20.0f, 30.5f}) peaks.Hinzufuegen(x, 1.0f, 1.0f, 0, 0.0f);
    const Peakabstaende p = Peakabstaende_Berechnen(peaks);
    EXPECT_EQ(p.Texte[0], "= 10.25000 1/nm");
    EXPECT_EQ(p.Texte[1], "= 0.6 nm");
    EXPECT_EQ(p.Texte[2], "= 0.97561");

    // A single peak has no spacing.
    peaks.Clear();
    peaks.setKurve(KT_GR);
    peaks.Hinzufuegen(0.3f, 0.01f, 1.0f, 0, 0.0f);
    const Peakabstaende einer = Peakabstaende_Berechnen(peaks);
    EXPECT_EQ(einer.Delta, 0.0f);
    EXPECT_EQ(einer.Texte[0], "= 0.00000 nm");
    EXPECT_EQ(einer.Texte[1], "");
    EXPECT_EQ(einer.Texte[2], "");
}

TEST(Strukturwerte, AnalysisLinesLeaveOutZeroDivisors)
{
    Strukturwerte w;
    w.Berechnen(30.0f, 25.0f, 0.0f, 0.0f);
    const Analyselinien a = Analyselinien_Berechnen(w, 30.0f, 0.0f, {0.25f, 0.45f, 4.0f}, 3.14f, true, true);
    EXPECT_EQ(a.SPO.K.size(), 6u);
    EXPECT_NEAR(a.SPO.r.front(), 1.25 * 6.2831853 / 30.0, 1e-6);
    Erwarte_Linien(a.r_Peaks, {0.25, 0.45});
    EXPECT_TRUE(a.K_Tau.empty());
    EXPECT_TRUE(a.K_Peaks.empty());
}
