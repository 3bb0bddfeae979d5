#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

class LanguageTest : public ::testing::Test, protected TestWorld {};

TEST_F(LanguageTest, CaptionInBothLanguagesAndTheErrorTextForAMissingNumber)
{
    EXPECT_EQ(gLanguage->Caption(-1), "");
    EXPECT_EQ(gLanguage->Caption(441), "Language Error Index441");
    EXPECT_EQ(gLanguage->Caption(17), "Language Error Index17") << "17 is one of the gaps";
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(gLanguage->Caption(-1), "");
    gLanguage->OpenLanguageEx(0);
    EXPECT_EQ(gLanguage->Caption(92), "Abbrechen") << "switching back on the same object";
    gLanguage->OpenLanguageEx(5);
    EXPECT_EQ(gLanguage->Caption(191), "Language Error Index191");
    gLanguage->OpenLanguageEx(214748);
    EXPECT_EQ(gLanguage->Caption(2000000000), "Language Error Index2000000000") << "the sum overflows";
}

TEST_F(LanguageTest, LanguageNamesOrbitalAndRadiationTexts)
{
    for (const auto& [offset, name] : {std::pair{0, "Deutsch"}, {1, ""}, {3, "English"}, {-1, ""}})
        EXPECT_EQ(gLanguage->GetLanguageName(offset), name) << offset;
    EXPECT_EQ(Orbital_Text(4), "");
    EXPECT_EQ(Strahlung_Text(3), "<unbekannt>");
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(Strahlung_Text(-7), "<unknown>");
}
