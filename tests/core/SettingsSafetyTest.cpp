// The settings store loses nothing a user set: two running copies of the program merge their
// changes (also when the lock file beside the store cannot be opened), a symbolic link stays a link,
// a damaged or oversized file is kept as a copy before it is written anew (and the user told once),
// a read-only store is left as it is, and a failed write names the file and the reason.
#include "core/SettingsFixture.h"
#include "core/AtomicFile.h"
#include "core/Fehlergrund.h"
#include "core/SettingsFile.h"
#include "core/cRegistry.h"
#include "core/clsOptions.h"
#include "support/OrdinaryUser.h"
#include "support/Pipenwache.h"

#include <cstring>
#include <optional>
#include <set>
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
    // Running copies of the program, each writing its own values at the same time: "lost N" for
    // the values missing afterwards, "told" added when a copy showed a message.
    static std::string WritingAtOnce(int copies, int writes)
    {
        std::vector<pid_t> children;
        for (int copy = 0; copy < copies; ++copy) {
            const pid_t child = fork();
            if (child < 0) return "no child";
            if (child == 0) {
                RecordingSeam own_seam;
                cRegistry own;
                for (int i = 0; i < writes; ++i)
                    own.WriteValue("C" + std::to_string(copy) + "_" + std::to_string(i), cRegistry::REG_DWORD, int32_t{i});
                _exit(own_seam.messages.empty() ? 0 : 2);
            }
            children.push_back(child);
        }
        std::string result;
        for (pid_t child : children) {
            int status = 1;
            waitpid(child, &status, 0);
            if (WIFEXITED(status) && WEXITSTATUS(status) == 2) result = " told";
            else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) result = " failed";
        }
        cRegistry reader;
        int lost = 0;
        for (int copy = 0; copy < copies; ++copy)
            for (int i = 0; i < writes; ++i)
                if (reader.ReadValue("C" + std::to_string(copy) + "_" + std::to_string(i), cRegistry::REG_DWORD,
                                     int32_t{-1}) != RegValue(int32_t{i}))
                    ++lost;
        return "lost " + std::to_string(lost) + result;
    }
    // A lock file that root left beside the store (a start under sudo), with its mode bits, and a
    // settings folder that an ordinary user may write.
    void RootsLockFile(fs::perms mode) const
    {
        fs::create_directories(StoreFile().parent_path());
        fs::permissions(StoreFile().parent_path(), fs::perms::all);
        std::ofstream(StoreFile().string() + ".lock");
        fs::permissions(StoreFile().string() + ".lock", mode);
    }
    // Valid values as the program writes them, filled to size bytes. With aLongLineAtTheBound a
    // long line reaches over the first megabyte, and the lines before it leave room for five
    // values more, not for six.
    static std::string ValidStore(size_t size, bool aLongLineAtTheBound)
    {
        std::string text = SettingsFile().Text() + "[Software\\Murenko\\Settings]\nLang=text:3\n";
        if (aLongLineAtTheBound) {
            Fill(text, SettingsFile::kMaxFileSize - 5 * 14 - 5, "Junk");
            text += "Long=text:" + std::string(1000, 'x') + "\n";
        }
        Fill(text, size, "More");
        return text;
    }
    // Adds values named name_<number> to text until it takes size bytes.
    static void Fill(std::string& text, size_t size, const std::string& name)
    {
        for (int i = 0; text.size() + 200 < size; ++i)
            text += name + "_" + std::to_string(i) + "=text:a value that some other program left here again and again\n";
        text += name + "=text:" + std::string(size - text.size() - name.size() - 7, 'y') + "\n";
    }
    // Files in the settings folder.
    std::set<std::string> SettingsFolder() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(StoreFile().parent_path()))
            names.insert(entry.path().filename().string());
        return names;
    }
    // Writes "Neu_<first>" … "Neu_<first + count - 1>" with run; false when one of them, or any
    // written before, does not read back.
    static bool WriteAndReadBack(cRegistry& run, int first, int count)
    {
        for (int i = first; i < first + count; ++i) run.WriteValue("Neu_" + std::to_string(i), cRegistry::REG_DWORD, int32_t{i});
        for (int i = 0; i < first + count; ++i)
            if (run.ReadValue("Neu_" + std::to_string(i), cRegistry::REG_DWORD, int32_t{-1}) != RegValue(int32_t{i}))
                return false;
        return true;
    }
    cRegistry registry_;
};

TEST_F(SettingsSafety, TwoRunningCopiesWritingAtOnceLoseNoValue)
{
    registry_.WriteValue("start", cRegistry::REG_SZ, std::string("1"));
    EXPECT_EQ(WritingAtOnce(2, 300), "lost 0");
    EXPECT_EQ(Stored("start"), RegValue("1"));
}

TEST_F(SettingsSafety, ALockFileThatAnotherUserLeftIsStillSharedByTheRunningCopies)
{
    RootsLockFile(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    const std::string seen = AsOrdinaryUser({env.Root(), env.ConfigFolder(), StoreFile().parent_path()}, [] {
        unsetenv("XDG_RUNTIME_DIR");
        return WritingAtOnce(4, 200);
    });
    EXPECT_EQ(seen, "lost 0");
}

TEST_F(SettingsSafety, ANamedPipeThatAnotherUserLeftAsTheLockFileKeepsNoWriteWaiting)
{
    RootsLockFile(fs::perms::none);
    fs::remove(StoreFile().string() + ".lock");
    const Pipenwache pipe(StoreFile().string() + ".lock");
    fs::permissions(pipe.Pfad(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string seen = AsOrdinaryUser({env.Root(), env.ConfigFolder(), StoreFile().parent_path()}, [this] {
        RecordingSeam own_seam;
        registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
        return "messages " + std::to_string(own_seam.messages.size());
    });
    EXPECT_EQ(seen, "messages 0");
    EXPECT_EQ(Stored("Lang"), RegValue("3"));
    EXPECT_FALSE(pipe.Freigegeben()) << "the lock file was opened and waited for a writer";
}

TEST_F(SettingsSafety, AnUnopenableLockFileGivesWayToTheRuntimeFolderAndWithoutOneTheUserIsToldOnce)
{
    // Without any mode bits only root may open it: also when the tests run as its ordinary owner.
    RootsLockFile(fs::perms::none);
    const fs::path runtime = env.Root() / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::all);
    const std::string seen = AsOrdinaryUser({env.Root(), env.ConfigFolder(), StoreFile().parent_path()}, [&] {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        std::string result = WritingAtOnce(4, 200);
        if (fs::exists(runtime / "Murenko-Settings.lock")) result += " in the runtime folder";
        unsetenv("XDG_RUNTIME_DIR");
        RecordingSeam own_seam;
        cRegistry alone;
        alone.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
        alone.WriteValue("nm", cRegistry::REG_DWORD, int32_t{0});
        result += ", unlocked: messages " + std::to_string(own_seam.messages.size());
        if (!own_seam.messages.empty() && own_seam.messages[0].text.starts_with(gLanguage->Caption(461)) &&
            own_seam.messages[0].text.find(StoreFile().string() + ".lock: " + Fehlergrund(EACCES)) != std::string::npos)
            result += " naming the lock file and the reason";
        if (alone.ReadValue("nm", cRegistry::REG_DWORD, int32_t{-1}) == RegValue(int32_t{0})) result += ", written";
        return result;
    });
    EXPECT_EQ(seen, "lost 0 in the runtime folder, unlocked: messages 1 naming the lock file and the reason, written");
}

TEST_F(SettingsSafety, AReadOnlyStoreIsLeftAsItIsAndTheSettingsStayInMemoryWithOneMessage)
{
    PutStore("Lang=text:0\nFolder=text:/old\n");
    const std::string before = StoreText();
    fs::permissions(StoreFile().parent_path(), fs::perms::all);
    fs::permissions(StoreFile(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string seen = AsOrdinaryUser({env.Root(), env.ConfigFolder(), StoreFile().parent_path()}, [this] {
        RecordingSeam own_seam;
        clsOptions options;
        options.setSprache(3);
        options.setReg_Folder("/new");
        options.setEinheit_NM(false);
        std::string result = "Lang " + std::to_string(options.Sprache()) + " Folder " + options.Reg_Folder() +
                             " messages " + std::to_string(own_seam.messages.size()) + " windows " +
                             std::to_string(own_seam.errorWindows);
        if (!own_seam.messages.empty() && own_seam.messages[0].text.find(StoreFile().string() + " (" +
                                                                          Fehlergrund(EACCES) + ")") != std::string::npos)
            result += " naming the file";
        return result;
    });
    EXPECT_EQ(seen, "Lang 3 Folder /new messages 1 windows 0 naming the file");
    EXPECT_EQ(StoreText(), before);
    EXPECT_FALSE(fs::exists(CopyFile()));
}

TEST_F(SettingsSafety, AFolderOrANamedPipeInTheStoresPlaceIsNeitherOpenedNorReplacedAndToldOnce)
{
    fs::create_directories(StoreFile().parent_path());
    for (const fs::file_type art : {fs::file_type::fifo, fs::file_type::directory}) {
        std::optional<Pipenwache> pipe;
        if (art == fs::file_type::fifo)
            pipe.emplace(StoreFile());
        else
            fs::create_directory(StoreFile());
        RecordingSeam own_seam;
        clsOptions options;
        EXPECT_EQ(options.Sprache(), 0) << "the defaults";
        options.setSprache(3);
        options.setReg_Folder("/new");
        EXPECT_EQ(options.Sprache(), 3) << "kept in memory";
        EXPECT_EQ(options.Reg_Folder(), "/new");
        ASSERT_EQ(own_seam.messages.size(), 1u);
        EXPECT_NE(own_seam.messages[0].text.find(StoreFile().string() + " (" + gLanguage->Caption(676) + ")"),
                  std::string::npos)
            << own_seam.messages[0].text;
        EXPECT_EQ(fs::status(StoreFile()).type(), art);
        EXPECT_FALSE(pipe && pipe->Freigegeben()) << "the pipe was opened and waited for a writer";
        pipe.reset();
        fs::remove(StoreFile());
    }
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

TEST_F(SettingsSafety, AValidStoreOverOneMegabyteIsCopiedOnceAndEveryValueWrittenAfterwardsReadsBack)
{
    std::string big = "[Software\\Murenko\\Settings]\nLang=text:3\n";
    for (int i = 0; big.size() <= (1u << 20) + 40000; ++i)
        big += "Junk_" + std::to_string(i) + "=text:a value that some other program left here again and again\n";
    PutStore(big, "");
    for (int i = 0; i < 10; ++i) registry_.WriteValue("Neu_" + std::to_string(i), cRegistry::REG_DWORD, int32_t{i});
    int lost = 0;
    for (int i = 0; i < 10; ++i)
        if (registry_.ReadValue("Neu_" + std::to_string(i), cRegistry::REG_DWORD, int32_t{-1}) != RegValue(int32_t{i}))
            ++lost;
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(Stored("Lang"), RegValue("3")) << "the first values of the file stay";
    EXPECT_TRUE(Content(CopyFile()) == big) << "the whole file copied";
    EXPECT_FALSE(fs::exists(StoreFile().string() + ".bak1"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(gLanguage->Caption(653) + " " + CopyFile().string()), std::string::npos)
        << seam.messages[0].text;
    EXPECT_LE(fs::file_size(StoreFile()), size_t{1} << 20) << "what is written is read back whole";

    // The next run finds a store of the usual kind: nothing to copy or tell.
    cRegistry nextRun;
    nextRun.WriteValue("Neu_10", cRegistry::REG_DWORD, int32_t{10});
    EXPECT_EQ(nextRun.ReadValue("Neu_3", cRegistry::REG_DWORD, int32_t{-1}), RegValue(int32_t{3}));
    EXPECT_EQ(nextRun.ReadValue("Neu_10", cRegistry::REG_DWORD, int32_t{-1}), RegValue(int32_t{10}));
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(StoreFile().string() + ".bak1"));
}

TEST_F(SettingsSafety, AStoreOverOneMegabyteIsCutOnceToHalfTheBoundAndTheNextRunWritesItWithoutCopyOrMessage)
{
    const std::string big = ValidStore(1200000, true);
    PutStore(big, "");
    const size_t half = SettingsFile::kMaxFileSize / 2;
    registry_.WriteValue("Neu_0", cRegistry::REG_DWORD, int32_t{0});
    // Another copy of the program, of an earlier version, puts the whole file back meanwhile: cut
    // again, but copied and told once a run.
    PutStore(big, "");
    EXPECT_TRUE(WriteAndReadBack(registry_, 0, 3));
    EXPECT_LE(fs::file_size(StoreFile()), half) << "cut to the rule's size";
    EXPECT_GT(fs::file_size(StoreFile()), half - 200) << "and no more";
    EXPECT_EQ(Stored("Lang"), RegValue("3"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(gLanguage->Caption(653) + " " + CopyFile().string()), std::string::npos)
        << seam.messages[0].text;
    EXPECT_TRUE(Content(CopyFile()) == big) << "the whole file copied";

    // The next runs read the file whole: nothing is copied, told or left out.
    for (int run = 1; run <= 2; ++run) {
        const auto size = fs::file_size(StoreFile());
        cRegistry nextRun;
        EXPECT_TRUE(WriteAndReadBack(nextRun, 3 * run, 3)) << run;
        EXPECT_EQ(fs::file_size(StoreFile()), size + 3 * std::string("Neu_3=dword:3\n").size()) << run;
    }
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(SettingsFolder(), (std::set<std::string>{"Settings.ini", "Settings.ini.bak", "Settings.ini.lock"}));
    EXPECT_TRUE(Content(CopyFile()) == big);
}

TEST_F(SettingsSafety, AStoreReadWholeThatAWriteWouldTakeOverTheBoundIsCopiedOnceAndToldSo)
{
    // The file that the earlier version cut at the first megabyte and wrote back just below it.
    const std::string full = ValidStore(SettingsFile::kMaxFileSize - 10, false);
    PutStore(full, "");
    EXPECT_TRUE(WriteAndReadBack(registry_, 0, 3));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(gLanguage->Caption(657) + " " + CopyFile().string()), std::string::npos)
        << seam.messages[0].text;
    EXPECT_TRUE(Content(CopyFile()) == full);
    EXPECT_LE(fs::file_size(StoreFile()), SettingsFile::kMaxFileSize / 2);
    EXPECT_EQ(Stored("Lang"), RegValue("3"));
    cRegistry nextRun;
    EXPECT_TRUE(WriteAndReadBack(nextRun, 3, 3));
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(SettingsFolder(), (std::set<std::string>{"Settings.ini", "Settings.ini.bak", "Settings.ini.lock"}));
}

TEST_F(SettingsSafety, AFailedWriteNamesTheFileAndTheSystemsReason)
{
    BlockStore();
    registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
    EXPECT_NE(gError->ErrorDescription().find(SettingsFile::Location().string() + ": " + Fehlergrund(ENOTDIR)),
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
    EXPECT_NE(seen.find(StoreFile().string() + ": " + Fehlergrund(EACCES)), std::string::npos) << seen;
}

}
