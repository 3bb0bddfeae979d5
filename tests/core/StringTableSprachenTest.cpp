// Both languages hold the same numbers: a text the program adds in one language without the other
// would show the other language's user a German text or "Language Error Index".
#include "core/StringTable.h"

#include <gtest/gtest.h>

namespace {
constexpr int32_t kEnglisch = 30000;
}

TEST(StringTableSprachenTest, EveryNumberHasAGermanAndAnEnglishText)
{
    const auto& table = zelo::stringTable();
    int deutsch = 0;
    for (const auto& [number, text] : table) {
        if (number < kEnglisch) {
            ++deutsch;
            EXPECT_TRUE(table.count(number + kEnglisch)) << "no English text for " << number << " \"" << text << "\"";
        } else {
            EXPECT_TRUE(table.count(number - kEnglisch)) << "no German text for " << number << " \"" << text << "\"";
        }
    }
    EXPECT_GT(deutsch, 400);
}

TEST(StringTableSprachenTest, TheAddedMessagesHaveTheirNumbers)
{
    const auto& table = zelo::stringTable();
    // The messages and refusals the windows add beyond the original texts.
    for (int32_t number = 520; number <= 530; ++number) {
        ASSERT_TRUE(table.count(number)) << number;
        ASSERT_TRUE(table.count(number + kEnglisch)) << number;
        EXPECT_NE(table.at(number), table.at(number + kEnglisch)) << number;
    }
    EXPECT_EQ(table.at(kEnglisch + 521), "This file type cannot be read here.");
}
