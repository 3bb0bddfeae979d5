// The background: support points and their fit under the working curve, the hit test and the
// deletion of points, and the three background files written and read back.
#include "AnalysisFixture.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "curves/clsCalc.h"
#include "curves/modString.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

// J(K) on K = 0, 0.1, ..., 19.9: a falling background under a small oscillation.
constexpr int32_t kPunkte = 200;

float Spektrum(double k) { return static_cast<float>(300.0 + 2000.0 * std::exp(-k / 3.0) + 20.0 * std::sin(3.0 * k)); }

float Gerade(double k) { return static_cast<float>(300.0 + 10.0 * k); }

}

class UntergrundTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gCalc = std::make_unique<clsCalc>();
        for (int32_t i = 1; i <= kPunkte; ++i) gCalc->Punkte_Plus(0.1f * (i - 1), Spektrum(0.1 * (i - 1)));
        gCalc->setMaximum_X(gCalc->x(kPunkte));
        gCommon->setEnable_Record(true);
    }
    void TearDown() override
    {
        gCalc.reset();
        AnalysisFixture::TearDown();
    }
    static void AddPoints(std::initializer_list<float> ks, float (*u)(double))
    {
        for (const float k : ks) gUntergrund->Plus_Punkt(k, u(k));
    }
    std::string Path(const std::string& name) const { return (env_.Root() / name).string(); }
    std::string Text(const std::string& name) const
    {
        std::ifstream in(env_.Root() / name, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void Put(const std::string& name, const std::string& text) const
    {
        std::ofstream(env_.Root() / name, std::ios::binary) << text;
    }
};

TEST_F(UntergrundTest, FourPointsMakeTheFirstFitOnTheGridOfTheSpectrumAndTenMore)
{
    AddPoints({2.0f, 6.0f, 12.0f}, Gerade);
    EXPECT_TRUE(gUntergrund->Fit_OK());
    EXPECT_EQ(gUntergrund->Anzahl_Fit(), 0);
    EXPECT_EQ(gUntergrund->Y(10), 0.0f);

    AddPoints({17.0f}, Gerade);
    ASSERT_TRUE(gUntergrund->Fit_OK());
    ASSERT_EQ(gUntergrund->Anzahl_Fit(), kPunkte + 10);
    for (int32_t i = 1; i <= kPunkte + 10; ++i) EXPECT_NEAR(gUntergrund->x(i), 0.1 * (i - 1), 1e-4);
    EXPECT_EQ(gUntergrund->Y(kPunkte + 11), 0.0f);
}

TEST_F(UntergrundTest, PointsInAnyOrderAreSortedAndTheFitPassesNearThem)
{
    AddPoints({12.0f, 2.0f, 17.0f, 6.0f, 9.0f, 0.5f}, Gerade);
    const std::vector<float> sorted = {0.5f, 2.0f, 6.0f, 9.0f, 12.0f, 17.0f};
    ASSERT_EQ(gUntergrund->Anzahl(), 6);
    for (int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(gUntergrund->UX(i), sorted[size_t(i - 1)]);
        EXPECT_EQ(gUntergrund->UY(i), Gerade(sorted[size_t(i - 1)]));
    }
    EXPECT_EQ(gUntergrund->Minimum(), Gerade(0.5));
    EXPECT_EQ(gUntergrund->Maximum(), Gerade(17.0));
    // With 1 % uncertainty a smooth background is met within a few per cent between its points.
    // With 1 % uncertainty the fit passes within a few per cent of every point.
    for (const float k : sorted) EXPECT_NEAR(gUntergrund->Y(rt::CLng(k / 0.1f) + 1), Gerade(k), 0.02 * Gerade(k)) << k;
    EXPECT_THROW(gUntergrund->UX(7), rt::RuntimeError);
}

TEST_F(UntergrundTest, ClearAndTooFewPointsLeaveNoFitBehind)
{
    AddPoints({2.0f, 6.0f, 12.0f, 17.0f}, Gerade);
    ASSERT_GT(gUntergrund->Y(50), 0.0f);
    gUntergrund->Clear();
    EXPECT_EQ(gUntergrund->Anzahl(), 0);
    EXPECT_EQ(gUntergrund->Anzahl_Fit(), 0);
    EXPECT_EQ(gUntergrund->Y(50), 0.0f);
    EXPECT_FALSE(gUntergrund->Fit_OK());

    AddPoints({2.0f, 6.0f, 12.0f, 17.0f}, Gerade);
    gUntergrund->Loesche_Punkt(12.0f);
    EXPECT_EQ(gUntergrund->Y(50), 0.0f);
}

TEST_F(UntergrundTest, HitTestAcceptsTwoPerCent)
{
    AddPoints({5.0f}, Gerade);
    EXPECT_FALSE(gUntergrund->IstPunkt(5.0f));
    AddPoints({10.0f}, Gerade);
    EXPECT_TRUE(gUntergrund->IstPunkt(4.95f));
    EXPECT_EQ(gUntergrund->Index(), 1);
    EXPECT_FALSE(gUntergrund->IstPunkt(4.85f));
    EXPECT_EQ(gUntergrund->Index(), -1);
    EXPECT_TRUE(gUntergrund->IstPunkt(10.1f));
    EXPECT_EQ(gUntergrund->Index(), 2);
}

TEST_F(UntergrundTest, DeletingTakesTheNearerNeighbourAndTheUpperOneHalfWay)
{
    AddPoints({1.0f, 2.0f, 3.0f, 4.0f, 5.0f}, Gerade);
    gUntergrund->Loesche_Punkt(0.5f);
    gUntergrund->Loesche_Punkt(5.5f);
    EXPECT_EQ(gUntergrund->Anzahl(), 5);

    gUntergrund->Loesche_Punkt(2.5f);
    EXPECT_EQ(gUntergrund->X_D(), 3.0f);
    EXPECT_EQ(gUntergrund->Y_D(), Gerade(3.0));
    gUntergrund->Loesche_Punkt(1.2f);
    EXPECT_EQ(gUntergrund->X_D(), 1.0f);
    ASSERT_EQ(gUntergrund->Anzahl(), 3);
    EXPECT_EQ(gUntergrund->UX(1), 2.0f);
    EXPECT_EQ(gUntergrund->UX(2), 4.0f);

    ASSERT_TRUE(gUntergrund->IstPunkt(5.02f));
    gUntergrund->Loesche_Punkt_Index();
    EXPECT_EQ(gUntergrund->Anzahl(), 2);
    EXPECT_EQ(gUntergrund->X_D(), 5.0f);
}

TEST_F(UntergrundTest, AFlatBackgroundIsPerfectlySmooth)
{
    // J(1) and the anchor beyond the end lie on the same level, so that the fit stays flat.
    gCalc = std::make_unique<clsCalc>();
    for (int32_t i = 1; i <= kPunkte; ++i) gCalc->Punkte_Plus(0.1f * (i - 1), 300.0f);
    for (const float k : {4.0f, 8.0f, 12.0f, 16.0f}) gUntergrund->Plus_Punkt(k, 300.0f);
    EXPECT_NEAR(gUntergrund->Glattheit(), 100.0f, 0.01f);
}

TEST_F(UntergrundTest, FilesHoldTheFitThePointsAndTheirUncertainties)
{
    gCommon->Set_Dateiname(Path("probe.dat"));
    gCommon->setOrdner(env_.Root().string());
    gOptions->setKurveSpeichern(KT_UG_Fehler, true);
    gUntergrund->Speichern();
    EXPECT_TRUE(seam_.logLines.empty());

    AddPoints({10.0f, 2.0f, 6.0f}, Gerade);
    gUntergrund->Plus_Punkt(15.0f, 250.0f);
    seam_.logLines.clear();
    gUntergrund->Speichern();

    EXPECT_EQ(Text("probe.ugs"), "2\t320\r\n6\t360\r\n10\t400\r\n15\t250\r\n");
    EXPECT_EQ(Text("probe.ugf"), "2\t3.2\r\n6\t3.6\r\n10\t4\r\n15\t2.5\r\n");
    std::istringstream fit(Text("probe.ug"));
    std::string line;
    int32_t lines = 0;
    while (std::getline(fit, line)) {
        ++lines;
        ASSERT_EQ(line.back(), '\r');
        const auto tab = line.find('\t');
        // Numbers are written with seven significant digits.
        EXPECT_FLOAT_EQ(StrToSingle(line.substr(0, tab)), gUntergrund->x(lines));
        EXPECT_NEAR(StrToSingle(line.substr(tab + 1, line.size() - tab - 2)), gUntergrund->Y(lines),
                    1e-6 * std::fabs(gUntergrund->Y(lines)));
    }
    EXPECT_EQ(lines, kPunkte + 10);

    ASSERT_EQ(seam_.logLines.size(), 4u);
    EXPECT_NE(seam_.logLines[0].find(": Untergrundstützstellen: 4"), std::string::npos);
    EXPECT_NE(seam_.logLines[1].find(": Untergrund gespeichert: " + Path("probe.ug")), std::string::npos);
    EXPECT_NE(seam_.logLines[2].find(": Untergrundstützstellen gespeichert: " + Path("probe.ugs")), std::string::npos);
    EXPECT_NE(seam_.logLines[3].find(": Untergrundstützstellenfehler gespeichert: " + Path("probe.ugf")),
              std::string::npos);

    // Read back, the points and the fit are the same.
    const float fit50 = gUntergrund->Y(50);
    gUntergrund->Clear();
    gUntergrund->Untergrund_Einlesen(Path("probe.ugs"));
    ASSERT_EQ(gUntergrund->Anzahl(), 4);
    EXPECT_EQ(gUntergrund->UX(4), 15.0f);
    EXPECT_EQ(gUntergrund->UY(4), 250.0f);
    EXPECT_EQ(gUntergrund->Y(50), fit50);
}

TEST_F(UntergrundTest, ReadingSkipsLinesThatAreNotTwoNumbersAndStopsBeyondTheSpectrum)
{
    Put("hostile.ugs", "1\t310\r\nabc\r\n2,5\t325,5\r\n7\r\n\t400\r\n3\tx\r\n\r\n4\t340\t9\r\n"
                       "5\t350\r\n8e0\t380\r\n20\t500\r\n6\t360\r\n");
    AddPoints({9.0f}, Gerade);
    gUntergrund->Untergrund_Einlesen(Path("hostile.ugs"));
    ASSERT_EQ(gUntergrund->Anzahl(), 4);
    const std::vector<float> x = {1.0f, 2.5f, 5.0f, 8.0f};
    const std::vector<float> y = {310.0f, 325.5f, 350.0f, 380.0f};
    for (int32_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(gUntergrund->UX(i), x[size_t(i - 1)]);
        EXPECT_EQ(gUntergrund->UY(i), y[size_t(i - 1)]);
    }
    EXPECT_TRUE(gUntergrund->Fit_OK());

    // A second reading replaces the points instead of appending to them.
    gUntergrund->Untergrund_Einlesen(Path("hostile.ugs"));
    EXPECT_EQ(gUntergrund->Anzahl(), 4);
    // A file that cannot be opened changes nothing.
    gUntergrund->Untergrund_Einlesen(Path("missing.ugs"));
    EXPECT_EQ(gUntergrund->Anzahl(), 4);
}
