// The background's files: the fit, the support points and their errors are written as the save
// options say, the support points read back as they were, and only a written file is logged.
#include "AnalysisFixture.h"

#include "core/KurvenTyp.h"
#include "curves/clsCalc.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr int32_t kPunkte = 200;

float Gerade(double k) { return static_cast<float>(300.0 + 10.0 * k); }

// The lines of a file, without their CR LF.
std::vector<std::string> Zeilen(const std::filesystem::path& datei)
{
    std::ifstream in(datei, std::ios::binary);
    std::vector<std::string> zeilen;
    for (std::string zeile; std::getline(in, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeilen.push_back(zeile);
    }
    return zeilen;
}

}

class UntergrundSpeichern : public AnalysisFixture {
protected:
    void SetUp() override
    {
        for (int32_t i = 1; i <= kPunkte; ++i) gCalc->Punkte_Plus(0.1f * (i - 1), 1000.0f);
        gCalc->setMaximum_X(gCalc->x(kPunkte));
        gCommon->setEnable_Record(true);
        gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
        gCommon->setOrdner(env.Root().string());
        for (const int32_t typ : {KT_UG, KT_UG_Stuetzstellen, KT_UG_Fehler}) gOptions->setKurveSpeichern(typ, true);
        for (const float k : {0.5f, 2.0f, 6.0f, 9.5f, 12.0f, 17.0f}) gUntergrund->Plus_Punkt(k, Gerade(k));
        ASSERT_TRUE(gUntergrund->Fit_OK());
    }
    std::filesystem::path Datei(const char* endung) const { return env.Root() / (std::string("probe") + endung); }
    bool Geloggt(const std::string& teil) const
    {
        return std::any_of(seam.logLines.begin(), seam.logLines.end(),
                           [&](const std::string& z) { return z.find(teil) != std::string::npos; });
    }
};

TEST_F(UntergrundSpeichern, FitPointsAndErrorsAreWrittenAndThePointsReadBackAsTheyWere)
{
    gUntergrund->Speichern();
    const auto ug = Zeilen(Datei(".ug"));
    ASSERT_EQ(static_cast<int32_t>(ug.size()), gUntergrund->Anzahl_Fit());
    const auto ugs = Zeilen(Datei(".ugs"));
    const auto ugf = Zeilen(Datei(".ugf"));
    ASSERT_EQ(ugs.size(), 6u);
    ASSERT_EQ(ugf.size(), 6u);
    for (int32_t i = 1; i <= 6; ++i) {
        float x = 0, y = 0, dy = 0, xf = 0;
        ASSERT_EQ(std::sscanf(ugs[size_t(i - 1)].c_str(), "%f\t%f", &x, &y), 2) << ugs[size_t(i - 1)];
        ASSERT_EQ(std::sscanf(ugf[size_t(i - 1)].c_str(), "%f\t%f", &xf, &dy), 2) << ugf[size_t(i - 1)];
        EXPECT_FLOAT_EQ(x, gUntergrund->UX(i));
        EXPECT_FLOAT_EQ(y, gUntergrund->UY(i));
        EXPECT_FLOAT_EQ(xf, x);
        EXPECT_NEAR(dy, 0.01 * y, 1e-4 * y) << "one per cent of the point";
    }
    for (const char* teil : {"Untergrundstützstellen: 6", "Untergrund gespeichert", "Untergrundstützstellen gespeichert",
                             "Untergrundstützstellenfehler gespeichert"})
        EXPECT_TRUE(Geloggt(teil)) << teil;

    std::vector<std::pair<float, float>> vorher;
    for (int32_t i = 1; i <= 6; ++i) vorher.emplace_back(gUntergrund->UX(i), gUntergrund->UY(i));
    const float fitVorher = gUntergrund->Y(100);
    gUntergrund->Clear();
    gUntergrund->Untergrund_Einlesen(Datei(".ugs").string());
    ASSERT_EQ(gUntergrund->Anzahl(), 6);
    for (int32_t i = 1; i <= 6; ++i)
        EXPECT_EQ(std::pair(gUntergrund->UX(i), gUntergrund->UY(i)), vorher[size_t(i - 1)]) << i;
    EXPECT_FLOAT_EQ(gUntergrund->Y(100), fitVorher) << "the same points give the same fit";
}

TEST_F(UntergrundSpeichern, PointsThatNeedNineDigitsReadBackBitForBit)
{
    // Singles that eight significant digits do not give back: 15.9499655 (written with eight,
    // 15.949965 reads as its lower neighbour) and 1013.00006.
    const float k = std::bit_cast<float>(0x417F330Fu);
    const float y = std::bit_cast<float>(0x447D4001u);
    gUntergrund->Plus_Punkt(k, y);
    std::vector<std::pair<float, float>> vorher;
    for (int32_t i = 1; i <= gUntergrund->Anzahl(); ++i) vorher.emplace_back(gUntergrund->UX(i), gUntergrund->UY(i));
    ASSERT_TRUE(std::find(vorher.begin(), vorher.end(), std::pair(k, y)) != vorher.end());
    gUntergrund->Speichern();
    gUntergrund->Clear();
    gUntergrund->Untergrund_Einlesen(Datei(".ugs").string());
    ASSERT_EQ(gUntergrund->Anzahl(), static_cast<int32_t>(vorher.size()));
    for (int32_t i = 1; i <= gUntergrund->Anzahl(); ++i)
        EXPECT_EQ(std::pair(gUntergrund->UX(i), gUntergrund->UY(i)), vorher[size_t(i - 1)]) << i;
}

TEST_F(UntergrundSpeichern, OnlyChosenKindsAndOnlyWrittenFilesAreLogged)
{
    gOptions->setKurveSpeichern(KT_UG, false);
    gOptions->setKurveSpeichern(KT_UG_Fehler, false);
    gUntergrund->Speichern();
    EXPECT_FALSE(std::filesystem::exists(Datei(".ug")));
    EXPECT_FALSE(std::filesystem::exists(Datei(".ugf")));
    EXPECT_TRUE(std::filesystem::exists(Datei(".ugs")));
    EXPECT_FALSE(Geloggt("Untergrund gespeichert"));

    // A folder that cannot take the files: nothing claims to be saved.
    seam.logLines.clear();
    std::ofstream(env.Root() / "blocker") << "a file where the folder should be";
    gCommon->setOrdner((env.Root() / "blocker").string());
    for (const int32_t typ : {KT_UG, KT_UG_Stuetzstellen, KT_UG_Fehler}) gOptions->setKurveSpeichern(typ, true);
    const size_t meldungen = seam.messages.size();
    gUntergrund->Speichern();
    EXPECT_FALSE(Geloggt("gespeichert"));
    EXPECT_GE(seam.messages.size() - meldungen, 1u) << "the failed write is reported";

    // Without support points there is nothing to save.
    seam.logLines.clear();
    gUntergrund->Clear();
    gCommon->setOrdner(env.Root().string());
    std::filesystem::remove(Datei(".ugs"));
    gUntergrund->Speichern();
    EXPECT_FALSE(std::filesystem::exists(Datei(".ugs")));
    EXPECT_TRUE(seam.logLines.empty());

    // Three points are saved, but they give no fitted background to write.
    std::filesystem::remove(Datei(".ug"));
    for (const float k : {0.5f, 2.0f, 6.0f}) gUntergrund->Plus_Punkt(k, Gerade(k));
    gUntergrund->Speichern();
    EXPECT_EQ(Zeilen(Datei(".ugs")).size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(Datei(".ug")));
}

TEST_F(UntergrundSpeichern, ASaveWithNothingChangedWritesAndLogsNothing)
{
    gUntergrund->Speichern();
    ASSERT_TRUE(Geloggt("Untergrundstützstellen: 6"));
    const auto stand = std::filesystem::last_write_time(Datei(".ugs"));
    seam.logLines.clear();
    gUntergrund->Speichern();
    EXPECT_TRUE(seam.logLines.empty()) << "no count without the files it goes with";
    EXPECT_EQ(std::filesystem::last_write_time(Datei(".ugs")), stand);

    // Another point changes the files, and the count comes with them again.
    gUntergrund->Plus_Punkt(14.0f, Gerade(14.0f));
    gUntergrund->Speichern();
    EXPECT_TRUE(Geloggt("Untergrundstützstellen: 7"));
    EXPECT_TRUE(Geloggt("Untergrundstützstellen gespeichert"));
}
