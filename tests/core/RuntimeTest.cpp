#include "core/RaisedError.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Runtime, IntegerConversionAndDivisionRaiseTheRunTimesErrors)
{
    for (const auto& [value, expected] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {2.5001, 3}})
        EXPECT_EQ(rt::CLng(value), expected) << value;
    EXPECT_EQ(rt::CInt(1.5), 2);
    EXPECT_EQ(rt::CInt(-32768.0), -32768);
    for (double bad : {3e9, -3e9, std::nan(""), HUGE_VAL}) EXPECT_EQ(RaisedError([&] { rt::CLng(bad); }), rt::errOverflow);
    EXPECT_EQ(RaisedError([] { rt::CInt(32767.5); }), rt::errOverflow);
    EXPECT_EQ(rt::Int(-2.5), -3.0);
    EXPECT_EQ(rt::Fix(-2.5), -2.0);
    // Division by zero is an error.
    EXPECT_EQ(RaisedError([] { rt::Divide(1.0, 0.0); }), rt::errDivisionByZero);
    EXPECT_EQ(RaisedError([] { rt::Divide(0.0, 0.0); }), rt::errOverflow);
    EXPECT_EQ(rt::Divide(1.0, 4.0), 0.25);
}

TEST(Runtime, TextOfNumbersIsTheRunTimesText)
{
    for (const auto& [value, text] :
         {std::pair{1.5f, "1.5"}, {0.0f, "0"}, {0.1f, "0.1"}, {3.1415927f, "3.141593"}, {-3e38f, "-3E+38"},
          {12345678.0f, "1.234568E+07"}, {1234567.0f, "1234567"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"}})
        EXPECT_EQ(rt::SingleText(value), text) << value;
    EXPECT_EQ(rt::DoubleText(6.28318530717958), "6.28318530717958");
    EXPECT_EQ(rt::DoubleText(1e15), "1E+15");
    EXPECT_EQ(rt::DoubleText(123456789012345.0), "123456789012345");
    EXPECT_EQ(RaisedError([] { rt::DoubleText(std::nan("")); }), rt::errOverflow);
}
