// A project started without any window: a generated raw spectrum opened through the project
// settings' model sequence, a file that cannot be read, and a form-factor table that cannot be read.
#include "ProjektFixture.h"

#include "core/KurvenTyp.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "mainwindow/modProjektStart.h"
#include "support/Pipenwache.h"

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

using ProjektStartTest = ProjektFixture;

TEST_F(ProjektStartTest, RawSpectrumStartsTheProjectWithItsAlloy)
{
    Neues_Projekt_Reset();
    gCommon->Set_Dateiname(Rohspektrum("probe.dat", 20.0, [](double K) { return 1000.0 + K * K; }));
    Projekteinstellungen_Uebernehmen(Einstellungen("C"));

    ASSERT_EQ(gSchritt, 2) << "the raw spectrum is loaded";
    EXPECT_EQ(gCalc->Punkte(), 401);
    EXPECT_NEAR(gCalc->x(gCalc->Mitte_Index()), 0.0f, 1e-5f) << "centred on the middle point";
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(view.title, "KPW - ZELO (DEMO) 2.32 - [probe]");
    ASSERT_EQ(view.alloyMenu.size(), 1u);
    EXPECT_EQ(view.alloyMenu[0], "C: 100at%, 2.26 g/cm³, 4 e/a");
    EXPECT_TRUE(view.alloyMenuShown);
    EXPECT_GT(gMFE->Dichte_Theoretisch(), 0.0f);
    EXPECT_GT(gFMK->fm2_Y(1), 0.0f) << "the mixture form factors on the loaded curve's grid";
    EXPECT_EQ(view.drawnKinds, std::vector<int32_t>{KT_JK}) << "the spectrum is drawn as loaded";
    EXPECT_EQ(seam.redraws, 1);
}

TEST_F(ProjektStartTest, SpectrumThatFailsToLoadIsOfferedAgainButNotShown)
{
    const auto path = (env.Root() / "leer.dat").string();
    std::ofstream(path) << "no data line\r\n";
    gCommon->Set_Dateiname(path);
    gCommon->setProjektTyp(PT_Beugung);
    gSchritt = 0;
    Datei_Einlesen_Endgueltig();
    EXPECT_EQ(gSchritt, 0);
    EXPECT_EQ(gOptions->MRU(1), path);
    EXPECT_EQ(view.title, "KPW - ZELO (DEMO) 2.32") << "no file in the title";
    EXPECT_TRUE(view.drawnKinds.empty());
}

TEST_F(ProjektStartTest, SettingsThatCannotBeSavedAreToldOnceForAllProjectsOfTheRun)
{
    std::ofstream(env.Root() / "blocker") << "a file where the settings folder should be";
    setenv("XDG_CONFIG_HOME", (env.Root() / "blocker").c_str(), 1);
    for (const char* name : {"eins.dat", "zwei.dat"}) {
        Neues_Projekt_Reset();
        gCommon->Set_Dateiname(Rohspektrum(name, 20.0, [](double K) { return 1000.0 + K * K; }));
        Projekteinstellungen_Uebernehmen(Einstellungen("C"));
        EXPECT_EQ(gSchritt, 2) << name;
    }
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text.rfind(gLanguage->Caption(458), 0), 0u) << seam.messages[0].text;
    EXPECT_EQ(gOptions->MRU(2), (env.Root() / "zwei.dat").string()) << "the recent files are kept for the run";
}

TEST_F(ProjektStartTest, ATableThatCannotBeReadIsToldInOneMessageOfTheUiLanguageAndTheProjectStartsWithoutMixture)
{
    // The user's own carbon table among the electron tables, broken; the settings window picks it.
    const auto kaputt = (env.DataFolder() / "fmk_e" / "C_kaputt.fmk").string();
    std::filesystem::create_directories(env.DataFolder() / "fmk_e");
    std::ofstream(kaputt, std::ios::binary) << "kaputt\r\n";
    Restart();
    Projekteinstellungen einstellungen = Einstellungen("C");
    for (int32_t i = 1; i <= gFMK->FMK_Anzahl(); ++i)
        if (gFMK->Tabelle(i).Dateiname() == kaputt) einstellungen.Komponenten[0].Tabelle = i;
    ASSERT_GT(einstellungen.Komponenten[0].Tabelle, 0);
    Neues_Projekt_Reset();
    gCommon->Set_Dateiname(Rohspektrum("probe.dat", 20.0, [](double K) { return 1000.0 + K * K; }));
    Projekteinstellungen_Uebernehmen(einstellungen);

    EXPECT_EQ(gSchritt, 2) << "the spectrum is loaded, as with a file of mean form factors among the tables";
    EXPECT_EQ(gFMK->fm2_Y(1), 0.0f) << "no mixture without the table";
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 1u);
    const auto Text = [](int32_t n) { return gLanguage->Caption(n); };
    EXPECT_EQ(seam.messages[0].text, kaputt + ":\r\n" + Text(690) + "\r\n" + Text(693) + ": " + kaputt + " (" +
                                         Text(694) + ": 0, " + Text(695) + " 3)\r\n" + Text(691) + "\r\n" + Text(692));
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(seam.messages[0].title, "KPW ZELO");

    // The background step reads the table again, and tells it again, in the language now chosen.
    gLanguage->OpenLanguageEx(3);
    EXPECT_FALSE(gFMK->Formfaktoren_Berechnen());
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[1].text.rfind(kaputt + ":\r\nThis form-factor table cannot be read.\r\n"
                                                   "The file holds too few usable points: " + kaputt + " (read: 0, needed: at least 3)", 0),
              0u) << seam.messages[1].text;
    gLanguage->OpenLanguageEx(0);
}

TEST_F(ProjektStartTest, AFolderADeviceOrANamedPipeIsRefusedAtOnceInOneMessageNamingIt)
{
    // A named pipe under the name of every kind of project file, a folder, and a device read as a
    // raw spectrum, as the settings window's OK reads them aside.
    std::vector<std::unique_ptr<Pipenwache>> pipes;
    for (const char* endung : {".dat", ".asc", ".fit", ".mitt", ".ik", ".gr", ".pot", ".v_k", ".ssc"})
        pipes.push_back(std::make_unique<Pipenwache>(env.Root() / (std::string("pipe") + endung)));
    std::filesystem::create_directories(env.Root() / "ordner.ik");
    std::vector<std::string> pfade = {"/dev/zero", (env.Root() / "ordner.ik").string()};
    for (const auto& pipe : pipes) pfade.push_back(pipe->Pfad());
    for (const std::string& pfad : pfade) {
        gCommon->Set_Dateiname(pfad);
        seam.messages.clear();
        EXPECT_FALSE(Projektdatei_Pruefen(Einstellungen("C", pfad == "/dev/zero" ? PT_Beugung : gCommon->ProjektTyp())));
        ASSERT_EQ(seam.messages.size(), 1u) << pfad;
        EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(631) + "\r\n" + pfad + "\r\n" + gLanguage->Caption(675));
    }
    for (const auto& pipe : pipes) EXPECT_FALSE(pipe->Freigegeben()) << pipe->Pfad() << " was opened";
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(ProjektStartTest, AnEmptyFileIsRefusedWithItsReasonInTheWindowsLanguage)
{
    const auto pfad = (env.Root() / "leer.ik").string();
    std::ofstream(pfad).flush();
    gCommon->Set_Dateiname(pfad);
    const std::pair<int32_t, std::string> faelle[] = {
        {0, "Diese Datei lässt sich nicht als Projekt öffnen:\r\n" + pfad + "\r\nDie Datei ist leer: " + pfad},
        {3, "This file cannot be opened as a project:\r\n" + pfad + "\r\nThe file is empty: " + pfad}};
    for (const auto& [sprache, erwartet] : faelle) {
        gLanguage->OpenLanguageEx(sprache);
        seam.messages.clear();
        EXPECT_FALSE(Projektdatei_Pruefen(Einstellungen("C", gCommon->ProjektTyp())));
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].text, erwartet);
    }
    gLanguage->OpenLanguageEx(0);
    EXPECT_EQ(seam.errorWindows, 0);
}
