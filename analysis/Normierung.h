#pragma once
// The normalisation of the measured intensity into I(K) by the alloy's mixture form factors.
#include <cstdint>
#include <functional>

// The trapezoid integral of K²·y(i) over grid points 1..n (2 or more) of I(K).
double Integral_K2(int32_t n, const std::function<double(int32_t)>& y);

// The normalisation term over grid points 1..n of I(K): the integral of K²·<f²> less
// 2π²·rho·<f>² at K = 0, rho in atoms per nm³. It covers the same points as the integral of
// K²·(J − U) that it is divided by, so that the two integrals end at the same K.
double Normierungsterm(int32_t n, float rho);
