#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "core/Runtime.h"
#include "core/cRegistry.h"
#include "core/clsError.h"
#include "core/modCommon.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { gError = std::make_unique<clsError>(); }
    void TearDown() override { gError.reset(); }

    fs::path StoreFile() const { return env_.ConfigFolder() / "Murenko" / "Settings.ini"; }
    std::string StoreText() const
    {
        std::ifstream in(StoreFile(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void PutStore(const std::string& text) const
    {
        fs::create_directories(StoreFile().parent_path());
        std::ofstream(StoreFile(), std::ios::binary) << text;
    }
    static int32_t ErrorNumberOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const rt::RuntimeError& e) {
            return e.Number();
        }
        return 0;
    }

    TempEnvironment env_;
    RecordingSeam seam_;
    cRegistry registry_;
};

TEST_F(RegistryTest, ReadingAFreshStoreGivesTheDefaultAndCreatesNothing)
{
    EXPECT_EQ(registry_.ReadValue("nm", cRegistry::REG_DWORD, int32_t{1}), RegValue(int32_t{1}));
    EXPECT_EQ(registry_.ReadValue("Max_R", cRegistry::REG_SZ, std::string("3.1415927")), RegValue("3.1415927"));
    EXPECT_FALSE(fs::exists(env_.ConfigFolder()));
    EXPECT_FALSE(gError->Error());
}

TEST_F(RegistryTest, TypedValuesReadBackAsWrittenInAReadableFile)
{
    registry_.WriteValue("Abbruchstelle Ordnung", cRegistry::REG_SZ, std::string("4"));
    registry_.WriteValue("nm", cRegistry::REG_DWORD, int32_t{0});
    registry_.WriteValue("Blob", cRegistry::REG_BINARY, std::vector<uint8_t>{0, 0xFF, 0x10});
    registry_.WriteValue("Count", cRegistry::REG_SZ, int32_t{-12});
    EXPECT_EQ(registry_.ReadValue("Abbruchstelle Ordnung", cRegistry::REG_SZ, {}), RegValue("4"));
    EXPECT_EQ(registry_.ReadValue("nm", cRegistry::REG_DWORD, {}), RegValue(int32_t{0}));
    EXPECT_EQ(registry_.ReadValue("Blob", cRegistry::REG_BINARY, {}), RegValue(std::vector<uint8_t>{0, 0xFF, 0x10}));
    EXPECT_EQ(registry_.ReadValue("Count", cRegistry::REG_SZ, {}), RegValue("-12"));
    const std::string text = StoreText();
    EXPECT_NE(text.find("[Software\\Murenko\\Settings]\n"), std::string::npos);
    EXPECT_NE(text.find("Abbruchstelle Ordnung=text:4\n"), std::string::npos);
    EXPECT_NE(text.find("nm=dword:0\n"), std::string::npos);
    EXPECT_NE(text.find("Blob=binary:00ff10\n"), std::string::npos);
}

TEST_F(RegistryTest, TheStoredTypeWinsOverTheAskedOne)
{
    registry_.WriteValue("n", cRegistry::REG_DWORD, int32_t{4});
    EXPECT_EQ(registry_.ReadValue("n", cRegistry::REG_SZ, {}), RegValue(int32_t{4}));
    EXPECT_EQ(registry_.ValueType(), cRegistry::REG_DWORD);
}

TEST_F(RegistryTest, TextsAreStoredVerbatim)
{
    const std::string awkward = "%HOME%\\x=%PATH% \\\\ \ttab\nline\r\x01 [a] #b =c";
    for (const std::string& text : {std::string("%HOME%/data"), awkward, std::string()}) {
        registry_.WriteValue("Folder", cRegistry::REG_EXPAND_SZ, text);
        EXPECT_EQ(registry_.ReadValue("Folder", cRegistry::REG_SZ, {}), RegValue(text));
    }
    registry_.WriteValue("#=[odd name\n", cRegistry::REG_SZ, std::string("v"));
    EXPECT_EQ(registry_.ReadValue("#=[odd name\n", cRegistry::REG_SZ, {}), RegValue("v"));
    const std::string file = StoreText();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 4);
}

TEST_F(RegistryTest, AValueOfTheWrongKindIsAReportedFailure)
{
    EXPECT_EQ(ErrorNumberOf([&] { registry_.WriteValue("n", cRegistry::REG_DWORD, std::string("1")); }),
              cRegistry::errWriteFailed);
    EXPECT_EQ(ErrorNumberOf([&] { registry_.WriteValue("n", cRegistry::REG_MULTI_SZ, std::string("1")); }),
              cRegistry::errWriteFailed);
    EXPECT_EQ(ErrorNumberOf([&] { registry_.WriteValue("n", cRegistry::REG_BINARY, int32_t{1}); }),
              cRegistry::errKeyFailed);
    EXPECT_EQ(registry_.ReadValue("n", cRegistry::REG_DWORD, int32_t{7}), RegValue(int32_t{7}));
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenRaisesTheKeyError)
{
    std::ofstream(env_.Root() / "blocker") << "a file, not a folder";
    setenv("XDG_CONFIG_HOME", (env_.Root() / "blocker").c_str(), 1);
    try {
        registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3"));
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), cRegistry::errKeyFailed);
        EXPECT_EQ(e.Description(), "Failed to create registry Key: 'Software\\Murenko\\Settings");
    }
}

TEST_F(RegistryTest, GarbledLinesAreSkippedAndTheRestIsRead)
{
    PutStore("stray=text:1\n[Software\\Murenko\\Settings]\r\nnm=dword:zero\r\nLang=text:3\r\nbad line\n"
             "Blob=binary:0g\nX=weird:1\nE_1=text:F\\e\nMax_R=text:2.");
    EXPECT_EQ(registry_.ReadValue("Lang", cRegistry::REG_SZ, {}), RegValue("3"));
    EXPECT_EQ(registry_.ReadValue("Max_R", cRegistry::REG_SZ, {}), RegValue("2."));
    for (const char* name : {"nm", "Blob", "X", "E_1", "stray"})
        EXPECT_EQ(registry_.ReadValue(name, cRegistry::REG_SZ, std::string("default")), RegValue("default")) << name;
    registry_.WriteValue("nm", cRegistry::REG_DWORD, int32_t{1});
    EXPECT_EQ(registry_.ReadValue("Lang", cRegistry::REG_SZ, {}), RegValue("3"));
}

TEST_F(RegistryTest, AnUnreadableStoreGivesDefaultsAndASilentRecord)
{
    fs::create_directories(StoreFile());  // a folder where the file should be
    EXPECT_EQ(registry_.ReadValue("Lang", cRegistry::REG_SZ, std::string("0")), RegValue("0"));
    EXPECT_TRUE(gError->Error());
    EXPECT_EQ(gError->ErrorModul(), "cRegistry");
    EXPECT_EQ(seam_.errorWindows, 0);
    EXPECT_NE(ErrorNumberOf([&] { registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3")); }), 0);
}

TEST_F(RegistryTest, NamesAndKeysIgnoreLetterCase)
{
    registry_.WriteValue("MRU1", cRegistry::REG_SZ, std::string("a"));
    registry_.WriteValue("mru1", cRegistry::REG_SZ, std::string("b"));
    EXPECT_EQ(registry_.ReadValue("Mru1", cRegistry::REG_SZ, {}), RegValue("b"));
    registry_.setSectionKey("software\\murenko\\SETTINGS");
    EXPECT_TRUE(registry_.KeyExists());
}

TEST_F(RegistryTest, DeletesValuesAndKeys)
{
    registry_.WriteValue("a", cRegistry::REG_SZ, std::string("1"));
    registry_.setValueKey("a");
    EXPECT_TRUE(registry_.DeleteValue());
    EXPECT_EQ(registry_.ReadValue("a", cRegistry::REG_SZ, std::string("gone")), RegValue("gone"));
    registry_.setValueKey("a");
    EXPECT_EQ(ErrorNumberOf([&] { registry_.DeleteValue(); }), cRegistry::errKeyFailed);

    registry_.setSectionKey("Software\\Murenko");
    EXPECT_TRUE(registry_.KeyExists());
    EXPECT_EQ(ErrorNumberOf([&] { registry_.DeleteKey(); }), cRegistry::errKeyFailed);  // has a key below
    registry_.setSectionKey(cRegistry::kSettingsKey);
    EXPECT_TRUE(registry_.DeleteKey());
    EXPECT_FALSE(registry_.KeyExists());
    EXPECT_EQ(ErrorNumberOf([&] { registry_.DeleteKey(); }), cRegistry::errKeyFailed);
}

TEST_F(RegistryTest, EnumeratesValuesAndKeysBelow)
{
    registry_.WriteValue("a", cRegistry::REG_SZ, std::string("1"));
    registry_.WriteValue("b", cRegistry::REG_DWORD, int32_t{2});
    std::vector<std::pair<int32_t, std::string>> seen;
    registry_.NewEnumValue = [&](int32_t& count, std::string& name) { seen.emplace_back(count, name); };
    EXPECT_TRUE(registry_.EnumerateValues());
    EXPECT_EQ(seen, (std::vector<std::pair<int32_t, std::string>>{{1, "a"}, {2, "b"}}));

    registry_.setSectionKey("Software\\Other\\Deep");
    EXPECT_TRUE(registry_.CreateKey());
    registry_.setSectionKey("Software");
    seen.clear();
    registry_.NewEnumKey = [&](int32_t& tag, std::string& name) { seen.emplace_back(tag, name); };
    EXPECT_TRUE(registry_.EnumerateSections(5));
    EXPECT_EQ(seen, (std::vector<std::pair<int32_t, std::string>>{{5, "Murenko"}, {5, "Other"}}));
}

TEST_F(RegistryTest, OnlyTheUserRootAndWellFormedPathsHoldKeys)
{
    registry_.setHKEY(static_cast<int32_t>(0x80000002u));
    registry_.setSectionKey("Software\\X");
    EXPECT_FALSE(registry_.KeyExists());
    EXPECT_EQ(ErrorNumberOf([&] { registry_.CreateKey(); }), cRegistry::errKeyFailed);
    registry_.setHKEY(cRegistry::HKEY_CURRENT_USER);
    for (const char* path : {"", "Software\\", "line\nbreak"}) {
        registry_.setSectionKey(path);
        EXPECT_EQ(ErrorNumberOf([&] { registry_.CreateKey(); }), cRegistry::errKeyFailed) << path;
    }
    EXPECT_FALSE(fs::exists(StoreFile()));
    EXPECT_EQ(registry_.GetMetrics(0), 0);
}
