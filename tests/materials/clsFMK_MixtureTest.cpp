#include "DatabaseFixture.h"

#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/clsLanguage.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"

#include <cmath>
#include <filesystem>
#include <fstream>

class MixtureTest : public DatabaseFixture {
protected:
    void SetUp() override
    {
        gCommon->setEnable_Record(true);
    }
    // A working curve of n points on the grid 0, 0.1, ...
    static void Points(int n = 10)
    {
        for (int i = 0; i < n; ++i) gCalc->Punkte_Plus(i * 0.1f, 100.0f);
    }
    // Components (share in at%, table) set in the order the settings window uses.
    static bool Compute(const std::vector<std::pair<float, int32_t>>& components, float voltage = 0)
    {
        gFMK->setAnzahl(static_cast<int32_t>(components.size()));
        for (size_t i = 0; i < components.size(); ++i)
            gFMK->FMK_Einlesen(static_cast<int32_t>(i + 1), components[i].first, components[i].second);
        gFMK->setBeschleunigungsspannung(voltage);
        return gFMK->Formfaktoren_Berechnen();
    }
    // A fitted table whose value is c at every K; its index.
    static int32_t ConstantTable(const std::string& symbol, float c, int32_t kind = FT_Roentgen)
    {
        gFMK->FMK_Intern_Neu(symbol, kind, {}, {}, c);
        return gFMK->FMK_Anzahl();
    }
};

TEST_F(MixtureTest, RelativisticFactorFromTheMagnitudeOfTheVoltage)
{
    EXPECT_EQ(gFMK->Faktor_Relativistisch(), 1.0f) << "before any voltage is set";
    for (const auto& [voltage, factor] : {std::pair{-68.0f, 1.1330726}, {-200.0f, 1.3913901}, {200.0f, 1.3913901},
                                          {Kein_Wert, 1.0}})
    {
        gFMK->setBeschleunigungsspannung(voltage);
        EXPECT_NEAR(gFMK->Faktor_Relativistisch(), factor, 1e-7) << voltage;
    }
}

TEST_F(MixtureTest, TwoComponentsHalfEachOnThePointsAndTenMore)
{
    EXPECT_EQ(gFMK->Formfaktor_IK_Faktor(10), 0.0f) << "nothing before a computation";
    Points();
    ASSERT_TRUE(Compute({{50, ConstantTable("Ni", 2)}, {50, ConstantTable("Zr", 4)}}));
    for (int32_t j : {1, 20})
        EXPECT_EQ(std::tuple(gFMK->fmk_Y(j), gFMK->f2m_Y(j), gFMK->fm2_Y(j)), std::tuple(3.0f, 10.0f, 9.0f)) << j;
    EXPECT_EQ(gFMK->fmk_Y(21), 0.0f);
    gFMK->FMK_Einlesen(3, 50, 1);
    EXPECT_EQ(gError->ErrorFunction() + " " + std::to_string(gError->ErrorNumber()), "FMK_Einlesen 9")
        << "two components only";
}

TEST_F(MixtureTest, IntegralOfKSquaredMeanSquareOverTheGrid)
{
    Points();
    ASSERT_TRUE(Compute({{100, ConstantTable("Zr", 1)}}));
    EXPECT_NEAR(gFMK->Formfaktor_Integral(), 2.2895, 1e-5);
    EXPECT_NEAR(gFMK->Formfaktor_IK_Faktor(10), -195.10259, 1e-4);
    // f = 1 and f = -1 half each: <f> is 0 everywhere, <f²> is 1, and the end points count.
    ASSERT_TRUE(Compute({{50, ConstantTable("Ni", 1)}, {50, ConstantTable("Zr", -1)}}));
    EXPECT_EQ(gFMK->fm2_Y(5), 0.0f);
    EXPECT_NEAR(gFMK->Formfaktor_Integral(), 1.9 * 1.9 / 2 * 0.1, 1e-6);
}

TEST_F(MixtureTest, OnlyElectronTablesGetTheRelativisticFactor)
{
    Points();
    const int32_t electrons = ConstantTable("Ni", 2, FT_Elektronen);
    ASSERT_TRUE(Compute({{100, electrons}}, -200));
    EXPECT_NEAR(gFMK->fmk_Y(1), 2 * 1.3913901, 1e-6);
    EXPECT_EQ(seam.logLines.front(), "relativistischer Faktor: 1.39139");
    ASSERT_TRUE(Compute({{100, ConstantTable("Zr", 2, FT_Roentgen)}}, -200));
    EXPECT_FLOAT_EQ(gFMK->fmk_Y(1), 2);
}

TEST_F(MixtureTest, AFailedComputationLeavesNoEarlierCurveInUse)
{
    Points();
    ASSERT_TRUE(Compute({{100, ConstantTable("Zr", 2)}}));
    ASSERT_NE(gFMK->Formfaktor_Integral(), 0.0f);
    EXPECT_FALSE(Compute({{100, 0}}));  // a component without a table
    EXPECT_EQ(std::tuple(gFMK->fmk_Y(1), gFMK->f2m_Y(1), gFMK->Formfaktor_Integral()), std::tuple(0.0f, 0.0f, 0.0f));
}

TEST_F(MixtureTest, SavedOverTheWorkingCurveOnlyWhenChosenAndComputedForThisProject)
{
    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    const std::string stamm = gCommon->Ordner() + "probe";
    Points();
    gFMK->Speichern();
    EXPECT_FALSE(std::filesystem::exists(gCommon->Ordner())) << "nothing computed, nothing written";

    ASSERT_TRUE(Compute({{50, ConstantTable("Ni", 2)}, {50, ConstantTable("Zr", 4)}}));
    gOptions->setKurveSpeichern(KT_fmk, true);
    gOptions->setKurveSpeichern(KT_f2m, true);
    gFMK->Speichern();
    EXPECT_FALSE(std::filesystem::exists(stamm + ".fm2")) << "its option is off";
    for (const auto& [endung, wert] : {std::pair{".fmk", 3.0f}, {".f2m", 10.0f}}) {
        std::ifstream datei(stamm + endung);
        // The mean form factor says in its first line that it is no form-factor table.
        if (std::string kopf; endung == std::string(".fmk")) {
            std::getline(datei, kopf);
            EXPECT_EQ(kopf, std::string(clsInput::kKopfMischungsformfaktor) + "\r");
        }
        std::vector<std::pair<float, float>> paare;
        for (float K, f; datei >> K >> f;) paare.emplace_back(K, f);
        ASSERT_EQ(paare.size(), 10u) << endung << ": the working curve's points, not the ten beyond";
        EXPECT_EQ(paare[9], std::pair(0.9f, wert)) << endung;
    }

    // A generated I(K) computes no mixture; the earlier project's curves are not its results.
    std::filesystem::remove_all(gCommon->Ordner());
    gCommon->setProjektTyp_Spezial(PTS_Demo_IK);
    gFMK->Speichern();
    EXPECT_FALSE(std::filesystem::exists(gCommon->Ordner()));
}

TEST_F(MixtureTest, MeanFormFactorsPutAmongTheTablesAreRefusedPlainlyWhileTablesStillRead)
{
    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    Points();
    ASSERT_TRUE(Compute({{100, ConstantTable("Zr", 2)}}));
    gOptions->setKurveSpeichern(KT_fmk, true);
    gFMK->Speichern();
    // A user puts the project's file among the X-ray tables, beside a table of the usual form.
    const auto tabellen = env.DataFolder() / "fmk_x";
    std::filesystem::create_directories(tabellen);
    std::filesystem::copy_file(gCommon->Ordner() + "probe.fmk", tabellen / "Zr_probe.fmk");
    std::string tabelle;
    for (int k = 0; k <= 10; ++k) tabelle += std::to_string(0.001 * k) + "\t28\r\n";
    WriteTextFile("fmk_x/Ni.fmk", tabelle);
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    int32_t mischung = 0, nickel = 0;
    for (int32_t i = 1; i <= gFMK->FMK_Anzahl(); ++i) {
        if (gFMK->Tabelle(i).Dateiname() == (tabellen / "Zr_probe.fmk").string()) mischung = i;
        if (gFMK->Tabelle(i).Dateiname() == (tabellen / "Ni.fmk").string()) nickel = i;
    }
    ASSERT_GT(mischung * nickel, 0);

    EXPECT_FALSE(Compute({{100, mischung}}));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text,
              (tabellen / "Zr_probe.fmk").string() + ":\r\n" + gLanguage->Caption(642) + "\r\n" + gLanguage->Caption(692));
    EXPECT_EQ(seam.errorWindows, 0) << "one plain message, no error window";

    ASSERT_TRUE(Compute({{100, nickel}}));
    EXPECT_NEAR(gFMK->fmk_Y(1), 28.0f, 1e-3f);
    EXPECT_EQ(seam.messages.size(), 1u);
}

TEST_F(MixtureTest, ATableThatCannotBeReadIsToldInOnePlainMessageWithItsReasonAndLeavesNoMixture)
{
    Points();
    WriteTextFile("fmk_x/Zr_kaputt.fmk", std::string("\x01\x02") + " kein Wert\r\n");
    std::string tabelle;
    for (int k = 0; k <= 10; ++k) tabelle += std::to_string(0.001 * k) + "\t28\r\n";
    WriteTextFile("fmk_x/Zr_weg.fmk", tabelle);
    WriteTextFile("fmk_x/Ni.fmk", tabelle);
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    // Removed since the tables were listed at start-up.
    std::filesystem::remove(env.DataFolder() / "fmk_x" / "Zr_weg.fmk");
    const auto Index = [](const std::string& name) {
        for (int32_t i = 1; i <= gFMK->FMK_Anzahl(); ++i)
            if (std::filesystem::path(gFMK->Tabelle(i).Dateiname()).filename() == name) return i;
        return 0;
    };
    const auto Pfad = [this](const char* name) { return (env.DataFolder() / "fmk_x" / name).string(); };
    const std::string zuWenig = gLanguage->Caption(693) + ": " + Pfad("Zr_kaputt.fmk") + " (" + gLanguage->Caption(694) +
                                ": 0, " + gLanguage->Caption(695) + " 3)";
    for (const auto& [name, grund] : {std::pair{"Zr_kaputt.fmk", zuWenig}, {"Zr_weg.fmk", std::string("File not found")}}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Compute({{100, Index("Ni.fmk")}}));
        seam.messages.clear();
        gError->setError(false);
        EXPECT_FALSE(Compute({{50, Index("Ni.fmk")}, {50, Index(name)}}));
        EXPECT_EQ(seam.errorWindows, 0) << "no error window, neither the reader's nor a second one of the mixture";
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, Pfad(name) + ":\r\n" + gLanguage->Caption(690) + "\r\n" + grund + "\r\n" +
                                             gLanguage->Caption(691) + "\r\n" + gLanguage->Caption(692));
        EXPECT_FALSE(gError->Error()) << "nothing is left to report";
        EXPECT_EQ(std::tuple(gFMK->fmk_Y(1), gFMK->f2m_Y(1), gFMK->Formfaktor_Integral()), std::tuple(0.0f, 0.0f, 0.0f))
            << "the nickel-only mixture of before is gone";
    }
}
