#include "core/SettingsFixture.h"
#include "core/clsOptions.h"

namespace fs = std::filesystem;

using RecentFilesTest = SettingsFixture;

namespace {

std::string FileName(int i) { return "/data/project" + std::to_string(i) + ".dat"; }

}

TEST_F(RecentFilesTest, NewFilesFillTheSlotsInOrder)
{
    clsOptions options;
    EXPECT_FALSE(options.MRU_Available());
    EXPECT_EQ(options.MRU_Set(FileName(1)), 1);
    EXPECT_EQ(options.MRU_Set(FileName(2)), 2);
    EXPECT_TRUE(options.MRU_Available());
    EXPECT_EQ(options.MRU(1), FileName(1));
    EXPECT_EQ(options.MRU(2), FileName(2));
    EXPECT_EQ(options.MRU(3), "");
    EXPECT_EQ(options.MRU(0), "");
    EXPECT_EQ(options.MRU(11), "");
    EXPECT_NE(StoreText().find("MRU1=text:" + FileName(1) + "\n"), std::string::npos);
}

TEST_F(RecentFilesTest, AFileAlreadyInTheListIsNotWrittenAgain)
{
    clsOptions options;
    for (int i = 1; i <= 4; ++i) options.MRU_Set(FileName(i));
    const std::string before = StoreText();
    const auto written = fs::last_write_time(StoreFile());
    EXPECT_EQ(options.MRU_Set(FileName(4)), -1);
    EXPECT_EQ(StoreText(), before);
    EXPECT_EQ(fs::last_write_time(StoreFile()), written);
    EXPECT_EQ(options.MRU_Set(""), -1);
}

TEST_F(RecentFilesTest, LetterCaseMakesADifferentFile)
{
    clsOptions options;
    EXPECT_EQ(options.MRU_Set("C:\\A.dat"), 1);
    EXPECT_EQ(options.MRU_Set("c:\\a.dat"), 2);
}

TEST_F(RecentFilesTest, AFileGoesAfterTheLastFilledSlotAndTheMenuShowsEveryFilledSlot)
{
    PutStore("MRU2=text:b\nMRU3=text:c\n");
    clsOptions options;
    EXPECT_TRUE(options.MRU_Available());
    EXPECT_EQ(options.MRU_Set("d"), 4);
    EXPECT_EQ(options.MRU(1), "");
}

TEST_F(RecentFilesTest, AFullListUsesAnEmptySlotBeforeReplacingOne)
{
    std::string slots;
    for (int i = 1; i <= 10; ++i)
        if (i != 5) slots += "MRU" + std::to_string(i) + "=text:" + FileName(i) + "\n";
    PutStore(slots);
    clsOptions options;
    EXPECT_EQ(options.MRU_Set("new"), 5);
}

TEST_F(RecentFilesTest, AFullListReplacesItsOldestEntryAcrossRuns)
{
    {
        clsOptions options;
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(options.MRU_Set(FileName(i)), i);
        EXPECT_EQ(options.MRU_Set("eleven"), 1);
        EXPECT_EQ(options.MRU_Set("twelve"), 2);
    }
    clsOptions options;
    EXPECT_EQ(options.MRU_Set("thirteen"), 3);
    EXPECT_EQ(options.MRU(1), "eleven");
    EXPECT_EQ(options.MRU(2), "twelve");
    EXPECT_EQ(options.MRU(3), "thirteen");
    EXPECT_EQ(options.MRU(4), FileName(4));
    for (int i = 4; i <= 10; ++i) EXPECT_EQ(options.MRU_Set("more" + std::to_string(i)), i);
    EXPECT_EQ(options.MRU_Set("wraps"), 1);
}

TEST_F(RecentFilesTest, AFullListWithoutItsLastSlotStartsAtTheFirst)
{
    std::string slots;
    for (int i = 1; i <= 10; ++i) slots += "MRU" + std::to_string(i) + "=text:" + FileName(i) + "\n";
    PutStore(slots + "MRU_Last=text:garbage\n");
    clsOptions options;
    EXPECT_EQ(options.MRU_Set("new"), 1);
    EXPECT_EQ(options.MRU_Set("newer"), 2);
}

TEST_F(RecentFilesTest, AFailedWriteIsReportedAndEntersNothing)
{
    clsOptions options;
    BlockStore();
    EXPECT_EQ(options.MRU_Set(FileName(1)), -1);
    EXPECT_EQ(gError->ErrorFunction(), "MRU_Set");
    EXPECT_EQ(seam_.errorWindows, 1);
    EXPECT_FALSE(options.MRU_Available());
}
