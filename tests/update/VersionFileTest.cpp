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
