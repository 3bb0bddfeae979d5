#include "support/ScopedLocale.h"
#include "core/Runtime.h"
#include "curves/modString.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>

// Every number conversion must give the same result under a point and a comma locale.
class NumberTextUnderLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        locale_ = std::make_unique<ScopedLocale>(GetParam());
        if (!locale_->Active()) GTEST_SKIP() << "no locale " << GetParam() << " installed";
    }
    std::unique_ptr<ScopedLocale> locale_;
};

INSTANTIATE_TEST_SUITE_P(Locales, NumberTextUnderLocale, testing::Values("C", "comma"));

TEST(NoValueMarker, HasTheExactSingleBits)
{
    EXPECT_EQ(std::bit_cast<uint32_t>(Kein_Wert), 0xFF61B1E6u);
    EXPECT_EQ(static_cast<double>(Kein_Wert), -3.0000000054977558E+38);
}

TEST_P(NumberTextUnderLocale, ReadsBothSeparatorsAndMendsTheLeadingZero)
{
    EXPECT_EQ(StrToSingle("1.5"), 1.5f);
    EXPECT_EQ(StrToSingle("1,5"), 1.5f);
    EXPECT_EQ(StrToSingle(".5"), 0.5f);
    EXPECT_EQ(StrToSingle(",5"), 0.5f);
    EXPECT_EQ(StrToSingle("+,5"), 0.5f);
    EXPECT_EQ(StrToSingle("+.5"), 0.5f);
    EXPECT_EQ(StrToSingle("-.5"), -0.5f);
    EXPECT_EQ(StrToSingle("-,5"), -0.5f);
    EXPECT_EQ(StrToSingle("60.5"), 60.5f);
}

TEST_P(NumberTextUnderLocale, ReadsSignsExponentsAndBlanks)
{
    EXPECT_EQ(StrToSingle("  -2.5E+03 "), -2500.0f);
    EXPECT_EQ(StrToSingle("1e-2"), 0.01f);
    EXPECT_EQ(StrToSingle("+7"), 7.0f);
    EXPECT_EQ(StrToSingle("3.1415927"), std::bit_cast<float>(0x40490FDBu));
    EXPECT_EQ(StrToSingle("1E-50"), 0.0f);
}

TEST_P(NumberTextUnderLocale, EmptyIsZeroAndNonsenseIsTheMarker)
{
    EXPECT_EQ(StrToSingle(""), 0.0f);
    EXPECT_EQ(StrToSingle("."), 0.0f);
    for (const char* text : {"abc", "1E39", "-1E39", "1e400", "1.5.2", "1,5,2", "1E", "-", " ", "inf", "nan",
                             "0x10", "12abc", "1 2"})
        EXPECT_EQ(StrToSingle(text), Kein_Wert) << text;
}

TEST_P(NumberTextUnderLocale, WritesWithAPoint)
{
    EXPECT_EQ(SingleToStr(1.5f), "1.5");
    EXPECT_EQ(SingleToStr(-0.001f), "-0.001");
    EXPECT_EQ(SingleToStr(3.1415927f), "3.141593");
    EXPECT_EQ(SingleToStr(1.5e20f), "1.5E+20");
    EXPECT_EQ(SingleToStr(Kein_Wert), "");
    EXPECT_EQ(SingleToStr(std::nanf("")), "");
    EXPECT_EQ(StrToSingle(SingleToStr(0.1f)), 0.1f);
}

TEST(SplitText, KeepsOnlyTheNonEmptyPieces)
{
    std::vector<std::string> pieces{"old"};
    SplitText("  1.5   2,5  ", pieces);
    EXPECT_EQ(pieces, (std::vector<std::string>{"1.5", "2,5"}));
    SplitText("", pieces);
    EXPECT_TRUE(pieces.empty());
    SplitText("    ", pieces);
    EXPECT_TRUE(pieces.empty());
}

TEST(SplitText, RunsOfOneSeparatorCountAsOne)
{
    std::vector<std::string> pieces;
    SplitText("1\t\t2\t3\t", pieces, "\t");
    EXPECT_EQ(pieces, (std::vector<std::string>{"1", "2", "3"}));
    SplitText("a;b", pieces, "");
    EXPECT_EQ(pieces, (std::vector<std::string>{"a;b"}));
}

TEST(NulTrim, CutsAtTheFirstNul)
{
    EXPECT_EQ(NulTrim("abc"), "abc");
    EXPECT_EQ(NulTrim(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(NulTrim(std::string("\0x", 2)), "");
}

TEST(ArcSin, GivesTheAngleOrTheArithmeticError)
{
    EXPECT_NEAR(ArcSin(0.5f), 0.5235988f, 1e-6f);
    EXPECT_NEAR(ArcSin(-0.5f), -0.5235988f, 1e-6f);
    EXPECT_EQ(ArcSin(1.2f), 0.0f);
    EXPECT_EQ(ArcSin(std::nanf("")), 0.0f);
    for (float x : {1.0f, -1.0f}) {
        try {
            ArcSin(x);
            FAIL() << x;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errDivisionByZero);
        }
    }
    EXPECT_THROW(ArcSin(-1.5f), rt::RuntimeError);
}
