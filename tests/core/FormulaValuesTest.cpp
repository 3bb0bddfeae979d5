#include "core/FormulaValues.h"

#include "core/UnderLocale.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

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
