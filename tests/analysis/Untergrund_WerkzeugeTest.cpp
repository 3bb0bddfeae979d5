// The background panel's arithmetic: the proposed support points, the zero background and the
// choice of the support-point file to reload.
#include "analysis/Untergrund_Werkzeuge.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct Spektrum {
    std::vector<float> x;
    std::vector<float> y;
};

Spektrum Gitter(int32_t n, float schritt, float (*y)(int32_t))
{
    Spektrum s;
    for (int32_t i = 1; i <= n; ++i) {
        s.x.push_back(schritt * static_cast<float>(i - 1));
        s.y.push_back(y(i));
    }
    return s;
}

std::vector<float> Xe(const std::vector<Stuetzstelle>& punkte)
{
    std::vector<float> x;
    for (const Stuetzstelle& p : punkte) x.push_back(p.x);
    return x;
}

}

TEST(UntergrundVorschlag, FlatSpectrumGetsTailPointsPastKFiveASteepFallSitsOnTheCurveAndAGentleOneEndsBelowIt)
{
    // Step 5: the first scanned point sits at exactly K = 5 and must not end the scan; the next
    // (index 7) does, so the tail starts at 207.
    const Spektrum s = Gitter(500, 5.0f, [](int32_t) { return 1000.0f; });
    const auto punkte = Stuetzstellen_Vorschlagen(s.x, s.y, 5.0f);
    EXPECT_EQ(Xe(punkte), (std::vector<float>{5.0f * 206, 5.0f * 306}));
    for (const Stuetzstelle& p : punkte) EXPECT_EQ(p.y, 700.0f);

    // A slope of exactly -300 is steep: every scanned point lies on the curve.
    const Spektrum steil = Gitter(120, 1.0f, [](int32_t i) { return 1e5f - 300.0f * static_cast<float>(i); });
    const auto steilePunkte = Stuetzstellen_Vorschlagen(steil.x, steil.y, 1.0f);
    EXPECT_EQ(Xe(steilePunkte), (std::vector<float>{1, 6, 11, 16}));
    EXPECT_EQ(steilePunkte[1].y, steil.y[6]);

    const Spektrum sanft = Gitter(120, 1.0f, [](int32_t i) { return 1e5f - 299.0f * static_cast<float>(i); });
    const auto drei = Stuetzstellen_Vorschlagen(sanft.x, sanft.y, 1.0f);
    EXPECT_EQ(Xe(drei), (std::vector<float>{11, 51, 101}));
    EXPECT_EQ(drei[0].y, static_cast<float>(0.9 * sanft.y[11]));
    EXPECT_EQ(drei[2].y, static_cast<float>(0.75 * sanft.y[101]));
}

TEST(UntergrundVorschlag, FirstSupportPointFileIsChosenByNameWithoutCase)
{
    // A folder of this test's own: runs side by side must not share it.
    const TempEnvironment env;
    const auto ordner = env.Root() / "ugs_wahl";
    std::filesystem::create_directories(ordner);
    EXPECT_EQ(Erste_UG_Datei(ordner.string(), ""), "");
    for (const char* name : {"b.ugs", "C.UGS", "a.txt", "B.Ugs"}) std::ofstream(ordner / name) << "x";
    EXPECT_EQ(Erste_UG_Datei(ordner.string(), ""), "B.Ugs");
    std::ofstream(ordner / "A.UGS") << "x";
    EXPECT_EQ(Erste_UG_Datei(ordner.string(), ""), "A.UGS");
}

TEST(UntergrundVorschlag, ShortSpectrumGetsNoPoint)
{
    const Spektrum s = Gitter(101, 0.1f, [](int32_t i) { return 1e5f - 1000.0f * static_cast<float>(i); });
    EXPECT_TRUE(Stuetzstellen_Vorschlagen(s.x, s.y, 0.1f).empty());
}

TEST(UntergrundVorschlag, ZeroBackgroundLiesStrictlyInsideTheRange)
{
    const auto punkte = Null_Untergrund(21.0f);
    ASSERT_EQ(punkte.size(), 20u);
    for (size_t k = 0; k < punkte.size(); ++k) {
        EXPECT_EQ(punkte[k].x, static_cast<float>(k + 1));
        EXPECT_EQ(punkte[k].y, 0.0f);
    }
}

TEST(UntergrundVorschlag, TheProjectsOwnSupportPointFileComesBeforeTheFirstOfTheFolder)
{
    const TempEnvironment env;
    const auto ordner = env.Root() / "ugs_eigene";
    std::filesystem::create_directories(ordner);
    for (const char* name : {"bor.ugs", "glas.UGS", "glas2.ugs", "glas.ugs.txt"}) std::ofstream(ordner / name) << "x";
    EXPECT_EQ(Erste_UG_Datei(ordner.string(), "glas"), "glas.UGS");
    // A name that only begins like the project's is not its own.
    EXPECT_EQ(Erste_UG_Datei(ordner.string(), "gla"), "bor.ugs");
    EXPECT_EQ(Erste_UG_Datei(ordner.string(), "kupfer"), "bor.ugs");
}
