#include "core/FormulaValues.h"

#include "core/Runtime.h"
#include "curves/modString.h"
#include "support/RecordingSeam.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class FormulaValuesUnderLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        locale_ = std::make_unique<ScopedLocale>(GetParam());
        if (!locale_->Active()) GTEST_SKIP() << "no locale " << GetParam() << " installed";
    }
    std::unique_ptr<ScopedLocale> locale_;
    RecordingSeam seam;
};

INSTANTIATE_TEST_SUITE_P(Locales, FormulaValuesUnderLocale, testing::Values("C", "comma"));

int32_t ErrorOf(const std::string& formula, const std::vector<float>& ys, const std::vector<float>& xs = {})
{
    try {
        ValuesByFormula(formula, ys, xs);
    } catch (const rt::RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}

TEST_P(FormulaValuesUnderLocale, XStandsForTheXWhenGiven)
{
    EXPECT_EQ(ValuesByFormula("y*10", {0.1f}), (std::vector<float>{1.0f})) << "the value enters as its shown text";
    const auto values = ValuesByFormula("y*exp(x)", {2.0f, 2.0f}, {0.0f, -1.0f});
    EXPECT_FLOAT_EQ(values[0], 2.0f);
    EXPECT_FLOAT_EQ(values[1], 0.7357589f);
    EXPECT_EQ(ErrorOf("x*y", {1.0f}), rt::errTypeMismatch) << "without xs an x is no number";
    EXPECT_EQ(ErrorOf("y", {1.0f, 2.0f}, {1.0f}), rt::errSubscript);
}

TEST_P(FormulaValuesUnderLocale, TheFirstFailureIsThrown)
{
    EXPECT_EQ(ErrorOf("1/y", {1.0f, 0.0f, 2.0f}), rt::errDivisionByZero);
    EXPECT_EQ(ErrorOf("2*", {1.0f}), rt::errTypeMismatch);
}

TEST_P(FormulaValuesUnderLocale, ResultsThatAreNoNumberGiveTheMarker)
{
    EXPECT_EQ(ValuesByFormula("hex(y)", {255.0f}), (std::vector<float>{Kein_Wert}));
    EXPECT_EQ(ValuesByFormula("y*1e39", {1.0f}), (std::vector<float>{Kein_Wert})) << "beyond the Single range";
}
