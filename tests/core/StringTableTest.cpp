// The compiled-in UI text table: every text that the windows and messages quote,
// read back in its language exactly as quoted (blanks at the edges included: callers glue texts).
#include "core/StringTable.h"
#include "core/clsLanguage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <set>

namespace {
constexpr int32_t kEnglishOffset = 30000;
}

TEST(StringTableTest, EveryQuotedTextReadsBackExactly)
{
    std::ifstream file(ZELO_TEST_DATA_DIR "/core/quoted_texts.txt", std::ios::binary);
    ASSERT_TRUE(file) << "the list of quoted texts is missing";
    std::stringstream content;
    content << file.rdbuf();
    const auto quoted = zelo::ParseStringTable(content.str());
    ASSERT_GT(quoted.size(), 500u);
    clsLanguage german, english;
    english.OpenLanguageEx(3);
    for (const auto& [key, text] : quoted) {
        const clsLanguage& language = key >= kEnglishOffset ? english : german;
        EXPECT_EQ(language.Caption(key % kEnglishOffset), text) << "text number " << key;
    }
}
