// The background implied by I(K), on numbers made here: the spectrum less the scaled scattering.
#include "analysis/Untergrund_Aus_IK.h"
#include "core/Runtime.h"
#include "support/Gemeldet.h"

#include <gtest/gtest.h>

TEST(Untergrund_Aus_IK, SpectrumLessTheScatteringOnTheNormalisationScale)
{
    const std::vector<float> J = {10.0f, 8.0f, 6.0f, 99.0f};
    const std::vector<float> I = {0.0f, 1.0f, -0.5f};
    const std::vector<float> fm2 = {2.0f, 2.0f, 4.0f, 99.0f};
    const std::vector<float> f2m = {3.0f, 3.0f, 5.0f, 99.0f};
    // A/F = 0.5: U = J − (I·<f>² + <f²>)/2, only for the points of I.
    EXPECT_EQ(Untergrund_Aus_IK(J, I, fm2, f2m, 1.5, 3.0), (std::vector<float>{8.5f, 5.5f, 4.5f}));
    gError = std::make_unique<clsError>();
    EXPECT_EQ(Gemeldet([&] { EXPECT_TRUE(Untergrund_Aus_IK(J, I, fm2, f2m, 1.5, 0.0).empty()); }),
              "Untergrund_Aus_IK.Untergrund_Aus_IK 11");
    gError.reset();
}
