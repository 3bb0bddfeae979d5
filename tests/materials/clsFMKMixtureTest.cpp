#include "DatabaseFixture.h"

#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSpline.h"
#include "curves/modString.h"

#include <cmath>
#include <sstream>

class MixtureTest : public DatabaseFixture {
protected:
    void SetUp() override
    {
        DatabaseFixture::SetUp();
        gOptions->setDelta_k(0.1f);
        gCommon = std::make_unique<clsCommon>();
        gCommon->setEnable_Record(true);
        gCalc = std::make_unique<clsCalc>();
        gInput = std::make_unique<clsInput>();
        gSpline = std::make_unique<clsSpline>();
    }
    // A working curve of ten points on the grid 0, 0.1, ..., 0.9.
    static void TenPoints()
    {
        for (int i = 0; i < 10; ++i) gCalc->Punkte_Plus(i * 0.1f, 100.0f);
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
    // A fitted table whose value is c at every K.
    int32_t ConstantTable(const std::string& symbol, float c, int32_t kind = FT_Roentgen)
    {
        gFMK->FMK_Intern_Neu(symbol, kind, {}, {}, c);
        return gFMK->FMK_Anzahl();
    }
};

TEST_F(MixtureTest, RelativisticFactorFromTheMagnitudeOfTheVoltage)
{
    EXPECT_EQ(gFMK->Faktor_Relativistisch(), 1.0f);  // before any voltage is set
    gFMK->setBeschleunigungsspannung(-68);
    EXPECT_NEAR(gFMK->Faktor_Relativistisch(), 1.1330726, 1e-7);
    gFMK->setBeschleunigungsspannung(-200);
    EXPECT_NEAR(gFMK->Faktor_Relativistisch(), 1.3913901, 1e-7);
    EXPECT_EQ(gFMK->Beschleunigungsspannung(), -200.0f);
    gFMK->setBeschleunigungsspannung(200);  // typed without its minus sign
    EXPECT_NEAR(gFMK->Faktor_Relativistisch(), 1.3913901, 1e-7);
    gFMK->setBeschleunigungsspannung(Kein_Wert);
    EXPECT_EQ(gFMK->Beschleunigungsspannung(), 0.0f);
    EXPECT_EQ(gFMK->Faktor_Relativistisch(), 1.0f);
}

TEST_F(MixtureTest, ComponentsAreSetByIndexFromOne)
{
    gFMK->setAnzahl(2);
    EXPECT_EQ(gFMK->Anzahl(), 2);
    gFMK->FMK_Einlesen(2, 40, 1);
    for (int32_t bad : {0, 3}) {
        try {
            gFMK->FMK_Einlesen(bad, 50, 1);
            FAIL() << bad;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errSubscript);
        }
    }
    gFMK->Clear();
    EXPECT_EQ(gFMK->Anzahl(), 0);
    EXPECT_THROW(gFMK->FMK_Einlesen(1, 50, 1), rt::RuntimeError);
}

TEST_F(MixtureTest, ReadersGiveZeroBeforeAnyComputation)
{
    EXPECT_EQ(gFMK->fmk_Y(1), 0.0f);
    EXPECT_EQ(gFMK->f2m_Y(1), 0.0f);
    EXPECT_EQ(gFMK->fm2_Y(0), 0.0f);
    EXPECT_EQ(gFMK->Formfaktor_Integral(), 0.0f);
    EXPECT_EQ(gFMK->Formfaktor_IK_Faktor(10), 0.0f);
}

TEST_F(MixtureTest, ExportWritesFifteenHundredLinesOfAFit)
{
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    gFMK->Formfaktor_Export(2);  // carbon
    std::ifstream in(env.DataFolder() / "fmk_test_C.fmk", std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    std::istringstream stream(content);
    for (std::string line; std::getline(stream, line);) {
        ASSERT_EQ(line.back(), '\r');
        lines.push_back(line.substr(0, line.size() - 1));
    }
    ASSERT_EQ(lines.size(), 1500u);
    EXPECT_EQ(lines[0], "0\t0.52867");
    // Line 101 holds K = 10: s = 10 / (40 pi).
    const auto tab = lines[100].find('\t');
    EXPECT_NEAR(std::stod(lines[100].substr(0, tab)), 10 / (40 * M_PI), 1e-7);
    EXPECT_NEAR(std::stod(lines[100].substr(tab + 1)), 0.478625, 1e-6);
}

TEST_F(MixtureTest, ExportOfAFileTableWritesNothingAndABadIndexRaises)
{
    WriteTextFile("fmk_x/Fe.fmk", "0\t26\r\n");
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    gFMK->Formfaktor_Export(1);
    EXPECT_FALSE(std::filesystem::exists(env.DataFolder() / "fmk_test_Fe.fmk"));
    EXPECT_THROW(gFMK->Formfaktor_Export(2), rt::RuntimeError);
}

TEST_F(MixtureTest, ExportThatCannotBeWrittenRaisesToTheCaller)
{
    ConstantTable("Zr", 1);
    std::filesystem::create_directories(env.DataFolder() / "fmk_test_Zr.fmk" / "x");
    EXPECT_THROW(gFMK->Formfaktor_Export(1), rt::RuntimeError);
}

TEST_F(MixtureTest, TwoComponentsHalfEach)
{
    TenPoints();
    const int32_t two = ConstantTable("Ni", 2);
    const int32_t four = ConstantTable("Zr", 4);
    ASSERT_TRUE(Compute({{50, two}, {50, four}}));
    for (int32_t j : {1, 10, 20}) {
        EXPECT_FLOAT_EQ(gFMK->fmk_Y(j), 3) << j;
        EXPECT_FLOAT_EQ(gFMK->f2m_Y(j), 10) << j;
        EXPECT_FLOAT_EQ(gFMK->fm2_Y(j), 9) << j;
    }
    EXPECT_EQ(gFMK->fmk_Y(21), 0.0f);  // ten points beyond the grid, no more
    EXPECT_EQ(gFMK->fmk_Y(0), 0.0f);
}

TEST_F(MixtureTest, OneComponentGivesItsFormFactorAndItsSquare)
{
    TenPoints();
    WriteDatabase(DefaultCopy());
    Zelo_Oeffnen();
    gCommon->setEnable_Record(true);
    ASSERT_TRUE(Compute({{100, 2}}));  // carbon, an electron table, at 0 kV
    EXPECT_NEAR(gFMK->fmk_Y(1), 0.52867, 1e-6);
    EXPECT_NEAR(gFMK->fmk_Y(11), gFMK->Tabelle(2).Y(1.0f), 1e-7);
    EXPECT_FLOAT_EQ(gFMK->f2m_Y(11), gFMK->fmk_Y(11) * gFMK->fmk_Y(11));
    EXPECT_FLOAT_EQ(gFMK->fm2_Y(11), gFMK->f2m_Y(11));
    ASSERT_FALSE(seam.logLines.empty());
    EXPECT_NE(seam.logLines.back().find(": Formfaktorfit  eingelesen"), std::string::npos);
}

TEST_F(MixtureTest, IntegralOfKSquaredMeanSquareOverTheGrid)
{
    TenPoints();
    ASSERT_TRUE(Compute({{100, ConstantTable("Zr", 1)}}));
    EXPECT_NEAR(gFMK->Formfaktor_Integral(), 2.2895, 1e-5);
    EXPECT_NEAR(gFMK->Formfaktor_IK_Faktor(10), -195.10259, 1e-4);
}

TEST_F(MixtureTest, EndPointsCountWhenTheMeanVanishes)
{
    TenPoints();
    // f = 1 and f = -1 half each: <f> is 0 everywhere, <f²> is 1.
    ASSERT_TRUE(Compute({{50, ConstantTable("Ni", 1)}, {50, ConstantTable("Zr", -1)}}));
    EXPECT_EQ(gFMK->fm2_Y(5), 0.0f);
    EXPECT_NEAR(gFMK->Formfaktor_Integral(), 1.9 * 1.9 / 2 * 0.1, 1e-6);
}

TEST_F(MixtureTest, OnlyElectronTablesGetTheRelativisticFactor)
{
    TenPoints();
    const int32_t electrons = ConstantTable("Ni", 2, FT_Elektronen);
    const int32_t xRays = ConstantTable("Zr", 2, FT_Roentgen);
    ASSERT_TRUE(Compute({{100, electrons}}, -200));
    EXPECT_NEAR(gFMK->fmk_Y(1), 2 * 1.3913901, 1e-6);
    EXPECT_EQ(seam.logLines.front(), "relativistischer Faktor: 1.39139");
    ASSERT_TRUE(Compute({{100, xRays}}, -200));
    EXPECT_FLOAT_EQ(gFMK->fmk_Y(1), 2);
}

TEST_F(MixtureTest, GeneratedProjectsAndAnEmptyCurveComputeNothing)
{
    const int32_t table = ConstantTable("Ni", 2);
    EXPECT_FALSE(Compute({{100, table}}));  // no working curve
    TenPoints();
    ASSERT_TRUE(Compute({{100, table}}));
    const float integral = gFMK->Formfaktor_Integral();
    for (int32_t kind : {1, 2, 3}) {
        gCommon->setProjektTyp_Spezial(kind);
        gFMK->setAnzahl(1);
        EXPECT_FALSE(gFMK->Formfaktoren_Berechnen()) << kind;
        EXPECT_EQ(gFMK->Formfaktor_Integral(), integral) << "a generated project changes nothing";
    }
    gCommon->setProjektTyp_Spezial(0);
    gCalc->Punkte_Loeschen();
    EXPECT_FALSE(gFMK->Formfaktoren_Berechnen());
    EXPECT_EQ(gFMK->Formfaktor_Integral(), 0.0f) << "an empty working curve leaves no earlier integral";
    TenPoints();
    gCommon->setProjektTyp_Spezial(4);
    EXPECT_FALSE(Compute({{100, table}, {0, 0}}));  // a component without a table is reported
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "Lese_FMK - ");
}

TEST_F(MixtureTest, TableFromAFileIsResampledOntoTheGrid)
{
    for (int i = 0; i < 200; ++i) gCalc->Punkte_Plus(i * 0.1f, 100.0f);
    std::string table;
    for (int i = 0; i <= 40; ++i) table += std::to_string(i * 0.05) + "\t" + std::to_string(5.0 - i * 0.05) + "\r\n";
    WriteTextFile("fmk_x/Al.fmk", table);
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    ASSERT_EQ(gFMK->FMK_Anzahl(), 1);
    ASSERT_TRUE(Compute({{100, 1}}, -200));  // an X-ray table: the voltage does not count
    // f falls by 0.05 per 0.05 of s, that is by 1 per 40 pi of K.
    for (int32_t j : {1, 100, 210})
        EXPECT_NEAR(gFMK->fmk_Y(j), 5.0 - (j - 1) * 0.1 / (40 * M_PI), 1e-4) << j;
    const std::string path = (env.DataFolder() / "fmk_x" / "Al.fmk").string();
    EXPECT_NE(seam.logLines.back().find(": Formfaktortabelle " + path + " eingelesen"), std::string::npos);

    // Removed since start-up: reported, and no curve of the earlier computation stays in use.
    ASSERT_NE(gFMK->Formfaktor_Integral(), 0.0f);
    std::filesystem::remove(path);
    EXPECT_FALSE(gFMK->Formfaktoren_Berechnen());
    EXPECT_GE(seam.errorWindows, 1);
    EXPECT_EQ(gError->ErrorFunction(), "Lese_FMK - " + path);
    EXPECT_EQ(gFMK->fmk_Y(1), 0.0f);
    EXPECT_EQ(gFMK->f2m_Y(1), 0.0f);
    EXPECT_EQ(gFMK->Formfaktor_Integral(), 0.0f);
}
