#include "curves/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteReadsAndWritesBackUnchanged)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(Windows1252, MapsTheSpecialCharacters)
{
    EXPECT_EQ(Windows1252ToUtf8("Angstr\xF6m"), "Angström");
    EXPECT_EQ(Windows1252ToUtf8("\x80 \x96 \x9F"), "€ – Ÿ");
    EXPECT_EQ(Utf8ToWindows1252("Å 5 €"), "\xC5 5 \x80");
}

TEST(Windows1252, UnmappableAndMalformedTextBecomesQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindows1252("π≈3"), "??3");
    EXPECT_EQ(Utf8ToWindows1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToWindows1252("\xFF" "b"), "?b");
}
