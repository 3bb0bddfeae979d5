// Saves killed at random moments: the target is always a whole old or new version, and the next
// save removes the temporary file the killed one left; also on a filesystem without locks.
#include "core/AtomicFile.h"
#include "core/Fehlergrund.h"
#include "core/SettingsFile.h"
#include "core/cRegistry.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "curves/Ergebnisdatei.h"
#include "curves/clsFileHandler.h"
#include "materials/modElementDatabase.h"
#include "support/FailingLocks.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class KilledSave : public ::testing::Test, protected TestWorld {
protected:
    static std::string Content(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    // save(version) writes version 0 or 1 of target; whole(content) says whether content is one of them.
    static void KillDuringSaves(const fs::path& target, const std::function<void(int)>& save,
                                const std::function<bool(const std::string&)>& whole)
    {
        save(0);
        std::mt19937 random(7u);
        for (int round = 0; round < 12; ++round) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                for (int version = 1;; ++version) save(version % 2);
            }
            usleep(std::uniform_int_distribution<useconds_t>(200, 20000)(random));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            ASSERT_TRUE(whole(Content(target))) << target << " round " << round;
        }
        save(0);
        for (const auto& entry : fs::directory_iterator(target.parent_path()))
            EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
    }

    static std::string Text(int version, size_t lines)
    {
        std::string text;
        for (size_t i = 0; i < lines; ++i) text += std::to_string(version * 1000000 + i) + "\r\n";
        return text;
    }

    static std::set<std::string> Names(const fs::path& folder)
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
        return names;
    }

    // A leftover of a killed save of target by process pid.
    static fs::path Leftover(const fs::path& target, pid_t pid)
    {
        const fs::path file = target.string() + ".tmp-" + std::to_string(pid) + "-3";
        std::ofstream(file) << "half";
        return file;
    }

    // The number of a process that has ended.
    static pid_t EndedProcess()
    {
        const pid_t child = fork();
        if (child == 0) _exit(0);
        waitpid(child, nullptr, 0);
        return child;
    }
};

}

TEST_F(KilledSave, SettingsCurveFilesAndTheElementDatabaseStayWhole)
{
    const auto settingsText = [](int version) {
        SettingsFile settings;
        for (int i = 0; i < 2000; ++i) settings.Set("Software\\Test", "v" + std::to_string(i), version);
        return settings;
    };
    const std::string settings0 = settingsText(0).Text(), settings1 = settingsText(1).Text();
    KillDuringSaves(SettingsFile::Location(), [&](int version) { settingsText(version).Save(); },
                    [&](const std::string& c) { return c == settings0 || c == settings1; });

    const fs::path curve = env.Root() / "curves" / "curve.ik";
    fs::create_directories(curve.parent_path());
    KillDuringSaves(
        curve,
        [&](int version) {
            clsFileHandler file;
            file.OpenFile(curve.string(), clsFileHandler::kOutput);
            for (size_t i = 0; i < 20000; ++i) file.WriteLine(std::to_string(version * 1000000 + i));
            file.CloseFile();
        },
        [](const std::string& c) { return c == Text(0, 20000) || c == Text(1, 20000); });

    // Every save raises the revision (bytes 17 and 18); the rest of the file stays.
    const fs::path database = env.DataFolder() / kElementDatabaseFile;
    Zelo_Speichern();
    const auto withoutRevision = [](std::string c) { return c.size() > 19 ? c.replace(17, 2, "..") : c; };
    const std::string reference = withoutRevision(Content(database));
    KillDuringSaves(database, [](int) { Zelo_Speichern(); },
                    [&](const std::string& c) { return withoutRevision(c) == reference; });
}

TEST_F(KilledSave, TheNextSaveOfAFileRemovesWhatDeadWritersLeftWhicheverProcessNowHasTheirNumber)
{
    const fs::path target = env.Root() / "results" / "probe.ik";
    fs::create_directories(target.parent_path());
    // Killed saves of an earlier run whose process numbers the system has since given to running
    // processes: this one, and the first process.
    const fs::path ownNumber = target.string() + ".tmp-" + std::to_string(getpid()) + "-77777";
    const fs::path firstProcess = target.string() + ".tmp-1-3";
    // Files that are not a temporary file of this target.
    const fs::path notes = target.string() + ".tmp-notes";
    const fs::path otherFile = target.parent_path() / "other.ik.tmp-1-3";
    for (const fs::path& file : {ownNumber, firstProcess, notes, otherFile}) std::ofstream(file) << "half";

    AtomicFile running;
    ASSERT_EQ(running.Open(target), 0);
    EXPECT_EQ(AtomicFile::WriteWhole(target, "saved"), 0);
    EXPECT_FALSE(fs::exists(ownNumber));
    EXPECT_FALSE(fs::exists(firstProcess));
    EXPECT_TRUE(fs::exists(notes));
    EXPECT_TRUE(fs::exists(otherFile)) << "left for a save of its own file";
    running.Write("still running");
    EXPECT_EQ(running.Commit(), 0) << "a save that still runs keeps its temporary file";
    EXPECT_EQ(Content(target), "still running");
}

TEST_F(KilledSave, WhereTheFilesystemHasNoLocksSettingsResultFilesAndTheDatabaseAreSavedAndLeaveOneFileEach)
{
    gCommon->Set_Dateiname((env.Root() / "probe.dat").string());
    const fs::path database = env.DataFolder() / kElementDatabaseFile;
    fs::path result;
    for (const int error : {ENOLCK, EOPNOTSUPP, EINVAL}) {
        const FailingLocks locks(error);
        cRegistry registry;
        for (int save = 0; save < 3; ++save) {
            registry.WriteValue("Lauf", cRegistry::REG_DWORD, int32_t{error * 10 + save});
            const std::string written = Ergebnisdatei::Schreiben(".ik", {std::to_string(error * 10 + save)});
            EXPECT_FALSE(written.empty()) << error;
            if (!written.empty()) result = written;
            EXPECT_EQ(Zelo_Speichern(), Zelo_Speicherung::Geschrieben) << error;
        }
        EXPECT_EQ(seam.errorWindows, 0) << error;
        // Only the settings say, once, that they go without a lock: the lock file opened, its lock
        // call failed.
        ASSERT_EQ(seam.messages.size(), 1u) << error;
        EXPECT_EQ(seam.messages[0].text, gLanguage->Caption(462) + "\r\n" + SettingsFile::Location().string() +
                                             ".lock: " + Fehlergrund(error));
        seam.messages.clear();
        EXPECT_EQ(cRegistry().ReadValue("Lauf", cRegistry::REG_DWORD, int32_t{-1}), RegValue(int32_t{error * 10 + 2}));
        EXPECT_EQ(Names(SettingsFile::Location().parent_path()), (std::set<std::string>{"Settings.ini", "Settings.ini.lock"}));
        ASSERT_FALSE(result.empty());
        EXPECT_EQ(Names(result.parent_path()), std::set<std::string>{"probe.ik"}) << error;
        EXPECT_EQ(Content(result), std::to_string(error * 10 + 2) + "\r\n");
        for (const std::string& name : Names(env.DataFolder()))
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name << " " << error;
        EXPECT_TRUE(fs::exists(database));
    }
}

TEST_F(KilledSave, WithoutLocksWhatEndedProcessesLeftGoesAndWhatRunningOnesWriteStays)
{
    const fs::path target = env.Root() / "results" / "probe.ik";
    fs::create_directories(target.parent_path());
    const fs::path ended = Leftover(target, EndedProcess());
    const fs::path ownNumber = Leftover(target, getpid());
    const fs::path firstProcess = Leftover(target, 1);
    {
        const FailingLocks locks(ENOLCK);
        AtomicFile running;
        ASSERT_EQ(running.Open(target), 0);
        EXPECT_EQ(AtomicFile::WriteWhole(target, "saved"), 0);
        EXPECT_FALSE(fs::exists(ended));
        EXPECT_TRUE(fs::exists(ownNumber)) << "its process runs: it may still be writing";
        EXPECT_TRUE(fs::exists(firstProcess));
        running.Write("still running");
        EXPECT_EQ(running.Commit(), 0);
        EXPECT_EQ(Content(target), "still running");
    }
    // A lock held by another is no filesystem without locks: what it holds is not judged by the
    // number, and a new temporary file that another holds is given up and removed.
    const fs::path another = Leftover(target, EndedProcess());
    const std::set<std::string> before = Names(target.parent_path());
    {
        const FailingLocks locks(EWOULDBLOCK);
        EXPECT_EQ(AtomicFile::WriteWhole(target, "not saved"), EEXIST);
    }
    EXPECT_EQ(Names(target.parent_path()), before);
    EXPECT_TRUE(fs::exists(another));
    EXPECT_EQ(Content(target), "still running");
}
