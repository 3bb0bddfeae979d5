#include "curves/clsInput.h"

#include "CurvesTest.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/cls_Y.h"

#include <cmath>
#include <vector>

namespace {

// Rows "x time counts" for x = first, first + 1, ...; counts such that y = counts / time * 100 is 2 x^2 + 50.
std::string Rows(int32_t n, int32_t first = 0, const char* separator = " ")
{
    std::string text;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t x = first + i;
        text += std::to_string(x) + separator + "500" + separator + std::to_string(10 * x * x + 250) + "\r\n";
    }
    return text;
}

float Expected(double x) { return float(2 * x * x + 50); }

class RawSpectrumTest : public CurvesTest {
protected:
    bool Read(const std::string& content, const std::string& name = "probe.dat")
    {
        OpenProject(WriteFile(name, content));
        return gInput->Spektrum_Oeffnen();
    }
    // The resampled curve follows y = 2 x^2 + 50 from x = first on (the grid step is nearly 1).
    static void ExpectParabola(int32_t first, int32_t points)
    {
        ASSERT_EQ(gInput->Punkte(), points);
        for (int32_t i = 1; i <= points; ++i)
            EXPECT_NEAR(gInput->Y(i), Expected(first + (i - 1) * double(gInput->Delta_X())), 0.01) << "point " << i;
    }
    void ExpectReported(const std::string& descriptionPart)
    {
        EXPECT_EQ(seam.errorWindows, 1);
        EXPECT_EQ(gError->ErrorModul(), "clsInput");
        EXPECT_EQ(gError->ErrorFunction(), "Spektrum_Oeffnen");
        EXPECT_NE(gError->ErrorDescription().find(descriptionPart), std::string::npos) << gError->ErrorDescription();
    }
};

TEST_F(RawSpectrumTest, FileWithoutHeaderIsReadWhole)
{
    ASSERT_TRUE(Read(Rows(40)));
    ExpectParabola(0, 40);
    EXPECT_EQ(gInput->Statistik(), 500.0f);
    EXPECT_EQ(gInput->Minimum_Y(), 50.0f);
    EXPECT_EQ(gInput->Maximum_Y(), Expected(39));
    EXPECT_EQ(gInput->Dateiname(), gCommon->Dateiname_Rohdaten());
    EXPECT_EQ(seam.errorWindows, 0);

    cls_Y copy;
    copy.setAnzahl(gInput->Punkte());
    copy.CopyArrayFromInput();
    EXPECT_EQ(copy.Y(40), gInput->Y(40));
    copy.setAnzahl(10);
    EXPECT_THROW(copy.CopyArrayFromInput(), std::exception);
}

TEST_F(RawSpectrumTest, HeaderKeysGiveTheMeasuringConditions)
{
    const std::string header = "Messung vom Montag\r\n"
                               "T=293K HV=200kV I_Em=12.5uA\r\n"
                               "i_h=2.1uA u_w=-300V\r\n"
                               "Bemerkungen Probe 7, gekuehlt\r\n";
    ASSERT_TRUE(Read(header + Rows(40)));
    ExpectParabola(0, 40);
    EXPECT_EQ(gInput->Temperatur(), "Temperatur = 293 Kelvin");
    EXPECT_EQ(gInput->U_Beschleunigung(), "Beschleunigungsspannung = 200k V");
    EXPECT_EQ(gInput->I_Em(), "Emissionsstrom = 12.5 myA");
    EXPECT_EQ(gInput->I_Heiz(), "Heizstrom = 2.1 A");
    EXPECT_EQ(gInput->U_Wehnelt(), "Wehneltspannung = -300 V");
    EXPECT_EQ(gInput->Bemerkungen(), "Bemerkungen: Probe 7, gekuehlt");
    EXPECT_TRUE(Logged("Temperatur = 293 Kelvin"));
    EXPECT_TRUE(Logged("Beschleunigungsspannung = 200k V"));

    // A key without its end mark is ignored; texts missing in the next file stay.
    ASSERT_TRUE(Read("Probe bei t=300k\r\n" + Rows(10), "next.dat"));
    EXPECT_EQ(gInput->Temperatur(), "Temperatur = 293 Kelvin");
    EXPECT_EQ(gInput->U_Beschleunigung(), "Beschleunigungsspannung = 200k V");
}

TEST_F(RawSpectrumTest, NegativeStartIsShiftedToZero)
{
    ASSERT_TRUE(Read(Rows(40, -5)));
    // The grid starts at the first x read, whatever it is; the values follow the rows.
    ASSERT_EQ(gInput->Punkte(), 40);
    EXPECT_NEAR(gInput->Y(1), Expected(-5), 0.01);
    EXPECT_NEAR(gInput->Y(6), Expected(0), 0.01);
    EXPECT_NEAR(gInput->Y(40), Expected(34), 0.05);
}

TEST_F(RawSpectrumTest, TabSeparatedRowsWithoutCurrentSwitchTheCorrectionOff)
{
    gOptions->setStrom_Korrektur(true);
    ASSERT_TRUE(Read("x\ttime\tcounts\r\n" + Rows(40, 0, "\t")));
    EXPECT_FALSE(gOptions->Strom_Korrektur());
    ExpectParabola(0, 40);
    EXPECT_TRUE(Logged("Stromkorrektur möglich"));
    EXPECT_FALSE(Logged("Stromkorrektur wird durchgeführt"));
}

TEST_F(RawSpectrumTest, BeamCurrentNormalisesToTwentyFive)
{
    std::string rows;
    for (int32_t x = 0; x < 40; ++x) rows += std::to_string(x) + "\t1000\t" + std::to_string(40 + x) + "\t25\r\n";
    gOptions->setStrom_Korrektur(true);
    ASSERT_TRUE(Read(rows));
    EXPECT_TRUE(Logged("Stromkorrektur wird durchgeführt"));
    EXPECT_NEAR(gInput->Y(1), 4.0f, 1e-4f);
    EXPECT_NEAR(gInput->Y(11), 5.0f, 1e-4f);

    std::string doubled;
    for (int32_t x = 0; x < 40; ++x) doubled += std::to_string(x) + "\t1000\t" + std::to_string(40 + x) + "\t50\r\n";
    ASSERT_TRUE(Read(doubled, "doubled.dat"));
    EXPECT_NEAR(gInput->Y(1), 2.0f, 1e-4f);
}

TEST_F(RawSpectrumTest, LastLineWithoutLineBreakAndDecimalCommaAreRead)
{
    std::string rows = Rows(39);
    rows += "39,0 500,0 15460";
    ASSERT_TRUE(Read(rows));
    ExpectParabola(0, 40);
}

TEST_F(RawSpectrumTest, UnusableRowsAreSkipped)
{
    std::string rows = Rows(10) + "10 500\r\n" + "\r\n" + "11 0 1460\r\n" + "12 500 abc\r\n" + Rows(28, 10) +
                       "Ende der Messung\r\n";
    ASSERT_TRUE(Read(rows));
    ExpectParabola(0, 38);
    EXPECT_EQ(seam.errorWindows, 0);

    std::string noCurrent;
    for (int32_t x = 0; x < 40; ++x)
        noCurrent += std::to_string(x) + "\t1000\t" + std::to_string(40 + x) + (x == 5 ? "\t0" : x == 6 ? "" : "\t25") + "\r\n";
    gOptions->setStrom_Korrektur(true);
    ASSERT_TRUE(Read(noCurrent, "current.dat"));
    EXPECT_EQ(gInput->Punkte(), 38);
}

TEST_F(RawSpectrumTest, FileWithoutUsableRowsIsReported)
{
    EXPECT_FALSE(Read("Kopf\r\nnur Text\r\n"));
    ExpectReported("No usable data");
    EXPECT_FALSE(Read("1 0 5\r\n2 0 6\r\n3 0 7\r\n", "zero.dat"));
    EXPECT_EQ(seam.errorWindows, 2);
    EXPECT_FALSE(Read("0 500 100\r\n1 500 200\r\n", "two.dat"));
    EXPECT_EQ(seam.errorWindows, 3);
}

TEST_F(RawSpectrumTest, MissingFileIsReportedByTheFileHandler)
{
    OpenProject((env.Root() / "missing.dat").string());
    EXPECT_FALSE(gInput->Spektrum_Oeffnen());
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorModul(), "clsFileHandler");
}

TEST_F(RawSpectrumTest, MoreRowsThanTheSplineTakesAreReported)
{
    ASSERT_TRUE(Read(Rows(5000)));
    EXPECT_EQ(gInput->Punkte(), 5000);
    EXPECT_FALSE(Read(Rows(5001), "long.dat"));
    ExpectReported("5000");
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
    EXPECT_FLOAT_EQ(gInput->Maximum_X(), 2.9f);
    for (int32_t i = 1; i <= 9; ++i) EXPECT_NEAR(gInput->Y(i), 1000.0f, 5.0f) << "point " << i;

    panel.x.resize(1);
    panel.y.resize(1);
    EXPECT_FALSE(gInput->Spektrum_Oeffnen());
    EXPECT_EQ(seam.errorWindows, 1);
}

}
