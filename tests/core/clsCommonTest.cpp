#include "core/clsCommon.h"

#include "core/Runtime.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

const std::string kNul(1, '\0');

class CommonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateCoreObjects();
        gCommon = std::make_unique<clsCommon>();
        folder = env.Root().string() + "/Messung/";
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
    }
    void Touch(const std::string& path) { std::ofstream(path) << "x"; }

    TempEnvironment env;
    RecordingSeam seam;
    std::string folder;
};

}

TEST_F(CommonTest, OpenDialogFilterStartsWithAllKnownPatterns)
{
    const auto filters = ParseFilterText(gCommon->Filter());
    ASSERT_EQ(filters.size(), 9u);
    EXPECT_EQ(filters[0].name, "alle bekannten Formate");
    EXPECT_EQ(filters[0].patterns.rfind(";*.dat;*.elb;*.asc;*.mitt;", 0), 0u);
    EXPECT_EQ(filters[0].patterns.substr(filters[0].patterns.size() - 12), ";*.emf;*.wmf");
    EXPECT_EQ(filters[1].name, "Beugung PHDS (*.dat;*.elb)");
    EXPECT_EQ(filters[1].patterns, "*.dat;*.elb");
    EXPECT_EQ(filters[3].name, "ZELO bearbeitet (*.mitt;*.mit;*.fit;*.fi1;*.kr1)");
    EXPECT_EQ(filters[8].name, "Alle Dateien (*.*)");
    EXPECT_EQ(filters[8].patterns, "*.*");
    EXPECT_EQ(gCommon->Filter().back(), '\0');
}

TEST_F(CommonTest, FilterIsBuiltInTheLanguageOfCreation)
{
    gLanguage->OpenLanguageEx(3);
    gCommon = std::make_unique<clsCommon>();
    gLanguage->OpenLanguageEx(0);
    const auto filters = ParseFilterText(gCommon->Filter());
    EXPECT_EQ(filters[0].name, "All known formats");
    EXPECT_EQ(filters[2].name, "diffraction ELMI (*.asc)");
    EXPECT_EQ(filters[8].name, "All Files (*.*)");
}

TEST_F(CommonTest, FilterTextWithoutFinalNulDropsTheUnfinishedEntry)
{
    EXPECT_EQ(ParseFilterText("Bitmap" + kNul + "*.bmp" + kNul).size(), 1u);
    EXPECT_EQ(ParseFilterText("Bitmap" + kNul + "*.bmp").size(), 0u);
    EXPECT_TRUE(ParseFilterText("").empty());
}

TEST_F(CommonTest, StartFolderIsTheStoredFolder)
{
    gOptions->setReg_Folder("/data/old/");
    gCommon = std::make_unique<clsCommon>();
    EXPECT_EQ(gCommon->Ordner(), "/data/old/");
    gCommon->ShowOpen(true);
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].startFolder, "/data/old/");
    EXPECT_EQ(seam.dialogs[0].title, "Rohdaten öffnen");
    EXPECT_EQ(seam.dialogs[0].filters.size(), 9u);
}

TEST_F(CommonTest, OpeningAProjectSplitsTheNameAndProposesAFreshResultsFolder)
{
    std::filesystem::create_directory(folder + "Probe1");
    Touch(folder + "Probe.DAT");
    seam.dialogAnswers = {"  " + folder + "Probe.DAT" + kNul + "rest"};
    ASSERT_TRUE(gCommon->ShowOpen(true));
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), folder + "Probe.DAT");
    EXPECT_EQ(gCommon->Dateiname(), "Probe");
    EXPECT_EQ(gCommon->Extension(), ".DAT");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Beugung);
    EXPECT_EQ(gCommon->Dateiname_NurOrdner(), folder);
    EXPECT_EQ(gCommon->Ordner(), folder + "Probe2/");
    EXPECT_EQ(gOptions->Reg_Folder(), folder + "Probe2/");
    EXPECT_FALSE(std::filesystem::exists(folder + "Probe2")) << "the folder is only proposed";
}

TEST_F(CommonTest, ResultsFolderSkipsFilesOfTheCandidateNameToo)
{
    Touch(folder + "probe1");
    std::filesystem::create_directory(folder + "probe2");
    gCommon->Set_Dateiname(folder + "probe.i_k");
    EXPECT_EQ(gCommon->Ordner(), folder + "probe3/");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_IK);
    gCommon->Set_Dateiname(folder + "other.dat");
    EXPECT_EQ(gCommon->Ordner(), folder + "other1/");
}

TEST_F(CommonTest, ExtensionComesFromTheFileNameNotFromADottedFolder)
{
    seam.dialogAnswers = {env.Root().string() + "/run.2/probe"};
    ASSERT_TRUE(gCommon->ShowOpen(true));
    EXPECT_EQ(gCommon->Dateiname(), "probe");
    EXPECT_EQ(gCommon->Extension(), "");
    EXPECT_EQ(gCommon->Ordner(), env.Root().string() + "/run.2/probe1/");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Unbekannt);
    EXPECT_EQ(gCommon->Datei_Extension("/x.y/abc"), "");
    EXPECT_THROW(gCommon->setDateiname_Rohdaten("/x.y/abc"), rt::RuntimeError);
}

TEST_F(CommonTest, CancelledDialogsKeepTheCurrentProject)
{
    gCommon->Set_Dateiname(folder + "probe.dat");
    const std::string ordner = gCommon->Ordner();
    EXPECT_FALSE(gCommon->ShowOpen(true));
    EXPECT_FALSE(gCommon->ShowOpen(false));
    EXPECT_FALSE(gCommon->ShowOpenBild());
    EXPECT_FALSE(gCommon->ShowFolder("Auswertung speichern in..."));
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), folder + "probe.dat");
    EXPECT_EQ(gCommon->Dateiname(), "probe");
    EXPECT_EQ(gCommon->Extension(), ".dat");
    EXPECT_EQ(gCommon->Ordner(), ordner);
    EXPECT_EQ(seam.dialogs.size(), 4u);
}

TEST_F(CommonTest, OpeningWithoutSilentOnlySplitsTheName)
{
    gCommon->setProjektTyp(PT_GR);
    seam.dialogAnswers = {folder + "more.dat"};
    ASSERT_TRUE(gCommon->ShowOpen(false));
    EXPECT_EQ(gCommon->Dateiname(), "more");
    EXPECT_EQ(gCommon->Ordner(), folder) << "no results folder is proposed";
    EXPECT_EQ(gCommon->ProjektTyp(), PT_GR);
    EXPECT_EQ(gOptions->Reg_Folder(), "");
}

TEST_F(CommonTest, ProjectTypeByExtension)
{
    const std::vector<std::pair<std::string, int32_t>> table = {
        {".dat", PT_Beugung}, {".ELB", PT_Beugung},  {".asc", PT_ELMI},      {".i_k", PT_IK},
        {".ik0", PT_IK},      {".ik1", PT_IK},       {".ik", PT_IK},         {".ikk", PT_IK},
        {".kr4", PT_IK},      {".kr3", PT_IK},       {".sk", PT_IK},         {".G_r", PT_GR},
        {".gr4", PT_GR},      {".gr0", PT_GR},       {".Gr", PT_GR},         {".n_r", PT_GR},
        {".rho", PT_GR},      {".rav", PT_GR},       {".fit", PT_Fit},       {".fi1", PT_Fit},
        {".kr1", PT_Fit},     {".mitt", PT_Mittel},  {".mit", PT_Mittel},    {".ssc", PT_SSC},
        {".rex", PT_Protokoll}, {".pot", PT_Potential}, {".v_r", PT_Potential}, {".v_k", PT_Potential_K},
        {".txt", PT_Unbekannt}, {".kr2", PT_Unbekannt}, {".", PT_Unbekannt},
    };
    for (const auto& [extension, type] : table) {
        gCommon->setDateiname_Rohdaten("/data/x" + extension);
        EXPECT_EQ(gCommon->ProjektTyp(), type) << extension;
        EXPECT_EQ(gCommon->Extension(), extension);
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(CommonTest, PictureAsksWhetherItIsADiffractionImage)
{
    seam.answers = {zelo::MsgResult::No, zelo::MsgResult::Yes};
    gCommon->setDateiname_Rohdaten("/data/bild.png");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Bild_Digitalisieren);
    gCommon->setDateiname_Rohdaten("/data/bild.TIFF");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_ELMI_Bild);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, "Ist das ein ELMI-Bild?\r\n(Nein = digitalisieren)");
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNo);
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::None);
    EXPECT_EQ(seam.messages[0].title, "KPW ZELO");
    for (const char* extension : {".bmp", ".jpg", ".jpeg", ".gif", ".wmf", ".tif", ".jfif", ".jpe", ".dib", ".rle", ".emf"})
        gCommon->setDateiname_Rohdaten(std::string("/data/bild") + extension);
    EXPECT_EQ(seam.messages.size(), 13u);
}

TEST_F(CommonTest, PictureDialogSetsUpTheProjectButKeepsTheFileFolder)
{
    gCommon->Set_Dateiname(folder + "probe.dat");
    seam.dialogAnswers = {env.Root().string() + "/bilder/ring.jpg"};
    seam.answers = {zelo::MsgResult::Yes};
    ASSERT_TRUE(gCommon->ShowOpenBild());
    const RecordedDialog& dialog = seam.dialogs.back();
    EXPECT_EQ(dialog.title, "Bild öffnen");
    EXPECT_EQ(dialog.startFolder, "");
    ASSERT_EQ(dialog.filters.size(), 1u);
    EXPECT_EQ(dialog.filters[0].name, "Bilder");
    EXPECT_EQ(dialog.filters[0].patterns, "*.bmp;*.jpg;*.jpeg;*.gif;*.wmf");
    EXPECT_EQ(gCommon->Dateiname(), "ring");
    EXPECT_EQ(gCommon->Ordner(), env.Root().string() + "/bilder/ring1/");
    EXPECT_EQ(gCommon->Dateiname_NurOrdner(), folder);
    EXPECT_EQ(gCommon->ProjektTyp(), PT_ELMI_Bild);
}

TEST_F(CommonTest, BackgroundAndSaveDialogsOnlyAnswerAPath)
{
    gCommon->setOrdner("/data/probe1");
    seam.dialogAnswers = {" /data/punkte.ugs ", "/data/diagramm.bmp"};
    EXPECT_EQ(gCommon->ShowOpenUntergrund(), "/data/punkte.ugs");
    EXPECT_EQ(gCommon->ShowSave("Bitmap" + kNul + "*.bmp" + kNul), "/data/diagramm.bmp");
    EXPECT_EQ(gCommon->ShowSave("Bitmap" + kNul + "*.bmp" + kNul), "") << "cancelled";
    ASSERT_EQ(seam.dialogs.size(), 3u);
    EXPECT_EQ(seam.dialogs[0].title, "Untergrundstützstellen einlesen");
    EXPECT_EQ(seam.dialogs[0].startFolder, "/data/probe1/");
    EXPECT_EQ(seam.dialogs[0].filters[0].patterns, "*.ugs");
    EXPECT_EQ(seam.dialogs[1].kind, DialogKind::Save);
    EXPECT_EQ(seam.dialogs[1].title, "Speichern unter");
    EXPECT_EQ(seam.dialogs[1].filters[0].name, "Bitmap");
    EXPECT_EQ(gCommon->Ordner(), "/data/probe1/");
    EXPECT_EQ(gCommon->Dateiname_Rohdaten(), "");
}

TEST_F(CommonTest, ChosenFolderBecomesResultsAndStoredFolder)
{
    seam.dialogAnswers = {"/data/auswertung"};
    ASSERT_TRUE(gCommon->ShowFolder("Auswertung speichern in..."));
    EXPECT_EQ(seam.dialogs[0].kind, DialogKind::Folder);
    EXPECT_EQ(seam.dialogs[0].title, "Auswertung speichern in...");
    EXPECT_EQ(gCommon->Ordner(), "/data/auswertung/");
    EXPECT_EQ(gOptions->Reg_Folder(), "/data/auswertung/");
}

TEST_F(CommonTest, PathFunctions)
{
    EXPECT_EQ(gCommon->Datei_Extension("a.b.TXT"), ".txt");
    EXPECT_EQ(gCommon->Datei_Extension("abc"), "");
    EXPECT_EQ(gCommon->Datei_Extension("probe.DAT" + kNul + "junk"), ".dat");
    EXPECT_EQ(gCommon->Datei_NurDateiname("/data/x/probe.dat"), "probe.dat");
    EXPECT_EQ(gCommon->Datei_NurDateiname("probe.dat"), "probe.dat");
    gCommon->setOrdner("/data");
    EXPECT_EQ(gCommon->Ordner(), "/data/");
    gCommon->setOrdner("/data/");
    EXPECT_EQ(gCommon->Ordner(), "/data/");
    gCommon->setOrdner("");
    EXPECT_EQ(gCommon->Ordner(), "") << "never the root folder";
}

TEST_F(CommonTest, ResultFilesAreFoundBesideTheProjectAndTheRawData)
{
    gCommon->Set_Dateiname(folder + "probe.dat");
    std::filesystem::create_directories(gCommon->Ordner());
    Touch(gCommon->Ordner() + "probe.fit");
    Touch(folder + "probe.mitt");
    EXPECT_TRUE(gCommon->DateiVorhanden("fit"));
    EXPECT_FALSE(gCommon->DateiVorhanden("mitt"));
    EXPECT_TRUE(gCommon->DateiVorhanden2("mitt"));
    EXPECT_FALSE(gCommon->DateiVorhanden2("fit"));
}

TEST_F(CommonTest, CompactPathElidesTheMiddle)
{
    const std::string path = "/home/user/daten/messungen/probe.dat";
    EXPECT_EQ(gCommon->CompactPath(path, 100), path);
    EXPECT_EQ(gCommon->CompactPath(path, static_cast<int32_t>(path.size())), path);
    EXPECT_EQ(gCommon->CompactPath(path, 20), "/home/u.../probe.dat");
    EXPECT_EQ(gCommon->CompactPath(path, 13), ".../probe.dat");
    EXPECT_EQ(gCommon->CompactPath(path, 8), "probe...") << "a name too long for the room is cut at its end";
    EXPECT_EQ(gCommon->CompactPath(path, 2), "..");
    EXPECT_EQ(gCommon->CompactPath(path, 0), "");
    EXPECT_EQ(gCommon->CompactPath("/home/jörg/ä/größe.dat", 20), "/home/j.../größe.dat") << "counted in characters";
}

TEST_F(CommonTest, RecordPassesLinesOnlyWhileLoggingIsOn)
{
    gCommon->Record("lost");
    gCommon->setEnable_Record(true);
    gCommon->Record("Fit gespeichert");
    gCommon->setEnable_Record(false);
    gCommon->Record("lost too");
    EXPECT_EQ(seam.logLines, std::vector<std::string>{"Fit gespeichert"});
}
