#include "core/clsCommon.h"

#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "support/OrdinaryUser.h"
#include "support/TestWorld.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kNul(1, '\0');

class CommonTest : public ::testing::Test, protected TestWorld {
protected:
    void SetUp() override
    {
        folder = env.Root().string() + "/Messung/";
        std::filesystem::create_directories(folder);
    }
    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }

    std::string folder;
};

}

TEST_F(CommonTest, OpeningAProjectSplitsTheNameAndProposesAFreshResultsFolder)
{
    // The start folder stored by an earlier run is gone since: the open and save dialogs start above it.
    const std::string alt = env.Root().string() + "/alt/";
    std::filesystem::create_directory(alt);
    gOptions->setReg_Folder(alt + "Probe1/");
    Restart();
    std::filesystem::create_directory(folder + "Probe1");
    Touch(folder + "Probe2");  // a file of the candidate name counts too
    Touch(folder + "Probe.DAT");
    seam.dialogAnswers = {"", "  " + folder + "Probe.DAT" + kNul + "rest"};
    EXPECT_EQ(gCommon->ShowSave("Bitmap" + kNul + "*.bmp" + kNul), "");
    ASSERT_TRUE(gCommon->ShowOpen(true));
    EXPECT_EQ(seam.dialogs[0].startFolder + "|" + seam.dialogs[1].startFolder, alt + "|" + alt) << "save and open";
    EXPECT_EQ(gCommon->Dateiname() + "|" + gCommon->Extension(), "Probe|.DAT");
    EXPECT_EQ(gCommon->Ordner(), folder + "Probe3/");
    EXPECT_FALSE(std::filesystem::exists(folder + "Probe3")) << "the folder is only proposed";
    EXPECT_EQ(gOptions->Reg_Folder(), alt + "Probe1/") << "a chosen file is no project yet";
    gCommon->Ordner_Merken();
    EXPECT_EQ(gOptions->Reg_Folder(), folder) << "once it starts, the folder of its file, which exists";

    EXPECT_FALSE(gCommon->ShowOpen(true));
    EXPECT_EQ(seam.dialogs[2].startFolder, folder) << "the proposed results folder is not made yet";
    EXPECT_FALSE(gCommon->ShowFolder("Auswertung speichern in..."));
    EXPECT_EQ(gCommon->Dateiname_Rohdaten() + " " + gCommon->Ordner(), folder + "Probe.DAT " + folder + "Probe3/")
        << "cancelled dialogs keep the current project";

    seam.dialogAnswers = {folder + "more.dat"};
    ASSERT_TRUE(gCommon->ShowOpen(false));
    EXPECT_EQ(gCommon->Dateiname(), "more");
    EXPECT_EQ(gCommon->Ordner(), folder) << "without silent no results folder is proposed";
}

TEST_F(CommonTest, ExtensionComesFromTheFileNameNotFromADottedFolderAndGivesTheProjectType)
{
    seam.dialogAnswers = {env.Root().string() + "/run.2/probe"};
    ASSERT_TRUE(gCommon->ShowOpen(true));
    EXPECT_EQ(gCommon->Dateiname() + "|" + gCommon->Extension(), "probe|");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Unbekannt);
    for (const auto& [path, extension] : {std::pair{"a.b.TXT", ".txt"}, {"/x.y/abc", ""}, {"abc", ""}})
        EXPECT_EQ(gCommon->Datei_Extension(path), extension) << path;
    EXPECT_EQ(gCommon->Datei_Extension("probe.DAT" + kNul + "junk"), ".dat");
    for (const auto& [extension, type] :
         {std::pair{".ELB", PT_Beugung}, {".ik0", PT_IK}, {".kr4", PT_IK}, {".G_r", PT_GR}, {".mit", PT_Mittel},
          {".v_k", PT_Potential_K}, {".kr2", PT_Unbekannt}, {".", PT_Unbekannt}}) {
        gCommon->setDateiname_Rohdaten("/data/x" + std::string(extension));
        EXPECT_EQ(gCommon->ProjektTyp(), type) << extension;
    }
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(CommonTest, PictureAsksWhetherItIsADiffractionImageAndKeepsTheRawDataFolder)
{
    gCommon->Set_Dateiname(folder + "probe.dat");
    seam.dialogAnswers = {env.Root().string() + "/bilder/ring.TIFF"};
    seam.answers = {zelo::MsgResult::Yes, zelo::MsgResult::No};
    ASSERT_TRUE(gCommon->ShowOpenBild());
    EXPECT_EQ(seam.dialogs[0].filters[0].patterns, "*.bmp;*.jpg;*.jpeg;*.gif;*.wmf");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_ELMI_Bild);
    EXPECT_EQ(gCommon->Dateiname_NurOrdner(), folder) << "the raw data folder is kept";
    gCommon->setDateiname_Rohdaten("/data/bild.png");
    EXPECT_EQ(gCommon->ProjektTyp(), PT_Bild_Digitalisieren);
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, "Ist das ein ELMI-Bild?\r\n(Nein = digitalisieren)");
    for (const char* extension : {".bmp", ".jpg", ".jpeg", ".gif", ".wmf", ".tif", ".jfif", ".jpe", ".dib", ".rle", ".emf"})
        gCommon->setDateiname_Rohdaten(std::string("/data/bild") + extension);
    EXPECT_EQ(seam.messages.size(), 13u);
    gLanguage->OpenLanguageEx(3);
    gCommon->setDateiname_Rohdaten("/data/bild.png");
    EXPECT_EQ(seam.messages.back().text, "Is this a ELMI-picture? (No = digitize)") << "the note once";
    gLanguage->OpenLanguageEx(0);
}

TEST_F(CommonTest, DialogsAnswerAPathAndACompactedPathElidesTheMiddle)
{
    std::filesystem::create_directory(folder + "probe1");
    gCommon->setOrdner(folder + "probe1");
    seam.dialogAnswers = {" /data/punkte.ugs ", "/data/diagramm.bmp", "/data/auswertung"};
    EXPECT_EQ(gCommon->ShowOpenUntergrund(), "/data/punkte.ugs");
    EXPECT_EQ(seam.dialogs[0].startFolder, folder + "probe1/");
    EXPECT_EQ(gCommon->ShowSave("Bitmap" + kNul + "*.bmp" + kNul), "/data/diagramm.bmp");
    ASSERT_TRUE(gCommon->ShowFolder("Auswertung speichern in..."));
    EXPECT_EQ(gCommon->Ordner() + " " + gOptions->Reg_Folder(), "/data/auswertung/ /data/auswertung/");
    // A compacted path elides the middle.
    const std::string path = "/home/user/daten/messungen/probe.dat";
    for (const auto& [room, text] : {std::pair{36, path.c_str()}, {20, "/home/u.../probe.dat"},
                                     {13, ".../probe.dat"}, {8, "probe..."}, {2, ".."}, {0, ""}})
        EXPECT_EQ(gCommon->CompactPath(path, room), text) << room;
    EXPECT_EQ(gCommon->CompactPath("/home/jörg/ä/größe.dat", 20), "/home/j.../größe.dat") << "counted in characters";
}

TEST_F(CommonTest, OpenDialogFilterStartsWithAllKnownPatternsInTheCurrentLanguage)
{
    const auto filters = ParseFilterText(gCommon->Filter());
    ASSERT_EQ(filters.size(), 9u);
    EXPECT_EQ(filters[0].name, "alle bekannten Formate");
    EXPECT_TRUE(filters[0].patterns.starts_with(";*.dat;*.elb;*.asc;*.mitt;"));
    EXPECT_EQ(filters[8].name + " " + filters[8].patterns, "Alle Dateien (*.*) *.*");
    EXPECT_EQ(ParseFilterText("Bitmap" + kNul + "*.bmp").size(), 0u) << "an entry without its final NUL";

    gOptions->setSprache(3);
    Restart();
    EXPECT_EQ(ParseFilterText(gCommon->Filter())[2].name, "diffraction ELMI (*.asc)");
    // A language switch while the program runs reaches the next dialog.
    gLanguage->OpenLanguageEx(0);
    EXPECT_EQ(ParseFilterText(gCommon->Filter())[2].name, "Beugung ELMI (*.asc)");
}

TEST_F(CommonTest, EveryCopyOnOneFileClaimsAFolderOfItsOwn)
{
    Touch(folder + "probe.dat");
    gCommon->setEnable_Record(true);
    gCommon->Set_Dateiname(folder + "probe.dat");
    ASSERT_EQ(gCommon->Ordner(), folder + "probe1/");

    // Six more copies chose probe1 too and claim it at the same moment, each in its own process.
    constexpr int kKopien = 6;
    int los[2], antworten[2];
    ASSERT_EQ(pipe(los), 0);
    ASSERT_EQ(pipe(antworten), 0);
    std::fflush(nullptr);
    for (int k = 0; k < kKopien; ++k) {
        if (fork() != 0) continue;
        close(los[1]);
        char zeichen;
        while (read(los[0], &zeichen, 1) > 0) {}
        const std::string antwort = gCommon->Ordner_Beanspruchen() == 0 ? gCommon->Ordner() + "\n" : "failed\n";
        _exit(write(antworten[1], antwort.data(), antwort.size()) == ssize_t(antwort.size()) ? 0 : 1);
    }
    close(los[0]);
    close(los[1]);
    close(antworten[1]);
    std::string text;
    char puffer[4096];
    for (ssize_t n; (n = read(antworten[0], puffer, sizeof puffer)) > 0;) text.append(puffer, size_t(n));
    close(antworten[0]);
    while (wait(nullptr) > 0) {}
    std::set<std::string> ordner;
    for (std::istringstream zeilen(text); std::getline(zeilen, text);) ordner.insert(text);
    std::set<std::string> erwartet;
    for (int n = 1; n <= kKopien; ++n) erwartet.insert(folder + "probe" + std::to_string(n) + "/");
    EXPECT_EQ(ordner, erwartet) << "no two copies share a folder";

    // This copy comes last: the next free number, and the log says where its results go.
    ASSERT_EQ(gCommon->Ordner_Beanspruchen(), 0);
    EXPECT_EQ(gCommon->Ordner(), folder + "probe7/");
    EXPECT_TRUE(std::filesystem::is_directory(folder + "probe7"));
    ASSERT_FALSE(seam.logLines.empty());
    EXPECT_EQ(seam.logLines.back(), "Ordner: " + folder + "probe7/");
    ASSERT_EQ(gCommon->Ordner_Beanspruchen(), 0);
    EXPECT_EQ(gCommon->Ordner(), folder + "probe7/") << "a claimed folder stays the project's";

    // A folder the user picks is taken as it is, also the one proposed after another copy made it.
    gCommon->Set_Dateiname(folder + "probe.dat");
    ASSERT_EQ(gCommon->Ordner(), folder + "probe8/");
    std::filesystem::create_directory(folder + "probe8");
    seam.dialogAnswers = {folder + "probe8"};
    ASSERT_TRUE(gCommon->ShowFolder("Auswertung speichern in..."));
    ASSERT_EQ(gCommon->Ordner_Beanspruchen(), 0);
    EXPECT_EQ(gCommon->Ordner(), folder + "probe8/");

    // A folder given by hand is the user's choice: made with its parents, never renumbered.
    gCommon->setOrdner(folder + "probe1/eigen");
    EXPECT_EQ(gCommon->Ordner_Beanspruchen(), 0);
    EXPECT_EQ(gCommon->Ordner(), folder + "probe1/eigen/");
    EXPECT_TRUE(std::filesystem::is_directory(folder + "probe1/eigen"));
    Touch(folder + "blockiert");
    gCommon->setOrdner(folder + "blockiert/unter");
    EXPECT_NE(gCommon->Ordner_Beanspruchen(), 0) << "a file stands where a folder should be";

    std::filesystem::create_directory(folder + "nurlesen");
    std::filesystem::permissions(folder + "nurlesen", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    gCommon->setOrdner(folder + "nurlesen");
    EXPECT_EQ(AsOrdinaryUser({env.Root(), folder, folder + "nurlesen"},
                             [] { return std::to_string(gCommon->Ordner_Beanspruchen()); }),
              std::to_string(EACCES));
}
