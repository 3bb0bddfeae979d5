#include "core/FormulaValues.h"

#include "core/FormulaNumbers.h"
#include "core/Runtime.h"
#include "core/UnderLocale.h"
#include "core/clsParser.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

namespace {

class FormulaValuesUnderLocale : public UnderLocale {
protected:
    // The error reported for the formula; a failure gives no values.
    static int32_t ErrorOf(const std::string& formula, const std::vector<float>& ys, const std::vector<float>& xs = {})
    {
        gError->setError(false);
        EXPECT_TRUE(ValuesByFormula(formula, ys, xs).empty()) << formula;
        return gError->Error() ? gError->ErrorNumber() : 0;
    }
    RecordingSeam seam;
    struct Reporter {
        Reporter() { gError = std::make_unique<clsError>(); }
        ~Reporter() { gError.reset(); }
    } reporter;
};

INSTANTIATE_TEST_SUITE_P(Locales, FormulaValuesUnderLocale, testing::Values("C", "comma"));

}

TEST_P(FormulaValuesUnderLocale, EachPointIsEvaluatedWithItsXAndYAndTheFirstFailureIsReported)
{
    EXPECT_EQ(ValuesByFormula("y*10", {0.1f}), (std::vector<float>{1.0f}));
    EXPECT_FLOAT_EQ(ValuesByFormula("y*exp(x)", {2.0f, 2.0f}, {0.0f, -1.0f})[1], 0.7357589f);
    EXPECT_EQ(ValuesByFormula("hex(y)", {255.0f}), (std::vector<float>{Kein_Wert})) << "no number";
    EXPECT_EQ(ValuesByFormula("y*1e39", {1.0f}), (std::vector<float>{Kein_Wert})) << "beyond the Single range";
    EXPECT_EQ(ErrorOf("1/y", {1.0f, 0.0f, 2.0f}), rt::errDivisionByZero);
    EXPECT_EQ(ErrorOf("x*y", {1.0f}), rt::errTypeMismatch) << "without xs an x is no number";
    EXPECT_EQ(ErrorOf("y", {1.0f, 2.0f}, {1.0f}), rt::errSubscript);
}

TEST(FormulaCarry, RoundsToFifteenDigitsExactlyAsTheTextOfTheValueDoes)
{
    const auto ueberText = [](double v) { return formula::ReadNumber(rt::DoubleText(v)); };
    std::vector<double> werte = {
        // Ties at the fifteenth digit round to even; 1e14 and 1e15 are where the scale changes.
        100000000000000.5, 100000000000001.5, 10000000000000.25, 10000000000000.75, 123456789012345.5,
        99999999999999.99, 999999999999999.9, 999999999999999.4, 1e14, 1e15, 1e-7, 0.1, 1.0 / 3.0, 2.0 / 3.0,
        0.30000000000000004, 1e-8, 1e16, 1e300, 5e-324, 0.0, -0.0};
    // Each neighbour of a power of ten, and values across twenty-five decades.
    for (int e = -9; e <= 17; ++e) {
        const double zehner = std::pow(10.0, e);
        werte.insert(werte.end(), {std::nextafter(zehner, 0.0), zehner, std::nextafter(zehner, 1e300)});
    }
    std::mt19937_64 zufall(49);
    for (int i = 0; i < 200000; ++i) {
        const double mantisse = std::uniform_real_distribution<double>(1.0, 10.0)(zufall);
        werte.push_back(mantisse * std::pow(10.0, static_cast<int>(zufall() % 26) - 9));
    }
    for (const double v : werte)
        for (const double wert : {v, -v}) {
            const double erwartet = ueberText(wert);
            const double getragen = formula::Carry(wert);
            ASSERT_EQ(std::bit_cast<uint64_t>(getragen), std::bit_cast<uint64_t>(erwartet)) << std::hexfloat << wert;
        }
}

TEST(FormulaValuesOfALongCurve, AreThoseOfTheFormulaComputedForEachPointAloneAndTheFirstFailureInPointOrderIsReported)
{
    RecordingSeam seam;
    gError = std::make_unique<clsError>();
    // 2000 points: the curve is shared among several threads. Quarter steps read back exactly.
    std::vector<float> ys;
    std::vector<float> xs;
    for (int i = 0; i < 2000; ++i) {
        ys.push_back(0.25f * static_cast<float>(i) - 100.0f);
        xs.push_back(static_cast<float>(i % 7));
    }
    for (const std::string formel :
         {"y*1.0001+sin(y/7)*2.5-(y/3)^2*1e-6", "-y+x*Y", "ln(abs(y)+1)\\3+mod(y;7)", "y°+pi-e", "-(y)*2^(-x)", "x!+sqrt(x)",
          "round(y/3;2)", "hex(y)", "bin(x)", "7"}) {
        SCOPED_TRACE(formel);
        const std::vector<float> werte = ValuesByFormula(formel, ys, xs);
        ASSERT_FALSE(gError->Error()) << gError->ErrorDescription();
        ASSERT_EQ(werte.size(), ys.size());
        clsParser einzeln;
        for (size_t i = 0; i < ys.size(); ++i) {
            einzeln.SetVariable("y", ys[i]);
            einzeln.SetVariable("x", xs[i]);
            const float erwartet = StrToSingle(einzeln.Parse(formel));
            ASSERT_EQ(std::bit_cast<uint32_t>(werte[i]), std::bit_cast<uint32_t>(erwartet)) << "point " << i;
        }
    }
    // A division by zero at point 1400 and an overflow from point 1792 on, in a later part of the
    // curve: the division is reported.
    EXPECT_TRUE(ValuesByFormula("1/(y-250)*exp(y/0.49)", ys).empty());
    EXPECT_TRUE(gError->Error());
    EXPECT_EQ(gError->ErrorNumber(), rt::errDivisionByZero);
    EXPECT_TRUE(seam.messages.empty());
    gError.reset();
}
