#include "core/modCommon.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"

#include <gtest/gtest.h>

class GlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { CreateCoreObjects(); }
    void TearDown() override
    {
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
    }
};

TEST_F(GlobalsTest, StoredLanguageWithoutTextsFallsBackToGerman)
{
    gOptions->setSprache(5);
    SelectStoredLanguage();
    EXPECT_EQ(gLanguage->Caption(191), "Ergebnisse wurden noch nicht gespeichert");
    gOptions->setSprache(3);
    SelectStoredLanguage();
    EXPECT_EQ(gLanguage->Caption(191), "results have not been saved");
}

TEST_F(GlobalsTest, ErrorFlagResetBeforeAProjectStarts)
{
    gError->setError(true);
    Fehler_Reset();
    EXPECT_FALSE(gError->Error());
}
