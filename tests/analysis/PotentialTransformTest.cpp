// v(K) of a pair potential is its three-dimensional Fourier transform times the density: for a
// Gauss potential centred on r = 0 that is ρ·(2πs²)^(3/2)·exp(−K²s²/2), positive everywhere and
// falling with K, which a transform lacking the factor r under the integral cannot give.
#include "QuellenFixture.h"

#include <numbers>

using PotentialTransformTest = QuellenFixture;

TEST_F(PotentialTransformTest, GaussPotentialAtTheOriginGivesItsThreeDimensionalTransform)
{
    const double rho = 50.0;
    for (const double s : {0.05, 0.1}) {
        std::vector<float> v(1000);
        for (int32_t i = 1; i <= 1000; ++i)
            v[size_t(i - 1)] = static_cast<float>(std::exp(-std::pow(gPot->R(i), 2) / (2 * s * s)));
        gPot->Set_Y_r(v);
        gMFE->setDichte_Theoretisch(static_cast<float>(rho));
        gPot->Berechne_v_K();

        const double v0 = rho * std::pow(2.0 * std::numbers::pi * s * s, 1.5);
        for (int32_t i = 2; i <= gPot->Punkte_K(); ++i) {
            const double K = gPot->k(i);
            ASSERT_NEAR(gPot->Y_K(i), v0 * std::exp(-K * K * s * s / 2.0), 1e-3 * v0) << "s = " << s << ", K = " << K;
        }
        EXPECT_NEAR(gPot->Maximum_K(), v0, 0.01 * v0) << s;
    }
}
