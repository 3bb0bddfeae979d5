// The element database is the user's own data: start-up and the saves never destroy it. A file
// that did not load completely, or that someone changed after it was read, is only written over when
// the user agrees, a copy of the old file stays beside it, and every message names the file.
#include "DatabaseFixture.h"

#include "core/Fehlergrund.h"
#include "core/clsLanguage.h"
#include "mainwindow/modDatenbankInstallation.h"
#include "support/OrdinaryUser.h"
#include "support/Pipenwache.h"
#include "support/VollePlatte.h"

#include <cstring>
#include <optional>
#include <utility>

namespace fs = std::filesystem;

namespace {

class DatabaseSafety : public DatabaseFixture {
protected:
    fs::path BackupPath() const { return fs::path(DatabasePath().string() + ".bak"); }
    // What the user was told in a message box: the texts joined, each naming the file.
    std::string Told() const
    {
        std::string all;
        for (const auto& message : seam.messages) all += message.text + "|";
        return all;
    }
    bool NamesTheFile(const std::string& text) const { return text.find(DatabasePath().string()) != std::string::npos; }
    int Elements() const { return colElemente.Count(); }
};

TEST_F(DatabaseSafety, AZeroedHeaderIsNeitherLayoutAndTheFileStaysAsItIs)
{
    auto bytes = DefaultCopy();
    std::fill(bytes.begin(), bytes.begin() + 8, uint8_t{0});  // two Long counts of 0: no plausible older file
    WriteBytes(DatabasePath(), bytes);
    Zelo_Oeffnen();
    EXPECT_TRUE(ReadBytes(DatabasePath()) == bytes) << "nothing converted or saved";
    EXPECT_FALSE(fs::exists(BackupPath()));
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_TRUE(NamesTheFile(gError->ErrorDescription())) << gError->ErrorDescription();
    EXPECT_EQ(Elements(), 0);

    // A file that is garbage throughout is no older file either.
    std::vector<uint8_t> garbage(900);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 37 + 11);
    WriteBytes(DatabasePath(), garbage);
    Zelo_Oeffnen();
    EXPECT_TRUE(ReadBytes(DatabasePath()) == garbage);
    EXPECT_EQ(seam.errorWindows, 2);
}

TEST_F(DatabaseSafety, APlausibleOlderFileIsConvertedWithACopyOfTheOriginalBesideIt)
{
    clsElement element;
    element.setSymbol("Fe");
    const auto older = Written([&](int32_t datei) {
        gFileHandler->WriteLong(0);
        gFileHandler->WriteLong(1);
        element.setDateinummer(datei);
        element.Element_Speichern();
    });
    WriteBytes(DatabasePath(), older);
    Zelo_Oeffnen();
    EXPECT_EQ(Elements(), 1);
    EXPECT_TRUE(ReadBytes(BackupPath()) == older) << "the original kept before the conversion writes";
    EXPECT_FALSE(ReadBytes(DatabasePath()) == older);
    EXPECT_EQ(seam.errorWindows, 0);

    // A second conversion keeps the first copy and makes another.
    WriteBytes(DatabasePath(), older);
    Zelo_Oeffnen();
    EXPECT_TRUE(ReadBytes(BackupPath()) == older);
    EXPECT_TRUE(ReadBytes(fs::path(BackupPath().string() + "1")) == older);
}

TEST_F(DatabaseSafety, ADatabaseReadOnlyInPartIsWrittenOverOnlyWithTheUsersConsent)
{
    const auto full = DefaultCopy();
    auto garbled = full;
    garbled[14] = 0x7F;  // a huge element count
    const std::vector<uint8_t> truncated(full.begin(), full.begin() + 900);
    colElemente.Item(2)->setSymbol("h");  // the first element's key again
    ASSERT_EQ(Zelo_Speichern(), Zelo_Speicherung::Geschrieben);
    const auto twice = ReadBytes(DatabasePath());
    for (const auto& [bytes, reason] : std::vector<std::pair<std::vector<uint8_t>, std::string>>{
             {truncated, gLanguage->Caption(464)},
             {garbled, gLanguage->Caption(464)},
             {twice, gLanguage->Caption(677) + " (h):"}}) {
        WriteBytes(DatabasePath(), bytes);
        fs::remove(BackupPath());
        seam.messages.clear();
        Zelo_Oeffnen();
        EXPECT_TRUE(NamesTheFile(gError->ErrorDescription())) << gError->ErrorDescription();
        EXPECT_NE(gError->ErrorDescription().find(reason), std::string::npos) << gError->ErrorDescription();
        EXPECT_NE(gError->ErrorDescription().find(gLanguage->Caption(452)), std::string::npos)
            << "says that the file stays as it is";

        seam.answers = {zelo::MsgResult::No};
        Zelo_Speichern();  // as the element table, the new-table window and the form-factor page save
        ASSERT_EQ(seam.messages.size(), 1u);
        EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNo);
        EXPECT_TRUE(NamesTheFile(seam.messages[0].text)) << seam.messages[0].text;
        EXPECT_TRUE(ReadBytes(DatabasePath()) == bytes) << "the answer No leaves the file alone";

        seam.answers = {zelo::MsgResult::Yes};
        Zelo_Speichern();
        EXPECT_EQ(seam.messages.size(), 2u);
        EXPECT_FALSE(ReadBytes(DatabasePath()) == bytes);
        EXPECT_TRUE(ReadBytes(BackupPath()) == bytes) << "the damaged file kept beside the new one";
        Zelo_Speichern();
        EXPECT_EQ(seam.messages.size(), 2u) << "a complete file is saved without asking again";
    }
}

TEST_F(DatabaseSafety, AReadOnlyDatabaseIsReadAndOnlyItsSaveIsRefused)
{
    const auto bytes = DefaultCopy();
    WriteBytes(DatabasePath(), bytes);
    fs::permissions(DatabasePath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string result = AsOrdinaryUser({env.Root(), env.Root() / "data", env.DataFolder()}, [this] {
        seam.messages.clear();
        const int windows = seam.errorWindows;
        Zelo_Oeffnen();
        std::string seen = "elements " + std::to_string(Elements()) + " windows " +
                           std::to_string(seam.errorWindows - windows);
        Zelo_Speichern();
        seen += " saved-windows " + std::to_string(seam.errorWindows - windows) + " messages " +
                std::to_string(seam.messages.size());
        if (!seam.messages.empty() && NamesTheFile(seam.messages[0].text)) seen += " naming the file";
        return seen;
    });
    EXPECT_EQ(result, "elements 6 windows 0 saved-windows 0 messages 1 naming the file");
    EXPECT_TRUE(ReadBytes(DatabasePath()) == bytes);
}

TEST_F(DatabaseSafety, AFolderOrANamedPipeInPlaceOfTheDatabaseGivesTheInstalledTableInMemoryOnly)
{
    // What the user was last told names the file and why it is left alone.
    const auto toldWhy = [&] {
        ASSERT_FALSE(seam.messages.empty());
        EXPECT_TRUE(NamesTheFile(seam.messages.back().text)) << seam.messages.back().text;
        EXPECT_NE(seam.messages.back().text.find("(" + gLanguage->Caption(676) + ")"), std::string::npos)
            << seam.messages.back().text;
    };
    for (const fs::file_type art : {fs::file_type::directory, fs::file_type::fifo}) {
        fs::remove(DatabasePath());
        std::optional<Pipenwache> pipe;
        if (art == fs::file_type::fifo)
            pipe.emplace(DatabasePath());
        else
            fs::create_directories(DatabasePath());
        seam.messages.clear();
        Zelo_Datei_Sicherstellen(Installierte_Datenbank());
        ASSERT_EQ(seam.messages.size(), 1u);
        toldWhy();
        EXPECT_NE(seam.messages[0].text.find(gLanguage->Caption(463)), std::string::npos) << "it cannot be saved";
        Zelo_Oeffnen();
        EXPECT_EQ(Elements(), 98);
        EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Nicht_Geschrieben);
        EXPECT_EQ(seam.messages.size(), 2u) << "the save is refused with a message";
        EXPECT_EQ(fs::status(DatabasePath()).type(), art);
        EXPECT_FALSE(pipe && pipe->Freigegeben()) << "the pipe was opened and waited for a writer";
    }
    // A pipe put in the file's place while the program runs.
    fs::remove(DatabasePath());
    Zelo_Datei_Sicherstellen(Installierte_Datenbank());
    Zelo_Oeffnen();
    fs::remove(DatabasePath());
    const Pipenwache pipe(DatabasePath());
    EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Nicht_Geschrieben);
    EXPECT_EQ(seam.messages.size(), 3u);
    toldWhy();
    EXPECT_TRUE(fs::is_fifo(DatabasePath()));
    EXPECT_FALSE(pipe.Freigegeben());
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(DatabaseSafety, AMissingDatabaseInAReadOnlyFolderGivesTheInstalledTableInMemoryOnly)
{
    fs::remove(DatabasePath());
    fs::permissions(env.DataFolder(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string result = AsOrdinaryUser({env.Root(), env.Root() / "data", env.DataFolder()}, [this] {
        seam.messages.clear();
        Zelo_Datei_Sicherstellen(Installierte_Datenbank());
        std::string seen = "messages " + std::to_string(seam.messages.size());
        if (!seam.messages.empty() && seam.messages[0].text.find(gLanguage->Caption(463)) != std::string::npos)
            seen += " cannot be saved";
        Zelo_Oeffnen();
        return seen + " elements " + std::to_string(Elements()) + " windows " + std::to_string(seam.errorWindows);
    });
    fs::permissions(env.DataFolder(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(result, "messages 1 cannot be saved elements 98 windows 0");
    EXPECT_FALSE(fs::exists(DatabasePath()));
}

TEST_F(DatabaseSafety, AFirstStartThatCannotWriteTheDatabaseSaysOnceWhereAndWhyInTheWindowsLanguage)
{
    const std::string db = DatabasePath().string();
    // As start-up does; what the user was told, and whether any part of the file is left.
    const auto Start = [this] {
        seam.messages.clear();
        Zelo_Datei_Installieren(Installierte_Datenbank());
        Zelo_Datei_Sicherstellen(Installierte_Datenbank());
        return Told() + " windows " + std::to_string(seam.errorWindows) + (fs::exists(DatabasePath()) ? " written" : "");
    };
    const std::string deutsch = ".\r\nDie mitgelieferte Elementdatenbank wird verwendet, Änderungen an ihr können aber "
                                "nicht gespeichert werden!| windows 0";
    const std::string englisch = ".\r\nThe element database that comes with the program is used, but changes to it "
                                 "cannot be saved!| windows 0";
    const struct {
        int32_t sprache;
        bool vollePlatte;  // else the folder that holds the program folder is read-only
        std::string erwartet;
    } faelle[] = {
        {0, true, db + " kann nicht angelegt werden (die Datei würde größer als erlaubt)" + deutsch},
        {3, true, db + " cannot be created (the file would grow larger than allowed)" + englisch},
        {0, false, db + " kann nicht angelegt werden (keine Berechtigung)" + deutsch},
        {3, false, db + " cannot be created (permission denied)" + englisch},
    };
    for (const auto& fall : faelle) {
        gLanguage->OpenLanguageEx(fall.sprache);
        fs::remove_all(env.DataFolder());
        if (fall.vollePlatte) {
            fs::create_directories(env.DataFolder());
            const VollePlatte voll(4096);
            EXPECT_EQ(Start(), fall.erwartet);
            continue;
        }
        fs::permissions(env.Root() / "data", fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_EQ(AsOrdinaryUser({env.Root(), env.Root() / "data"}, Start), fall.erwartet);
        fs::permissions(env.Root() / "data", fs::perms::owner_write, fs::perm_options::add);
    }
    gLanguage->OpenLanguageEx(0);
    fs::create_directories(env.DataFolder());
}

}

namespace {

TEST_F(DatabaseSafety, ALinkToAMissingDatabaseStaysALinkAndItsTargetIsWritten)
{
    fs::remove(DatabasePath());
    fs::create_directories(env.Root() / "elsewhere");
    fs::create_symlink("../../elsewhere/zelo.dat", DatabasePath());
    Zelo_Datei_Sicherstellen({});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(DatabasePath())));
    EXPECT_EQ(ReadBytes(env.Root() / "elsewhere" / "zelo.dat"), DefaultCopy());
    Zelo_Oeffnen();
    EXPECT_EQ(Elements(), 6);
    Zelo_Speichern();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(DatabasePath())));
    EXPECT_EQ(ReadBytes(env.Root() / "elsewhere" / "zelo.dat")[17], 1) << "the save went to the link's target";
    EXPECT_EQ(seam.errorWindows, 0);
}

}

namespace {

TEST_F(DatabaseSafety, ADatabaseChangedOnDiskSinceItWasReadIsReplacedOnlyWithConsentAndKeptAsACopy)
{
    WriteBytes(DatabasePath(), DefaultCopy());
    Zelo_Oeffnen();
    // Another running copy saves: the same size, one byte different, and the old time put back, as
    // a restored copy would have it.
    auto changed = DefaultCopy();
    changed[17] ^= 0x55;
    const auto time = fs::last_write_time(DatabasePath());
    WriteBytes(DatabasePath(), changed);
    fs::last_write_time(DatabasePath(), time);
    const std::vector<uint8_t> older = {1, 2, 3};
    WriteBytes(BackupPath(), older);
    const fs::path copy = BackupPath().string() + "1";

    seam.answers = {zelo::MsgResult::No};
    EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Abgelehnt);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].buttons, zelo::MsgButtons::YesNo);
    EXPECT_TRUE(NamesTheFile(seam.messages[0].text)) << seam.messages[0].text;
    EXPECT_NE(seam.messages[0].text.find(copy.string()), std::string::npos) << "names where the copy goes";
    EXPECT_TRUE(ReadBytes(DatabasePath()) == changed) << "No leaves the file as it is";
    EXPECT_FALSE(fs::exists(copy));

    seam.answers = {zelo::MsgResult::Yes};
    EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Geschrieben);
    EXPECT_TRUE(ReadBytes(copy) == changed) << "the changed file kept beside it";
    EXPECT_TRUE(ReadBytes(BackupPath()) == older) << "an older copy is never written over";
    EXPECT_FALSE(ReadBytes(DatabasePath()) == changed);
    EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Geschrieben);
    EXPECT_EQ(seam.messages.size(), 2u) << "the file as this run saved it is replaced without a question";

    // A database that appears where none could be read counts as changed too.
    fs::remove(DatabasePath());
    Zelo_Oeffnen();
    WriteBytes(DatabasePath(), changed);
    seam.answers = {zelo::MsgResult::No};
    EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Abgelehnt);
    EXPECT_TRUE(ReadBytes(DatabasePath()) == changed);
}

}

namespace {

TEST_F(DatabaseSafety, ALoopOfLinksInPlaceOfTheDatabaseIsToldOnceWithThePathAndTheReason)
{
    fs::remove(DatabasePath());
    fs::create_symlink(kElementDatabaseFile, DatabasePath());
    // As start-up does: install, make sure it exists, read.
    Zelo_Datei_Installieren(Installierte_Datenbank());
    Zelo_Datei_Sicherstellen(Installierte_Datenbank());
    Zelo_Oeffnen();
    EXPECT_EQ(seam.errorWindows, 0);
    ASSERT_EQ(seam.messages.size(), 1u) << Told();
    EXPECT_TRUE(NamesTheFile(seam.messages[0].text)) << seam.messages[0].text;
    EXPECT_NE(seam.messages[0].text.find(Fehlergrund(ELOOP)), std::string::npos) << seam.messages[0].text;
    EXPECT_EQ(Elements(), 98) << "the installed table in memory";
    EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Nicht_Geschrieben);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(DatabasePath()))) << "the link is left as it is";
}

}
