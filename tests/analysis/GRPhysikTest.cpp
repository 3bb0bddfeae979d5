// G(r) from I(K) given in closed form: the transform, the densities, the back-transform and the
// coordination number must give the curve's own G(r) back, and a Percus–Yevick liquid of hard
// spheres its density and its twelve neighbours.
//
// The closed-form curve is a test function for the formulas, not a liquid (its S(K) is far from
// ≥ 0): a soft core, g(r) = 1 − w(r) below the shells, with w a box of radius Rc smoothed by a
// Gaussian, so that G(r) = −4πρ0·r·w(r) + Σ shells is exactly the density line near r = 0; each
// shell is a Gaussian in G(r) less its mirror image at −r_n. Both have sine transforms in closed
// form, and everything decays well before the last K, so that the transforms are exact to single
// precision.
#include "AnalysisFixture.h"
#include "SynthetischeStruktur.h"

#include "analysis/Daempfung.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRho0 = 60.0;  // atoms per nm³
constexpr int32_t kIK = 1500;   // points of I(K), K up to 149.9 1/nm
constexpr double kRc = 0.42;    // core radius, nm
constexpr double kSc = 0.035;   // softness of the core's edge, nm

struct Schale {
    double r;      // nm
    double sigma;  // nm
    double N;      // atoms in the shell
    // Height in G(r): its RDF r·G integrates to N.
    double a() const { return N / (sigma * std::sqrt(2.0 * kPi) * r); }
};
constexpr Schale kSchalen[] = {{0.28, 0.03, 12.0}, {0.52, 0.045, 16.0}, {0.75, 0.06, 30.0}};

double Phi(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }
double Kern(double r) { return Phi((kRc - r) / kSc) + Phi((kRc + r) / kSc) - 1.0; }

double G_Modell(double r)
{
    double g = -4.0 * kPi * kRho0 * r * Kern(r);
    for (const Schale& s : kSchalen) {
        const double zwei = 2.0 * s.sigma * s.sigma;
        g += s.a() * (std::exp(-(r - s.r) * (r - s.r) / zwei) - std::exp(-(r + s.r) * (r + s.r) / zwei));
    }
    return g;
}

// I(K) = (1/K)·∫ G(r)·sin(K·r) dr, and its limit at K = 0.
double I_Modell(double K)
{
    const double c = kSc * kSc;
    if (K == 0.0) {
        double I = -4.0 * kPi * kRho0 * (kRc * kRc * kRc / 3.0 + c * kRc);
        for (const Schale& s : kSchalen) I += s.a() * s.sigma * std::sqrt(2.0 * kPi) * s.r;
        return I;
    }
    const double x = K * kRc;
    double F = -4.0 * kPi * kRho0 * ((std::sin(x) - x * std::cos(x)) / (K * K) + c * std::sin(x)) * std::exp(-K * K * c / 2.0);
    for (const Schale& s : kSchalen)
        F += s.a() * s.sigma * std::sqrt(2.0 * kPi) * std::exp(-K * K * s.sigma * s.sigma / 2.0) * std::sin(K * s.r);
    return F / K;
}

double RDF_Modell(double r) { return 4.0 * kPi * kRho0 * r * r + r * G_Modell(r); }

// ∫ f from a to b by Simpson's rule on 20000 intervals.
template <class F>
double Simpson(F f, double a, double b)
{
    constexpr int n = 20000;
    const double h = (b - a) / n;
    double s = f(a) + f(b);
    for (int i = 1; i < n; ++i) s += f(a + i * h) * (i % 2 ? 4.0 : 2.0);
    return s * h / 3.0;
}

}

class GRPhysikTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gFFT->SetupFFT();
    }

    // I(K) on the whole grid, damped by kind daempfung and all of it transformed.
    void Messung(double (*I)(double), int32_t daempfung = DA_Keine)
    {
        std::vector<float> y(kIK);
        for (int32_t i = 1; i <= kIK; ++i) y[size_t(i - 1)] = static_cast<float>(I(gIK->x(i)));
        SetIK(y);
        gIK->setFTR_Index(kIK);
        gIK->setFTR_Start_Index(1);
        gIK->Daempfen(daempfung);
        ASSERT_TRUE(gGR->Berechnen());
    }
};

TEST_F(GRPhysikTest, DensitiesAndBackTransformGiveTheModelBack)
{
    Messung(I_Modell);
    double scale = 0.0;
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) scale = std::max(scale, std::fabs(G_Modell(gGR->R(i))));
    for (int32_t i = 1; i <= gGR->Punkte(); ++i) ASSERT_NEAR(gGR->Y(i), G_Modell(gGR->R(i)), 1e-4 * scale) << i;
    EXPECT_NEAR(gGR->R(gGR->First_Peak_Index()), kSchalen[0].r, gOptions->Delta_r());

    // The density line over the first points: the least-squares slope of the analytic G(r) there
    // is −4πρ0 itself.
    gGR->setDichte_Exp_Index(20);
    double s1 = 0.0;
    double s2 = 0.0;
    for (int32_t i = 1; i <= 20; ++i) {
        s1 += gGR->R(i) * G_Modell(gGR->R(i));
        s2 += double(gGR->R(i)) * gGR->R(i);
    }
    EXPECT_NEAR(s1 / s2, -4.0 * kPi * kRho0, 1e-9 * 4.0 * kPi * kRho0);
    EXPECT_NEAR(gGR->Dichte_Anstieg(), s1 / s2, 1e-4 * std::fabs(s1 / s2));
    EXPECT_NEAR(gMFE->Dichte_Experimentell(), kRho0, 0.05 * kRho0);
    EXPECT_NEAR(gGR->Ausgleich_Abweichung(), 0.0, 0.05);

    // The sum rule without any low-K extrapolation.
    EXPECT_NEAR(gIK->Dichte_IK(), kRho0, 0.01 * kRho0);

    // Il'inskii: below the shells G(r) is −4π·ρ0·r, whose integral ∫₀^R r·G dr reaches −1 at
    // R = (3/4πρ0)^(1/3); between grid points the radius is interpolated.
    const double dr = gOptions->Delta_r();
    EXPECT_NEAR(gGR->KZ_r1(), std::cbrt(3.0 / (4.0 * kPi * kRho0)), 0.05 * dr);
    EXPECT_NEAR(gGR->Dichte_Exp_Hoyer(), 1.0 / (4.0 / 3.0 * kPi * std::pow(gGR->KZ_r1(), 3.0)), 1e-3);
    EXPECT_NEAR(gGR->Dichte_Exp_Hoyer(), kRho0, 0.005 * kRho0);

    gIK->RTR_Berechnen();
    for (int32_t i = 51; i <= kIK; ++i) ASSERT_NEAR(gIK->Y_RTR(i), I_Modell(gIK->x(i)), 1e-3) << "K = " << gIK->x(i);
}

TEST_F(GRPhysikTest, FirstShellCoordinationNumberIsTheAreaOfTheModelsShell)
{
    Messung(I_Modell);
    gGR->setDichte_Exp_Index(20);
    gGR->setKZ_r1(0.15f);
    gGR->setKZ_r2(0.37f);
    gGR->KZ_Berechnen();

    const double flaeche = Simpson(RDF_Modell, gGR->KZ_r1(), gGR->KZ_r2());
    // The shell alone holds 12 atoms; the rising background of the core's edge adds a little.
    EXPECT_NEAR(flaeche, kSchalen[0].N, 1.0);
    // The rectangles may miss up to a strip of the grid step at each limit.
    const double streifen = gOptions->Delta_r() * (RDF_Modell(gGR->KZ_r1()) + RDF_Modell(gGR->KZ_r2()));
    EXPECT_NEAR(gGR->KZ_Wert(), flaeche, streifen);
}

TEST_F(GRPhysikTest, HardSpheresHaveTwelveNeighboursAndTheirDensityLine)
{
    constexpr double eta = 0.45;
    constexpr double sigma = 0.25;
    const double rho0 = 6.0 * eta / (kPi * sigma * sigma * sigma);
    // The jump of g(r) at contact leaves I(K) decaying only as 1/K: cut at 150 1/nm it rings
    // through G(r) by ±20 1/nm², so it is damped before the transform as a measurement would be.
    Messung([](double K) { return synthetisch::S_PercusYevick(K, eta, sigma) - 1.0; }, DA_Lorch);

    EXPECT_NEAR(gGR->Dichte_Anstieg(), -4.0 * kPi * rho0, 0.02 * 4.0 * kPi * rho0);
    EXPECT_NEAR(gMFE->Dichte_Experimentell(), rho0, 0.02 * rho0);

    // The first shell ends at the first minimum of g(r) = 1 + G(r)/(4πρ0·r) after the contact peak.
    const auto g = [&](int32_t j) { return 1.0 + gGR->Y(j) / (4.0 * kPi * rho0 * gGR->R(j)); };
    int32_t i = gGR->First_Peak_Index();
    while (g(i + 1) < g(i)) ++i;
    gGR->setKZ_r1(0.0f);
    gGR->setKZ_r2(gGR->R(i));
    gGR->KZ_Berechnen();
    EXPECT_NEAR(gGR->KZ_Wert(), 12.0, 0.5) << "first minimum at r = " << gGR->R(i);
}

TEST(SynthetischeStruktur, LiquidsArePhysical)
{
    // S(K) ≥ 0 and g(r) ≥ 0 everywhere, as for any real liquid.
    for (int32_t i = 1; i <= 3000; ++i) {
        const double K = 0.05 * i;
        ASSERT_GE(1.0 + synthetisch::I_Modell(K), 0.0) << "K = " << K;
        ASSERT_GE(synthetisch::S_PercusYevick(K, 0.45, 0.25), 0.0) << "K = " << K;
    }
    for (int32_t i = 1; i <= 1000; ++i) {
        const double r = 0.002 * i;
        ASSERT_GE(1.0 + synthetisch::G_Modell(r) / (4.0 * kPi * synthetisch::kRho0 * r), -1e-9) << "r = " << r;
    }
}
