#include "DatabaseFixture.h"

#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "curves/modString.h"

#include <cmath>
#include <sstream>

class MixtureTest : public DatabaseFixture {
protected:
    void SetUp() override
    {
        DatabaseFixture::SetUp();
        gOptions->setDelta_k(0.1f);
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
