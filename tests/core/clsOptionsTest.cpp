#include "core/SettingsFixture.h"
#include "core/KurvenTyp.h"
#include "core/clsOptions.h"

#include <tuple>
#include <map>

namespace fs = std::filesystem;

namespace {

using Settings = std::map<std::string, std::string>;

// Every stored setting as text, for comparing whole sets at once.
Settings StoredSettings(const clsOptions& o)
{
    Settings s = {{"nm", std::to_string(o.Einheit_NM())}, {"RTR", std::to_string(o.RTR_Anpassen())},
                  {"iFTR", std::to_string(o.iFTR_Bevorzugen())}, {"Daempfen", std::to_string(o.Abbruchstelle_Daempfen())},
                  {"Ordnung", std::to_string(o.Abbruchstelle_Ordnung())}, {"Max_R", rt::SingleText(o.Max_R())},
                  {"Lang", std::to_string(o.Sprache())}, {"Komponenten", std::to_string(o.Reg_Komponenten())},
                  {"X_Achse", o.Reg_X_Achse()}, {"Folder", o.Reg_Folder()}, {"Speichern", ""}};
    for (int32_t i = 1; i <= 5; ++i) {
        s["E_" + std::to_string(i)] = o.Element_Symbol(i);
        s["C_" + std::to_string(i)] = rt::SingleText(o.Element_Konzentration(i));
        s["LM_" + std::to_string(i)] = std::to_string(o.LM_IK(i));
    }
    for (int32_t kind = 1; kind <= clsOptions::kMaxKurvenTyp; ++kind) s["Speichern"] += o.KurveSpeichern(kind) ? '1' : '0';
    return s;
}

Settings Defaults()
{
    Settings s = {{"nm", "1"}, {"RTR", "0"}, {"iFTR", "1"}, {"Daempfen", "1"}, {"Ordnung", "4"}, {"Max_R", "3.141593"},
                  {"Lang", "0"}, {"Komponenten", "2"}, {"X_Achse", ""}, {"Folder", ""}, {"Speichern", ""}};
    for (int32_t i = 1; i <= 5; ++i) {
        s["E_" + std::to_string(i)] = "H";
        s["C_" + std::to_string(i)] = "0";
        s["LM_" + std::to_string(i)] = std::to_string(i);
    }
    for (int32_t kind = 1; kind <= clsOptions::kMaxKurvenTyp; ++kind)
        s["Speichern"] += SaveOptionStored(kind) && SaveOptionDefault(kind) ? '1' : '0';
    return s;
}

}

using OptionsTest = SettingsFixture;

TEST_F(OptionsTest, AFreshStoreGivesEveryDefaultAndNoFile)
{
    clsOptions options;
    EXPECT_EQ(StoredSettings(options), Defaults());
    EXPECT_EQ(options.FFT_Points(), 16384);
    EXPECT_FALSE(fs::exists(env.ConfigFolder()));
    EXPECT_FALSE(options.KurveSpeichern(0));
    EXPECT_EQ(gError->ErrorNumber(), rt::errSubscript);
}

TEST_F(OptionsTest, StoredSettingsLastAcrossRunsButFftRichtigAndButtonStyleDoNot)
{
    {
        clsOptions options;
        options.setEinheit_NM(false);
        options.setRTR_Anpassen(true);
        options.setAbbruchstelle_Ordnung(7);
        options.setMax_R(2.5f);
        options.setSprache(3);
        options.setKurveSpeichern(15, true);
        options.setKurveSpeichern(9, true);  // written, but kind 9 is never read back
        options.setReg_Folder("/home/a b/%USER%/");
        options.setElement_Symbol(2, "Cu");
        options.setElement_Konzentration(2, 0.25f);
        options.LM_IK_Set(3, 5);
        options.setFFT_Richtig(false);
        options.setButtonStyle(1);
    }
    clsOptions options;
    Settings expected = Defaults();
    expected["nm"] = "0", expected["RTR"] = "1", expected["Ordnung"] = "7", expected["Max_R"] = "2.5";
    expected["Lang"] = "3", expected["Folder"] = "/home/a b/%USER%/", expected["E_2"] = "Cu", expected["C_2"] = "0.25";
    expected["LM_3"] = "5", expected["Speichern"][14] = '1';
    EXPECT_EQ(StoredSettings(options), expected);
    EXPECT_EQ(std::tuple(options.FFT_Richtig(), options.ButtonStyle()), std::tuple(true, 3));
    for (const char* line : {"nm=dword:0\n", "Max_R=text:2.5\n", "Speichern_9=dword:1\n", "C_2=text:0.25\n"})
        EXPECT_NE(StoreText().find(line), std::string::npos) << line;

    fs::remove(StoreFile());
    EXPECT_EQ(StoredSettings(clsOptions()), Defaults()) << "deleting the store gives back the defaults";
}

TEST_F(OptionsTest, NumbersAreReadWithEitherSeparatorAndWhatCannotBeReadGivesTheDefault)
{
    for (const auto& [stored, expected] : {std::pair{"2,5", 2.5f}, {"2.5", 2.5f}, {"xyz", 3.1415927f}, {"", 3.1415927f}}) {
        PutStore(std::string("Max_R=text:") + stored + "\n");
        EXPECT_EQ(clsOptions().Max_R(), expected) << stored;
    }
    PutStore("ButtonStyle=dword:2\nLang=text:3\nAbbruchstelle Ordnung=text:6,4\nC_1=text:60.5\nC_2=text:0,5\n"
             "Komponenten=text:3\nE_1=dword:5\nRTR=dwo");  // truncated in its last line
    clsOptions read;
    EXPECT_EQ(std::tuple(read.ButtonStyle(), read.Abbruchstelle_Ordnung(), read.Element_Symbol(1), read.RTR_Anpassen()),
              std::tuple(2, 6, "5", false));
    EXPECT_EQ(std::pair(read.Element_Konzentration(1), read.Element_Konzentration(2)), std::pair(60.5f, 0.5f));

    PutStore("ButtonStyle=text:fancy\nLang=text:\nAbbruchstelle Ordnung=text:1E20\nnm=text:yes\nKomponenten=binary:01\n"
             "MouseActionIK_1=text:abc\nC_1=text:viel\nE_1=binary:00\nSpeichern_2=text:0\n");
    clsOptions garbled;
    Settings expected = Defaults();
    expected["Speichern"][1] = '0';
    EXPECT_EQ(StoredSettings(garbled), expected);
    EXPECT_EQ(garbled.ButtonStyle(), 3);
}

TEST_F(OptionsTest, DeltaRFollowsTheGridAndAFailedWriteKeepsTheValueInMemory)
{
    clsOptions options;
    EXPECT_EQ(options.Delta_r(), 0.0f);
    EXPECT_EQ(gError->ErrorFunction() + " " + std::to_string(gError->ErrorNumber()), "Delta_r 11");
    options.setDelta_k(0.1f);
    EXPECT_EQ(options.Delta_r(), 0.0038349519f);
    options.setFFT_Bits(10);
    EXPECT_FLOAT_EQ(options.Delta_r(), 0.0613592315f);
    options.setFFT_Bits(40);
    EXPECT_EQ(options.FFT_Points(), 0);
    EXPECT_EQ(gError->ErrorFunction() + " " + std::to_string(gError->ErrorNumber()), "FFT_Points 6");
    EXPECT_EQ(options.Rand(7), 0.1f);
    // A failed write keeps the value in memory and is told once per run, plainly.
    const int before = seam.errorWindows;
    BlockStore();
    options.setMax_R(2.0f);
    EXPECT_EQ(options.Max_R(), 2.0f);
    options.setSprache(3);
    EXPECT_EQ(options.Sprache(), 3);
    options.setElement_Symbol(1, "Fe");
    EXPECT_EQ(options.Element_Symbol(1), "Fe") << "a setting read at every get is kept in memory too";
    EXPECT_EQ(seam.errorWindows - before, 0);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(458) + "\r\n" +
                                         (env.Root() / "blocker" / "Murenko" / "Settings.ini").string() +
                                         " (ein Teil des Pfades ist kein Ordner)");
    clsOptions nextRun;
    nextRun.setMax_R(1.0f);
    EXPECT_EQ(seam.messages.size(), 2u) << "the next run tells again";
}
