// The background: support points and their fit under the working curve, the hit test, and the
// reading of a support-point file.
#include "AnalysisFixture.h"

#include "analysis/Untergrund_Werkzeuge.h"
#include "core/Runtime.h"
#include "curves/clsCalc.h"

#include <cmath>
#include <tuple>
#include <fstream>

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
        for (int32_t i = 1; i <= kPunkte; ++i) gCalc->Punkte_Plus(0.1f * (i - 1), Spektrum(0.1 * (i - 1)));
        gCalc->setMaximum_X(gCalc->x(kPunkte));
        gCommon->setEnable_Record(true);
    }
    static void AddPoints(std::initializer_list<float> ks, float (*u)(double))
    {
        for (const float k : ks) gUntergrund->Plus_Punkt(k, u(k));
    }
    std::string Path(const std::string& name) const { return (env.Root() / name).string(); }
};

TEST_F(UntergrundTest, FourPointsMakeTheFirstFitAndClearOrTooFewLeaveNone)
{
    AddPoints({2.0f, 6.0f, 12.0f}, Gerade);
    EXPECT_EQ(gUntergrund->Anzahl_Fit(), 0);
    EXPECT_TRUE(std::isnan(gUntergrund->Glattheit())) << "no fit, no smoothness";
    AddPoints({17.0f}, Gerade);
    ASSERT_TRUE(gUntergrund->Fit_OK());
    ASSERT_EQ(gUntergrund->Anzahl_Fit(), kPunkte + 10);  // the spectrum's grid and ten more
    EXPECT_NEAR(gUntergrund->x(kPunkte + 10), 0.1 * (kPunkte + 9), 1e-4);

    gUntergrund->Loesche_Punkt(12.0f);
    EXPECT_EQ(gUntergrund->Y(50), 0.0f);
    AddPoints({12.0f}, Gerade);
    gUntergrund->Clear();
    EXPECT_EQ(gUntergrund->Anzahl(), 0);
    EXPECT_EQ(gUntergrund->Anzahl_Fit(), 0);
    EXPECT_EQ(gUntergrund->Y(50), 0.0f);
}

TEST_F(UntergrundTest, PointsInAnyOrderAreSortedTheFitPassesNearThemAndHitsWithinTwoPerCent)
{
    AddPoints({12.0f, 2.0f, 17.0f, 6.0f, 9.0f, 0.5f}, Gerade);
    const std::vector<float> sorted = {0.5f, 2.0f, 6.0f, 9.0f, 12.0f, 17.0f};
    ASSERT_EQ(gUntergrund->Anzahl(), 6);
    for (int32_t i = 1; i <= 6; ++i) EXPECT_EQ(gUntergrund->UX(i), sorted[size_t(i - 1)]);
    // With 1 % uncertainty the fit passes within a few per cent of every point.
    for (const float k : sorted) EXPECT_NEAR(gUntergrund->Y(rt::CLng(k / 0.1f) + 1), Gerade(k), 0.02 * Gerade(k)) << k;

    // The hit test accepts two per cent.
    gUntergrund->Clear();
    AddPoints({5.0f}, Gerade);
    EXPECT_FALSE(gUntergrund->IstPunkt(5.0f));  // a single point is no background yet
    AddPoints({10.0f}, Gerade);
    for (const auto& [x, index] : {std::pair{4.95f, 1}, {4.85f, -1}, {10.1f, 2}}) {
        EXPECT_EQ(gUntergrund->IstPunkt(x), index > 0) << x;
        EXPECT_EQ(gUntergrund->Index(), index) << x;
    }
}

TEST_F(UntergrundTest, SupportPointsAtZeroAreFittedThroughNotRefused)
{
    for (const Stuetzstelle& p : Null_Untergrund(gCalc->x(kPunkte))) gUntergrund->Plus_Punkt(p.x, p.y);
    EXPECT_TRUE(gUntergrund->Fit_OK() && gUntergrund->Anzahl_Fit() == kPunkte + 10) << "the zero background";

    gUntergrund->Clear();
    AddPoints({2.0f, 6.0f, 12.0f, 17.0f}, Gerade);
    gUntergrund->Plus_Punkt(9.0f, 0.0f);
    ASSERT_TRUE(gUntergrund->Fit_OK());
    // A value of 0 has no relative uncertainty: the fit passes through it.
    EXPECT_NEAR(gUntergrund->Y(91), 0.0f, 0.5f);
    EXPECT_NEAR(gUntergrund->Y(121), Gerade(12.0), 0.02 * Gerade(12.0));
}

TEST_F(UntergrundTest, ReadingSkipsLinesThatAreNotTwoNumbersAndStopsBeyondTheSpectrum)
{
    std::ofstream(Path("hostile.ugs"), std::ios::binary) << "1\t310\r\nabc\r\n2,5\t325,5\r\n7\r\n\t400\r\n3\tx\r\n\r\n4\t340\t9\r\n"
        "5\t350\r\n8e0\t380\r\n20\t500\r\n6\t360\r\n";
    AddPoints({9.0f}, Gerade);
    gUntergrund->Untergrund_Einlesen(Path("hostile.ugs"));
    ASSERT_EQ(gUntergrund->Anzahl(), 4);
    for (const auto& [i, x, y] :
         {std::tuple{1, 1.0f, 310.0f}, {2, 2.5f, 325.5f}, {3, 5.0f, 350.0f}, {4, 8.0f, 380.0f}}) {
        EXPECT_EQ(gUntergrund->UX(i), x);
        EXPECT_EQ(gUntergrund->UY(i), y);
    }

    // A second reading replaces the points instead of appending to them.
    gUntergrund->Untergrund_Einlesen(Path("hostile.ugs"));
    EXPECT_EQ(gUntergrund->Anzahl(), 4);
    // A file that cannot be opened changes nothing.
    gUntergrund->Untergrund_Einlesen(Path("missing.ugs"));
    EXPECT_EQ(gUntergrund->Anzahl(), 4);
}

TEST_F(UntergrundTest, AFileWithMorePointsThanTheFitTakesIsReadUpToTheLimitWithOneMessageNamingIt)
{
    // Support points every 0.003 1/nm lie within the spectrum (up to 19.9 1/nm) for 6,000 lines.
    const auto schreiben = [this](const std::string& name, int32_t zeilen) {
        std::ofstream datei(Path(name), std::ios::binary);
        for (int32_t i = 0; i < zeilen; ++i) datei << 0.003 * i << '\t' << Gerade(0.003 * i) << "\r\n";
    };
    schreiben("voll.ugs", 6000);
    seam.messages.clear();
    gUntergrund->Untergrund_Einlesen(Path("voll.ugs"));
    // The fit adds its two anchors to the points read: together the spline's limit.
    EXPECT_EQ(gUntergrund->Anzahl(), clsSpline::MaxPoints - 2);
    EXPECT_FLOAT_EQ(gUntergrund->UX(gUntergrund->Anzahl()), 0.003f * (clsSpline::MaxPoints - 3));
    EXPECT_TRUE(gUntergrund->Fit_OK());
    EXPECT_EQ(gUntergrund->Anzahl_Fit(), kPunkte + 10);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(Path("voll.ugs")), std::string::npos) << seam.messages[0].text;
    EXPECT_NE(seam.messages[0].text.find("4998"), std::string::npos) << seam.messages[0].text;

    // Exactly as many points as the fit takes are read without a word.
    schreiben("genau.ugs", clsSpline::MaxPoints - 2);
    gUntergrund->Untergrund_Einlesen(Path("genau.ugs"));
    EXPECT_EQ(gUntergrund->Anzahl(), clsSpline::MaxPoints - 2);
    EXPECT_EQ(seam.messages.size(), 1u);
}

TEST_F(UntergrundTest, AFileThatGivesNoPointKeepsThePointsSetAndSaysWhyOnce)
{
    AddPoints({2.0f, 6.0f, 12.0f, 17.0f}, Gerade);
    ASSERT_TRUE(gUntergrund->Fit_OK());
    const float vorher = gUntergrund->Y(100);
    const auto unveraendert = [&](const std::string& wo) {
        ASSERT_EQ(gUntergrund->Anzahl(), 4) << wo;
        EXPECT_EQ(gUntergrund->UX(3), 12.0f) << wo;
        EXPECT_EQ(gUntergrund->Y(100), vorher) << wo << ": the fit stays";
    };
    // Empty, junk, and number pairs that all lie beyond the curve: one message naming the file.
    const std::vector<std::pair<std::string, std::string>> leer{
        {"leer.ugs", ""}, {"text.ugs", "Untergrund\r\nvon Hand\r\n1 310\r\n"}, {"weit.ugs", "25\t310\r\n30\t320\r\n"}};
    for (const auto& [name, inhalt] : leer) {
        std::ofstream(Path(name), std::ios::binary) << inhalt;
        seam.messages.clear();
        seam.errorWindows = 0;
        gUntergrund->Untergrund_Einlesen(Path(name));
        unveraendert(name);
        ASSERT_EQ(seam.messages.size(), 1u) << name;
        EXPECT_NE(seam.messages[0].text.find(Path(name)), std::string::npos) << seam.messages[0].text;
        EXPECT_NE(seam.messages[0].text.find("keine Untergrundstützstellen"), std::string::npos);
        EXPECT_EQ(seam.errorWindows, 0) << name;
    }
    // A line beyond the reader's bound refuses the whole file, with its own report only.
    {
        std::ofstream datei(Path("lang.ugs"), std::ios::binary);
        datei << "1\t310\r\n3\t330\r\n" << std::string((1 << 20) + 10, '7') << "\r\n";
    }
    seam.messages.clear();
    seam.errorWindows = 0;
    gUntergrund->Untergrund_Einlesen(Path("lang.ugs"));
    unveraendert("lang.ugs");
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_NE(gError->ErrorDescription().find(Path("lang.ugs")), std::string::npos);
}
