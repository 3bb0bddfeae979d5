#include "CurvesTest.h"

#include <cmath>

namespace {

// K in 1/nm of s in 1/Angstrom.
double K(double s) { return s * 40 * 3.1415927f; }

// A table f(s) = s for s = first, first + 0.05, ... up to 6, with a wild value in the row after stopAfter,
// which a reader that stops in time never sees.
std::string Table(double stopAfter, const char* separator = "\t", int32_t first = 0)
{
    std::string text;
    for (int32_t k = first; 0.05 * k <= 6.0 + 1e-9; ++k) {
        const double s = 0.05 * k;
        const bool wild = s > stopAfter + 1e-9 && s < stopAfter + 0.06;
        text += std::to_string(s) + separator + std::to_string(wild ? 1e6 : s) + "\r\n";
    }
    return text;
}

class FormFactorTest : public CurvesTest {
protected:
    // Reads the table for a working curve of n points on the step; the form factor is resampled on
    // the K step 0.1 from 0 as s = K / (40 pi).
    void ExpectIdentity(int32_t n, float step, const std::string& table, int32_t points)
    {
        Load(0.0f, step, std::vector<float>(size_t(n), 1.0f));
        ASSERT_TRUE(gInput->FMK_Oeffnen(WriteFile("table.fmk", table)));
        ASSERT_EQ(gInput->Punkte(), points);
        EXPECT_EQ(gInput->Delta_X(), 0.1f);
        for (int32_t i = 1; i <= gInput->Punkte(); ++i) ASSERT_NEAR(gInput->Y(i), (i - 1) * 0.1 / K(1), 1e-4) << i;
        EXPECT_EQ(seam.errorWindows, 0);
    }
};

TEST_F(FormFactorTest, TableIsReadUpToTheFirstKBeyondTheWorkingCurve)
{
    // The limit is 1.1 x 149.9 = 164.89, first passed at s = 1.35 (K = 169.6).
    ExpectIdentity(1500, 0.1f, Table(1.35), 1510);
    // A working curve with step 0 (last x 0): the limit is 1.1 x 100 x 0.1 = 11, passed at s = 0.1.
    ExpectIdentity(100, 0.0f, Table(0.1, "   "), 110);
    // Blank lines and values that are no numbers are skipped.
    const std::string damaged = "  0\t0\r\n\r\n0.05\tkein Wert\r\n0.05\t0.05\r\n0.1\r\nabc\t0.2\r\n";
    ExpectIdentity(500, 0.1f, damaged + Table(1.0, "\t", 2), 510);
}

}
