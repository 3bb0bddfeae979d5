#include "core/clsLanguage.h"
#include "core/modCommon.h"

#include <gtest/gtest.h>

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { gLanguage = std::make_unique<clsLanguage>(); }
    void TearDown() override { gLanguage.reset(); }
};

TEST_F(LanguageTest, CaptionInBothLanguages)
{
    EXPECT_EQ(gLanguage->Caption(-1), "");
    EXPECT_EQ(gLanguage->Caption(191), "Ergebnisse wurden noch nicht gespeichert");
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(gLanguage->Caption(-1), "");
    EXPECT_EQ(gLanguage->Caption(191), "results have not been saved");
    EXPECT_EQ(gLanguage->Caption(192), "Save Now?");
}

TEST_F(LanguageTest, MissingNumberGivesTheErrorText)
{
    EXPECT_EQ(gLanguage->Caption(440), "Language Error Index440");
    EXPECT_EQ(gLanguage->Caption(17), "Language Error Index17") << "17 is one of the gaps";
    gLanguage->OpenLanguageEx(5);
    EXPECT_EQ(gLanguage->Caption(191), "Language Error Index191");
    gLanguage->OpenLanguageEx(214748);
    EXPECT_EQ(gLanguage->Caption(2000000000), "Language Error Index2000000000") << "the sum overflows";
}

TEST_F(LanguageTest, LanguageNames)
{
    EXPECT_EQ(gLanguage->GetLanguageName(0), "Deutsch");
    EXPECT_EQ(gLanguage->GetLanguageName(3), "English");
    EXPECT_EQ(gLanguage->GetLanguageName(1), "");
    EXPECT_EQ(gLanguage->GetLanguageName(-1), "");
    EXPECT_EQ(gLanguage->GetLanguageVersion("any"), "");
}

TEST_F(LanguageTest, OrbitalAndRadiationTexts)
{
    EXPECT_EQ(Orbital_Text(2), "d-" + gLanguage->Caption(129));
    EXPECT_EQ(Orbital_Text(0), "s-Elektronen");
    EXPECT_EQ(Orbital_Text(4), "");
    EXPECT_EQ(Orbital_Text(-1), "");
    EXPECT_EQ(Strahlung_Text(1), "Röntgenbeugung");
    EXPECT_EQ(Strahlung_Text(3), "<unbekannt>");
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(Orbital_Text(3), "f-Electrons");
    EXPECT_EQ(Strahlung_Text(0), "electron diffraction");
    EXPECT_EQ(Strahlung_Text(2), "Neutron diffraction");
    EXPECT_EQ(Strahlung_Text(-7), "<unknown>");
}
