// A formula that fails at every point of a long curve: one report, and the curve as it was.
#include "CurvesTest.h"

#include "core/clsParser.h"

using FailedFormula = CurvesTest;

TEST_F(FailedFormula, AnUnknownFunctionOnAWholeCurveGivesOneMessageAndLeavesEveryValue)
{
    std::vector<float> werte;
    for (int32_t i = 0; i < 1500; ++i) werte.push_back(100.0f + static_cast<float>(i % 37));
    Load(0.0f, 0.1f, werte);
    const float maximum = gCalc->Maximum_Y();
    const float minimum = gCalc->Minimum_Y();

    gCalc->WerteUmrechnen("foo(y)", true);
    EXPECT_EQ(seam.messages.size() + static_cast<size_t>(seam.errorWindows), 1u);
    EXPECT_EQ(Reported(), "WerteUmrechnen");
    EXPECT_NE(gError->ErrorDescription().find("foo"), std::string::npos) << gError->ErrorDescription();
    EXPECT_EQ(Values(), werte);
    EXPECT_EQ(gCalc->Maximum_Y(), maximum);
    EXPECT_EQ(gCalc->Minimum_Y(), minimum);

    // A function that fails inside (a logarithm of a negative value) ends the conversion the same way.
    seam.errorWindows = 0;
    gCalc->WerteUmrechnen("ln(y-1000)", false);
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(seam.errorWindows, 1);
    EXPECT_EQ(Values(), werte);

    // The calculator keeps the evaluator's own way: a message box and the call counted as 0.
    clsParser rechner;
    EXPECT_EQ(rechner.Parse("foo(2)+1"), "1");
    EXPECT_EQ(seam.messages.size(), 1u);
}
