#include "curves/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteRoundTripsAndUnmappableTextBecomesQuestionMarks)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Windows1252ToUtf8("Angstr\xF6m \x80 \x96 \x9F"), "Angström € – Ÿ");
    EXPECT_EQ(Utf8ToWindows1252("π≈3 a\xC3"), "??3 a?");
    EXPECT_EQ(Utf8ToWindows1252("\xFF" "b"), "?b");
}
