#include "curves/clsCalc.h"

#include "CurvesTest.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

// A raw spectrum of n rows 1 apart, time 1000 ms, counts 10 (i + 1)^2.
std::string RawSpectrum(int32_t n)
{
    std::string text;
    for (int32_t i = 0; i < n; ++i) text += std::to_string(i) + " 1000 " + std::to_string(10 * (i + 1) * (i + 1)) + "\r\n";
    return text;
}

// A peak of height 1000 and width 3 on a constant 100, at distance d from its centre.
double Peak(double d) { return 100.0 + 1000.0 * std::exp(-d * d / 18.0); }

class FoldingTest : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        OpenProject(WriteFile("probe.dat", ""));
        gOptions->setKurveSpeichern(3, true);
    }

    // Loads a raw spectrum of n rows with step 1 / faktor, centred on its middle point.
    void LoadRaw(int32_t n, float faktor)
    {
        OpenProject(WriteFile("raw.dat", RawSpectrum(n)));
        gOptions->setFaktor_X(faktor);
        ASSERT_TRUE(gCalc->Beugung_oeffnen());
        OpenProject(WriteFile("probe.dat", ""));
    }

    // The curve values at x = 0, step 0.1.
    static void SetCurve(const std::vector<double>& values)
    {
        gCalc->Punkte_Loeschen();
        for (double value : values) gCalc->Punkte_Plus(0.0f, float(value));
        gCalc->setMinimum_X(0.0f);
        gCalc->setSchrittweite(0.1f);
        gCalc->setMaximum_X(gCalc->x(gCalc->Punkte()));
    }

    // 1003 points of step 0.1 with the peak centred shift points right of the middle point 502;
    // the values left of the centre are times linksFaktor (the centre itself takes the mean factor).
    static void SetPeakSpectrum(int32_t shift, double linksFaktor)
    {
        std::vector<double> values;
        for (int32_t i = 1; i <= 1003; ++i) {
            const int32_t d = i - (502 + shift);
            const double faktor = d < 0 ? linksFaktor : d == 0 ? (1.0 + linksFaktor) / 2.0 : 1.0;
            values.push_back(faktor * Peak(0.1 * d));
        }
        SetCurve(values);
    }

    std::string MittPath() const { return gCommon->Ordner() + gCommon->Dateiname() + ".mitt"; }
};

TEST_F(FoldingTest, FoldingSixPointsReversesTheLeftHalf)
{
    LoadRaw(6, 1.0f);
    ASSERT_EQ(gCalc->Mitte_Index(), 3);
    ASSERT_LT(gCalc->Minimum_X(), 0.0f);
    gCalc->Falten();
    EXPECT_EQ(gCalc->X_StartIndex(), 3);
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 3);
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_EQ(gCalc->Punkte(), 6);
    for (int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(gCalc->yl(i), gCalc->Y(7 - i)) << i;
        EXPECT_EQ(gCalc->YR(i), gCalc->Y(i)) << i;
    }
    EXPECT_EQ(gCalc->yl(0), 0.0f);
    EXPECT_EQ(gCalc->YR(7), 0.0f);

    gCalc->Punkte_Loeschen();
    EXPECT_EQ(gCalc->yl(1), 0.0f);
    EXPECT_EQ(gCalc->YR(1), 0.0f);
}

TEST_F(FoldingTest, OneSideOfAThousandAndOnePointsStartsAtTheMiddle)
{
    LoadRaw(1001, 10.0f);
    ASSERT_EQ(gCalc->Schrittweite(), 0.1f);
    ASSERT_EQ(gCalc->Mitte_Index(), 500);
    gCalc->Falten();
    EXPECT_EQ(gCalc->X_StartIndex(), 501);
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 500);
    // The halves' scales are centred on x(500) = 49.9 (500.5 rounds to the even 500).
    EXPECT_FLOAT_EQ(gCalc->X_Shifted(500, true), 0.0f);
    std::vector<float> left;
    for (int32_t i = 500; i <= 1000; ++i) left.push_back(gCalc->yl(i));

    ASSERT_TRUE(gCalc->Mitteln(0));
    EXPECT_EQ(gCalc->X_StartIndex(), 500);
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 500);
    // yl(500) .. yl(1000): the half's last point is left out.
    ASSERT_EQ(gCalc->Punkte(), 501);
    for (int32_t i = 1; i <= 501; ++i) ASSERT_EQ(gCalc->Y(i), left[size_t(i - 1)]) << i;
    EXPECT_TRUE(gCalc->IstGefaltet());
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    EXPECT_EQ(gCalc->Maximum_X(), gCalc->x(501));
    EXPECT_EQ(gCalc->Maximum_Y(), gCalc->Y(1));
    EXPECT_EQ(gCalc->Minimum_Y(), gCalc->Y(501) / 2.0f);
    EXPECT_EQ(gCalc->yl(1), 0.0f);
    EXPECT_TRUE(Logged("linke Seite gewählt"));
    EXPECT_TRUE(Logged("Datenpunkte nach Faltung: 501"));
    EXPECT_TRUE(std::filesystem::exists(MittPath()));
}

TEST_F(FoldingTest, RightSideTakesTheCopyFromTheMiddle)
{
    SetPeakSpectrum(0, 1.0);
    gCalc->Falten();
    ASSERT_TRUE(gCalc->Mitteln(1));
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 502);
    ASSERT_EQ(gCalc->Punkte(), 1003 - 502);
    EXPECT_FLOAT_EQ(gCalc->Y(1), float(Peak(0.0)));
    EXPECT_FLOAT_EQ(gCalc->Y(11), float(Peak(1.0)));
    EXPECT_TRUE(Logged("rechte Seite gewählt"));
}

TEST_F(FoldingTest, MeanOfSymmetricHalvesGivesTheHalfFromZero)
{
    SetPeakSpectrum(0, 1.0);
    gCalc->Falten();
    ASSERT_TRUE(gCalc->Mitteln(2));
    // Equal start indices: nothing is appended to the common points.
    ASSERT_EQ(gCalc->Punkte(), 502);
    EXPECT_EQ(gCalc->Schrittweite(), 0.1f);
    for (int32_t i = 1; i <= gCalc->Punkte(); ++i)
        ASSERT_NEAR(gCalc->Y(i), Peak(0.1 * (i - 1)), 1e-3 * Peak(0.1 * (i - 1))) << "K = " << gCalc->x(i);
    EXPECT_TRUE(Logged("Mittelung beider Seiten gewählt"));
    const std::string file = ReadFile(MittPath());
    EXPECT_TRUE(file.starts_with("0\t")) << file.substr(0, 40);
    EXPECT_NE(file.find("\r\n0.1\t"), std::string::npos);
}

TEST_F(FoldingTest, ShiftedHalvesAreAveragedAndTheLongerHalfJoinsTheMean)
{
    // The peak lies 2.0 right (or left) of the middle and the left side counts 20 % more: sliding
    // the halves by 2.0 (or -2.0) lays them on top of each other, their mean is 1.1 times the peak,
    // and the far part that only the longer half has is scaled onto that mean.
    for (int32_t shift : {20, -20}) {
        SetPeakSpectrum(shift, 1.2);
        gCalc->Falten();
        gCalc->Verschieben_X_Falten(0.075f * shift);
        gCalc->Verschieben_X_Falten(0.025f * shift);
        ASSERT_TRUE(gCalc->Mitteln(2)) << shift;
        EXPECT_EQ(gCalc->X_StartIndex(), 502 - shift);
        EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 502 + shift);
        ASSERT_EQ(gCalc->Punkte(), 522) << shift;
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i) {
            const double expected = 1.1 * Peak(0.1 * (i - 1));
            ASSERT_NEAR(gCalc->Y(i), expected, 1e-3 * expected) << "shift " << shift << ", K = " << gCalc->x(i);
        }
        gCalc->Verschieben_X_Falten(-0.1f * shift);
    }
}

TEST_F(FoldingTest, FailedMeanLeavesCurveFlagsAndFilesAlone)
{
    // Four points leave two common points: too few for the spline.
    SetCurve({1, 2, 3, 4});
    gCalc->Falten();
    const int32_t startLinks = gCalc->X_StartIndex();
    EXPECT_FALSE(gCalc->Mitteln(2));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "no fit!");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::OK);
    EXPECT_EQ(gCalc->Punkte(), 4);
    EXPECT_EQ(gCalc->Y(4), 4.0f);
    EXPECT_FALSE(gCalc->IstGefaltet());
    EXPECT_EQ(gCalc->X_StartIndex(), startLinks);
    EXPECT_EQ(gCalc->yl(1), 4.0f);
    EXPECT_FALSE(std::filesystem::exists(MittPath()));
    EXPECT_FALSE(LoggedPart("Datenpunkte nach Faltung"));
}

TEST_F(FoldingTest, AveragingThatCannotStartIsReportedAndChangesNothing)
{
    SetCurve({1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(gCalc->Mitteln(0));
    EXPECT_EQ(gError->ErrorFunction(), "Mitteln");
    EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript) << "no halves";

    gCalc->Falten();
    EXPECT_FALSE(gCalc->Mitteln(3));
    EXPECT_EQ(gError->ErrorNumber(), rt::errInvalidCall);
    // The left half slid so far that it has no point at x = 0.
    gCalc->Verschieben_X_Falten(1.0f);
    EXPECT_FALSE(gCalc->Mitteln(0));
    EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript);

    EXPECT_EQ(seam.errorWindows, 3);
    EXPECT_EQ(gCalc->Punkte(), 6);
    EXPECT_FALSE(gCalc->IstGefaltet());
    EXPECT_FALSE(std::filesystem::exists(MittPath()));
}

TEST_F(FoldingTest, LeadingLowValuesAreDroppedAndTheRestKeepsItsPlace)
{
    SetCurve({5, 50, 150, 160, 170});
    gCalc->setSchrittweite(0.5f);
    gCalc->NullWerte();
    // 150 and 160 are the first neighbours above 100 within 10 % of each other.
    ASSERT_EQ(gCalc->Punkte(), 2);
    EXPECT_EQ(gCalc->Y(1), 160.0f);
    EXPECT_EQ(gCalc->Y(2), 170.0f);
    EXPECT_EQ(gCalc->x(1), 1.5f);
    EXPECT_EQ(gCalc->x(2), 2.0f);

    SetCurve({5, 100, 100, 90});
    gCalc->NullWerte();
    EXPECT_EQ(gCalc->Punkte(), 4);
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
}

TEST_F(FoldingTest, MirroringDoublesTheCurve)
{
    SetCurve({1, 2, 3});
    gCalc->setMinimum_X(0.5f);
    gCalc->Faltung_Spiegeln();
    ASSERT_EQ(gCalc->Punkte(), 6);
    const float expected[] = {3, 2, 1, 1, 2, 3};
    for (int32_t i = 1; i <= 6; ++i) EXPECT_EQ(gCalc->Y(i), expected[i - 1]) << i;
    EXPECT_EQ(gCalc->Minimum_X(), 0.5f);
    EXPECT_EQ(gCalc->yl(1), 0.0f);
}

TEST_F(FoldingTest, MovingTheRangePassesOverflowOnUnchanged)
{
    gCalc->setX_StartIndex(10);
    gCalc->setX_StartIndex_Rechts(20);
    gCalc->Verschieben_X(3);
    EXPECT_EQ(gCalc->X_StartIndex(), 13);
    EXPECT_EQ(gCalc->X_StartIndex_Rechts(), 17);

    gCalc->setX_StartIndex_Rechts(std::numeric_limits<int32_t>::min());
    try {
        gCalc->Verschieben_X(1);
        FAIL() << "no overflow";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), rt::errOverflow);
    }
    EXPECT_EQ(gCalc->X_StartIndex(), 13);
}

}
