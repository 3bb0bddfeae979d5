#include "core/UnderLocale.h"
#include "core/Runtime.h"
#include "core/modString.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

// Every number conversion must give the same result under a point and a comma locale.
using NumberTextUnderLocale = UnderLocale;

INSTANTIATE_TEST_SUITE_P(Locales, NumberTextUnderLocale, testing::Values("C", "comma"));

TEST_P(NumberTextUnderLocale, ReadsEitherSeparatorGivesTheMarkerForNonsenseAndWritesWithAPoint)
{
    EXPECT_EQ(std::bit_cast<uint32_t>(Kein_Wert), 0xFF61B1E6u);
    for (const auto& [text, value] :
         {std::pair{"1,5", 1.5f}, {".5", 0.5f}, {",5", 0.5f}, {"+,5", 0.5f}, {"-.5", -0.5f}, {"60.5", 60.5f},
          {"  -2.5E+03 ", -2500.0f}, {"1e-2", 0.01f}, {"3.1415927", std::bit_cast<float>(0x40490FDBu)},
          {"1E-50", 0.0f}, {"", 0.0f}, {".", 0.0f}})
        EXPECT_EQ(StrToSingle(text), value) << text;
    for (const char* text : {"abc", "1E39", "-1E39", "1.5.2", "1,5,2", "1E", "-", " ", "inf", "nan", "0x10", "1 2"})
        EXPECT_EQ(StrToSingle(text), Kein_Wert) << text;
    // Writing uses a point.
    for (const auto& [value, text] : {std::pair{1.5f, "1.5"}, {-0.001f, "-0.001"}, {1.5e20f, "1.5E+20"},
                                      {Kein_Wert, ""}, {std::nanf(""), ""}})
        EXPECT_EQ(SingleToStr(value), text) << value;
    EXPECT_EQ(StrToSingle(SingleToStr(0.1f)), 0.1f);
    // The exact text gives every Single back as it was, with no more digits than it needs.
    for (const float value : {29.951899f, std::nextafter(29.952f, 0.0f), 3379770.2f, 1.1330726f, 0.1f + 0.2f,
                              -7.1234567e-12f, 3.4028235e38f, std::numeric_limits<float>::min(),
                              std::bit_cast<float>(0x417F330Fu) /* 15.9499655: nine digits */})
        EXPECT_EQ(StrToSingle(SingleToStr_Exakt(value)), value) << SingleToStr_Exakt(value);
    EXPECT_EQ(SingleToStr(std::nextafter(29.952f, 0.0f)), "29.952");
    EXPECT_EQ(SingleToStr_Exakt(std::nextafter(29.952f, 0.0f)), "29.951998");
    EXPECT_EQ(SingleToStr_Exakt(0.3f), "0.3");
    EXPECT_EQ(SingleToStr_Exakt(1.5e20f), "1.5E+20");
    EXPECT_EQ(SingleToStr_Exakt(Kein_Wert), "");
}
