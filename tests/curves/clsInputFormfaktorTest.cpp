#include "curves/clsInput.h"

#include "CurvesTest.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <cmath>

namespace {

// K in 1/nm of s in 1/Angstrom.
double K(double s) { return s * 40 * 3.1415927f; }

// A table f(s) = s for s = first, first + 0.05, ... up to last; a wild value at the row after
// stopAfter, which a reader that stops in time never sees.
std::string Table(double first, double last, const char* separator = "\t", double stopAfter = 1e9)
{
    std::string text;
    for (int32_t k = int32_t(std::lround(first / 0.05)); 0.05 * k <= last + 1e-9; ++k) {
        const double s = 0.05 * k;
        const bool wild = s > stopAfter + 1e-9 && s < stopAfter + 0.06;
        text += std::to_string(s) + separator + std::to_string(wild ? 1e6 : s) + "\r\n";
    }
    return text;
}

class FormFactorTest : public CurvesTest {
protected:
    // A working curve of n points on the step 0.1 from 0 (or with step 0: last x 0).
    static void WorkingCurve(int32_t n, float step)
    {
        for (int32_t i = 1; i <= n; ++i) gCalc->Punkte_Plus(0.0f, 1.0f);
        gCalc->setMinimum_X(0.0f);
        gCalc->setSchrittweite(step);
    }
    // The resampled form factor is s = K / (40 pi) on the K step from 0.
    static void ExpectIdentity()
    {
        for (int32_t i = 1; i <= gInput->Punkte(); ++i)
            ASSERT_NEAR(gInput->Y(i), (i - 1) * 0.1 / K(1), 1e-4) << "point " << i;
    }
};

TEST_F(FormFactorTest, TableIsReadUpToTheFirstKBeyondTheWorkingCurve)
{
    WorkingCurve(1500, 0.1f);
    // The limit is 1.1 x 149.9 = 164.89, first passed at s = 1.35 (K = 169.6).
    ASSERT_LT(K(1.30), 164.89);
    ASSERT_GT(K(1.35), 164.89);
    ASSERT_TRUE(gInput->FMK_Oeffnen(WriteFile("fe.fmk", Table(0, 6.0, "\t", 1.35))));
    EXPECT_EQ(gInput->Punkte(), 1510);
    EXPECT_EQ(gInput->Delta_X(), 0.1f);
    ExpectIdentity();
}

TEST_F(FormFactorTest, BlankSeparatedTableAndEmptyWorkingCurveLimit)
{
    // Last x 0: the limit is 1.1 x 100 x 0.1 = 11, first passed at s = 0.1 (K = 12.6).
    WorkingCurve(100, 0.0f);
    ASSERT_TRUE(gInput->FMK_Oeffnen(WriteFile("blank.fmk", Table(0, 6.0, "   ", 0.1))));
    EXPECT_EQ(gInput->Punkte(), 110);
    ExpectIdentity();
}

TEST_F(FormFactorTest, BlankLinesAndValuesThatAreNoNumbersAreSkipped)
{
    WorkingCurve(500, 0.1f);
    const std::string table = "  0\t0\r\n\r\n0.05\tkein Wert\r\n0.05\t0.05\r\n0.1\r\nabc\t0.2\r\n" + Table(0.1, 1.0);
    ASSERT_TRUE(gInput->FMK_Oeffnen(WriteFile("gaps.fmk", table)));
    EXPECT_EQ(gInput->Punkte(), 510);
    ExpectIdentity();
    EXPECT_EQ(seam.errorWindows, 0);
}

TEST_F(FormFactorTest, NoFileNoCurve)
{
    WorkingCurve(10, 0.1f);
    EXPECT_FALSE(gInput->FMK_Oeffnen(""));
    EXPECT_EQ(seam.errorWindows, 0);
    EXPECT_FALSE(gInput->FMK_Oeffnen((env.Root() / "missing.fmk").string()));
    EXPECT_EQ(seam.errorWindows, 1);
}

}
