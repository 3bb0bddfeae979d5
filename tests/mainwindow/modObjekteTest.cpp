#include "mainwindow/modObjekte.h"

#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

TEST(Globals, StoredLanguageWithoutTextsFallsBackToGerman)
{
    TestWorld world;
    gOptions->setSprache(5);
    SelectStoredLanguage();
    EXPECT_EQ(gLanguage->Caption(191), "Ergebnisse wurden noch nicht gespeichert");
    gOptions->setSprache(3);
    SelectStoredLanguage();
    EXPECT_EQ(gLanguage->Caption(191), "results have not been saved");
}
