// The compiled-in UI text table: its numbering, and every text that the windows and messages quote,
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
// The numbers of the table as the program first had it; texts added since have numbers above it.
constexpr int32_t kLetzteAlteNummer = 440;

// The text numbers up to kLetzteAlteNummer a language holds (the same in German and English).
std::set<int32_t> KnownNumbers()
{
    std::set<int32_t> numbers;
    for (const auto& [first, last] : {std::pair{0, 16}, {19, 71}, {73, 73}, {75, 78}, {81, 83}, {85, 100}, {103, 103},
                                      {106, 139}, {141, 150}, {156, 198}, {200, 237}, {239, 276}, {278, 297},
                                      {299, 323}, {325, 383}, {385, 440}})
        for (int32_t n = first; n <= last; ++n) numbers.insert(n);
    return numbers;
}

}

TEST(StringTableTest, EveryTextIsAKnownNumberWithItsCounterpart)
{
    const std::set<int32_t> known = KnownNumbers();
    ASSERT_EQ(known.size(), 418u);
    std::set<int32_t> german, english, alte;
    for (const auto& [key, text] : zelo::stringTable()) {
        EXPECT_FALSE(text.empty()) << "text " << key << " is empty";
        EXPECT_LT(key, 2 * kEnglishOffset) << "text " << key << " belongs to no language";
        (key >= kEnglishOffset ? english : german).insert(key % kEnglishOffset);
        if (key < kEnglishOffset && key <= kLetzteAlteNummer) alte.insert(key);
    }
    EXPECT_EQ(english, german) << "every text in both languages";
    EXPECT_TRUE(std::includes(known.begin(), known.end(), alte.begin(), alte.end())) << "unknown text numbers";
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
