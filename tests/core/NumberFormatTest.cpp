#include "core/UnderLocale.h"
#include "core/NumberFormat.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "support/TestWorld.h"

#include <cmath>
#include <gtest/gtest.h>

using NumberFormatUnderLocale = UnderLocale;

INSTANTIATE_TEST_SUITE_P(Locales, NumberFormatUnderLocale, testing::Values("C", "comma"));

TEST_P(NumberFormatUnderLocale, ZahlTextIsFixedUpToThreeDecadesThenScientific)
{
    for (const auto& [value, text] :
         {std::pair{999.9f, "999.9"}, {-12.34f, "-12.3"}, {0.001f, "0.0"}, {0.25f, "0.3"}, {1234.5f, "1.23E+03"},
          {0.0009f, "9.00E-04"}, {-56789.0f, "-5.68E+04"}, {9999.0f, "1.00E+04"}, {0.0f, "0,0"}, {Kein_Wert, ""},
          {std::nanf(""), ""}})
        EXPECT_EQ(Zahl_Text(value), text) << value;
    EXPECT_EQ(Zahl_Rechtsbuendig(42, 5), "   42");
    EXPECT_EQ(Zahl_Rechtsbuendig(1234, 2), "1234");
}

TEST(Runden, RoundsDecimalHalvesAwayFromZeroAndKeepsValuesOutsideTheRange)
{
    for (const auto& [value, digits, expected] :
         {std::tuple{2.345, 2, 2.35}, {-2.345, 2, -2.35}, {-2.5, 0, -3.0}, {0.285, 2, 0.29}, {1.2345, 2, 1.23},
          {1250.0, -2, 1300.0}, {5.0, 30, 5.0}, {1e29, 0, 1e29}, {1e20, 10, 1e20}})
        EXPECT_EQ(Runden(value, digits), expected) << value << " to " << digits;
    EXPECT_TRUE(std::isnan(Runden(std::nan(""), 2)));
}

TEST(LogSicher, IsZeroForValuesWithoutALogarithm)
{
    EXPECT_FLOAT_EQ(Log_Sicher(std::exp(1.0f)), 1.0f);
    for (float bad : {0.0f, -1.0f, INFINITY}) EXPECT_EQ(Log_Sicher(bad), 0.0f) << bad;
}

TEST(TextBoxWert, ShowsAValueOrTheUnknownText)
{
    TestWorld world;
    EXPECT_EQ(TextBox_Wert(60.5f).Text + " " + TextBox_Wert(60.5f).Tag, "60.5 0");
    EXPECT_EQ(TextBox_Wert(Kein_Wert).Text + " " + TextBox_Wert(Kein_Wert).Tag, "<unbekannt> -3E+38");
}
