#include "core/Runtime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Runtime, IntegerConversionRoundsHalvesToEven)
{
    EXPECT_EQ(rt::CLng(2.5), 2);
    EXPECT_EQ(rt::CLng(3.5), 4);
    EXPECT_EQ(rt::CLng(-2.5), -2);
    EXPECT_EQ(rt::CLng(-3.5), -4);
    EXPECT_EQ(rt::CLng(2.4999), 2);
    EXPECT_EQ(rt::CLng(2.5001), 3);
    EXPECT_EQ(rt::CInt(0.5), 0);
    EXPECT_EQ(rt::CInt(1.5), 2);
}

TEST(Runtime, IntegerConversionOutOfRangeRaisesOverflow)
{
    for (double bad : {3e9, -3e9, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        try {
            rt::CLng(bad);
            FAIL() << "no error for " << bad;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.Number(), rt::errOverflow);
            EXPECT_EQ(e.Description(), "Overflow");
        }
    }
    EXPECT_THROW(rt::CInt(32767.5), rt::RuntimeError);
    EXPECT_EQ(rt::CInt(-32768.0), -32768);
}

TEST(Runtime, FloorAndWholePart)
{
    EXPECT_EQ(rt::Int(-2.5), -3.0);
    EXPECT_EQ(rt::Fix(-2.5), -2.0);
    EXPECT_EQ(rt::Int(2.9), 2.0);
}

TEST(Runtime, DivisionByZeroIsAnError)
{
    try {
        rt::Divide(1.0, 0.0);
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), rt::errDivisionByZero);
    }
    try {
        rt::Divide(0.0, 0.0);
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.Number(), rt::errOverflow);
    }
    EXPECT_DOUBLE_EQ(rt::Divide(1.0, 4.0), 0.25);
}

TEST(Runtime, TextOfASingle)
{
    struct Case {
        float value;
        const char* text;
    };
    for (const Case& c : {Case{1.5f, "1.5"}, Case{0.0f, "0"}, Case{700000.0f, "700000"}, Case{0.1f, "0.1"},
                          Case{3.1415927f, "3.141593"}, Case{-3e38f, "-3E+38"}, Case{12345678.0f, "1.234568E+07"},
                          Case{1234567.0f, "1234567"}, Case{0.0001f, "0.0001"}, Case{0.00001f, "1E-05"},
                          Case{-0.25f, "-0.25"}, Case{100.0f, "100"}})
        EXPECT_EQ(rt::SingleText(c.value), c.text) << c.value;
}

TEST(Runtime, TextOfADouble)
{
    EXPECT_EQ(rt::DoubleText(6.28318530717958), "6.28318530717958");
    EXPECT_EQ(rt::DoubleText(-3e38), "-3E+38");
    EXPECT_EQ(rt::DoubleText(0.1), "0.1");
    EXPECT_EQ(rt::DoubleText(1e15), "1E+15");
    EXPECT_EQ(rt::DoubleText(123456789012345.0), "123456789012345");
    EXPECT_THROW(rt::DoubleText(std::nan("")), rt::RuntimeError);
}

TEST(Runtime, NowTextHasTheDisplayedLayout)
{
    const std::string now = rt::NowText();
    ASSERT_EQ(now.size(), 19u);
    EXPECT_EQ(now[2], '.');
    EXPECT_EQ(now[5], '.');
    EXPECT_EQ(now[10], ' ');
    EXPECT_EQ(now[13], ':');
    EXPECT_EQ(now[16], ':');
}

TEST(Runtime, TimeTextIsHoursMinutesSeconds)
{
    const std::string time = rt::TimeText();
    ASSERT_EQ(time.size(), 8u);
    EXPECT_EQ(time[2], ':');
    EXPECT_EQ(time[5], ':');
}
