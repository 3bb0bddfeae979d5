#include "DatabaseFixture.h"

#include "core/Runtime.h"

using FormFactorTables = DatabaseFixture;

TEST_F(FormFactorTables, FoldersAreScannedInOrderAndEachFolderSortedByName)
{
    for (const char* file : {"fmk_n/Cu.fmk", "fmk_x/zr.fmk", "fmk_x/Fe_Doyle.FMK", "fmk_x/Al_b.fmk", "fmk_x/notes.txt",
                             "fmk_x/sub.fmk/inner.fmk", "fmk_e/Ni.fmk", "fmk/Ag.fmk"})
        WriteTextFile(file, "");
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    std::vector<std::string> tables;
    for (int32_t i = 1; i <= gFMK->FMK_Anzahl(); ++i) tables.push_back(gFMK->FMK_Intern_Symbol(i) + gFMK->FMK_Intern_Typ(i));
    EXPECT_EQ(tables, (std::vector<std::string>{"Ag0", "Ni0", "Al1", "Fe1", "zr1", "Cu2"}));
    EXPECT_EQ(gFMK->Tabelle(4).Dateiname(), (env.DataFolder() / "fmk_x" / "Fe_Doyle.FMK").string());
    gFMK->FMK_Von_ZELO_Lesen(0, 0);
    EXPECT_EQ(gFMK->FMK_Anzahl(), 6) << "reading again replaces the list";
    EXPECT_EQ(gFMK->FMK_Intern_Symbol(7), "");
    EXPECT_EQ(gError->ErrorFunction(), "FMK_Intern_Symbol");

    gFMK->FMK_Intern_Neu("Fe", FT_Elektronen, {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0);
    std::vector<int32_t> iron = {99};
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("Fe", iron), 2);
    EXPECT_EQ(iron, (std::vector<int32_t>{4, 7}));
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("fe", iron), 0) << "exact comparison";
    EXPECT_EQ(gFMK->FMK_Gespeichert_Anzahl(), 1);
}
