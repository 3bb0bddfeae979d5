// G(r) itself: the computation with the first peak and the density line it finds, the ".Gr0" file
// of the first transform after each I(K), the density from the line and the transform size.
#include "AnalysisFixture.h"

#include "analysis/TransformGroesse.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"

#include <filesystem>
#include <fstream>
#include <limits>

class GRTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
        gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
        gCommon->setOrdner(env.Root().string());
        WellenpaketIK(10.0);
    }
    std::filesystem::path Gr0() const { return env.Root() / "probe.Gr0"; }
};

TEST_F(GRTest, FirstPeakAndDensityLineBelongToEachComputation)
{
    // The wave packet about K = 10 1/nm is highest near r = 3π/20, after its minimum near π/20.
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_EQ(gGR->Punkte(), 1000);
    EXPECT_NEAR(gGR->R(gGR->First_Peak_Index()), 3.0 * kPi / 20.0, 0.01);
    EXPECT_NEAR(gGR->R(gGR->Dichte_Exp_Index()), kPi / 20.0, 0.01);

    // A G(r) without a value above 0 has no first peak, and its line gives no density: the line
    // and the density of the earlier G(r) stay, silently.
    const int32_t index = gGR->Dichte_Exp_Index();
    const float dichte = gMFE->Dichte_Experimentell();
    ASSERT_GT(dichte, 0.0f);
    SetIK(std::vector<float>(1500, 0.0f));
    gIK->setFTR_Index(1500);
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_EQ(gGR->First_Peak_Index(), 0);
    EXPECT_EQ(gGR->Dichte_Exp_Index(), index);
    EXPECT_EQ(gMFE->Dichte_Experimentell(), dichte);
    EXPECT_EQ(gGR->Raumerfuellung(), 0.0f);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(GRTest, ADensityLineIntoTheFirstPeakIsRefusedAndTheDensityStays)
{
    ASSERT_TRUE(gGR->Berechnen());
    const int32_t index = gGR->Dichte_Exp_Index();
    const float dichte = gMFE->Dichte_Experimentell();
    const float abweichung = gGR->Ausgleich_Abweichung();
    ASSERT_GT(dichte, 0.0f);
    gGespeichert = true;
    // Up to the first peak the line through the origin rises: no density.
    EXPECT_FALSE(gGR->setDichte_Exp_Index(gGR->First_Peak_Index()));
    EXPECT_EQ(gGR->Dichte_Exp_Index(), index);
    EXPECT_EQ(gMFE->Dichte_Experimentell(), dichte);
    EXPECT_EQ(gGR->Ausgleich_Abweichung(), abweichung);
    EXPECT_TRUE(gGespeichert) << "nothing changed";

    // A line that gives no finite density is refused just the same.
    gGR->Set_Y(2, std::numeric_limits<float>::quiet_NaN());
    EXPECT_FALSE(gGR->setDichte_Exp_Index(index));
    EXPECT_EQ(gMFE->Dichte_Experimentell(), dichte);
    gGR->Set_Y(2, -std::numeric_limits<float>::infinity());
    EXPECT_FALSE(gGR->setDichte_Exp_Index(index));
    EXPECT_EQ(gMFE->Dichte_Experimentell(), dichte);
    EXPECT_TRUE(seam.messages.empty()) << "the model says nothing; the diagram's click does";
}

TEST_F(GRTest, FirstGrOfEachIKIsSavedOnceAndOnlyWithItsOption)
{
    gOptions->setKurveSpeichern(KT_GR_Erste, false);
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_FALSE(std::filesystem::exists(Gr0()));

    gOptions->setKurveSpeichern(KT_GR_Erste, true);
    gGR->setAnzahl_FFT(0);  // as a new I(K) leaves it
    ASSERT_TRUE(gGR->Berechnen());
    std::ifstream datei(Gr0());
    std::string zeile;
    int32_t zeilen = 0;
    for (std::string z; std::getline(datei, z); ++zeilen) if (zeilen == 1) zeile = z;
    EXPECT_EQ(zeilen, 1000);
    EXPECT_EQ(zeile.substr(0, 10), "0.00383495");

    std::filesystem::remove(Gr0());
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_FALSE(std::filesystem::exists(Gr0()));
    gGR->Clear();
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_TRUE(std::filesystem::exists(Gr0()));
}

TEST_F(GRTest, DensityLineSetsTheExperimentalDensity)
{
    // A pure line G(r) = −4π·60·r gives its density back; the last point is kept inside G(r).
    gGR->setPunkte(1000);
    for (int32_t i = 1; i <= 1000; ++i) gGR->Set_Y(i, static_cast<float>(-4.0 * kPi * 60.0 * gGR->R(i)));
    gGR->setDichte_Exp_Index(30);
    EXPECT_NEAR(gMFE->Dichte_Experimentell(), 60.0, 1e-4);
    EXPECT_NEAR(gGR->Ausgleich_Abweichung(), 0.0, 1e-3);
    gGR->setDichte_Exp_Index(5000);
    EXPECT_EQ(gGR->Dichte_Exp_Index(), 1000);
}

TEST_F(GRTest, ANewTransformSizeSetsUpTheTransformAndMarksGrStale)
{
    ASSERT_TRUE(gGR->Berechnen());
    FFT_Bits_Setzen(14);
    EXPECT_FALSE(gGR->Veraltet());
    FFT_Bits_Setzen(10);
    EXPECT_EQ(gFFT->Anzahl_FFT(), 0);
    EXPECT_TRUE(gGR->Veraltet());
    EXPECT_NEAR(gGR->R(2), 16.0 * 0.0038350, 1e-6);

    // The transform now carries 512 r points.
    gIK->setFTR_Index(500);
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_EQ(gGR->Punkte(), 512);

    // Bits beyond the offered range leave the size as it was.
    FFT_Bits_Setzen(25);
    EXPECT_EQ(gOptions->FFT_Bits(), 10);
}
