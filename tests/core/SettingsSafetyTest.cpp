// The settings store loses nothing a user set: two running copies of the program merge their
// changes, a symbolic link stays a link, a damaged or oversized file is kept as a copy before it is
// written anew (and the user told once), and a failed write names the file and the reason.
#include "core/SettingsFixture.h"
#include "core/AtomicFile.h"
#include "core/SettingsFile.h"
#include "core/cRegistry.h"
#include "support/OrdinaryUser.h"

#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SettingsSafety : public SettingsFixture {
protected:
    RegValue Stored(const std::string& name) { return registry_.ReadValue(name, cRegistry::REG_SZ, std::string("-")); }
    fs::path CopyFile() const { return fs::path(StoreFile().string() + ".bak"); }
    static std::string Content(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    cRegistry registry_;
};

TEST_F(SettingsSafety, TwoRunningCopiesWritingAtOnceLoseNoValue)
{
    constexpr int kWrites = 300;
    registry_.WriteValue("start", cRegistry::REG_SZ, std::string("1"));
    pid_t copies[2];
    for (int copy = 0; copy < 2; ++copy) {
        copies[copy] = fork();
        ASSERT_GE(copies[copy], 0);
        if (copies[copy] == 0) {
            cRegistry own;
            for (int i = 0; i < kWrites; ++i)
                own.WriteValue(std::string(copy == 0 ? "A_" : "B_") + std::to_string(i), cRegistry::REG_DWORD, int32_t{i});
            _exit(0);
        }
    }
    for (pid_t copy : copies) {
        int status = 1;
        waitpid(copy, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int lost = 0;
    for (const char* prefix : {"A_", "B_"})
        for (int i = 0; i < kWrites; ++i)
            if (registry_.ReadValue(prefix + std::to_string(i), cRegistry::REG_DWORD, int32_t{-1}) != RegValue(int32_t{i}))
                ++lost;
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(Stored("start"), RegValue("1"));
}

TEST_F(SettingsSafety, ALinkToTheStoreStaysALinkAlsoWhenItsTargetIsMissing)
{
    fs::create_directories(StoreFile().parent_path());
    fs::create_directories(env.Root() / "kept");
    fs::create_symlink("../../kept/settings.txt", StoreFile());
    registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(StoreFile())));
    EXPECT_NE(Content(env.Root() / "kept" / "settings.txt").find("Lang=text:3"), std::string::npos);
    registry_.WriteValue("nm", cRegistry::REG_DWORD, int32_t{0});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(StoreFile())));
    EXPECT_EQ(Stored("Lang"), RegValue("3"));

    // The same for any file written whole, through a chain of links.
    fs::create_symlink("store.lnk", env.Root() / "outer.lnk");
    fs::create_symlink("kept/new.txt", env.Root() / "store.lnk");
    EXPECT_EQ(AtomicFile::WriteWhole(env.Root() / "outer.lnk", "x"), 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(env.Root() / "outer.lnk")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(env.Root() / "store.lnk")));
    EXPECT_EQ(Content(env.Root() / "kept" / "new.txt"), "x");
    fs::create_symlink("loop.lnk", env.Root() / "loop.lnk");
    EXPECT_EQ(AtomicFile::WriteWhole(env.Root() / "loop.lnk", "x"), ELOOP);
}

TEST_F(SettingsSafety, ADamagedStoreIsKeptAsACopyAndReportedOnceBeforeItIsWrittenAnew)
{
    const std::string damaged = "[Software\\Murenko\\Settings]\nLang=text:3\nMax_R=text\x01\x02 garbage\nnm=dword:0\n";
    PutStore(damaged, "");
    EXPECT_EQ(Stored("Lang"), RegValue("3"));
    EXPECT_TRUE(seam.messages.empty()) << "reading tells nothing: the file is still whole";
    registry_.WriteValue("E_1", cRegistry::REG_SZ, std::string("Fe"));
    EXPECT_EQ(Content(CopyFile()), damaged);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(StoreFile().string()), std::string::npos) << seam.messages[0].text;
    EXPECT_NE(seam.messages[0].text.find(CopyFile().string()), std::string::npos) << seam.messages[0].text;
    registry_.WriteValue("E_2", cRegistry::REG_SZ, std::string("Ni"));
    EXPECT_EQ(seam.messages.size(), 1u) << "told once";
    EXPECT_FALSE(fs::exists(StoreFile().string() + ".bak1"));
    for (const char* name : {"Lang", "nm", "E_1", "E_2"}) EXPECT_NE(Stored(name), RegValue("-")) << name;
}

TEST_F(SettingsSafety, AStoreOverOneMegabyteKeepsItsFirstLinesAndACopyOfTheWhole)
{
    std::string big = "[Software\\Murenko\\Settings]\nLang=text:3\n";
    while (big.size() <= (1u << 20) + 100) big += "# padding that a broken program might have appended again and again\n";
    big += "Late=text:lost\n";
    PutStore(big, "");
    EXPECT_EQ(Stored("Lang"), RegValue("3")) << "not ignored whole";
    registry_.WriteValue("nm", cRegistry::REG_DWORD, int32_t{1});
    EXPECT_TRUE(Content(CopyFile()) == big) << "the whole file copied";
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_LT(fs::file_size(StoreFile()), 1000u);
    EXPECT_EQ(Stored("Lang"), RegValue("3"));
}

TEST_F(SettingsSafety, AFailedWriteNamesTheFileAndTheSystemsReason)
{
    BlockStore();
    registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
    EXPECT_NE(gError->ErrorDescription().find(SettingsFile::Location().string() + ": " + std::strerror(ENOTDIR)),
              std::string::npos)
        << gError->ErrorDescription();
}

TEST_F(SettingsSafety, AWriteRefusedByTheSystemNamesTheFileAndTheReason)
{
    registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("0"));
    fs::permissions(StoreFile(), fs::perms::others_read, fs::perm_options::add);
    fs::permissions(StoreFile().parent_path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string seen = AsOrdinaryUser({env.Root(), env.ConfigFolder(), StoreFile().parent_path()}, [this] {
        registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
        return gError->ErrorDescription();
    });
    fs::permissions(StoreFile().parent_path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_NE(seen.find("Failed to set registry value"), std::string::npos) << seen;
    EXPECT_NE(seen.find(StoreFile().string() + ": " + std::strerror(EACCES)), std::string::npos) << seen;
}

}
