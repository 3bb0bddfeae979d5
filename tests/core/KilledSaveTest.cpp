// Saves killed at random moments: the target is always a whole old or new version, and the next
// save removes the temporary file the killed one left.
#include "core/AtomicFile.h"
#include "core/SettingsFile.h"
#include "curves/clsFileHandler.h"
#include "materials/modElementDatabase.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
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
