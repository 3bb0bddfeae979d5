// Il'inskii's density on liquids with an empty core, where G(r) = −4πρ0·r up to the core radius:
// the integral of r·G(r) reaches −1 at R = (3/4πρ0)^(1/3), whatever the density, on the default
// r grid and on a coarse one; and a hard-sphere liquid through I(K) and the transform.
#include "AnalysisFixture.h"
#include "SynthetischeStruktur.h"

#include "analysis/Daempfung.h"
#include "analysis/GR_Suche.h"

namespace {

// G(r) on n points of step dr of an empty core of radius kern followed by a shell.
std::vector<float> Kern_G(double rho0, double kern, double dr, int32_t n)
{
    std::vector<float> g(static_cast<size_t>(n));
    for (int32_t i = 1; i <= n; ++i) {
        const double r = (i - 1) * dr;
        const double schale = 30.0 * std::exp(-std::pow(r - kern - 0.05, 2) / (2 * 0.02 * 0.02));
        g[size_t(i - 1)] = static_cast<float>(r < kern ? -4.0 * std::numbers::pi * rho0 * r : schale);
    }
    return g;
}

double Dichte(double R) { return 1.0 / (4.0 / 3.0 * std::numbers::pi * R * R * R); }

}

TEST(IlinskiiDichteTest, EmptyCoreGivesItsDensityAtAnyDensityAndGrid)
{
    // The default grid (14 bits, Δk 0.1) and one four times coarser, where R spans only ten points
    // and the linear interpolation of the cubic integral is good to a little under 1 %.
    for (const auto& [dr, toleranz] : {std::pair{2.0 * std::numbers::pi / (16384 * 0.1), 0.003},
                                       std::pair{2.0 * std::numbers::pi / (4096 * 0.1), 0.01}}) {
        for (const double rho0 : {40.0, 45.0, 55.0, 60.0, 65.0, 70.0, 80.0}) {
            const double R = Ilinskii_Radius(Kern_G(rho0, 0.22, dr, 1000), static_cast<float>(dr));
            ASSERT_GT(R, 0.0);
            EXPECT_NEAR(Dichte(R), rho0, toleranz * rho0) << "rho0 = " << rho0 << ", dr = " << dr;
        }
    }
    // A G(r) whose integral never reaches −1 gives no radius.
    EXPECT_EQ(Ilinskii_Radius(Kern_G(60.0, 0.05, 0.004, 1000), 0.004f), 0.0f);
}

class IlinskiiHarteKugelnTest : public AnalysisFixture {};

TEST_F(IlinskiiHarteKugelnTest, HardSphereLiquidGivesItsDensity)
{
    gFFT->SetupFFT();
    for (const double eta : {0.40, 0.45, 0.50}) {
        constexpr double sigma = 0.25;
        const double rho0 = 6.0 * eta / (kPi * sigma * sigma * sigma);
        std::vector<float> y(1500);
        for (int32_t i = 1; i <= 1500; ++i)
            y[size_t(i - 1)] = static_cast<float>(synthetisch::S_PercusYevick(gIK->x(i), eta, sigma) - 1.0);
        SetIK(y);
        gIK->setFTR_Index(1500);
        gIK->setFTR_Start_Index(1);
        gIK->Daempfen(DA_Lorch);
        ASSERT_TRUE(gGR->Berechnen());
        EXPECT_NEAR(gGR->Dichte_Exp_Hoyer(), rho0, 0.01 * rho0) << "eta = " << eta;
        EXPECT_NEAR(gGR->Dichte_Exp_Hoyer(), Dichte(gGR->KZ_r1()), 1e-3 * rho0);
    }
}
