#include "core/clsLoader.h"

#include "core/SettingsFile.h"

#include "core/RegionalFormat.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/ScopedLocale.h"
#include "support/TempEnvironment.h"
#include "support/TestWorld.h"

#include <FreeImage.h>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utime.h>

namespace {

class LoaderTest : public ::testing::Test, protected TestWorld {};

}

TEST(SizeTextTest, SwitchesUnitAtEachPowerOf1024InTheRegionalFormat)
{
    {
        ScopedLocale c("C");
        for (const auto& [bytes, text] : {std::pair{1023.0, "1023.0 Bytes"}, {1024.0, "1.0 kB"}, {1280.0, "1.3 kB"},
                                          {1048575.0, "1024.0 kB"}, {1048576.0, "1.0 MB"}, {1073741824.0, "1.0 GB"},
                                          {5.0 * 1073741824.0 * 1024.0, "5120.0 GB"}})
            EXPECT_EQ(clsLoader::Groesse_Text(bytes), text) << bytes;
    }
    ScopedLocale german("de_DE.UTF-8");
    if (!german.Active()) GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(clsLoader::Groesse_Text(1023), "1.023,0 Bytes");
    EXPECT_EQ(zelo::FormatGroupedDigits(1234567), "1.234.567");
}

TEST_F(LoaderTest, CreationInfoIsTheFilesLocalWriteTime)
{
    const auto file = env.Root() / "program";
    std::ofstream(file) << "x";
    std::tm when{};
    when.tm_year = 2012 - 1900, when.tm_mon = 2, when.tm_mday = 5, when.tm_hour = 14, when.tm_min = 5, when.tm_sec = 9;
    when.tm_isdst = -1;
    const utimbuf times{std::mktime(&when), std::mktime(&when)};
    ASSERT_EQ(utime(file.c_str(), &times), 0);
    EXPECT_EQ(gLoader->Creation_Info_Of(file.string()), "kompiliert am 5.3.2012 um 14:05:09 Uhr");
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(gLoader->Creation_Info_Of(file.string()), "compiled 5.3.2012 at 14:05:09 o'Clock");
    EXPECT_EQ(gLoader->Creation_Info_Of((env.Root() / "missing").string()), "");
}

TEST(ProgramFolderTest, RelativeBaseFoldersAreIgnoredLikeEmptyOnes)
{
    TempEnvironment env;  // restores both variables afterwards
    const std::filesystem::path home = std::getenv("HOME");
    for (const char* value : {"relative/data", ""}) {
        setenv("XDG_DATA_HOME", value, 1);
        setenv("XDG_CONFIG_HOME", value, 1);
        EXPECT_EQ(ProgramFolder(), (home / ".local/share/zelo").string() + "/") << value;
        EXPECT_EQ(SettingsFile::Location(), home / ".config/Murenko/Settings.ini") << value;
    }
}

TEST_F(LoaderTest, ConnectGathersTheProgramsFacts)
{
    clsLoader loader;
    EXPECT_EQ(loader.MemoryInfo(), "") << "no process is known before Connect";
    loader.Connect();
    EXPECT_EQ(loader.ApplicationPath(), env.DataFolder().string() + "/");
    EXPECT_EQ(loader.Creation_Info(), loader.Creation_Info_Of(loader.GetExeFilePath()));
    EXPECT_EQ(loader.FreeImageLib_Available(), FreeImage_GetVersion() != nullptr);
    EXPECT_TRUE(loader.MemoryInfo().ends_with(" kB"));
    EXPECT_EQ(seam.errorWindows, 0);
}
