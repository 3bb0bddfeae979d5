// Feeds the evaluator random and hostile formulas: it must always end with a number (or a base
// text) or a run-time error, never crash, hang or return something that is not a number. The
// libFuzzer target only finds crashes; this guard runs with the suite and checks the answers.
#include "core/clsParser.h"

#include "core/FormulaNumbers.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {

const std::vector<std::string> kNames = {
    "ln", "sin", "cos", "atan", "abs", "sqrt", "log", "mod", "lg", "ld", "exp", "tan", "root3", "root", "pow", "deg",
    "rad", "pow2", "arcsin", "sinh", "arccos", "cosh", "tanh", "cot", "coth", "arsinh", "arcosh", "artanh", "arcoth",
    "round", "bin", "hex", "foo", "SIN", "Sqrt", ""};

class FormulaGenerator {
public:
    explicit FormulaGenerator(uint32_t seed) : random_(seed) {}

    std::string Next()
    {
        switch (Pick(6)) {
        case 0: return std::string(Pick(clsParser::kMaxDepth * 3), '(') + Expression(Pick(3)) + std::string(Pick(99), ')');
        case 1: return HugeValues();
        case 2: return OneOf(kNames) + "(" + Arguments(OneOf<size_t>({0, 1, 2, 3, 5, 99, 100, 150})) + ")";
        case 3: return Characters();
        default: return Expression(Pick(8));
        }
    }

private:
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    template <typename T> const T& OneOf(const std::vector<T>& items) { return items[Pick(items.size())]; }
    std::string OneOf(std::initializer_list<const char*> items) { return items.begin()[Pick(items.size())]; }

    std::string Digits(size_t count)
    {
        std::string text;
        while (count-- > 0) text += static_cast<char>('0' + Pick(10));
        return text;
    }

    std::string Operand()
    {
        switch (Pick(11)) {
        case 0: return Digits(1 + Pick(400));
        case 1: return Digits(1 + Pick(3)) + OneOf({".", ","}) + Digits(Pick(20));
        case 2: return Digits(1) + OneOf({"e", "E", "e-", "e+"}) + Digits(1 + Pick(6));
        case 3: return OneOf({"pi", "e", "PI", "y", "Y", "-y", "x", "-pi", "FFh", "1010b", "17o", "FFH", "12b", "9o",
                              "ZZh", "h", "&HFF", "&H", ""});
        case 4: return Digits(1 + Pick(4)) + OneOf({"\xC2\xB0", "!", "!!", "!!!"});
        case 5: return std::string(1 + Pick(60), 'F') + "h";
        case 6: return "(" + Expression(2) + (Pick(3) ? ")" : "");
        case 7: return OneOf(kNames) + "(" + Arguments(Pick(4)) + (Pick(4) ? ")" : "");
        default: return Digits(1 + Pick(3));
        }
    }

    std::string Expression(size_t terms)
    {
        std::string text = Pick(5) == 0 ? "-" : "";
        text += Operand();
        for (size_t i = 0; i < terms; ++i) text += "+-*/\\^!"[Pick(7)] + Operand();
        return text;
    }

    std::string Arguments(size_t count)
    {
        std::string text;
        for (size_t i = 0; i < count; ++i) text += (i ? ";" : "") + Expression(Pick(2));
        return text;
    }

    std::string HugeValues()
    {
        static const std::vector<std::string> fragments = {
            "9^9^9^9", "10^308*10", "1e308+1e308", "-1e308-1e308", "1e308*-1", "170!*10", "171!", "1e9!",
            "(10^200)*(10^200)", "1/1e-308/1e-308", "0^(-1)", "(-1)^0.5", "2^1024", "hex(1e10)", "hex(2^31)",
            "bin(1e300)", "mod(1e300;1)", "round(1e300;28)", "round(1;1e9)", "exp(710)", "cosh(1000)",
            "1e-400*1e-400", "pow(0;-1)", "root(-8;3)", "10^-400"};
        std::string text = OneOf(fragments);
        for (size_t i = Pick(3); i > 0; --i) text += "+-*/\\^!"[Pick(7)] + OneOf(fragments);
        return text;
    }

    std::string Characters()
    {
        static const std::string alphabet = "0123456789+-*/\\^!()();;.,eEpihbo& xyXYsinclgqrtmdwHF\xC2\xB0";
        std::string text;
        for (size_t n = Pick(80); n > 0; --n)
            text += Pick(50) == 0 ? static_cast<char>(1 + Pick(255)) : alphabet[Pick(alphabet.size())];
        return text;
    }

    std::mt19937 random_;
};

bool IsBaseText(const std::string& text, const std::string& prefix, const std::string& digits)
{
    return text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0 &&
           text.find_first_not_of(digits, prefix.size()) == std::string::npos;
}

}

TEST(ParserFuzz, EveryFormulaEndsWithANumberOrAReportedError)
{
    RecordingSeam seam;
    gError = std::make_unique<clsError>();
    FormulaGenerator generator(20240613u);
    clsParser parser;
    parser.SetVariable("y", -2.5);
    int results = 0;
    int errors = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string formula = generator.Next();
        seam.messages.clear();
        const auto start = std::chrono::steady_clock::now();
        const std::string result = parser.Parse(formula);
        // Generous: a formula of a few hundred characters must not take noticeable time, let alone hang.
        ASSERT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << formula;
        if (gError->Error()) {
            ++errors;
            ASSERT_GT(gError->ErrorNumber(), 0) << formula;
            // A library exception would arrive as an invalid call with the library's own text.
            ASSERT_FALSE(gError->ErrorNumber() == rt::errInvalidCall &&
                         gError->ErrorDescription() != rt::ErrorDescription(rt::errInvalidCall))
                << formula << " raised " << gError->ErrorDescription();
            ASSERT_FALSE(gError->ErrorDescription().empty()) << formula;
        } else {
            ++results;
            // bin of a number without binary digits (negative, fractional, huge) shows "---".
            if (!IsBaseText(result, "0x", "0123456789ABCDEF") && !IsBaseText(result, "", "01") && result != "---") {
                double value = 0.0;
                ASSERT_NO_THROW(value = formula::ReadNumber(result)) << formula << " gave " << result;
                ASSERT_TRUE(std::isfinite(value)) << formula;
            }
        }
        for (const auto& message : seam.messages) ASSERT_EQ(message.title, "Formelparser") << formula;
    }
    gError.reset();
    EXPECT_GT(results, 10000) << "the generator must reach the successful paths too";
    EXPECT_GT(errors, 10000);
}
