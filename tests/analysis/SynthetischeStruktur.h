#pragma once
// Liquids with a known structure for the end-to-end tests. One has a Gaussian correlation hole and
// Gaussian shells of excess atoms at 0.28 nm and 0.50 nm in ρ(r) − ρ0, with I(K) and G(r) in
// closed form; its shells are small enough that S(K) ≥ 0 and g(r) ≥ 0 everywhere, as for a real
// liquid. The other is the Percus–Yevick liquid of hard spheres.
#include <cmath>
#include <numbers>

namespace synthetisch {

constexpr double kPi = std::numbers::pi;
constexpr double kRho0 = 60.0;  // atoms per nm³

struct Schale {
    double r;      // nm
    double sigma;  // nm
    double N;      // atoms in the shell beyond the mean density
    double Dichte() const { return N / (4.0 * kPi * std::sqrt(2.0 * kPi) * sigma * (r * r + sigma * sigma)); }
};
inline const Schale kSchalen[] = {{0.28, 0.03, 5.0}, {0.50, 0.05, 2.0}};

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

// The Percus–Yevick structure factor of hard spheres of diameter sigma at packing fraction eta.
inline double S_PercusYevick(double K, double eta, double sigma)
{
    const double alpha = std::pow(1.0 + 2.0 * eta, 2) / std::pow(1.0 - eta, 4);
    if (K == 0.0) return std::pow(1.0 - eta, 4) / std::pow(1.0 + 2.0 * eta, 2);
    const double beta = -6.0 * eta * std::pow(1.0 + eta / 2.0, 2) / std::pow(1.0 - eta, 4);
    const double gamma = eta * alpha / 2.0;
    const double q = K * sigma;
    const double s = std::sin(q);
    const double c = std::cos(q);
    const double rhoC = -24.0 * eta / std::pow(q, 6) *
                        (alpha * q * q * q * (s - q * c) + beta * q * q * (2.0 * q * s - (q * q - 2.0) * c - 2.0) +
                         gamma * ((4.0 * q * q * q - 24.0 * q) * s - (q * q * q * q - 12.0 * q * q + 24.0) * c + 24.0));
    return 1.0 / (1.0 - rhoC);
}

}
