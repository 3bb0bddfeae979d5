#include "DatabaseFixture.h"

#include "core/Runtime.h"

using FormFactorTables = DatabaseFixture;

namespace {

void ScanFolders() { gFMK->FMK_Von_ZELO_Lesen(0, 0); }

}

TEST_F(FormFactorTables, FoldersAreScannedInOrderAndEachFolderSortedByName)
{
    WriteTextFile("fmk_n/Cu.fmk", "");
    WriteTextFile("fmk_x/zr.fmk", "");
    WriteTextFile("fmk_x/Fe_Doyle.FMK", "");
    WriteTextFile("fmk_x/Al_b.fmk", "");
    WriteTextFile("fmk_x/notes.txt", "");
    WriteTextFile("fmk_x/sub.fmk/inner.fmk", "");  // a folder is no table
    WriteTextFile("fmk_e/Ni.fmk", "");
    WriteTextFile("fmk/Ag.fmk", "");
    ScanFolders();
    std::vector<std::string> symbols;
    for (int32_t i = 1; i <= gFMK->FMK_Anzahl(); ++i) symbols.push_back(gFMK->FMK_Intern_Symbol(i));
    EXPECT_EQ(symbols, (std::vector<std::string>{"Ag", "Ni", "Al", "Fe", "zr", "Cu"}));
    EXPECT_EQ(gFMK->FMK_Intern_Typ(1), "0");
    EXPECT_EQ(gFMK->FMK_Intern_Typ(2), "0");
    EXPECT_EQ(gFMK->FMK_Intern_Typ(4), "1");
    EXPECT_EQ(gFMK->FMK_Intern_Typ(6), "2");
    EXPECT_EQ(gFMK->FMK_Intern_Info(4), "Doyle");
    EXPECT_EQ(gFMK->Tabelle(4).Dateiname(), (env.DataFolder() / "fmk_x" / "Fe_Doyle.FMK").string());

    ScanFolders();  // reading again replaces the list
    EXPECT_EQ(gFMK->FMK_Anzahl(), 6);
}

TEST_F(FormFactorTables, TablesOfAnElementInListOrder)
{
    WriteTextFile("fmk_x/Fe.fmk", "");
    WriteTextFile("fmk_n/Fe.fmk", "");
    WriteTextFile("fmk_n/Co.fmk", "");
    ScanFolders();
    gFMK->FMK_Intern_Neu("Fe", FT_Elektronen, {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 0);
    std::vector<int32_t> tables = {99};
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("Fe", tables), 3);
    EXPECT_EQ(tables, (std::vector<int32_t>{1, 3, 4}));
    EXPECT_EQ(gFMK->Formfaktor_Tabellen("fe", tables), 0);  // exact comparison
    EXPECT_TRUE(tables.empty());
    EXPECT_TRUE(gFMK->Formfaktor_Vorhanden_2("Co"));
    EXPECT_FALSE(gFMK->Formfaktor_Vorhanden_2("Ni"));
    EXPECT_EQ(gFMK->Formfaktor_Information(4), "Fe - Elektronenbeugung, Fit");
    EXPECT_EQ(gFMK->FMK_Gespeichert_Anzahl(), 1);
}

TEST_F(FormFactorTables, IndexOutsideTheListRaisesSubscriptError)
{
    ScanFolders();
    for (int32_t bad : {0, 1}) {
        try {
            gFMK->FMK_Intern_Symbol(bad);
            FAIL() << bad;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errSubscript);
        }
        EXPECT_THROW(gFMK->Formfaktor_Typ(bad), rt::RuntimeError);
        EXPECT_THROW(gFMK->Formfaktor_Information(bad), rt::RuntimeError);
    }
}
