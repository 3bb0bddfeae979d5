#include "core/SettingsFixture.h"
#include "core/clsOptions.h"

namespace fs = std::filesystem;

using RecentFilesTest = SettingsFixture;

namespace {

std::string FileName(int i) { return "/data/project" + std::to_string(i) + ".dat"; }

std::string AllSlotsBut(int missing)
{
    std::string slots;
    for (int i = 1; i <= 10; ++i)
        if (i != missing) slots += "MRU" + std::to_string(i) + "=text:" + FileName(i) + "\n";
    return slots;
}

}

TEST_F(RecentFilesTest, NewFilesFillTheSlotsARepeatWritesNothingAndAFailedWriteIsReported)
{
    clsOptions options;
    EXPECT_FALSE(options.MRU_Available());
    EXPECT_EQ(options.MRU_Set(FileName(1)), 1);
    EXPECT_EQ(options.MRU_Set(FileName(2)), 2);
    EXPECT_EQ(options.MRU_Set("c:\\A.dat"), 3);
    EXPECT_EQ(options.MRU_Set("c:\\a.dat"), 4) << "letter case makes a different file";
    EXPECT_NE(StoreText().find("MRU1=text:" + FileName(1) + "\n"), std::string::npos);

    const std::string before = StoreText();
    const auto written = fs::last_write_time(StoreFile());
    EXPECT_EQ(options.MRU_Set(FileName(2)), -1);
    EXPECT_EQ(options.MRU_Set(""), -1);
    EXPECT_EQ(StoreText(), before);
    EXPECT_EQ(fs::last_write_time(StoreFile()), written);

    BlockStore();  // a failed write is told, and the file is listed for the rest of the run
    const int32_t slot = options.MRU_Set("/data/other.dat");
    ASSERT_GT(slot, 0);
    EXPECT_EQ(options.MRU(slot), "/data/other.dat");
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(RecentFilesTest, AFileGoesIntoAGapOrAfterTheLastSlotAndAFullListReplacesItsOldest)
{
    {
        clsOptions options;
        for (int i = 1; i <= 10; ++i) options.MRU_Set(FileName(i));
        EXPECT_EQ(options.MRU_Set("eleven"), 1);
        EXPECT_EQ(options.MRU_Set("twelve"), 2);
    }
    clsOptions options;
    EXPECT_EQ(options.MRU_Set("thirteen"), 3);
    EXPECT_EQ(options.MRU(1) + " " + options.MRU(4), "eleven " + FileName(4));
    for (int i = 4; i <= 10; ++i) options.MRU_Set("more" + std::to_string(i));
    EXPECT_EQ(options.MRU_Set("wraps"), 1);
    // A file goes after the last filled slot or into a gap.
    PutStore("MRU2=text:b\nMRU3=text:c\n");
    EXPECT_EQ(clsOptions().MRU_Set("d"), 4);
    PutStore(AllSlotsBut(5));
    EXPECT_EQ(clsOptions().MRU_Set("new"), 5);
    PutStore(AllSlotsBut(0) + "MRU_Last=text:garbage\n");
    EXPECT_EQ(clsOptions().MRU_Set("new"), 1);
}

TEST_F(RecentFilesTest, AFailedWriteIsToldOnceAndTheFilesStayListedForTheRun)
{
    clsOptions options;
    BlockStore();
    EXPECT_EQ(options.MRU_Set(FileName(1)), 1);
    EXPECT_EQ(options.MRU_Set(FileName(2)), 2) << "the slot after the one kept in memory";
    EXPECT_EQ(options.MRU_Set(FileName(1)), -1) << "already listed";
    EXPECT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_EQ(options.MRU(1), FileName(1));
    EXPECT_FALSE(clsOptions().MRU_Available()) << "the next run finds nothing stored";
}
