#pragma once
// The normalisation of the measured intensity into I(K) by the alloy's mixture form factors.
#include <cstdint>
#include <functional>
#include <span>

// The trapezoid integral of K²·y(i) over grid points 1..n (2 or more) of step dK.
double Integral_K2(int32_t n, float dK, const std::function<double(int32_t)>& y);

// The two integrals that fix β in β·(J − U) = <f²> + <f>²·I(K). They follow from the sum rule
// ∫K²·I(K) dK = −2π²·rho with the form factors divided out, which holds however steeply the
// form factors fall with K (for constant ones it is the plain ratio of ∫K²<f²> − 2π²rho<f>² to
// ∫K²(J − U)). Both cover grid points 1..n, the points of I(K).
struct Normierungsintegrale {
    double formfaktoren = 0.0;  // ∫K²·<f²>/<f>² dK − 2π²·rho
    double messung = 0.0;       // ∫K²·(J − U)/<f>² dK
};

// d holds J − U, f2m <f²> and fm2 <f>² on points 1..n (n = d.size()); rho in atoms per nm³.
Normierungsintegrale Normierung(std::span<const float> d, std::span<const float> f2m, std::span<const float> fm2,
                                float dK, float rho);
