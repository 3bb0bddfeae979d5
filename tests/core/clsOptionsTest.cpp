#include "core/SettingsFixture.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"

#include <bit>

namespace fs = std::filesystem;

using OptionsTest = SettingsFixture;

TEST_F(OptionsTest, AFreshStoreGivesEveryDefaultAndNoFile)
{
    clsOptions options;
    EXPECT_TRUE(options.Einheit_NM());
    EXPECT_TRUE(options.FFT_Richtig());
    EXPECT_FALSE(options.RTR_Anpassen());
    EXPECT_TRUE(options.iFTR_Bevorzugen());
    EXPECT_TRUE(options.Abbruchstelle_Daempfen());
    EXPECT_EQ(std::bit_cast<uint32_t>(options.Max_R()), 0x40490FDBu);
    EXPECT_EQ(options.Abbruchstelle_Ordnung(), 4);
    EXPECT_EQ(options.ButtonStyle(), 3);
    EXPECT_EQ(options.Sprache(), 0);
    EXPECT_EQ(options.FFT_Bits(), 14);
    EXPECT_EQ(options.FFT_Points(), 16384);
    EXPECT_EQ(options.Reg_Komponenten(), 2);
    EXPECT_EQ(options.Reg_X_Achse(), "");
    EXPECT_EQ(options.Reg_Folder(), "");
    EXPECT_FALSE(options.HammingWindow());
    EXPECT_FALSE(options.Ansicht_2_Fenster());
    EXPECT_FALSE(options.Strom_Korrektur());
    EXPECT_EQ(options.Strom_Normierung(), 25.0f);
    EXPECT_EQ(options.Delta_k(), 0.0f);
    EXPECT_EQ(options.Faktor_X(), 0.0f);
    EXPECT_EQ(options.Fit_Ueberlapp_k(), 0);
    EXPECT_EQ(options.Fit_Ueberlapp(), 5);
    for (int32_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(options.Element_Symbol(i), "H");
        EXPECT_EQ(options.Element_Konzentration(i), 0.0f);
        EXPECT_EQ(options.LM_IK(i), i);
    }
    EXPECT_FALSE(options.MRU_Available());
    EXPECT_FALSE(fs::exists(env_.ConfigFolder()));
    EXPECT_FALSE(gError->Error());
}

TEST_F(OptionsTest, SaveOptionsStartFromTheirKindsDefaults)
{
    clsOptions options;
    for (int32_t typ = 1; typ <= clsOptions::kMaxKurvenTyp; ++typ)
        EXPECT_EQ(options.KurveSpeichern(typ), SaveOptionStored(typ) && SaveOptionDefault(typ)) << typ;
    EXPECT_FALSE(options.KurveSpeichern(15));
    EXPECT_TRUE(options.KurveSpeichern(16));
    EXPECT_THROW(options.KurveSpeichern(0), rt::RuntimeError);
    EXPECT_THROW(options.setKurveSpeichern(51, true), rt::RuntimeError);
    EXPECT_FALSE(fs::exists(StoreFile()));
}

TEST_F(OptionsTest, StoredSettingsLastAcrossRuns)
{
    {
        clsOptions options;
        options.setEinheit_NM(false);
        options.setRTR_Anpassen(true);
        options.setiFTR_Bevorzugen(false);
        options.setAbbruchstelle_Daempfen(false);
        options.setAbbruchstelle_Ordnung(7);
        options.setMax_R(2.5f);
        options.setSprache(3);
        options.setKurveSpeichern(15, true);
        options.setKurveSpeichern(16, false);
        options.setKurveSpeichern(9, true);
        options.setReg_Komponenten(4);
        options.setReg_X_Achse("T_3_39847");
        options.setReg_Folder("/home/a b/%USER%/");
        options.setElement_Symbol(2, "Cu");
        options.setElement_Konzentration(2, 0.25f);
        options.LM_IK_Set(3, 5);
    }
    clsOptions options;
    EXPECT_FALSE(options.Einheit_NM());
    EXPECT_TRUE(options.RTR_Anpassen());
    EXPECT_FALSE(options.iFTR_Bevorzugen());
    EXPECT_FALSE(options.Abbruchstelle_Daempfen());
    EXPECT_EQ(options.Abbruchstelle_Ordnung(), 7);
    EXPECT_EQ(options.Max_R(), 2.5f);
    EXPECT_EQ(options.Sprache(), 3);
    EXPECT_TRUE(options.KurveSpeichern(15));
    EXPECT_FALSE(options.KurveSpeichern(16));
    EXPECT_FALSE(options.KurveSpeichern(9));  // written, but kind 9 is never read back
    EXPECT_EQ(options.Reg_Komponenten(), 4);
    EXPECT_EQ(options.Reg_X_Achse(), "T_3_39847");
    EXPECT_EQ(options.Reg_Folder(), "/home/a b/%USER%/");
    EXPECT_EQ(options.Element_Symbol(2), "Cu");
    EXPECT_EQ(options.Element_Konzentration(2), 0.25f);
    EXPECT_EQ(options.LM_IK(3), 5);
    const std::string text = StoreText();
    for (const char* line : {"nm=dword:0", "Max_R=text:2.5", "Lang=text:3", "Abbruchstelle Ordnung=text:7",
                             "Speichern_9=dword:1", "Komponenten=dword:4", "C_2=text:0.25"})
        EXPECT_NE(text.find(std::string(line) + "\n"), std::string::npos) << line;
}

TEST_F(OptionsTest, FftRichtigAndButtonStyleLastOnlyUntilTheEnd)
{
    {
        clsOptions options;
        options.setFFT_Richtig(false);
        options.setButtonStyle(1);
        EXPECT_FALSE(options.FFT_Richtig());
        EXPECT_EQ(options.ButtonStyle(), 1);
    }
    clsOptions options;
    EXPECT_TRUE(options.FFT_Richtig());
    EXPECT_EQ(options.ButtonStyle(), 3);
    EXPECT_FALSE(fs::exists(StoreFile()));
}

TEST_F(OptionsTest, MaxRReadsEitherSeparator)
{
    PutStore("Max_R=text:2,5\n");
    EXPECT_EQ(clsOptions().Max_R(), 2.5f);
    PutStore("Max_R=text:2.5\n");
    EXPECT_EQ(clsOptions().Max_R(), 2.5f);
    PutStore("Max_R=text:xyz\n");
    EXPECT_EQ(std::bit_cast<uint32_t>(clsOptions().Max_R()), 0x40490FDBu);
    PutStore("Max_R=text:\n");
    EXPECT_EQ(std::bit_cast<uint32_t>(clsOptions().Max_R()), 0x40490FDBu);
}

TEST_F(OptionsTest, StoredValuesThatAreNoNumbersGiveTheDefaults)
{
    PutStore("ButtonStyle=text:fancy\nLang=text:\nAbbruchstelle Ordnung=text:1E20\nnm=text:yes\n"
             "Komponenten=binary:01\nMouseActionIK_1=text:abc\nMouseActionIK_2=text:-1\nC_1=text:viel\n"
             "E_1=binary:00\nSpeichern_2=text:0\n");
    clsOptions options;
    EXPECT_EQ(options.ButtonStyle(), 3);
    EXPECT_EQ(options.Sprache(), 0);
    EXPECT_EQ(options.Abbruchstelle_Ordnung(), 4);
    EXPECT_TRUE(options.Einheit_NM());
    EXPECT_EQ(options.Reg_Komponenten(), 2);
    EXPECT_EQ(options.LM_IK(1), 1);
    EXPECT_EQ(options.LM_IK(2), 0);
    EXPECT_EQ(options.Element_Konzentration(1), 0.0f);
    EXPECT_EQ(options.Element_Symbol(1), "H");
    EXPECT_FALSE(options.KurveSpeichern(2));
}

TEST_F(OptionsTest, NumbersOfEitherSeparatorAndKindAreRead)
{
    PutStore("ButtonStyle=dword:2\nLang=text:3\nAbbruchstelle Ordnung=text:6,4\nC_1=text:60.5\nC_2=text:0,5\n"
             "Komponenten=text:3\nE_1=dword:5\n");
    clsOptions options;
    EXPECT_EQ(options.ButtonStyle(), 2);
    EXPECT_EQ(options.Sprache(), 3);
    EXPECT_EQ(options.Abbruchstelle_Ordnung(), 6);
    EXPECT_EQ(options.Element_Konzentration(1), 60.5f);
    EXPECT_EQ(options.Element_Konzentration(2), 0.5f);
    EXPECT_EQ(options.Reg_Komponenten(), 3);
    EXPECT_EQ(options.Element_Symbol(1), "5");
}

TEST_F(OptionsTest, ATruncatedStoreKeepsWhatCanBeRead)
{
    PutStore("Lang=text:3\nnm=dword:0\nRTR=dwo");
    clsOptions options;
    EXPECT_EQ(options.Sprache(), 3);
    EXPECT_FALSE(options.Einheit_NM());
    EXPECT_FALSE(options.RTR_Anpassen());
    options.setRTR_Anpassen(true);
    EXPECT_TRUE(clsOptions().RTR_Anpassen());
}

TEST_F(OptionsTest, DeletingTheStoreGivesBackTheDefaults)
{
    {
        clsOptions options;
        options.setSprache(3);
        options.setMax_R(1.0f);
    }
    fs::remove(StoreFile());
    clsOptions options;
    EXPECT_EQ(options.Sprache(), 0);
    EXPECT_EQ(std::bit_cast<uint32_t>(options.Max_R()), 0x40490FDBu);
}

TEST_F(OptionsTest, DeltaRFollowsTheGridAndTheTransformSize)
{
    clsOptions options;
    EXPECT_THROW(options.Delta_r(), rt::RuntimeError);
    options.setDelta_k(0.1f);
    EXPECT_EQ(options.Delta_r(), 0.0038349519f);
    options.setFFT_Bits(10);
    EXPECT_EQ(options.FFT_Points(), 1024);
    EXPECT_FLOAT_EQ(options.Delta_r(), static_cast<float>(6.28318530717958 / 1024 / 0.1f));
    EXPECT_EQ(options.Rand(7), 0.1f);
    EXPECT_EQ(options.Rand(99), 1.0f);
}

TEST_F(OptionsTest, AFailedWriteIsReportedAndTheValueKeptInMemory)
{
    clsOptions options;
    BlockStore();
    options.setMax_R(2.0f);
    EXPECT_EQ(options.Max_R(), 2.0f);
    EXPECT_EQ(gError->ErrorFunction(), "Max_R");
    EXPECT_EQ(gError->ErrorModul(), "clsOptions");
    EXPECT_EQ(seam_.errorWindows, 1);
    options.LM_IK_Set(1, 2);
    options.setElement_Konzentration(1, 0.5f);
    EXPECT_EQ(seam_.errorWindows, 3);
    EXPECT_EQ(gError->ErrorFunction(), "Element_Konzentration");
}

TEST_F(OptionsTest, FailedWritesOfLanguageAndSymbolShowTheHandlerMessage)
{
    clsOptions options;
    BlockStore();
    options.setSprache(3);
    EXPECT_EQ(options.Sprache(), 3);
    options.setElement_Symbol(1, "Fe");
    ASSERT_EQ(seam_.messages.size(), 2u);
    EXPECT_EQ(seam_.messages[0].text,
              "Error 26001 (Failed to create registry Key: 'Software\\Murenko\\Settings) in procedure Sprache of "
              "Klassenmodul clsOptions");
    EXPECT_EQ(seam_.messages[0].buttons, zelo::MsgButtons::OK);
    EXPECT_NE(seam_.messages[1].text.find("in procedure Element_Symbol of Klassenmodul clsOptions"),
              std::string::npos);
}
