#include "update/VersionFile.h"

#include <gtest/gtest.h>

using namespace versionfile;

TEST(VersionFile, FieldsFollowTheFirstHashWithoutTheClosingLineBreak)
{
    const auto fields = Fields("ZELO\r\nv#2.33.0001/2.32.0880/3.18.0/neu/new\r\n");
    ASSERT_TRUE(fields);
    EXPECT_EQ(*fields, (std::vector<std::string>{"2.33.0001", "2.32.0880", "3.18.0", "neu", "new"}));
    EXPECT_FALSE(Fields("no version here\r\n"));
    EXPECT_EQ(Compare((*fields)[0], 2, 32, 880), Comparison::Newer);
    EXPECT_EQ(Compare((*fields)[1], 2, 32, 880), Comparison::NotNewer);
    EXPECT_EQ(Compare("2.x.1", 2, 32, 880), Comparison::Invalid);
}

TEST(VersionFile, FieldsAreShownUpToTwoThousandCharactersNeverCuttingOneInHalf)
{
    std::string umlauts;
    for (int i = 0; i < 2500; ++i) umlauts += "ä";
    const std::string exact(kMaxShownChars, '9');
    const Evaluation result =
        Evaluate("#" + exact + "/2.32.0880/3.18.0/" + umlauts + "/" + exact + "0", {2, 32, 880}, "n/a");
    ASSERT_EQ(result.online.size(), 5u);
    EXPECT_EQ(result.online[0], exact) << "a field of exactly the limit stays whole";
    EXPECT_EQ(result.online[3], umlauts.substr(0, 2 * kMaxShownChars) + "…") << "cut by characters, not bytes";
    EXPECT_EQ(result.online[4], exact + "…");
}
