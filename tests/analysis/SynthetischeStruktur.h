#pragma once
// A liquid with a known structure for the end-to-end tests: a Gaussian correlation hole and
// Gaussian shells at 0.28 nm and 0.50 nm in ρ(r) − ρ0, with I(K) and G(r) in closed form.
#include <cmath>
#include <numbers>

namespace synthetisch {

constexpr double kPi = std::numbers::pi;
constexpr double kRho0 = 60.0;  // atoms per nm³

struct Schale {
    double r;      // nm
    double sigma;  // nm
    double N;      // atoms in the shell
    double Dichte() const { return N / (4.0 * kPi * std::sqrt(2.0 * kPi) * sigma * (r * r + sigma * sigma)); }
};
inline const Schale kSchalen[] = {{0.28, 0.03, 12.0}, {0.50, 0.05, 20.0}};

// The correlation hole removes exactly the atoms of the shells and the central one, so that
// S(0) = 0 and ρ(0) = 0.
inline double LochVolumen() { return (1.0 + kSchalen[0].N + kSchalen[1].N) / kRho0; }
inline double LochBreite() { return std::cbrt(LochVolumen() / std::pow(2.0 * kPi, 1.5)); }

// ρ(r) − ρ0 = −ρ0·exp(−r²/2a²) + Σ c·exp(−(r − r_s)²/2σ²) and its transforms.
inline double I_Modell(double K)
{
    const double a = LochBreite();
    double I = -kRho0 * LochVolumen() * std::exp(-K * K * a * a / 2.0);
    for (const Schale& s : kSchalen) {
        const double huelle = 4.0 * kPi * s.Dichte() * std::sqrt(2.0 * kPi) * s.sigma * std::exp(-K * K * s.sigma * s.sigma / 2.0);
        I += K == 0.0 ? huelle * (s.r * s.r + s.sigma * s.sigma)
                      : huelle * (s.r * std::sin(K * s.r) / K + s.sigma * s.sigma * std::cos(K * s.r));
    }
    return I;
}

inline double G_Modell(double r)
{
    const double a = LochBreite();
    double h = -kRho0 * std::exp(-r * r / (2.0 * a * a));
    for (const Schale& s : kSchalen) h += s.Dichte() * std::exp(-(r - s.r) * (r - s.r) / (2.0 * s.sigma * s.sigma));
    return 4.0 * kPi * r * h;
}

}
