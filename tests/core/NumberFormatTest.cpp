#include "support/ScopedLocale.h"
#include "core/NumberFormat.h"
#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "curves/modString.h"

#include <cmath>
#include <gtest/gtest.h>

class NumberFormatUnderLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        locale_ = std::make_unique<ScopedLocale>(GetParam());
        if (!locale_->Active()) GTEST_SKIP() << "no locale " << GetParam() << " installed";
    }
    std::unique_ptr<ScopedLocale> locale_;
};

INSTANTIATE_TEST_SUITE_P(Locales, NumberFormatUnderLocale, testing::Values("C", "comma"));

TEST_P(NumberFormatUnderLocale, ZahlTextShowsOneDecimalUpToThreeDecades)
{
    EXPECT_EQ(Zahl_Text(999.9f), "999.9");
    EXPECT_EQ(Zahl_Text(-12.34f), "-12.3");
    EXPECT_EQ(Zahl_Text(0.001f), "0.0");
    EXPECT_EQ(Zahl_Text(1000.0f), "1000.0");
    EXPECT_EQ(Zahl_Text(0.25f), "0.3");  // halves away from zero
}

TEST_P(NumberFormatUnderLocale, ZahlTextIsScientificBeyondThreeDecades)
{
    EXPECT_EQ(Zahl_Text(1234.5f), "1.23E+03");
    EXPECT_EQ(Zahl_Text(0.0009f), "9.00E-04");
    EXPECT_EQ(Zahl_Text(-56789.0f), "-5.68E+04");
    EXPECT_EQ(Zahl_Text(9999.0f), "1.00E+04");
    EXPECT_EQ(Zahl_Text(3e38f), "3.00E+38");
}

TEST_P(NumberFormatUnderLocale, ZahlTextOfZeroAndOfNoValue)
{
    EXPECT_EQ(Zahl_Text(0.0f), "0,0");
    EXPECT_EQ(Zahl_Text(Kein_Wert), "");
    EXPECT_EQ(Zahl_Text(std::nanf("")), "");
}

TEST(ZahlRechtsbuendig, PadsButNeverCuts)
{
    EXPECT_EQ(Zahl_Rechtsbuendig(42, 5), "   42");
    EXPECT_EQ(Zahl_Rechtsbuendig(1234, 2), "1234");
    EXPECT_EQ(Zahl_Rechtsbuendig(-7, 3), " -7");
}

TEST(Runden, RoundsDecimalHalvesAwayFromZero)
{
    EXPECT_EQ(Runden(2.345, 2), 2.35);
    EXPECT_EQ(Runden(-2.345, 2), -2.35);
    EXPECT_EQ(Runden(2.5, 0), 3.0);
    EXPECT_EQ(Runden(-2.5, 0), -3.0);
    EXPECT_EQ(Runden(1.2345, 2), 1.23);
    EXPECT_EQ(Runden(0.285, 2), 0.29);
    EXPECT_EQ(Runden(1250.0, -2), 1300.0);
    EXPECT_EQ(Runden(9.99, 1), 10.0);
    EXPECT_EQ(Runden(0.0004, 3), 0.0);
}

TEST(Runden, GivesTheValueBackOutsideTheDecimalRange)
{
    EXPECT_EQ(Runden(5.0, 30), 5.0);
    EXPECT_EQ(Runden(5.0, -29), 5.0);
    EXPECT_EQ(Runden(1e29, 0), 1e29);
    EXPECT_EQ(Runden(1e20, 10), 1e20);
    EXPECT_TRUE(std::isnan(Runden(std::nan(""), 2)));
}

TEST(LogSicher, IsZeroForNonPositiveValues)
{
    EXPECT_FLOAT_EQ(Log_Sicher(std::exp(1.0f)), 1.0f);
    EXPECT_EQ(Log_Sicher(0.0f), 0.0f);
    EXPECT_EQ(Log_Sicher(-1.0f), 0.0f);
    EXPECT_EQ(Log_Sicher(INFINITY), 0.0f);
}

TEST(TextBoxWert, ShowsAValueOrTheUnknownText)
{
    gLanguage = std::make_unique<clsLanguage>();
    const TextBoxWert known = TextBox_Wert(60.5f);
    EXPECT_EQ(known.Text, "60.5");
    EXPECT_EQ(known.Tag, "0");
    EXPECT_EQ(StrToSingle(known.Text), 60.5f);
    const TextBoxWert unknown = TextBox_Wert(Kein_Wert);
    EXPECT_EQ(unknown.Text, gLanguage->Caption(197));
    EXPECT_EQ(unknown.Tag, "-3E+38");
    gLanguage.reset();
}
