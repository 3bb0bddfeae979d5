#include "curves/clsCalc.h"

#include "CurvesTest.h"
#include "core/Resources.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsInput.h"
#include "curves/clsSSC.h"

#include <cmath>
#include <filesystem>
#include <vector>

namespace {

// A raw spectrum of n rows at x = 0, 1, 2, ..., time 1000 ms and counts 10 (i + 1)^2.
std::string RawSpectrum(int32_t n)
{
    std::string text;
    for (int32_t i = 0; i < n; ++i) text += std::to_string(i) + " 1000 " + std::to_string(10 * (i + 1) * (i + 1)) + "\r\n";
    return text;
}

class LoadingTest : public CurvesTest {
protected:
    // The stage of a kind in the store, selected.
    static void SelectStage(int32_t kind) { ASSERT_TRUE(gSSC->Kurve_Zurueck(0, kind)); }
};

TEST_F(LoadingTest, RawSpectrumIsCentredOnItsMiddlePoint)
{
    // Five points 1 apart give the spline's running mean spacing 15/16; the x factor makes it 0.25.
    OpenProject(WriteFile("five.dat", RawSpectrum(5)));
    gOptions->setFaktor_X(3.75f);
    ASSERT_TRUE(gCalc->Beugung_oeffnen());
    EXPECT_EQ(gCalc->Punkte(), 5);
    EXPECT_EQ(gCalc->Schrittweite(), 0.25f);
    EXPECT_EQ(gCalc->Mitte_Index(), 2);
    EXPECT_EQ(gCalc->Mitte(), 0.0f);
    EXPECT_EQ(gCalc->Minimum_X(), -0.25f);
    EXPECT_EQ(gCalc->Maximum_X(), 1.0f);
    EXPECT_EQ(gCalc->x(5), 0.75f);
    EXPECT_EQ(gCalc->x(gCalc->Mitte_Index()), 0.0f);
    EXPECT_FALSE(gCalc->IstGefaltet());
    EXPECT_EQ(gCalc->Maximum_Y(), 25.0f);
    EXPECT_EQ(gCalc->Minimum_Y(), 0.5f);

    EXPECT_TRUE(Logged("Datenpunkte: 5"));
    EXPECT_TRUE(Logged("mittlere Messzeit pro Punkt: 1000 ms"));
    EXPECT_TRUE(Logged("Maximum: 25"));
    EXPECT_TRUE(Logged("Mitte Rohdaten: (Datenpunt) 2"));
    SelectStage(1);
    EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), -0.25f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 5);

    OpenProject(WriteFile("seven.dat", RawSpectrum(7)));
    gOptions->setFaktor_X(3.9375f);
    ASSERT_TRUE(gCalc->Beugung_oeffnen());
    EXPECT_EQ(gCalc->Schrittweite(), 0.25f);
    EXPECT_EQ(gCalc->Mitte_Index(), 4);
    EXPECT_EQ(gCalc->Minimum_X(), -0.75f);
    EXPECT_EQ(gCalc->Maximum_X(), 1.0f);
}

TEST_F(LoadingTest, FailedLoadLeavesTheCurveAsItWas)
{
    OpenProject(WriteFile("five.dat", RawSpectrum(5)));
    ASSERT_TRUE(gCalc->Beugung_oeffnen());
    const float before = gCalc->Y(2);

    OpenProject((env.Root() / "missing.dat").string());
    EXPECT_FALSE(gCalc->Beugung_oeffnen());
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gCalc->Punkte(), 5);
    EXPECT_EQ(gCalc->Y(2), before);

    // Without an x factor the step cannot be computed.
    OpenProject(WriteFile("seven.dat", RawSpectrum(7)));
    gOptions->setFaktor_X(0.0f);
    EXPECT_FALSE(gCalc->Beugung_oeffnen());
    EXPECT_EQ(seam.errorWindows, 2);
    EXPECT_EQ(gError->ErrorFunction(), "Beugung_oeffnen");
    EXPECT_EQ(gError->ErrorNumber(), rt::errDivisionByZero);
    EXPECT_EQ(gCalc->Punkte(), 5);
}

TEST_F(LoadingTest, RawSpectrumWrittenByTheWorkingCurveReadsBack)
{
    // Enough points for the spline's running mean spacing to reach the grid step.
    constexpr int32_t n = 40;
    std::vector<float> values;
    for (int32_t i = 0; i < n; ++i) values.push_back(float(100.25 + 50 * std::sin(i / 5.0)));
    values[0] = 100.25f;
    for (int32_t i = 0; i < n; ++i) gCalc->Punkte_Plus(float(i), values[size_t(i)]);
    gCommon->setOrdner(env.Root().string());
    gCalc->Speichern("back.dat");

    const std::string path = (env.Root() / "back.dat").string();
    const std::string content = ReadFile(path);
    // Counts are ten times the value, halves rounded to even.
    EXPECT_EQ(content.substr(0, content.find('\n') + 1), "    0  1000.   1002. \r\n");
    EXPECT_TRUE(LoggedPart(": gespeichert: " + gCommon->Ordner() + "back.dat 40"));

    OpenProject(path);
    ASSERT_TRUE(gInput->Spektrum_Oeffnen());
    ASSERT_EQ(gInput->Punkte(), n);
    EXPECT_EQ(gInput->Statistik(), 1000.0f);
    for (int32_t i = 1; i <= n; ++i)
        EXPECT_NEAR(gInput->Y(i), rt::CLng(values[size_t(i - 1)] * 10.0) / 10.0, 0.001) << "point " << i;
}

TEST_F(LoadingTest, RawSpectrumThatCannotBeWrittenIsReportedNotLogged)
{
    gCalc->Punkte_Plus(0.0f, 1.0f);
    const std::string blocker = WriteFile("blocker", "a file, not a folder");
    gCommon->setOrdner(blocker);
    gCalc->Speichern("back.dat");
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_FALSE(LoggedPart("gespeichert"));
}

TEST_F(LoadingTest, ElectronMicroscopeSpectrumIsOneSidedOnTenTimesTheFileStep)
{
    std::string text;
    for (int32_t i = 0; i <= 40; ++i) text += std::to_string(0.05 * i) + "\t" + std::to_string(1000 - 10 * i) + "\n";
    OpenProject(WriteFile("probe.asc", text));
    gCalc->setMinimum_X(0.0f);
    ASSERT_TRUE(gCalc->ELMI_Oeffnen());
    EXPECT_FLOAT_EQ(gCalc->Schrittweite(), gInput->Delta_X() * 10.0f);
    EXPECT_FLOAT_EQ(gCalc->Maximum_X(), gCalc->Schrittweite() * gCalc->Punkte());
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_TRUE(gCalc->IstGefaltet());
    EXPECT_TRUE(Logged("Datenpunkte: " + std::to_string(gCalc->Punkte())));
    SelectStage(1);
}

TEST_F(LoadingTest, RadialAverageOfAnImageComesFromThePanel)
{
    PanelPoints panel;
    panel.x = {0.0f, 0.5f, 1.0f, 1.5f};
    panel.y = {300.0f, 200.0f, 250.0f, 150.0f};
    ASSERT_TRUE(gCalc->ELMI_Oeffnen_Bild());
    EXPECT_EQ(gCalc->Punkte(), 4);
    EXPECT_EQ(gCalc->Schrittweite(), 0.5f);
    EXPECT_EQ(gCalc->Maximum_X(), 2.0f);
    EXPECT_EQ(gCalc->Maximum_Y(), 300.0f);
    EXPECT_EQ(gCalc->Minimum_Y(), 75.0f);
    EXPECT_EQ(gCalc->Y(3), 250.0f);
    EXPECT_TRUE(gCalc->IstGefaltet());
    SelectStage(1);

    panel.x.resize(1);
    panel.y.resize(1);
    EXPECT_FALSE(gCalc->ELMI_Oeffnen_Bild());
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "ELMI_Oeffnen_Bild");
    EXPECT_EQ(gCalc->Punkte(), 4);
}

TEST_F(LoadingTest, FoldedCurveStartsAtZeroAndIsStoredAsAFit)
{
    std::string text;
    for (int32_t i = 0; i <= 100; ++i) text += std::to_string(0.1 * i) + "\t" + std::to_string(50 + i % 7) + "\n";
    OpenProject(WriteFile("probe.fit", text));
    ASSERT_TRUE(gCalc->Faltung_Oeffnen());
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_FLOAT_EQ(gCalc->Maximum_X(), gCalc->Punkte() * gCalc->Schrittweite());
    EXPECT_EQ(gCalc->Schrittweite(), gInput->Delta_X());
    EXPECT_TRUE(Logged("Mitte Rohdaten: (SMP)0"));
    SelectStage(4);
    EXPECT_FALSE(gSSC->Kurve_Zurueck(0, 1));
}

TEST_F(LoadingTest, DemonstrationSpectrumIsOneSidedFromZero)
{
    // A two-sided raw spectrum before it: the demonstration starts at x = 0 again.
    OpenProject(WriteFile("seven.dat", RawSpectrum(7)));
    ASSERT_TRUE(gCalc->Beugung_oeffnen());
    ASSERT_LT(gCalc->Minimum_X(), 0.0f);

    EXPECT_EQ(zelo::Resource("DEMO_103").size(), 8188u);
    ASSERT_TRUE(gCalc->Demo_JK());
    ASSERT_EQ(gCalc->Punkte(), 1023);
    for (int32_t i = 1; i <= 14; ++i) EXPECT_EQ(gCalc->Y(i), 654357.0f) << "pair " << i;
    EXPECT_NEAR(gCalc->Y(15), 643073.6f, 0.05f);
    EXPECT_NEAR(gCalc->Y(40), 45796.5f, 0.05f);
    EXPECT_NEAR(gCalc->Y(119), 28209.8f, 0.05f);
    EXPECT_NEAR(gCalc->Y(400), 547.9f, 0.005f);
    EXPECT_NEAR(gCalc->Y(1023), 15.07f, 0.005f);
    // From the clipped primary beam down to one minimum, then the first maximum at pair 119.
    int32_t firstMaximum = 0;
    for (int32_t i = 15; i < 1023 && firstMaximum == 0; ++i)
        if (gCalc->Y(i) > gCalc->Y(i - 1) && gCalc->Y(i) >= gCalc->Y(i + 1)) firstMaximum = i;
    EXPECT_EQ(firstMaximum, 119);

    EXPECT_EQ(gCalc->x(1023), 249.368f);
    EXPECT_EQ(gCalc->Maximum_X(), 249.612f);
    EXPECT_EQ(gCalc->Maximum_Y(), 700000.0f);
    EXPECT_EQ(gCalc->Minimum_Y(), 0.0f);
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_TRUE(gCalc->IstGefaltet());
    EXPECT_TRUE(Logged("Datenpunkte: 1023"));
    EXPECT_TRUE(Logged("Maximum: 700000"));
    SelectStage(1);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Punkte(), 1023);
    EXPECT_EQ(gSSC->Kurve_Zurueck_Schrittweite(), 0.244f);
    EXPECT_EQ(gSSC->Kurve_Zurueck_MinX(), 0.0f);
}

}
