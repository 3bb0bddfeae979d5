#include "DatabaseFixture.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "materials/clsFMK_Intern.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace {

clsFMK_Intern CarbonFit()
{
    clsFMK_Intern table;
    table.setSymbol("C");
    table.setFMK_Typ(FT_Elektronen);
    table.setDaten_Typ(DT_Fit);
    const float a[] = {0.04924f, 0.13162f, 0.22393f, 0.11705f};
    const float b[] = {1.12357f, 4.81011f, 14.8439f, 39.0726f};
    for (int32_t i = 1; i <= 4; ++i) {
        table.setA(i, a[i - 1]);
        table.setB(i, b[i - 1]);
    }
    table.setC(0.00683f);
    return table;
}

}

TEST(clsFMK_Intern, FittedFormFactorOfCarbon)
{
    const clsFMK_Intern carbon = CarbonFit();
    EXPECT_NEAR(carbon.Y(0), 0.52867, 1e-6);  // A1 + ... + A5 + c
    EXPECT_NEAR(carbon.Y(10), 0.478625, 1e-6);
    EXPECT_NEAR(carbon.Y(20), 0.368466, 1e-6);
    EXPECT_NEAR(carbon.Y(50), 0.131104, 1e-6);
    EXPECT_NEAR(carbon.Y(1e6f), 0.00683, 1e-7);  // only the constant far out
}

TEST(clsFMK_Intern, FileNameGivesSymbolInfoAndRadiationKind)
{
    clsFMK_Intern fe;
    fe.setDateiname("/home/u/.local/share/zelo/fmk_x/Fe_Doyle.fmk");
    EXPECT_EQ(fe.Symbol(), "Fe");
    EXPECT_EQ(fe.Info(), "Doyle");
    EXPECT_EQ(fe.FMK_Typ(), FT_Roentgen);
    EXPECT_EQ(fe.Daten_Typ(), DT_Datei);

    clsFMK_Intern cu;
    cu.setDateiname("/data/zelo/fmk_n/Cu_1.2.fmk");  // the name is cut at its first point
    EXPECT_EQ(cu.Symbol(), "Cu");
    EXPECT_EQ(cu.Info(), "1");
    EXPECT_EQ(cu.FMK_Typ(), FT_Neutronen);

    clsFMK_Intern plain;
    plain.setDateiname("/data/zelo/fmk_n/Cu.fmk");
    EXPECT_EQ(plain.Symbol(), "Cu");
    EXPECT_EQ(plain.Info(), "");
}

TEST(clsFMK_Intern, FolderDecidesTheRadiationKind)
{
    for (const char* folder : {"fmk", "fmk_e"}) {
        clsFMK_Intern table;
        table.setDateiname(std::string("/p/") + folder + "/Al.fmk");
        EXPECT_EQ(table.FMK_Typ(), FT_Elektronen) << folder;
    }
    clsFMK_Intern windowsPath;
    windowsPath.setDateiname("C:\\zelo\\fmk_x\\Ni.fmk");
    EXPECT_EQ(windowsPath.FMK_Typ(), FT_Roentgen);

    clsFMK_Intern otherFolder;  // an unknown folder leaves the kind as it was
    otherFolder.setFMK_Typ(FT_Neutronen);
    otherFolder.setDateiname("/p/FMK_X/Ni.fmk");
    EXPECT_EQ(otherFolder.FMK_Typ(), FT_Neutronen);

    clsFMK_Intern oneSeparator;
    oneSeparator.setDateiname("fmk_x/Ni.fmk");
    EXPECT_EQ(oneSeparator.FMK_Typ(), FT_Unbekannt);
    EXPECT_EQ(oneSeparator.Symbol(), "Ni");

    clsFMK_Intern bare;
    bare.setDateiname("Ni_x.fmk");
    EXPECT_EQ(bare.Symbol(), "Ni_x.fmk");
    EXPECT_EQ(bare.FMK_Typ(), FT_Unbekannt);
}

class clsFMK_InternTexts : public ::testing::Test {
protected:
    void SetUp() override { CreateCoreObjects(); }
    void TearDown() override
    {
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
    }
    RecordingSeam seam;
};

TEST_F(clsFMK_InternTexts, OneLineDescription)
{
    EXPECT_EQ(CarbonFit().Info_2(), "C - Elektronenbeugung, Fit");
    clsFMK_Intern fe;
    fe.setDateiname("/p/fmk_x/Fe_Doyle.fmk");
    EXPECT_EQ(fe.Info_2(), "Fe (Doyle) - Röntgenbeugung, Datei");
    clsFMK_Intern cu;
    cu.setDateiname("/p/fmk_n/Cu.fmk");
    EXPECT_EQ(cu.Info_2(), "Cu - Neutronenbeugung, Datei");
    clsFMK_Intern unknown;
    unknown.setDateiname("Cu.fmk");
    EXPECT_EQ(unknown.Info_2(), "Cu.fmk - <unbekannt>, Datei");
    EXPECT_EQ(clsFMK_Intern().Info_2(), "");

    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(CarbonFit().Info_2(), "C - electron diffraction, Fit");
}

TEST_F(clsFMK_InternTexts, CoefficientIndexOutsideOneToFiveIsReported)
{
    clsFMK_Intern table = CarbonFit();
    EXPECT_EQ(table.A(0), 0.0f);
    table.setB(6, 1.0f);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, "Error 9 (Subscript out of range) in procedure a of Klassenmodul clsFMK_Intern");
    EXPECT_EQ(seam.messages[1].text, "Error 9 (Subscript out of range) in procedure b of Klassenmodul clsFMK_Intern");
    EXPECT_FLOAT_EQ(table.B(1), 1.12357f);
}

using clsFMK_InternRecord = DatabaseFixture;

TEST_F(clsFMK_InternRecord, ParameterBlockOnlyForFits)
{
    clsFMK_Intern carbon = CarbonFit();
    const auto fit = Written([&](int32_t datei) {
        carbon.setDateinummer(datei);
        carbon.Daten_Speichern();
    });
    EXPECT_EQ(fit.size(), 1u + 146);

    clsFMK_Intern file;
    file.setSymbol("Fe");
    file.setDaten_Typ(DT_Datei);
    const auto noBlock = Written([&](int32_t datei) {
        file.setDateinummer(datei);
        file.Daten_Speichern();
    });
    EXPECT_EQ(noBlock.size(), 2u + 8 + 2 + 6 + 40 + 2);

    clsFMK_Intern copy;
    ReadFrom(fit, [&](int32_t datei) {
        copy.setDateinummer(datei);
        copy.Daten_Lesen();
    });
    EXPECT_EQ(copy.Symbol(), "C");
    EXPECT_NEAR(copy.Y(10), 0.478625, 1e-6);
    const auto again = Written([&](int32_t datei) {
        copy.setDateinummer(datei);
        copy.Daten_Speichern();
    });
    EXPECT_EQ(again, fit);
}
