#include "CurvesTest.h"

namespace {

// Rows "x time counts" for x = first, first + 1, ...; counts such that y = counts / time * 100 is 2 x^2 + 50.
std::string Rows(int32_t n, int32_t first = 0, const char* separator = " ")
{
    std::string text;
    for (int32_t x = first; x < first + n; ++x)
        text += std::to_string(x) + separator + "500" + separator + std::to_string(10 * x * x + 250) + "\r\n";
    return text;
}

// Rows "x TAB 1000 TAB counts TAB current" with the given currents, counts 40 + x.
std::string RowsWithCurrent(const std::vector<std::string>& currents)
{
    std::string text;
    for (size_t x = 0; x < currents.size(); ++x) text += std::to_string(x) + "\t1000\t" + std::to_string(40 + x) + currents[x] + "\r\n";
    return text;
}

class RawSpectrumTest : public CurvesTest {
protected:
    bool Read(const std::string& content, const std::string& name = "probe.dat")
    {
        OpenProject(name, content);
        return gInput->Spektrum_Oeffnen();
    }
    // The resampled curve follows y = 2 x^2 + 50 from x = first on (the grid step is nearly 1).
    static void ExpectParabola(int32_t first, int32_t points)
    {
        ASSERT_EQ(gInput->Punkte(), points);
        for (int32_t i = 1; i <= points; ++i) {
            const double x = first + (i - 1) * double(gInput->Delta_X());
            EXPECT_NEAR(gInput->Y(i), 2 * x * x + 50, 0.05) << "point " << i;
        }
    }
};

TEST_F(RawSpectrumTest, HeaderKeysGiveTheMeasuringConditionsAndTheRowsTheCurve)
{
    ASSERT_TRUE(Read(Rows(40)));
    ExpectParabola(0, 40);
    EXPECT_EQ(gInput->Statistik(), 500.0f);
    const std::string header = "Messung vom Montag\r\nT=293K HV=200kV I_Em=12.5uA\r\ni_h=2.1uA u_w=-300V\r\n"
                               "Bemerkungen Probe 7, gekuehlt\r\n";
    ASSERT_TRUE(Read(header + Rows(39) + "39,0 500,0 15460", "header.dat")) << "a decimal comma, no final line break";
    ExpectParabola(0, 40);
    EXPECT_EQ(gInput->Temperatur() + "|" + gInput->U_Beschleunigung() + "|" + gInput->I_Em() + "|" + gInput->I_Heiz() +
                  "|" + gInput->U_Wehnelt() + "|" + gInput->Bemerkungen(),
              "Temperatur = 293 Kelvin|Beschleunigungsspannung = 200k V|Emissionsstrom = 12.5 myA|Heizstrom = 2.1 A|"
              "Wehneltspannung = -300 V|Bemerkungen: Probe 7, gekuehlt");
    EXPECT_TRUE(Logged("Temperatur = 293 Kelvin"));
    EXPECT_TRUE(Logged("Beschleunigungsspannung = 200k V"));
    ASSERT_TRUE(Read("Probe bei t=300k\r\n" + Rows(10), "next.dat")) << "a key without its end mark is ignored";
    EXPECT_EQ(gInput->Temperatur(), "Temperatur = 293 Kelvin");
}

TEST_F(RawSpectrumTest, NegativeStartIsShiftedToZero)
{
    ASSERT_TRUE(Read(Rows(40, -5)));
    ExpectParabola(-5, 40);
    EXPECT_EQ(gInput->Minimum_X(), 0.0f);
}

TEST_F(RawSpectrumTest, BeamCurrentNormalisesToTwentyFiveUnlessTheRowsHaveNone)
{
    gOptions->setStrom_Korrektur(true);
    ASSERT_TRUE(Read(RowsWithCurrent(std::vector<std::string>(40, "\t50"))));
    EXPECT_TRUE(Logged("Stromkorrektur wird durchgeführt"));
    EXPECT_NEAR(gInput->Y(1), 2.0f, 1e-4f);
    EXPECT_NEAR(gInput->Y(11), 2.5f, 1e-4f);
    ASSERT_TRUE(Read("x\ttime\tcounts\r\n" + Rows(40, 0, "\t"), "three.dat"));
    EXPECT_FALSE(gOptions->Strom_Korrektur());
    ExpectParabola(0, 40);
    EXPECT_TRUE(Logged("Stromkorrektur möglich"));
}

TEST_F(RawSpectrumTest, UnusableRowsAreSkippedAndAFileWithoutUsableRowsIsReported)
{
    ASSERT_TRUE(Read(Rows(10) + "10 500\r\n\r\n11 0 1460\r\n12 500 abc\r\n" + Rows(28, 10) + "Ende der Messung\r\n"));
    ExpectParabola(0, 38);
    std::vector<std::string> currents(40, "\t25");
    currents[5] = "\t0", currents[6] = "";
    gOptions->setStrom_Korrektur(true);
    ASSERT_TRUE(Read(RowsWithCurrent(currents), "current.dat"));
    EXPECT_EQ(gInput->Punkte(), 38);
    EXPECT_EQ(seam.errorWindows, 0);

    EXPECT_FALSE(Read("Kopf\r\nnur Text\r\n"));
    EXPECT_EQ(gError->ErrorModul() + "." + gError->ErrorFunction(), "clsInput.Spektrum_Oeffnen");
    EXPECT_NE(gError->ErrorDescription().find("No usable data"), std::string::npos) << gError->ErrorDescription();
    EXPECT_FALSE(Read("1 0 5\r\n2 0 6\r\n3 0 7\r\n", "zero.dat"));
    EXPECT_FALSE(Read("0 500 100\r\n1 500 200\r\n", "two.dat"));
    EXPECT_EQ(seam.errorWindows, 3);
}

TEST_F(RawSpectrumTest, MoreRowsThanTheSplineTakesAreReported)
{
    ASSERT_TRUE(Read(Rows(5000)));
    EXPECT_FALSE(Read(Rows(5001), "long.dat"));
    EXPECT_NE(gError->ErrorDescription().find("5000"), std::string::npos) << gError->ErrorDescription();
}

TEST_F(RawSpectrumTest, DigitisedPointsAreExtendedToZero)
{
    PanelPoints panel;
    for (int32_t i = 0; i < 30; ++i) {
        panel.x.push_back(0.8f + 0.4f * i);
        panel.y.push_back(1000.0f - 10.0f * i);
    }
    gCommon->setProjektTyp(PT_Bild_Digitalisieren);
    ASSERT_TRUE(gInput->Spektrum_Oeffnen());
    EXPECT_EQ(gInput->Punkte(), 30);
    EXPECT_EQ(gInput->Delta_X(), 0.1f);
    EXPECT_EQ(gInput->Minimum_X(), 0.0f);
    for (int32_t i = 1; i <= 9; ++i) EXPECT_NEAR(gInput->Y(i), 1000.0f, 5.0f) << "point " << i;
    panel.x.resize(1);
    EXPECT_FALSE(gInput->Spektrum_Oeffnen());
}

}
