#include "materials/clsFMK_Intern.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(clsFMK_Intern, FileNameGivesSymbolInfoAndTheFolderTheRadiationKind)
{
    for (const auto& [path, symbol, info, kind] :
         {std::tuple{"/home/u/.local/share/zelo/fmk_x/Fe_Doyle.fmk", "Fe", "Doyle", FT_Roentgen},
          {"/data/zelo/fmk_n/Cu_1.2.fmk", "Cu", "1", FT_Neutronen}, {"/p/fmk/Al.fmk", "Al", "", FT_Elektronen},
          {"/p/fmk_e/Al.fmk", "Al", "", FT_Elektronen}, {"C:\\zelo\\fmk_x\\Ni.fmk", "Ni", "", FT_Roentgen},
          {"fmk_x/Ni.fmk", "Ni", "", FT_Unbekannt}, {"Ni_x.fmk", "Ni_x.fmk", "", FT_Unbekannt}}) {
        clsFMK_Intern table;
        table.setDateiname(path);
        EXPECT_EQ(std::tuple(table.Symbol(), table.Info(), table.FMK_Typ(), table.Daten_Typ()),
                  std::tuple(symbol, info, kind, DT_Datei)) << path;
    }
    clsFMK_Intern otherFolder;  // an unknown folder leaves the kind as it was
    otherFolder.setFMK_Typ(FT_Neutronen);
    otherFolder.setDateiname("/p/FMK_X/Ni.fmk");
    EXPECT_EQ(otherFolder.FMK_Typ(), FT_Neutronen);
}
