#include "CurvesTest.h"

#include <cmath>

namespace {

using LoadingTest = CurvesTest;

TEST_F(LoadingTest, RawSpectrumIsCentredOnItsMiddlePointOrLeftAsItWasAndTheDemonstrationIsOneSided)
{
    // n points 1 apart give the spline's running mean spacing; the x factor makes the step 0.25.
    // An odd count is centred on its true middle point, also when (n + 1)/2 is odd.
    for (const auto& [n, faktor, mitte, minimumX] : {std::tuple{5, 3.75f, 3, -0.5f}, {7, 3.9375f, 4, -0.75f}}) {
        OpenProject("raw.dat", RawSpectrum(n));
        gOptions->setFaktor_X(faktor);
        ASSERT_TRUE(gCalc->Beugung_oeffnen());
        EXPECT_EQ(CurveGrid(), (Grid{n, 0.25f, minimumX, n * 0.25f + minimumX}));
        EXPECT_EQ(gCalc->Mitte_Index(), mitte);
        EXPECT_FALSE(gCalc->IstGefaltet());
        ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 1));
        EXPECT_EQ(StageGrid(), (Grid{n, 0.25f, minimumX, 0.0f}));
    }
    EXPECT_TRUE(Logged("Mitte Rohdaten: (Datenpunt) 4"));
    gOptions->setFaktor_X(0.0f);
    EXPECT_FALSE(gCalc->Beugung_oeffnen()) << "without an x factor the step cannot be computed";
    EXPECT_EQ(Reported(), "Beugung_oeffnen");
    EXPECT_EQ(CurveGrid(), (Grid{7, 0.25f, -0.75f, 1.0f}));

    // The demonstration spectrum is one-sided from zero.
    gOptions->setFaktor_X(1.0f);
    OpenProject("seven.dat", RawSpectrum(7));
    ASSERT_TRUE(gCalc->Beugung_oeffnen());  // a two-sided spectrum before it
    ASSERT_TRUE(gCalc->Demo_JK());
    EXPECT_EQ(CurveGrid(), (Grid{1023, 0.244f, 0.0f, 249.612f}));
    for (int32_t i = 1; i <= 14; ++i) EXPECT_EQ(gCalc->Y(i), 654357.0f) << "pair " << i;
    for (const auto& [i, y, tolerance] : {std::tuple{15, 643073.6f, 0.05f}, {40, 45796.5f, 0.05f},
                                          {119, 28209.8f, 0.05f}, {400, 547.9f, 0.005f}, {1023, 15.07f, 0.005f}})
        EXPECT_NEAR(gCalc->Y(i), y, tolerance) << "pair " << i;
    EXPECT_EQ(gCalc->Maximum_Y(), 700000.0f);
    EXPECT_TRUE(gCalc->IstGefaltet());
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 1));
    EXPECT_EQ(StageGrid(), (Grid{1023, 0.244f, 0.0f, 0.0f}));
}

TEST_F(LoadingTest, RawSpectrumWrittenByTheWorkingCurveReadsBackOrIsReportedNotLogged)
{
    std::vector<float> values;  // enough points for the spline's running mean spacing to reach the grid step
    for (int32_t i = 0; i < 40; ++i) values.push_back(i == 0 ? 100.25f : float(100.25 + 50 * std::sin(i / 5.0)));
    Load(0.0f, 1.0f, values);
    gCommon->setOrdner(env.Root().string());
    gCalc->Speichern("back.dat");
    const std::string path = (env.Root() / "back.dat").string();
    const std::string content = ReadFile(path);
    EXPECT_EQ(content.substr(0, content.find('\n') + 1), "    0  1000.   1002. \r\n") << "counts 10 y, halves to even";
    EXPECT_TRUE(LoggedPart(": gespeichert: " + gCommon->Ordner() + "back.dat 40"));

    gCommon->Set_Dateiname(path);
    ASSERT_TRUE(gInput->Spektrum_Oeffnen());
    ASSERT_EQ(gInput->Punkte(), 40);
    for (int32_t i = 1; i <= 40; ++i)
        EXPECT_NEAR(gInput->Y(i), rt::CLng(values[size_t(i - 1)] * 10.0) / 10.0, 0.001) << "point " << i;

    seam.logLines.clear();
    gCommon->setOrdner(WriteFile("blocker", "a file, not a folder"));
    gCalc->Speichern("back.dat");
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_FALSE(LoggedPart("gespeichert"));
}

}
