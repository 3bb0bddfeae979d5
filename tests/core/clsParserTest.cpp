#include "core/clsParser.h"

#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/UnderLocale.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace {

struct Result {
    const char* formula;
    const char* text;
};
struct Failure {
    const char* formula;
    int32_t error;
};

// The evaluator must give the same texts under a point and a comma locale.
class ParserUnderLocale : public UnderLocale {
protected:
    // The run-time error number that Parse reports, or 0 when it succeeds.
    int32_t ErrorOf(const std::string& formula)
    {
        parser.Parse(formula);
        return gError->Error() ? gError->ErrorNumber() : 0;
    }
    void ExpectResults(const std::vector<Result>& results)
    {
        for (const auto& [formula, text] : results) EXPECT_EQ(parser.Parse(formula), text) << formula;
    }
    // Functions whose argument is bad show a message (and count as 0): the texts shown, in order.
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (const auto& message : seam.messages) texts.push_back(message.text);
        return texts;
    }

    RecordingSeam seam;
    struct Reporter {
        Reporter() { gError = std::make_unique<clsError>(); }
        ~Reporter() { gError.reset(); }
    } reporter;
    clsParser parser;
};

INSTANTIATE_TEST_SUITE_P(Locales, ParserUnderLocale, testing::Values("C", "comma"));

TEST_P(ParserUnderLocale, OperatorsNumbersConstantsAndFunctions)
{
    ExpectResults({
        {"", "0"}, {"()", "0"}, {"2+3*4", "14"}, {"2 + 3 * 4", "14"}, {"(2+3)*4", "20"}, {"-3+2", "-1"}, {"2*(-3)", "-6"},
        {"10/4", "2.5"}, {"2^3^2", "64"}, {"3!^2", "36"}, {"2+3!", "8"}, {"2.9!", "2"}, {"0!", "1"},
        {"170!", "7.25741561530799E+306"}, {"7\\2", "3"}, {"7.6\\2", "4"}, {"7,6\\2", "4"}, {"2.5\\1", "2"},
        {"(1+2", "3"}, {"1e-3*2", "0.002"}, {"1e-400", "0"}, {"2*e", "5.4365636569181"}, {"E+1", "3.71828182845905"},
        {"pi", "3.14159265358979"}, {"FFh+1", "256"}, {"1010b", "10"}, {"17o", "15"}, {"&H10+1", "17"},
        {"180°", "3.14159265358979"}, {"-(3)+1", "-2"}, {"-pi/2", "-1.5707963267949"}, {"-sin(pi/2)", "-1"},
        {"sqrt(16)", "4"}, {"log(8;2)", "3"}, {"mod(7;3)", "1"}, {"mod(-7;3)", "-1"}, {"mod(7.5;2)", "0"},
        {"sinh(1)", "1.1752011936438"}, {"arccos(0)", "1.5707963267949"}, {"deg(pi)", "180"},
        {"rad(180)", "3.14159265358979"}, {"1+sin(0)", "1"}, {"SIN(0)", "0"}, {"Ln(e)", "1"}, {"round(2.345;2)", "2.35"},
        {"pow2(10)", "1024"}, {"root(27;3)", "3"}, {"pow(2)", "1"}, {"log(pow(2;3);2)", "3"},
    });
    EXPECT_TRUE(seam.messages.empty());
}

TEST_P(ParserUnderLocale, FormulasThatCannotBeComputedReportTheirError)
{
    for (const auto& [formula, error] :
         {Failure{"2*-3", rt::errTypeMismatch}, {"2+", rt::errTypeMismatch}, {"abc", rt::errTypeMismatch},
          {"3!2", rt::errTypeMismatch}, {"FFH", rt::errTypeMismatch}, {"°", rt::errTypeMismatch},
          {"1e-(3)", rt::errTypeMismatch}, {"7\\0.4", rt::errDivisionByZero}, {"1/0", rt::errDivisionByZero},
          {"0^(-1)", rt::errDivisionByZero}, {"0/0", rt::errOverflow}, {"1e400", rt::errOverflow},
          {"171!", rt::errOverflow}, {"1e9!", rt::errOverflow}, {"(-8)^(1/3)", rt::errInvalidCall},
          {"hex(1)*1e10", rt::errOverflow}})
        EXPECT_EQ(ErrorOf(formula), error) << formula;
}

TEST_P(ParserUnderLocale, NestingIsLimited)
{
    const int depth = clsParser::kMaxDepth - 1;
    EXPECT_EQ(parser.Parse(std::string(depth, '(') + "1" + std::string(depth, ')')), "1");
    EXPECT_EQ(ErrorOf(std::string(depth + 1, '(') + "1"), 28);
    EXPECT_EQ(ErrorOf(std::string(100000, '(')), 28);
}

TEST_P(ParserUnderLocale, HexAndBinResultModesAndBoundVariablesLastForOneFormula)
{
    ExpectResults({{"hex(255)", "0xFF"}, {"hex(255)+1", "0x100"}, {"hex(-1)", "0xFFFFFFFF"}, {"bin(5)", "101"},
                   {"bin(2)*3", "110"}, {"5", "5"}});
    parser.Parse("1234");
    EXPECT_EQ(ErrorOf("1/0"), rt::errDivisionByZero);
    EXPECT_EQ(parser.FormatLastResult("Standard"), "0") << "a failed formula leaves the reset result";
    // A bound variable is a whole operand.
    parser.SetVariable("y", -3.0);
    ExpectResults({{"2*y", "-6"}, {"Y+1", "-2"}, {"-y", "3"}, {"y^2", "9"}, {"abs(y)", "3"}, {"exp(0)", "1"}});
    EXPECT_EQ(ErrorOf("2y"), rt::errTypeMismatch);
    parser.SetVariable("y", 90.0);
    EXPECT_EQ(parser.Parse("sin(y°)"), "1");
}

TEST_P(ParserUnderLocale, BadArgumentsShowTheErrorWithTheNameAsTypedAndCountAsZero)
{
    std::string many = "1";
    for (int i = 0; i < 99; ++i) many += ";1";
    ExpectResults({{"Ln(0)", "0"}, {"1+sqrt(-1)", "1"}, {"arccos(1)", "0"}, {"exp(1000)", "0"}, {"foo(1)+2", "2"},
                   {"bar(ln(0))", "0"}, {("pow(" + many + ")").c_str(), "0"}});
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Invalid procedure call or argument bei  'Ln'  aufgetreten!",
                           "Invalid procedure call or argument bei  'sqrt'  aufgetreten!",
                           "Division by zero bei  'arccos'  aufgetreten!", "Das Argument ist zu groß!",
                           "Fehler in Formel. (Funktion 'foo' nicht definiert?)",
                           "Invalid procedure call or argument bei  'ln'  aufgetreten!",
                           "Fehler in Formel. (Funktion 'bar' nicht definiert?)",
                           "Subscript out of range bei  'pow'  aufgetreten!"}));
    EXPECT_EQ(seam.messages[0].title, "Formelparser");
    EXPECT_EQ(seam.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_EQ(seam.messages[4].icon, zelo::MsgIcon::Information);
}

TEST_P(ParserUnderLocale, BaseTexts)
{
    for (const auto& [value, text] : {std::pair{255.0, "FFh"}, {15.0, "0Fh"}, {0.0, "00h"}, {-1.0, "---"}, {1.5, "---"}})
        EXPECT_EQ(parser.CHex(value), text) << value;
    EXPECT_EQ(parser.CHex("1,5"), "---");
    EXPECT_EQ(parser.COct(8), "10o");
    EXPECT_EQ(parser.CBin(5), "101");
    EXPECT_EQ(parser.CBin(4294967296.0), "100000000000000000000000000000000");
    for (const auto& [bits, text] : {std::pair{"1", "0001b"}, {"1010", "1010b"}, {"11111", "0001 1111b"}, {"---", "---"}})
        EXPECT_EQ(clsParser::FormatBin(bits), text) << bits;
    EXPECT_EQ(parser.ConvertNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(parser.ConvertNumber(std::string(300, 'F') + "h"), 0.0) << "beyond the double range";
    EXPECT_EQ(gError->ErrorFunction() + " " + std::to_string(gError->ErrorNumber()), "ConvertNumber 13");
}

}
