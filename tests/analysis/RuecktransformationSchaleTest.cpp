// The back-transform of one part of G(r): a Gaussian shell between r1 and r2 must give its own
// closed-form K·I(K) back, untouched by a second shell outside the limits.
#include "AnalysisFixture.h"

namespace {

constexpr double kA = 100.0;    // height of each shell in G(r)
constexpr double kS = 0.02;     // width, nm
constexpr double kInnen = 0.3;  // the shell between the limits, nm
constexpr double kAussen = 0.6; // the shell outside them, nm

double Schale(double r, double r0) { return kA * std::exp(-(r - r0) * (r - r0) / (2.0 * kS * kS)); }

// K·I(K) of one shell: ∫ G(r)·sin(K·r) dr = a·s·√(2π)·exp(−K²s²/2)·sin(K·r0).
double KI_Schale(double K, double r0)
{
    return kA * kS * std::sqrt(2.0 * std::numbers::pi) * std::exp(-K * K * kS * kS / 2.0) * std::sin(K * r0);
}

}

class RuecktransformationSchale : public AnalysisFixture {
protected:
    void SetUp() override
    {
        SetIK(std::vector<float>(1500, 0.0f));
        gGR->setPunkte(1000);
        for (int32_t i = 1; i <= 1000; ++i) gGR->Set_Y(i, static_cast<float>(Schale(gGR->R(i), kInnen) + Schale(gGR->R(i), kAussen)));
    }
};

TEST_F(RuecktransformationSchale, OnlyTheShellBetweenTheLimitsComesBackInEitherOrder)
{
    gIK->RTR_Berechnen_Extra(0.45f, 0.15f);  // reversed: put in order
    EXPECT_EQ(gIK->Y_RTR_Extra(1), 0.0f) << "K·I(K) is 0 at K = 0";
    const double hoehe = kA * kS * std::sqrt(2.0 * kPi);
    for (int32_t k = 2; k <= 1500; k += 7) {
        const double K = gIK->x(k);
        ASSERT_NEAR(K * gIK->Y_RTR_Extra(k), KI_Schale(K, kInnen), 1e-4 * hoehe) << "K = " << K;
    }
}

TEST_F(RuecktransformationSchale, LimitsBeyondGrGiveNothing)
{
    gIK->RTR_Berechnen_Extra(50.0f, 60.0f);
    for (int32_t k = 1; k <= 1500; ++k) ASSERT_EQ(gIK->Y_RTR_Extra(k), 0.0f) << k;

    // Limits reaching past both ends take the whole of G(r): both shells.
    gIK->RTR_Berechnen_Extra(-1.0f, 50.0f);
    const double K = gIK->x(200);
    EXPECT_NEAR(K * gIK->Y_RTR_Extra(200), KI_Schale(K, kInnen) + KI_Schale(K, kAussen), 1e-4 * kA * kS * std::sqrt(2.0 * kPi));
}
