// The pair potential: v(K) of a Gauss-shaped v(r) against its closed form with the true extremes,
// the point count of v(K), and the reading of a v(r) file.
#include "QuellenFixture.h"

#include <algorithm>

using PotTest = QuellenFixture;

TEST_F(PotTest, TransformOfAGaussPotentialAndFileReadOnTheGridOfG)
{
    // v(r) = exp(-(r - r0)²/2s²) gives v(K) = 4πρ/K·∫ v(r)·r·sin(Kr) dr
    //                                      = 4πρ/K·s√(2π)·exp(-K²s²/2)·(r0·sin(K r0) + K s²·cos(K r0)).
    const double r0 = 0.5, s = 0.05, rho = 60.0;
    std::vector<float> v(1000);
    for (int32_t i = 1; i <= 1000; ++i)
        v[size_t(i - 1)] = static_cast<float>(std::exp(-std::pow(gPot->R(i) - r0, 2) / (2 * s * s)));
    gPot->Set_Y_r(v);
    gMFE->setDichte_Theoretisch(static_cast<float>(rho));
    gPot->Berechne_v_K();

    ASSERT_EQ(gPot->Punkte_K(), 1500);
    const double skala = 4.0 * std::numbers::pi * rho * s * std::sqrt(2.0 * std::numbers::pi);
    EXPECT_EQ(gPot->Y_K(1), 0.0f);
    float tiefster = 0.0f, hoechster = 0.0f;
    for (int32_t i = 2; i <= 1500; ++i) {
        const double K = gPot->k(i);
        const double erwartet = skala / K * std::exp(-K * K * s * s / 2) * (r0 * std::sin(K * r0) + K * s * s * std::cos(K * r0));
        ASSERT_NEAR(gPot->Y_K(i), erwartet, 1e-4 * skala) << i;
        tiefster = std::min(tiefster, gPot->Y_K(i));
        hoechster = std::max(hoechster, gPot->Y_K(i));
    }
    EXPECT_EQ(gPot->Maximum_K(), hoechster);
    EXPECT_EQ(gPot->Minimum_K(), tiefster);
    EXPECT_LT(gPot->Minimum_K(), 0.0f);

    // The file is read on the grid of G.
    const double dr = gOptions->Delta_r();
    const auto vr = [](double r) { return std::pow(0.3 / (r + 0.2), 12) - std::pow(0.3 / (r + 0.2), 6); };
    Projektdatei("probe.pot", 300, 0.004, vr);
    ASSERT_TRUE(gPot->Einlesen_R_Raum());
    EXPECT_EQ(gPot->Punkte_R(), std::lround(299 * 0.004 / dr));
    EXPECT_NEAR(gPot->Y_r(101), vr(gPot->R(101)), 1e-4);

    gCommon->Set_Dateiname((env.Root() / "fehlt.pot").string());
    const float vorher = gPot->Y_r(101);
    EXPECT_FALSE(gPot->Einlesen_R_Raum());
    EXPECT_EQ(gPot->Y_r(101), vorher);

    // The count of the first transform stays when the K step changes.
    gOptions->setDelta_k(0.2f);
    gPot->Berechne_v_K();
    EXPECT_EQ(gPot->Punkte_K(), 1500);
}

