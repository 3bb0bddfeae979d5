#include "core/SettingsFixture.h"
#include "core/cRegistry.h"
#include "support/Gemeldet.h"

namespace fs = std::filesystem;

class RegistryTest : public SettingsFixture {
protected:
    RegValue Text(const std::string& name) { return registry_.ReadValue(name, cRegistry::REG_SZ, std::string("default")); }
    cRegistry registry_;
};

TEST_F(RegistryTest, TypedValuesReadBackAsWrittenInAReadableFileCreatedOnlyByAWrite)
{
    EXPECT_EQ(registry_.ReadValue("nm", cRegistry::REG_DWORD, int32_t{1}), RegValue(int32_t{1}));
    EXPECT_FALSE(fs::exists(env.ConfigFolder()));
    registry_.WriteValue("Abbruchstelle Ordnung", cRegistry::REG_SZ, std::string("4"));
    registry_.WriteValue("nm", cRegistry::REG_DWORD, int32_t{0});
    registry_.WriteValue("Blob", cRegistry::REG_BINARY, std::vector<uint8_t>{0, 0xFF, 0x10});
    registry_.WriteValue("Count", cRegistry::REG_SZ, int32_t{-12});
    EXPECT_EQ(registry_.ReadValue("nm", cRegistry::REG_SZ, {}), RegValue(int32_t{0})) << "the stored type wins";
    EXPECT_EQ(registry_.ValueType(), cRegistry::REG_DWORD);
    EXPECT_EQ(registry_.ReadValue("Blob", cRegistry::REG_BINARY, {}), RegValue(std::vector<uint8_t>{0, 0xFF, 0x10}));
    EXPECT_EQ(Text("Count"), RegValue("-12"));
    EXPECT_EQ(StoreText().substr(StoreText().find('[')),
              "[Software\\Murenko\\Settings]\nAbbruchstelle Ordnung=text:4\nnm=dword:0\n"
                           "Blob=binary:00ff10\nCount=text:-12\n");
}

TEST_F(RegistryTest, TextsAndNamesAreStoredVerbatimAndNamesIgnoreLetterCase)
{
    const std::string awkward = "%HOME%\\x=%PATH% \\\\ \ttab\nline\r\x01 [a] #b =c";
    for (const std::string& text : {awkward, std::string()}) {
        registry_.WriteValue("Folder", cRegistry::REG_EXPAND_SZ, text);
        EXPECT_EQ(Text("Folder"), RegValue(text));
    }
    registry_.WriteValue("#=[odd name\n", cRegistry::REG_SZ, std::string("v"));
    EXPECT_EQ(Text("#=[odd name\n"), RegValue("v"));
    registry_.WriteValue("mru1", cRegistry::REG_SZ, std::string("b"));
    EXPECT_EQ(Text("Mru1"), RegValue("b"));
    const std::string file = StoreText();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 5) << "a comment, the key and one line per value";
}

TEST_F(RegistryTest, FailedWritesReportTheirErrors)
{
    for (const char* path : {"", "Software\\", "line\nbreak"}) {
        registry_.setSectionKey(path);
        EXPECT_EQ(Gemeldet([&] { EXPECT_FALSE(registry_.CreateKey()); }), "cRegistry.CreateKey 26001") << path;
    }
    EXPECT_EQ(Gemeldet([&] { EXPECT_FALSE(registry_.DeleteValue()); }), "cRegistry.DeleteValue 26001");
    EXPECT_FALSE(fs::exists(StoreFile()));
    registry_.setSectionKey(cRegistry::kSettingsKey);
    EXPECT_EQ(Gemeldet([&] { registry_.WriteValue("n", cRegistry::REG_DWORD, std::string("1")); }),
              "cRegistry.WriteValue " + std::to_string(cRegistry::errWriteFailed));
    registry_.setValueType(cRegistry::REG_BINARY);
    EXPECT_EQ(Gemeldet([&] { registry_.setValue(int32_t{1}); }), "cRegistry.setValue 26001");
    BlockStore();
    EXPECT_EQ(Gemeldet([&] { registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3")); }),
              "cRegistry.WriteValue 26001");
}

TEST_F(RegistryTest, GarbledLinesAreSkippedAndAnUnreadableStoreGivesDefaultsAndASilentRecord)
{
    PutStore("stray=text:1\n[Software\\Murenko\\Settings]\r\nnm=dword:zero\r\nLang=text:3\r\nbad line\n"
             "Blob=binary:0g\nX=weird:1\nE_1=text:F\\e\nMax_R=text:2.", "");
    EXPECT_EQ(Text("Lang"), RegValue("3"));
    EXPECT_EQ(Text("Max_R"), RegValue("2."));
    for (const char* name : {"nm", "Blob", "X", "E_1", "stray"}) EXPECT_EQ(Text(name), RegValue("default")) << name;
    registry_.WriteValue("nm", cRegistry::REG_DWORD, int32_t{1});
    EXPECT_EQ(Text("Lang"), RegValue("3"));

    fs::remove(StoreFile());
    fs::create_directories(StoreFile());  // an unreadable store: a folder where the file should be
    EXPECT_EQ(Text("Lang"), RegValue("default"));
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_NE(Gemeldet([&] { registry_.WriteValue("Lang", cRegistry::REG_SZ, std::string("3")); }), "");
}
