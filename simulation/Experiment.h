#pragma once
// The experiment the simulation refines against: g(r) on the radial grid from a measured i(K),
// and the simulated structure factor back from a g(r).
#include "simulation/Abbruch.h"

#include <cstdint>
#include <span>
#include <vector>

// g(r_k) = 1 + (2/π)·dK·Σ_j iK_j·K_j·sin(K_j·r_k) / (4π·r_k·rho) for k = 1..nbins, K_j = j·dK,
// r_k = k·dr; g(0) = 0. Empty when a stop request ended it early.
std::vector<float> G_Exp(std::span<const float> iK, float dK, float rho, int32_t nbins, double dr,
                         Abbruch abbruch = nullptr);
// S at K = k·dK for k = 1..punkte (index k - 1) from g on bins 0..nbins: the sine transform of g - 1.
std::vector<float> S_K(std::span<const float> g, float dK, float rho, double dr, int32_t punkte);
