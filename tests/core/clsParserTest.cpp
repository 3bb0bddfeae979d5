#include "core/clsParser.h"

#include "core/Runtime.h"
#include "support/RecordingSeam.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The evaluator must give the same texts under a point and a comma locale.
class ParserUnderLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        locale_ = std::make_unique<ScopedLocale>(GetParam());
        if (!locale_->Active()) GTEST_SKIP() << "no locale " << GetParam() << " installed";
    }

    // The run-time error number that Parse raises, or 0 when it succeeds.
    int32_t ErrorOf(const std::string& formula)
    {
        try {
            parser.Parse(formula);
        } catch (const rt::RuntimeError& error) {
            return error.Number();
        }
        return 0;
    }

    std::unique_ptr<ScopedLocale> locale_;
    RecordingSeam seam;
    clsParser parser;
};

INSTANTIATE_TEST_SUITE_P(Locales, ParserUnderLocale, testing::Values("C", "comma"));

TEST_P(ParserUnderLocale, EmptyFormulasAreZero)
{
    EXPECT_EQ(parser.Parse(""), "0");
    EXPECT_EQ(parser.Parse("   "), "0");
    EXPECT_EQ(parser.Parse("()"), "0");
}

TEST_P(ParserUnderLocale, ReducesInThreeLeftToRightPasses)
{
    EXPECT_EQ(parser.Parse("2+3*4"), "14");
    EXPECT_EQ(parser.Parse("(2+3)*4"), "20");
    EXPECT_EQ(parser.Parse("2^3^2"), "64");
    EXPECT_EQ(parser.Parse("3!^2"), "36");
    EXPECT_EQ(parser.Parse("-3+2"), "-1");
    EXPECT_EQ(parser.Parse("2*(-3)"), "-6");
    EXPECT_EQ(parser.Parse("10/4"), "2.5");
    EXPECT_EQ(parser.Parse("2 + 3 * 4"), "14") << "blanks are removed";
}

TEST_P(ParserUnderLocale, IntegerQuotientRoundsHalfToEvenThenTruncates)
{
    EXPECT_EQ(parser.Parse("7\\2"), "3");
    EXPECT_EQ(parser.Parse("7.6\\2"), "4");
    EXPECT_EQ(parser.Parse("7,6\\2"), "4") << "a decimal comma is read too";
    EXPECT_EQ(parser.Parse("2.5\\1"), "2");
    EXPECT_EQ(ErrorOf("7\\0.4"), rt::errDivisionByZero) << "0.4 rounds to 0";
}

TEST_P(ParserUnderLocale, FactorialTakesTheWholePartAndStopsAtOverflow)
{
    EXPECT_EQ(parser.Parse("3!"), "6");
    EXPECT_EQ(parser.Parse("3!+2"), "8");
    EXPECT_EQ(parser.Parse("2+3!"), "8");
    EXPECT_EQ(parser.Parse("2.9!"), "2");
    EXPECT_EQ(parser.Parse("0!"), "1");
    EXPECT_EQ(parser.Parse("170!"), "7.25741561530799E+306");
    EXPECT_EQ(ErrorOf("171!"), rt::errOverflow);
    EXPECT_EQ(ErrorOf("1e9!"), rt::errOverflow) << "stops at the first infinite product";
    EXPECT_EQ(ErrorOf("3!2"), rt::errTypeMismatch);
}

TEST_P(ParserUnderLocale, ConstantsAndExponentNotation)
{
    EXPECT_EQ(parser.Parse("1e-3*2"), "0.002");
    EXPECT_EQ(parser.Parse("2*e"), "5.4365636569181");
    EXPECT_EQ(parser.Parse("e*2"), "5.4365636569181");
    EXPECT_EQ(parser.Parse("E+1"), "3.71828182845905");
    EXPECT_EQ(parser.Parse("pi"), "3.14159265358979");
}

TEST_P(ParserUnderLocale, BaseSuffixesAndDegrees)
{
    EXPECT_EQ(parser.Parse("FFh+1"), "256");
    EXPECT_EQ(parser.Parse("1010b"), "10");
    EXPECT_EQ(parser.Parse("17o"), "15");
    EXPECT_EQ(parser.Parse("180°"), "3.14159265358979");
    EXPECT_EQ(parser.Parse("&H10+1"), "17");
    EXPECT_EQ(ErrorOf("FFH"), rt::errTypeMismatch) << "the suffix is lower case only";
    EXPECT_EQ(ErrorOf("°"), rt::errTypeMismatch);
}

TEST_P(ParserUnderLocale, OpenGroupRunsToTheEnd)
{
    EXPECT_EQ(parser.Parse("(1+2"), "3");
}

TEST_P(ParserUnderLocale, SignInFrontOfAGroupOrCallAppliesToItsValue)
{
    EXPECT_EQ(parser.Parse("-(3)+1"), "-2");
    EXPECT_EQ(parser.Parse("-pi/2"), "-1.5707963267949");
    EXPECT_EQ(parser.Parse("-sin(pi/2)"), "-1");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_P(ParserUnderLocale, FormulasThatCannotBeComputedRaise)
{
    EXPECT_EQ(ErrorOf("2*-3"), rt::errTypeMismatch) << "an operator without its operand";
    EXPECT_EQ(ErrorOf("2+"), rt::errTypeMismatch);
    EXPECT_EQ(ErrorOf("abc"), rt::errTypeMismatch);
    EXPECT_EQ(ErrorOf("1e-(3)"), rt::errTypeMismatch);
    EXPECT_EQ(ErrorOf("1/0"), rt::errDivisionByZero);
    EXPECT_EQ(ErrorOf("0/0"), rt::errOverflow);
    EXPECT_EQ(ErrorOf("1e400"), rt::errOverflow);
    EXPECT_EQ(ErrorOf("(-8)^(1/3)"), rt::errInvalidCall);
    EXPECT_EQ(ErrorOf("0^(-1)"), rt::errDivisionByZero);
    EXPECT_EQ(parser.Parse("1e-400"), "0");
}

TEST_P(ParserUnderLocale, NestingIsLimited)
{
    const int depth = clsParser::kMaxDepth - 1;
    EXPECT_EQ(parser.Parse(std::string(depth, '(') + "1" + std::string(depth, ')')), "1");
    EXPECT_EQ(ErrorOf(std::string(depth + 1, '(') + "1"), 28);
    EXPECT_EQ(ErrorOf(std::string(100000, '(')), 28);
}

TEST_P(ParserUnderLocale, HexAndBinResultModes)
{
    EXPECT_EQ(parser.Parse("hex(255)"), "0xFF");
    EXPECT_EQ(parser.Parse("hex(255)+1"), "0x100");
    EXPECT_EQ(parser.Parse("hex(-1)"), "0xFFFFFFFF");
    EXPECT_EQ(parser.Parse("bin(5)"), "101");
    EXPECT_EQ(parser.Parse("bin(2)*3"), "110");
    EXPECT_EQ(parser.Parse("5"), "5") << "the modes end with the next formula";
    EXPECT_EQ(ErrorOf("hex(1)*1e10"), rt::errOverflow) << "the result must fit a Long";
}

TEST_P(ParserUnderLocale, FormatLastResult)
{
    parser.Parse("1234");
    EXPECT_EQ(parser.FormatLastResult("Scientific"), "1.23E+03");
    EXPECT_EQ(parser.FormatLastResult("Standard"), "1234");
    EXPECT_EQ(parser.FormatLastResult("General"), "");
    EXPECT_EQ(ErrorOf("1/0"), rt::errDivisionByZero);
    EXPECT_EQ(parser.FormatLastResult("Standard"), "0") << "a failed formula leaves the reset result";
}

TEST_P(ParserUnderLocale, BoundVariablesAreWholeOperands)
{
    parser.SetVariable("y", -3.0);
    EXPECT_EQ(parser.Parse("2*y"), "-6");
    EXPECT_EQ(parser.Parse("Y+1"), "-2");
    EXPECT_EQ(parser.Parse("-y"), "3");
    EXPECT_EQ(parser.Parse("y^2"), "9");
    EXPECT_EQ(parser.Parse("abs(y)"), "3");
    EXPECT_EQ(parser.Parse("exp(0)"), "1") << "a letter inside a name is not the variable";
    EXPECT_EQ(ErrorOf("2y"), rt::errTypeMismatch);
    parser.SetVariable("y", 90.0);
    EXPECT_EQ(parser.Parse("sin(y°)"), "1");
}

// ---- functions ----

TEST_P(ParserUnderLocale, FunctionValues)
{
    EXPECT_EQ(parser.Parse("sqrt(16)"), "4");
    EXPECT_EQ(parser.Parse("log(8;2)"), "3");
    EXPECT_EQ(parser.Parse("mod(7;3)"), "1");
    EXPECT_EQ(parser.Parse("mod(-7;3)"), "-1");
    EXPECT_EQ(parser.Parse("mod(7.5;2)"), "0");
    EXPECT_EQ(parser.Parse("sinh(1)"), "1.1752011936438");
    EXPECT_EQ(parser.Parse("arccos(0)"), "1.5707963267949");
    EXPECT_EQ(parser.Parse("deg(pi)"), "180");
    EXPECT_EQ(parser.Parse("rad(180)"), "3.14159265358979");
    EXPECT_EQ(parser.Parse("sin(pi/2)"), "1");
    EXPECT_EQ(parser.Parse("1+sin(0)"), "1");
    EXPECT_EQ(parser.Parse("SIN(0)"), "0");
    EXPECT_EQ(parser.Parse("Ln(e)"), "1");
    EXPECT_EQ(parser.Parse("round(2.345;2)"), "2.35");
    EXPECT_EQ(parser.Parse("pow2(10)"), "1024");
    EXPECT_EQ(parser.Parse("root(27;3)"), "3");
    EXPECT_EQ(parser.Parse("pow(2)"), "1") << "a missing argument counts as 0";
    EXPECT_EQ(parser.Parse("log(pow(2;3);2)"), "3") << "a call with several arguments inside another";
    EXPECT_TRUE(seam.messages.empty());
}

TEST_P(ParserUnderLocale, BadArgumentShowsTheErrorWithTheNameAsTypedAndCountsAsZero)
{
    EXPECT_EQ(parser.Parse("Ln(0)"), "0");
    EXPECT_EQ(parser.Parse("1+sqrt(-1)"), "1");
    EXPECT_EQ(parser.Parse("arccos(1)"), "0");
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[0].text, "Invalid procedure call or argument bei  'Ln'  aufgetreten!");
    EXPECT_EQ(seam.messages[0].title, "Formelparser");
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(seam.messages[1].text, "Invalid procedure call or argument bei  'sqrt'  aufgetreten!");
    EXPECT_EQ(seam.messages[2].text, "Division by zero bei  'arccos'  aufgetreten!");
}

TEST_P(ParserUnderLocale, OverflowInsideACallSaysTheArgumentIsTooLarge)
{
    EXPECT_EQ(parser.Parse("exp(1000)"), "0");
    EXPECT_EQ(parser.Parse("mod(1e10;3)"), "0");
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, "Das Argument ist zu groß!");
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
}

TEST_P(ParserUnderLocale, UnknownFunctionIsReportedAfterItsArguments)
{
    EXPECT_EQ(parser.Parse("foo(1)+2"), "2");
    EXPECT_EQ(parser.Parse("bar(ln(0))"), "0");
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[0].text, "Fehler in Formel. (Funktion 'foo' nicht definiert?)");
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Information);
    EXPECT_EQ(seam.messages[1].text, "Invalid procedure call or argument bei  'ln'  aufgetreten!");
    EXPECT_EQ(seam.messages[2].text, "Fehler in Formel. (Funktion 'bar' nicht definiert?)")
        << "the arguments are evaluated before the name is looked up";
}

TEST_P(ParserUnderLocale, MoreThanNinetyNineArgumentsAreRefused)
{
    std::string arguments = "1";
    for (int i = 0; i < 99; ++i) arguments += ";1";
    EXPECT_EQ(parser.Parse("pow(" + arguments + ")"), "0");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Subscript out of range bei  'pow'  aufgetreten!");
}

TEST(ParserHelpTable, HasThirtyEightLines)
{
    EXPECT_EQ(clsParser::FunctionCount(), 38);
    EXPECT_EQ(clsParser::FunctionName(0), "Ln(x) - natürlicher Logarithmus von x");
    EXPECT_EQ(clsParser::FunctionName(36), "\\ - ganzzahlige Division");
    EXPECT_EQ(clsParser::FunctionName(37), "! - Fakultät");
    EXPECT_EQ(clsParser::FunctionName(38), "");
    EXPECT_EQ(clsParser::FunctionName(-1), "");
}

// ---- number bases ----

TEST_P(ParserUnderLocale, BaseTexts)
{
    EXPECT_EQ(parser.CHex(255), "FFh");
    EXPECT_EQ(parser.CHex(15), "0Fh");
    EXPECT_EQ(parser.CHex(0), "00h");
    EXPECT_EQ(parser.CHex(-1), "---");
    EXPECT_EQ(parser.CHex(1.5), "---");
    EXPECT_EQ(parser.CHex("1,5"), "---");
    EXPECT_EQ(parser.CHex("1Fh"), "1Fh");
    EXPECT_EQ(parser.COct(8), "10o");
    EXPECT_EQ(parser.CBin(5), "101");
    EXPECT_EQ(parser.CBin(0), "0");
    EXPECT_EQ(parser.CBin(4294967296.0), "100000000000000000000000000000000");
}

TEST(ParserFormatBin, GroupsOfFour)
{
    EXPECT_EQ(clsParser::FormatBin("1"), "0001b");
    EXPECT_EQ(clsParser::FormatBin("0"), "0000b");
    EXPECT_EQ(clsParser::FormatBin("101"), "0101b");
    EXPECT_EQ(clsParser::FormatBin("1010"), "1010b");
    EXPECT_EQ(clsParser::FormatBin("11111"), "0001 1111b");
    EXPECT_EQ(clsParser::FormatBin("---"), "---");
}

TEST_P(ParserUnderLocale, ConvertNumberBySuffix)
{
    EXPECT_EQ(parser.ConvertNumber("1Fh"), 31.0);
    EXPECT_EQ(parser.ConvertNumber("&HFF"), 255.0);
    EXPECT_EQ(parser.ConvertNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(parser.ConvertNumber("2,5"), 2.5);
    EXPECT_EQ(parser.ConvertNumber(".5"), 0.5);
    EXPECT_EQ(parser.ConvertNumber("1."), 1.0);
    EXPECT_EQ(parser.ConvertNumber("+1e2"), 100.0);
    EXPECT_DOUBLE_EQ(parser.ConvertNumber("90°"), 3.14159265358979 / 2);
    EXPECT_THROW(parser.ConvertNumber("1.5.2"), rt::RuntimeError);
    EXPECT_THROW(parser.ConvertNumber(std::string(300, 'F') + "h"), rt::RuntimeError) << "beyond the double range";
}

}
