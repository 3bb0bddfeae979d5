#include "CurvesTest.h"

#include <cmath>

namespace {

// A peak of height 1000 and width 3 on a constant 100, at distance d from its centre.
double Peak(double d) { return 100.0 + 1000.0 * std::exp(-d * d / 18.0); }

class FoldingTest : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        OpenProject("probe.dat", "");
        gOptions->setKurveSpeichern(3, true);
    }
    // Loads the raw spectrum of n rows with step 1 / faktor, centred on its middle point.
    void LoadRaw(int32_t n, float faktor)
    {
        OpenProject("raw.dat", RawSpectrum(n));
        gOptions->setFaktor_X(faktor);
        ASSERT_TRUE(gCalc->Beugung_oeffnen());
        OpenProject("probe.dat", "");
    }
    // 1003 points of step 0.1 with the peak centred shift points right of the middle point 502; the
    // values left of the centre are times linksFaktor (the centre itself takes the mean factor).
    static void LoadPeak(int32_t shift, double linksFaktor)
    {
        std::vector<float> values;
        for (int32_t d = 1 - 502 - shift; d <= 1003 - 502 - shift; ++d)
            values.push_back(float((d < 0 ? linksFaktor : d == 0 ? (1.0 + linksFaktor) / 2.0 : 1.0) * Peak(0.1 * d)));
        Load(0.0f, 0.1f, values);
    }
    std::string MittPath() const { return gCommon->Ordner() + gCommon->Dateiname() + ".mitt"; }
};

TEST_F(FoldingTest, FoldingSixPointsReversesTheLeftHalf)
{
    LoadRaw(6, 1.0f);
    ASSERT_EQ(gCalc->Mitte_Index(), 3);
    gCalc->Falten();
    EXPECT_EQ(std::pair(gCalc->X_StartIndex(), gCalc->X_StartIndex_Rechts()), std::pair(3, 3));
    EXPECT_EQ(gCalc->Minimum_X(), 0.0f);
    for (int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(gCalc->yl(i), gCalc->Y(7 - i)) << i;
        EXPECT_EQ(gCalc->YR(i), gCalc->Y(i)) << i;
    }
    EXPECT_EQ(gCalc->yl(0) + gCalc->YR(7), 0.0f);
}

TEST_F(FoldingTest, OneSideOfAThousandAndOnePointsStartsAtTheMiddle)
{
    // Both halves start at the middle point 501, which lies at K = 0 on either side.
    LoadRaw(1001, 10.0f);
    ASSERT_EQ(gCalc->Mitte_Index(), 501);
    const float mitte = gCalc->Y(501);
    gCalc->Falten();
    EXPECT_EQ(std::pair(gCalc->X_StartIndex(), gCalc->X_StartIndex_Rechts()), std::pair(500, 501));
    EXPECT_FLOAT_EQ(gCalc->X_Shifted(501, true), 0.0f);
    EXPECT_FLOAT_EQ(gCalc->X_Shifted(501, false), 0.0f);
    std::vector<float> left;
    for (int32_t i = 501; i <= 1000; ++i) left.push_back(gCalc->yl(i));

    ASSERT_TRUE(gCalc->Mitteln(0));
    EXPECT_EQ(Values(), left) << "yl(501) .. yl(1000): the half's last point is left out";
    EXPECT_EQ(gCalc->Y(1), mitte);
    EXPECT_EQ(CurveGrid(), (Grid{500, 0.1f, 0.0f, gCalc->x(500)}));
    EXPECT_TRUE(gCalc->IstGefaltet());
    EXPECT_TRUE(Logged("Datenpunkte nach Faltung: 500"));
    EXPECT_TRUE(std::filesystem::exists(MittPath()));
}

TEST_F(FoldingTest, ShiftedHalvesAreAveragedAndTheLongerHalfJoinsTheMean)
{
    // The peak lies on the middle point, or 2.0 right or left of it, and the left side counts 20 %
    // more: sliding the halves by the shift lays them on top of each other, their mean is 1.1 times
    // the peak, and the far part that only the longer half has is scaled onto that mean.
    for (int32_t shift : {0, 20, -20}) {
        LoadPeak(shift, 1.2);
        gCalc->Falten();
        gCalc->Verschieben_X_Falten(0.075f * shift);
        gCalc->Verschieben_X_Falten(0.025f * shift);
        ASSERT_TRUE(gCalc->Mitteln(2)) << shift;
        EXPECT_EQ(std::pair(gCalc->X_StartIndex(), gCalc->X_StartIndex_Rechts()), std::pair(502 - shift, 502 + shift));
        ASSERT_EQ(gCalc->Punkte(), 502 + std::abs(shift)) << "equal start indices append nothing to the common points";
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i)
            ASSERT_NEAR(gCalc->Y(i), 1.1 * Peak(0.1 * (i - 1)), 1.1e-3 * Peak(0.1 * (i - 1))) << shift << ", " << i;
        gCalc->Verschieben_X_Falten(-0.1f * shift);
    }
    EXPECT_TRUE(ReadFile(MittPath()).starts_with("0\t"));
    EXPECT_NE(ReadFile(MittPath()).find("\r\n0.1\t"), std::string::npos);
}

TEST_F(FoldingTest, FailedMeanLeavesCurveFlagsAndFilesAlone)
{
    Load(0.0f, 0.1f, {1, 2, 3, 4});  // two common points: too few for the spline
    gCalc->Falten();
    const int32_t startLinks = gCalc->X_StartIndex();
    EXPECT_FALSE(gCalc->Mitteln(2));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "no fit!");
    EXPECT_EQ(Values(), (std::vector<float>{1, 2, 3, 4}));
    EXPECT_FALSE(gCalc->IstGefaltet());
    EXPECT_EQ(gCalc->X_StartIndex(), startLinks);
    EXPECT_EQ(gCalc->yl(1), 4.0f);
    EXPECT_FALSE(std::filesystem::exists(MittPath()));
    EXPECT_FALSE(LoggedPart("Datenpunkte nach Faltung"));
}

TEST_F(FoldingTest, LeadingLowValuesAreDroppedAndTheRestKeepsItsPlace)
{
    Load(0.0f, 0.5f, {5, 50, 150, 160, 170});
    gCalc->NullWerte();
    // 150 and 160 are the first neighbours above 100 within 10 % of each other.
    EXPECT_EQ(Values(), (std::vector<float>{160, 170}));
    EXPECT_EQ(gCalc->x(1), 1.5f) << "the kept points stay at their own x";
    Load(0.0f, 0.5f, {5, 100, 100, 90});
    gCalc->NullWerte();
    EXPECT_EQ(gCalc->Punkte(), 4);
}

TEST_F(FoldingTest, MirroringDoublesTheCurve)
{
    Load(0.5f, 0.1f, {1, 2, 3});
    gCalc->Faltung_Spiegeln();
    EXPECT_EQ(Values(), (std::vector<float>{3, 2, 1, 1, 2, 3}));
    EXPECT_EQ(gCalc->Minimum_X(), 0.5f);
}

}
