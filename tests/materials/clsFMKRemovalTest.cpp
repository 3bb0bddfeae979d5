#include "DatabaseFixture.h"

#include "core/Runtime.h"
#include "core/clsError.h"

using FittedTableRemoval = DatabaseFixture;

namespace {

void AddFit(const std::string& symbol, float a1)
{
    gFMK->FMK_Intern_Neu(symbol, FT_Elektronen, {a1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0);
}

// The number of the error that the removal reported, 0 without one.
int32_t ReportedBy(int32_t index)
{
    gError->setError(false);
    gFMK->FMK_Intern_Loeschen(index);
    return gError->Error() ? gError->ErrorNumber() : 0;
}

}

TEST_F(FittedTableRemoval, ComponentsKeepTheirTablesWhenAnEarlierOneGoes)
{
    WriteTextFile("fmk_x/Fe.fmk", "");
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    AddFit("Fe", 1);
    AddFit("Fe", 2);
    AddFit("Ni", 3);
    gFMK->setAnzahl(2);
    gFMK->FMK_Einlesen(1, 50, 4);  // Ni
    gFMK->FMK_Einlesen(2, 50, 1);  // the file table before the removed one
    EXPECT_TRUE(gFMK->FMK_In_Verwendung(4));
    EXPECT_FALSE(gFMK->FMK_In_Verwendung(2));

    gFMK->FMK_Intern_Loeschen(2);
    EXPECT_FLOAT_EQ(gFMK->Tabelle(2).A(1), 2.0f);
    EXPECT_TRUE(gFMK->FMK_In_Verwendung(3)) << "Ni moved from 4 to 3";
    EXPECT_TRUE(gFMK->FMK_In_Verwendung(1));
    EXPECT_EQ(gInitKopf.Anzahl_FMK, 2);
}

TEST_F(FittedTableRemoval, FileTablesTablesInUseAndBadIndexesStay)
{
    WriteTextFile("fmk/Cu.fmk", "");
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    AddFit("Cu", 1);
    gFMK->setAnzahl(1);
    gFMK->FMK_Einlesen(1, 100, 2);
    for (int32_t index : {0, 1, 2, 3})
        EXPECT_EQ(ReportedBy(index), rt::errInvalidCall) << index;
    EXPECT_EQ(gFMK->FMK_Anzahl(), 2);
}

TEST_F(FittedTableRemoval, TwoFitsOfOneElementSurviveSaveAndReading)
{
    WriteBytes(DatabasePath(), DefaultCopy());
    Zelo_Oeffnen();
    AddFit("C", 1);
    AddFit("C", 2);
    Zelo_Speichern();
    Zelo_Oeffnen();
    std::vector<int32_t> tables;
    ASSERT_EQ(gFMK->Formfaktor_Tabellen("C", tables), 3);
    ASSERT_FLOAT_EQ(gFMK->Tabelle(tables[1]).A(1), 1.0f);
    gFMK->FMK_Intern_Loeschen(tables[1]);
    Zelo_Speichern();
    Zelo_Oeffnen();
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("C", tables), 2);
    EXPECT_FLOAT_EQ(gFMK->Tabelle(tables[1]).A(1), 2.0f);
}
