#include "core/clsLoader.h"

#include "core/RegionalFormat.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <FreeImage.h>
#include <clocale>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utime.h>

namespace {

// Runs a test in a given numeric locale and restores the previous one.
class NumericLocale {
public:
    explicit NumericLocale(const char* name) : previous_(std::setlocale(LC_NUMERIC, nullptr))
    {
        active_ = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    bool Active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override { CreateCoreObjects(); }
    void TearDown() override
    {
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
    }
    TempEnvironment env;
    RecordingSeam seam;
};

}

TEST(SizeTextTest, SwitchesUnitAtEachPowerOf1024)
{
    NumericLocale c("C");
    EXPECT_EQ(clsLoader::Groesse_Text(0), "0.0 Bytes");
    EXPECT_EQ(clsLoader::Groesse_Text(1023), "1023.0 Bytes");
    EXPECT_EQ(clsLoader::Groesse_Text(1024), "1.0 kB");
    EXPECT_EQ(clsLoader::Groesse_Text(1048575), "1024.0 kB") << "just below a MB still counts in kB";
    EXPECT_EQ(clsLoader::Groesse_Text(1048576), "1.0 MB");
    EXPECT_EQ(clsLoader::Groesse_Text(1073741824.0), "1.0 GB");
    EXPECT_EQ(clsLoader::Groesse_Text(5.0 * 1073741824.0 * 1024.0), "5120.0 GB");
    EXPECT_EQ(clsLoader::Groesse_Text(1280), "1.3 kB") << "a half is rounded away from zero";
    EXPECT_EQ(zelo::FormatGroupedDigits(0), "") << "a working set of 0 kB shows as \" kB\"";
}

TEST(SizeTextTest, FollowsTheRegionalDecimalSignAndGrouping)
{
    NumericLocale german("de_DE.UTF-8");
    if (!german.Active()) GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(clsLoader::Groesse_Text(1024), "1,0 kB");
    EXPECT_EQ(clsLoader::Groesse_Text(1023), "1.023,0 Bytes");
    EXPECT_EQ(zelo::FormatGroupedDigits(1234567), "1.234.567");
    EXPECT_EQ(zelo::FormatNumber(0.25, 1), "0,3");
}

TEST_F(LoaderTest, VersionTextsHaveFixedDigitCounts)
{
    EXPECT_EQ(gLoader->Version(), "2.32.0880");
    EXPECT_EQ(gLoader->Version_Kurz(), "2.32");
    EXPECT_EQ(gLoader->ApplicationName(), "KPW ZELO");
    EXPECT_EQ(gLoader->Code_Lines(), 28574);
}

TEST_F(LoaderTest, CreationInfoIsTheFilesLocalWriteTime)
{
    const auto file = env.Root() / "program";
    std::ofstream(file) << "x";
    std::tm when{};
    when.tm_year = 2012 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 5;
    when.tm_hour = 14;
    when.tm_min = 5;
    when.tm_sec = 9;
    when.tm_isdst = -1;
    const utimbuf times{std::mktime(&when), std::mktime(&when)};
    ASSERT_EQ(utime(file.c_str(), &times), 0);

    EXPECT_EQ(gLoader->Creation_Info_Of(file.string()), "kompiliert am 5.3.2012 um 14:05:09 Uhr");
    gLanguage->OpenLanguageEx(3);
    EXPECT_EQ(gLoader->Creation_Info_Of(file.string()), "compiled 5.3.2012 at 14:05:09 o'Clock");
    EXPECT_EQ(gLoader->Creation_Info_Of((env.Root() / "missing").string()), "");
}

TEST_F(LoaderTest, ConnectGathersTheProgramsFacts)
{
    EXPECT_EQ(gLoader->Creation_Info(), "");
    EXPECT_FALSE(gLoader->FreeImageLib_Available());
    gLoader->Connect();
    EXPECT_EQ(gLoader->ApplicationPath(), env.DataFolder().string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(env.DataFolder()));
    EXPECT_TRUE(std::filesystem::equivalent(gLoader->GetExeFilePath(), "/proc/self/exe"));
    EXPECT_EQ(gLoader->Creation_Info(), gLoader->Creation_Info_Of(gLoader->GetExeFilePath()));
    EXPECT_NE(gLoader->Creation_Info(), "");
    EXPECT_EQ(gLoader->FreeImageLib_Available(), FreeImage_GetVersion() != nullptr);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_NE(gLoader->UserName(), "<unknown>");
}

TEST_F(LoaderTest, MemoryTextsNeedTheProcessFromConnect)
{
    EXPECT_EQ(gLoader->MemoryInfo(), "") << "no process is known before Connect";
    gLoader->Connect();
    const std::string memory = gLoader->MemoryInfo();
    ASSERT_GT(memory.size(), 3u);
    EXPECT_EQ(memory.substr(memory.size() - 3), " kB");
    const std::string memoryEx = gLoader->MemoryInfoEx();
    EXPECT_EQ(memoryEx.rfind("RAM: ", 0), 0u);
    EXPECT_NE(memoryEx.find(" benutzt durch KPW ZELO: "), std::string::npos);
}

TEST_F(LoaderTest, IsFileFailedOnlyForMissingFiles)
{
    const auto file = env.Root() / "present.dat";
    std::ofstream(file) << "x";
    EXPECT_FALSE(gLoader->IsFileFailed(file.string()));
    EXPECT_TRUE(gLoader->IsFileFailed((env.Root() / "absent.dat").string()));
    EXPECT_TRUE(gLoader->IsFileFailed(env.Root().string())) << "a folder is no file";
    EXPECT_TRUE(gLoader->IsFileFailed((file / "below").string())) << "a path through a file names nothing";
    EXPECT_EQ(seam.errorWindows, 0);
}
