// The result-file writer: whole files in the program's file encoding, each file once per save, a
// file that is up to date not again, and failures told with path and reason, together at the end
// of a save.
#include "curves/Ergebnisdatei.h"

#include "CurvesTest.h"
#include "core/clsLanguage.h"
#include "support/OrdinaryUser.h"
#include "support/Ordnerstand.h"
#include "support/Pipenwache.h"

#include <filesystem>
#include <tuple>

namespace {

class ErgebnisdateiTest : public CurvesTest {
protected:
    void SetUp() override
    {
        CurvesTest::SetUp();
        OpenProject("probe.dat", "");
        ordner = gCommon->Ordner();
    }
    std::string Pfad(const std::string& extension) const { return ordner + "probe" + extension; }

    std::string ordner;
};

}

TEST_F(ErgebnisdateiTest, WritesWindows1252LinesIntoTheClaimedFolder)
{
    EXPECT_EQ(Ergebnisdatei::Schreiben(".ik", {"0\t1.5", "µ"}), Pfad(".ik"));
    EXPECT_EQ(ReadFile(Pfad(".ik")), "0\t1.5\r\n\xB5\r\n");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ErgebnisdateiTest, WithoutAProjectNameNothingIsWrittenAnywhere)
{
    // A curve made in memory has no project file; a bare extension must not land in the folder the
    // program was started from.
    gCommon->Set_Dateiname("");
    const auto vorher = std::filesystem::current_path();
    const auto tmp = std::filesystem::path(ordner).parent_path().parent_path();
    std::filesystem::current_path(tmp);
    EXPECT_EQ(Ergebnisdatei::Schreiben(".mitt", {"0\t1"}), "");
    EXPECT_FALSE(std::filesystem::exists(tmp / ".mitt"));
    EXPECT_FALSE(std::filesystem::exists(ordner + ".mitt"));
    std::filesystem::current_path(vorher);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ErgebnisdateiTest, ASaveWritesEachFileOnceAndTellsItsFailuresTogether)
{
    ASSERT_TRUE(Ergebnisdatei::Ordner_Bereit());
    std::filesystem::create_directory(Pfad(".ug"));  // a folder where one file should be
    {
        Ergebnisdatei::Vorgang vorgang;
        EXPECT_EQ(Ergebnisdatei::Schreiben(".ik", {"1\t2"}), Pfad(".ik"));
        EXPECT_EQ(Ergebnisdatei::Schreiben(".ik", {"3\t4"}), "") << "written already in this save";
        EXPECT_EQ(Ergebnisdatei::Schreiben(".ug", {"1\t2"}), "");
        EXPECT_EQ(Ergebnisdatei::Schreiben(".rdf", {"1\t2"}), Pfad(".rdf")) << "the others are still written";
        EXPECT_TRUE(seam.messages.empty()) << "not one message per file";
        EXPECT_EQ(vorgang.Geschrieben(), 2);
        EXPECT_FALSE(vorgang.Melden());
    }
    EXPECT_EQ(ReadFile(Pfad(".ik")), "1\t2\r\n");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Diese Ergebnisdateien konnten nicht geschrieben werden:\r\n" + Pfad(".ug") +
                                         " (" + gLanguage->Caption(676) + ")");

    // Outside a save the failure is told at once; the next save writes its files anew.
    EXPECT_EQ(Ergebnisdatei::Schreiben(".ug", {"1\t2"}), "");
    EXPECT_EQ(seam.messages.size(), 2u);
    Ergebnisdatei::Vorgang naechster;
    EXPECT_EQ(Ergebnisdatei::Schreiben(".ik", {"5\t6"}), Pfad(".ik"));
    EXPECT_TRUE(naechster.Melden());
}

TEST_F(ErgebnisdateiTest, AReadOnlyFileStaysAsItIsAndTheReasonIsTold)
{
    ASSERT_EQ(Ergebnisdatei::Schreiben(".ik", {"alt"}), Pfad(".ik"));
    std::filesystem::permissions(Pfad(".ik"), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    // The folder takes new files, so only the file's own mode keeps it from being replaced.
    std::filesystem::permissions(ordner, std::filesystem::perms::others_write, std::filesystem::perm_options::add);
    const std::string ergebnis = AsOrdinaryUser({env.Root(), ordner}, [this] {
        Ergebnisdatei::Vorgang vorgang;
        if (!Ergebnisdatei::Schreiben(".ik", {"neu"}).empty()) return std::string("written");
        return vorgang.Fehler().empty() ? std::string("no failure") : vorgang.Fehler()[0];
    });
    EXPECT_EQ(ergebnis, Pfad(".ik") + " (keine Berechtigung)");
    EXPECT_EQ(ReadFile(Pfad(".ik")), "alt\r\n");
}

TEST_F(ErgebnisdateiTest, AFileStillAsTheProjectWroteItIsNotWrittenAgain)
{
    const auto speichern = [](const std::string& inhalt) {
        Ergebnisdatei::Vorgang vorgang;
        const std::string pfad = Ergebnisdatei::Schreiben(".ik", {inhalt});
        EXPECT_TRUE(vorgang.Melden());
        return std::tuple(pfad, vorgang.Geschrieben(), vorgang.Aktuell());
    };
    ASSERT_EQ(speichern("1\t2"), std::tuple(Pfad(".ik"), 1, 0));
    const Ordnerstand vorher = Ordnerstand_Lesen(ordner);
    EXPECT_EQ(speichern("1\t2"), std::tuple(std::string(), 0, 1)) << "up to date";
    EXPECT_EQ(Ordnerstand_Lesen(ordner), vorher) << "nothing was made, replaced or synced";

    EXPECT_EQ(speichern("3\t4"), std::tuple(Pfad(".ik"), 1, 0)) << "another content";
    EXPECT_EQ(ReadFile(Pfad(".ik")), "3\t4\r\n");

    // What the user did to the file since is undone: changed (even to the same size), or deleted.
    std::ofstream(Pfad(".ik"), std::ios::binary) << "3\t5\r\n";
    EXPECT_EQ(speichern("3\t4"), std::tuple(Pfad(".ik"), 1, 0));
    EXPECT_EQ(ReadFile(Pfad(".ik")), "3\t4\r\n");
    std::filesystem::remove(Pfad(".ik"));
    EXPECT_EQ(speichern("3\t4"), std::tuple(Pfad(".ik"), 1, 0));
    EXPECT_EQ(ReadFile(Pfad(".ik")), "3\t4\r\n");

    // Replaced by a named pipe: the results count as unsaved, and the save leaves the pipe and says why.
    std::filesystem::remove(Pfad(".ik"));
    {
        const Pipenwache pipe(Pfad(".ik"));
        {
            Ergebnisdatei::Vorgang pruefen(Ergebnisdatei::Vorgang::Zweck::Pruefen);
            Ergebnisdatei::Schreiben(".ik", {"3\t4"});
            EXPECT_EQ(pruefen.Zu_Schreiben(), 1);
        }
        Ergebnisdatei::Vorgang vorgang;
        EXPECT_EQ(Ergebnisdatei::Schreiben(".ik", {"3\t4"}), "");
        EXPECT_FALSE(vorgang.Melden());
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_NE(seam.messages[0].text.find(Pfad(".ik") + " (" + gLanguage->Caption(676) + ")"), std::string::npos)
            << seam.messages[0].text;
        EXPECT_TRUE(std::filesystem::is_fifo(Pfad(".ik")));
        EXPECT_FALSE(pipe.Freigegeben()) << "the pipe was opened and waited for a writer";
    }
    std::filesystem::remove(Pfad(".ik"));

    // A new project writes its files, whatever an earlier one left under the same name.
    Ergebnisdatei::Vergessen();
    EXPECT_EQ(speichern("3\t4"), std::tuple(Pfad(".ik"), 1, 0));
}

TEST_F(ErgebnisdateiTest, AFailedWriteIsTriedAgainAndTheSaveCountsOnlyWhatIsOnDisk)
{
    ASSERT_TRUE(Ergebnisdatei::Ordner_Bereit());
    ASSERT_EQ(Ergebnisdatei::Schreiben(".ug", {"1\t2"}), Pfad(".ug"));
    std::filesystem::remove(Pfad(".ug"));
    std::filesystem::create_directory(Pfad(".ug"));
    {
        Ergebnisdatei::Vorgang vorgang;
        EXPECT_EQ(Ergebnisdatei::Schreiben(".ug", {"1\t2"}), "");
        EXPECT_EQ(vorgang.Aktuell(), 0) << "the file is not there";
        EXPECT_FALSE(vorgang.Melden());
    }
    std::filesystem::remove(Pfad(".ug"));
    Ergebnisdatei::Vorgang vorgang;
    EXPECT_EQ(Ergebnisdatei::Schreiben(".ug", {"1\t2"}), Pfad(".ug"));
    EXPECT_EQ(Ergebnisdatei::Schreiben(".ug", {"1\t2"}), "") << "once per save";
    EXPECT_EQ(vorgang.Geschrieben() + vorgang.Aktuell(), 1);
    EXPECT_TRUE(vorgang.Melden());
}
