#include "CurvesTest.h"
#include "core/clsLanguage.h"
#include "core/modString.h"

namespace {

// Rows "x time counts" for x = first, first + 1, ...; counts such that y = counts / time * 100 is 2 x^2 + 50.
std::string Rows(int32_t n, int32_t first = 0, const char* separator = " ")
{
    std::string text;
    for (int32_t x = first; x < first + n; ++x)
        text += std::to_string(x) + separator + "500" + separator + std::to_string(10 * x * x + 250) + "\r\n";
    return text;
}

class RawSpectrumTest : public CurvesTest {
protected:
    // Reads the file; true when it gave the curve y = 2 x^2 + 50 from x = first on, resampled on a
    // step of nearly 1 into the given number of points.
    bool ReadsParabola(const std::string& content, int32_t first, int32_t points)
    {
        OpenProject("probe.dat", content);
        if (!gInput->Spektrum_Oeffnen()) return false;
        EXPECT_EQ(gInput->Punkte(), points);
        for (int32_t i = 1; i <= gInput->Punkte(); ++i) {
            const double x = first + (i - 1) * double(gInput->Delta_X());
            EXPECT_NEAR(gInput->Y(i), 2 * x * x + 50, 0.05) << "point " << i;
        }
        return true;
    }
};

TEST_F(RawSpectrumTest, HeaderKeysGiveTheMeasuringConditionsAndTheRowsTheCurve)
{
    EXPECT_TRUE(ReadsParabola(Rows(40), 0, 40));
    EXPECT_EQ(gInput->Statistik(), 500.0f);
    const std::string header = "Messung vom Montag\r\nT=293K HV=200kV I_Em=12.5uA\r\ni_h=2.1uA u_w=-300V\r\n"
                               "Bemerkungen Probe 7, gekuehlt\r\n";
    EXPECT_TRUE(ReadsParabola(header + Rows(39) + "39,0 500,0 15460", 0, 40)) << "a decimal comma, no final line break";
    EXPECT_EQ(gInput->Temperatur() + "|" + gInput->U_Beschleunigung() + "|" + gInput->I_Em() + "|" + gInput->I_Heiz() +
                  "|" + gInput->U_Wehnelt() + "|" + gInput->Bemerkungen(),
              "Temperatur = 293 Kelvin|Beschleunigungsspannung = 200k V|Emissionsstrom = 12.5 myA|Heizstrom = 2.1 A|"
              "Wehneltspannung = -300 V|Bemerkungen: Probe 7, gekuehlt");
    EXPECT_TRUE(Logged("Beschleunigungsspannung = 200k V"));
    // A negative start is shifted to zero.
    EXPECT_TRUE(ReadsParabola(Rows(40, -5), -5, 40));
    EXPECT_EQ(gInput->Minimum_X(), 0.0f);
}

TEST_F(RawSpectrumTest, BeamCurrentNormalisesToTwentyFiveUnlessTheRowsHaveNone)
{
    std::string rows;  // counts 40 + x at a current of 50 but the row at x = 5 with none
    for (int32_t x = 0; x < 40; ++x)
        rows += std::to_string(x) + "\t1000\t" + std::to_string(40 + x) + (x == 5 ? "\t0\r\n" : "\t50\r\n");
    gOptions->setStrom_Korrektur(true);
    OpenProject("current.dat", rows);
    ASSERT_TRUE(gInput->Spektrum_Oeffnen());
    EXPECT_EQ(gInput->Punkte(), 39);
    EXPECT_NEAR(gInput->Y(1), 2.0f, 1e-4f);
    EXPECT_TRUE(Logged("Stromkorrektur wird durchgeführt"));
    EXPECT_TRUE(ReadsParabola("x\ttime\tcounts\r\n" + Rows(40, 0, "\t"), 0, 40));
    EXPECT_FALSE(gOptions->Strom_Korrektur()) << "three fields switch the correction off";
}

// The spectrum as the averaging writes it: the working curve's x (centred, negative on the left)
// TAB its y, no header.
std::string Bearbeitet(int32_t n, double erstes, double schritt)
{
    std::string text;
    for (int32_t i = 0; i < n; ++i) {
        const auto x = static_cast<float>(erstes + i * schritt);
        text += SingleToStr(x) + "\t" + SingleToStr(static_cast<float>(2.0 * x * x + 50.0)) + "\r\n";
    }
    return text;
}

TEST_F(RawSpectrumTest, EditedSpectrumOfTwoNumbersALineIsTakenAsWrittenOnlyUnderItsOwnExtension)
{
    gOptions->setStrom_Korrektur(true);
    gOptions->setFaktor_X(37.74f);
    OpenProject("probe.elb", Bearbeitet(321, -16.0, 0.1));
    ASSERT_TRUE(gInput->Spektrum_Oeffnen());
    EXPECT_TRUE(gInput->Bearbeitet());
    ASSERT_EQ(gInput->Punkte(), 321);
    EXPECT_NEAR(gInput->Delta_X(), 0.1f, 1e-6f) << "its own step, whatever the x factor";
    EXPECT_FLOAT_EQ(gInput->Minimum_X(), -16.0f) << "no shift to 0";
    EXPECT_NEAR(gInput->Maximum_X(), 16.0f, 1e-4f);
    for (const int32_t i : {1, 100, 161, 321}) {
        const double x = -16.0 + (i - 1) * 0.1;
        EXPECT_NEAR(gInput->Y(i), 2 * x * x + 50, 1e-5 * (2 * x * x + 50)) << "y as written, point " << i;
    }
    EXPECT_EQ(gInput->Statistik(), 0.0f) << "no measuring time";
    EXPECT_TRUE(gOptions->Strom_Korrektur()) << "two numbers say nothing about the beam current";
    EXPECT_FALSE(LoggedPart("Stromkorrektur"));

    // Three numbers a line are a measured spectrum, also under ".elb", and clear the mark again.
    OpenProject("roh.elb", Rows(40, -5));
    ASSERT_TRUE(gInput->Spektrum_Oeffnen());
    EXPECT_FALSE(gInput->Bearbeitet());
    EXPECT_EQ(gInput->Statistik(), 500.0f);
    // Two numbers under another extension are no spectrum: nothing says what they are.
    OpenProject("paare.dat", Bearbeitet(40, -2.0, 0.1));
    EXPECT_FALSE(gInput->Spektrum_Oeffnen());
    EXPECT_FALSE(gInput->Bearbeitet());
    EXPECT_EQ(seam.errorWindows, 1);
}

TEST_F(RawSpectrumTest, UnusableRowsAreSkippedAndAFileWithoutUsableRowsIsReported)
{
    EXPECT_TRUE(ReadsParabola(Rows(10) + "10 500\r\n\r\n11 0 1460\r\n12 500 abc\r\n" + Rows(28, 10) + "Ende\r\n", 0, 38));
    EXPECT_EQ(seam.errorWindows, 0);
    for (const char* bad : {"0 500 100\r\n1 500 200\r\n", "1 0 5\r\n2 0 6\r\n3 0 7\r\n", "Kopf\r\nnur Text\r\n"})
        EXPECT_FALSE(ReadsParabola(bad, 0, 0)) << bad;
    EXPECT_EQ(seam.errorWindows, 3);
    EXPECT_EQ(gError->ErrorFunction(), "Spektrum_Oeffnen");
    EXPECT_EQ(gError->ErrorDescription(), gLanguage->Caption(693) + ": " + PathOf("probe.dat") + " (" +
                                              gLanguage->Caption(694) + ": 0, " + gLanguage->Caption(695) + " 3)");
    EXPECT_FALSE(ReadsParabola(Rows(5001), 0, 0));
    EXPECT_NE(gError->ErrorDescription().find("5000"), std::string::npos) << "more rows than the spline takes";
}

}
