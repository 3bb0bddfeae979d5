#include "curves/clsCalc.h"

#include "CurvesTest.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsSpline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

class SideFitTest : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        OpenProject(WriteFile("probe.dat", ""));
        // Created at start-up; the right side reuses it.
        gSpline = std::make_unique<clsSpline>();
    }

    // An averaged curve of n points from K = 0, step 0.1, ending at Maximum_X = n * 0.1: a falling
    // background with a damped oscillation, and counting noise when noisy.
    static void SetSpectrum(int32_t n, bool noisy = false)
    {
        std::mt19937 random(4711);
        std::normal_distribution<double> noise(0.0, 1.0);
        gCalc->Punkte_Loeschen();
        for (int32_t i = 1; i <= n; ++i) {
            const double K = 0.1 * (i - 1);
            double value = 200.0 + 5000.0 * std::exp(-K / 4.0) + 300.0 * std::sin(K) * std::exp(-K / 20.0);
            if (noisy) value += std::sqrt(value) * noise(random);
            gCalc->Punkte_Plus(0.0f, float(value));
        }
        gCalc->setMinimum_X(0.0f);
        gCalc->setSchrittweite(0.1f);
        gCalc->setMaximum_X(0.1f * n);
    }

    std::string FitPath() const { return gCommon->Ordner() + gCommon->Dateiname() + ".fit"; }
};

TEST_F(SideFitTest, SeparationPointSizesBothSides)
{
    SetSpectrum(1000);
    gCalc->setTrennstelle(200);
    EXPECT_EQ(gCalc->Trennstelle(), 200);
    EXPECT_EQ(gOptions->Fit_Ueberlapp_k(), 5);
    EXPECT_EQ(gCalc->Daten_Links(), 205);
    EXPECT_EQ(gCalc->Daten_Rechts(), 805);
    EXPECT_EQ(gCalc->Fit_Punkte_Links(), 204);
    EXPECT_EQ(gCalc->Fit_Punkte_Rechts(), 796);
    EXPECT_EQ(gCalc->Y_Fit_L(1), 0.0f);
    EXPECT_TRUE(gCalc->Trennstelle_OK());

    // On a finer fit grid the overlap of 5 curve points spans 10 fit points.
    gOptions->setDelta_k(0.05f);
    gCalc->setTrennstelle(200);
    EXPECT_EQ(gOptions->Fit_Ueberlapp_k(), 10);
    EXPECT_EQ(gCalc->Fit_Punkte_Links(), 408);
    EXPECT_FLOAT_EQ(gCalc->X_Fit(3), 0.1f);
}

TEST_F(SideFitTest, RightFitFollowsAnEndThatMoved)
{
    SetSpectrum(1000);
    gCalc->setTrennstelle(200);
    gCalc->setMaximum_X(80.0f);
    gCalc->setChi_Rechts(100.0f);
    EXPECT_EQ(gCalc->Fit_Punkte_Rechts(), 596);
    EXPECT_NE(gCalc->Y_Fit_R(596), 0.0f);
    EXPECT_TRUE(LoggedPart(": Fit rechts angepaßt"));
}

TEST_F(SideFitTest, PendingSidesReadTheirStartChi)
{
    SetSpectrum(1000);
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(500.0f);
    gCalc->setChi_Rechts(50.0f);
    gCalc->setTrennstelle(300);
    EXPECT_EQ(gCalc->Chi_Links(), 1000.0f);
    EXPECT_EQ(gCalc->Chi_Rechts(), 100.0f);
    gCalc->setChi_Links(2.0f);
    EXPECT_EQ(gCalc->Chi_Links(), 2.0f);
    EXPECT_EQ(gCalc->Chi_Rechts(), 100.0f);
}

TEST_F(SideFitTest, EachSideFitsItsOwnPartOfTheCurve)
{
    SetSpectrum(1000);
    gCalc->setTrennstelle(200);
    // Without smoothing the spline runs through the points it was given.
    gCalc->setChi_Links(0.0f);
    gCalc->setChi_Rechts(0.0f);
    for (int32_t i : {1, 100, 204}) EXPECT_NEAR(gCalc->Y_Fit_L(i), gCalc->Y(i), 1e-3 * gCalc->Y(i)) << i;
    // The right part starts at point 195.
    for (int32_t i : {1, 300, 796}) EXPECT_NEAR(gCalc->Y_Fit_R(i), gCalc->Y(194 + i), 1e-3 * gCalc->Y(194 + i)) << i;
    EXPECT_NEAR(gCalc->Abweichung_Links(), 0.0f, 1e-3f);
    EXPECT_NEAR(gCalc->Abweichung_Rechts(), 0.0f, 1e-3f);
}

TEST_F(SideFitTest, ValuesTheFitCannotTakeAreReplacedOnlyInItsInput)
{
    SetSpectrum(1000);
    gCalc->setY(10, -4.0f);
    gCalc->setY(500, -4.0f);
    gCalc->setY(600, 0.0f);
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(0.0f);
    gCalc->setChi_Rechts(0.0f);
    EXPECT_EQ(gCalc->Y(10), -4.0f);
    EXPECT_EQ(gCalc->Y(500), -4.0f);
    EXPECT_EQ(gCalc->Y(600), 0.0f);
    // The left fit takes 1 for a value at or below zero; the right one the magnitude, 0.1 for zero.
    EXPECT_NEAR(gCalc->Y_Fit_L(10), 1.0f, 1e-2f);
    EXPECT_NEAR(gCalc->Y_Fit_R(500 - 194), 4.0f, 1e-2f);
    EXPECT_NEAR(gCalc->Y_Fit_R(600 - 194), 0.1f, 1e-2f);
}

TEST_F(SideFitTest, OverlapIsBlendedOnceBothSidesAreFitted)
{
    SetSpectrum(1000, true);
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(1000.0f);
    for (int32_t i = 1; i <= 10; ++i) EXPECT_EQ(gCalc->YU(i), 0.0f) << i;

    gCalc->setChi_Rechts(100.0f);
    // The last ten left fit points and the first ten right ones lie at the same K.
    for (int32_t i = 1; i <= 10; ++i) {
        const double w = i / 10.0;
        EXPECT_FLOAT_EQ(gCalc->YU(i), float((1 - w) * gCalc->Y_Fit_L(194 + i) + w * gCalc->Y_Fit_R(i))) << i;
    }
    EXPECT_EQ(gCalc->YU(10), gCalc->Y_Fit_R(10));
    EXPECT_EQ(gCalc->YU(11), 0.0f);
}

TEST_F(SideFitTest, FailedFitKeepsTheSidesEarlierFit)
{
    SetSpectrum(1000);
    gCalc->setTrennstelle(200);
    gCalc->setChi_Links(10.0f);
    const float before = gCalc->Y_Fit_L(50);
    const float smoothness = gCalc->Glattheit_Links();
    gCalc->setChi_Links(std::numeric_limits<float>::infinity());
    EXPECT_EQ(gCalc->Chi_Links(), std::numeric_limits<float>::infinity());
    EXPECT_EQ(gCalc->Y_Fit_L(50), before);
    EXPECT_EQ(gCalc->Glattheit_Links(), smoothness);
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(SideFitTest, SearchKeepsTheChiOfTheBestQualifyingDeviation)
{
    SetSpectrum(1000, true);
    gCalc->setTrennstelle(200);
    // Each chi of the search's schedule fitted on a copy of the curve.
    clsCalc probe = *gCalc;
    float expectedLeft = 1e6f;
    float bestDeviation = std::numeric_limits<float>::infinity();
    int qualifying = 0;
    for (float chi = 1e6f / 2; ; chi /= 2) {
        probe.setChi_Links(chi);
        if (probe.Glattheit_Links() >= 0.99f) {
            ++qualifying;
            if (probe.Abweichung_Links() < bestDeviation) {
                bestDeviation = probe.Abweichung_Links();
                expectedLeft = chi;
            }
        }
        if (chi < 0.01f) break;
    }
    ASSERT_GT(qualifying, 0);

    gCalc->setChi_Links(1e6f);
    gCalc->Best_Fit_L();
    EXPECT_EQ(gCalc->Chi_Links(), expectedLeft);
    EXPECT_EQ(gCalc->Abweichung_Links(), bestDeviation);
}

TEST_F(SideFitTest, SearchWithoutAnyFitKeepsTheStartChi)
{
    SetSpectrum(1000);
    // Two curve points for the left side: the spline cannot fit them.
    gCalc->setTrennstelle(-3);
    gCalc->setChi_Links(1e6f);
    gCalc->Best_Fit_L();
    EXPECT_EQ(gCalc->Chi_Links(), 1e6f);
}

TEST_F(SideFitTest, TakingOverJoinsTheFitsOnTheFitGrid)
{
    gOptions->setKurveSpeichern(4, true);
    // Separation point 96 on 601 points up to K = 60: 100 left and 500 right fit points.
    SetSpectrum(601);
    gCalc->setMaximum_X(60.0f);
    gCalc->setTrennstelle(96);
    ASSERT_EQ(gCalc->Fit_Punkte_Links(), 100);
    ASSERT_EQ(gCalc->Fit_Punkte_Rechts(), 500);
    gCalc->setChi_Links(1000.0f);
    gCalc->setChi_Rechts(100.0f);

    ASSERT_TRUE(gCalc->FitUebernehmen());
    ASSERT_EQ(gCalc->Punkte(), 590);
    for (int32_t i = 1; i <= 90; ++i) ASSERT_EQ(gCalc->Y(i), gCalc->Y_Fit_L(i)) << i;
    for (int32_t i = 1; i <= 10; ++i) ASSERT_EQ(gCalc->Y(90 + i), gCalc->YU(i)) << i;
    for (int32_t i = 101; i <= 590; ++i) ASSERT_EQ(gCalc->Y(i), gCalc->Y_Fit_R(i - 90)) << i;
    EXPECT_EQ(gCalc->Schrittweite(), 0.1f);
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_EQ(gCalc->Maximum_X(), gCalc->x(590));
    EXPECT_FALSE(gCalc->Trennstelle_OK());

    const std::string file = ReadFile(FitPath());
    EXPECT_TRUE(file.starts_with("0\t")) << file.substr(0, 40);
    EXPECT_NE(file.find("\r\n0.1\t"), std::string::npos);
    EXPECT_NE(file.find("\r\n58.9\t"), std::string::npos);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 590);
    EXPECT_TRUE(LoggedPart(": Spline-Fit akzeptiert."));
    EXPECT_TRUE(Logged("Trennstelle für Spline-Fit: 9.5 1/nm"));
    EXPECT_TRUE(Logged("Chi linke Seite: 1000"));
    EXPECT_TRUE(Logged("Chi rechte Seite: 100"));
    EXPECT_TRUE(Logged("Punkte nach Spline-Fit: 590"));
    EXPECT_TRUE(LoggedPart(": Fit gespeichert " + FitPath()));

    // The fits belonged to the curve they replaced.
    EXPECT_FALSE(gCalc->FitUebernehmen());
    EXPECT_EQ(gCalc->Punkte(), 590);
}

TEST_F(SideFitTest, TakingOverWaitsForBothSidesAndLogsOnlyAWrittenFile)
{
    SetSpectrum(601);
    gCalc->setTrennstelle(96);
    EXPECT_FALSE(gCalc->FitUebernehmen());
    gCalc->setChi_Links(1000.0f);
    EXPECT_FALSE(gCalc->FitUebernehmen());
    EXPECT_EQ(gCalc->Punkte(), 601);
    EXPECT_TRUE(seam.logLines.empty());

    gOptions->setKurveSpeichern(4, false);
    gCalc->setChi_Rechts(100.0f);
    ASSERT_TRUE(gCalc->FitUebernehmen());
    EXPECT_FALSE(std::filesystem::exists(FitPath()));
    EXPECT_FALSE(LoggedPart("Fit gespeichert"));
}

TEST_F(SideFitTest, TurningPointsAreMarked)
{
    gCalc->Punkte_Loeschen();
    for (float value : {1.0f, 2.0f, 1.0f, 2.0f}) gCalc->Punkte_Plus(0.0f, value);
    gCalc->setSchrittweite(0.5f);
    gCalc->Minima_Markieren();
    // A maximum at point 2, a minimum at point 3; the last point marks nothing.
    ASSERT_EQ(gCalc->Peak_Count(), 2);
    EXPECT_EQ(gCalc->Peak_X(1), 0.5f);
    EXPECT_EQ(gCalc->Peak_Y(1), 2.0f);
    EXPECT_EQ(gCalc->Peak_X(2), 1.0f);
    EXPECT_EQ(gCalc->Peak_Y(2), 1.0f);
    EXPECT_EQ(gCalc->Peak_X(3), 0.0f);

    gCalc->setSchrittweite(0.0f);
    gCalc->Minima_Markieren();
    EXPECT_EQ(gCalc->Peak_Count(), 0);
    EXPECT_EQ(gError->ErrorFunction(), "Minima_Markieren");
}

}
