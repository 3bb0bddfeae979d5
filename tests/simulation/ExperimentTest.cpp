// The experiment's g(r) and the simulated S(K), summed by a rotation instead of a sine per term,
// against the sums with a sine per term, on the demonstration i(K) and a box of 4000 atoms.
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/Experiment.h"
#include "simulation/clsMonteCarlo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// The largest difference relative to the largest value of the reference. The results are single
// precision: their rounding alone stays below 6E-8 of that.
double Abweichung(const std::vector<float>& werte, const std::function<double(size_t)>& referenz)
{
    double groesste = 0;
    double schlimmste = 0;
    for (size_t i = 0; i < werte.size(); ++i) {
        groesste = std::max(groesste, std::abs(referenz(i)));
        schlimmste = std::max(schlimmste, std::abs(werte[i] - referenz(i)));
    }
    return schlimmste / groesste;
}

}

TEST(Experiment, PairDistributionAndStructureFactorAgreeWithASinePerTerm)
{
    const std::vector<float> iK = Demo_Werte(zelo::Resource("DEMO_101"));
    ASSERT_EQ(iK.size(), 1460u);
    const float dK = 0.1f;
    const float rho = 46.0f;
    const double dr = clsMonteCarlo::kDr;
    const int32_t nbins = 4001;  // ten cells per direction
    const std::vector<float> g = G_Exp(iK, dK, rho, nbins, dr);
    ASSERT_EQ(g.size(), size_t(nbins + 1));
    EXPECT_EQ(g[0], 0.0f);
    // The far bins, where r·K reaches thousands of radians, weigh as much as the near ones.
    EXPECT_LT(Abweichung(g, [&](size_t k) {
                  if (k == 0) return 0.0;
                  const double r = double(k) * dr;
                  double summe = 0;
                  for (size_t j = 0; j < iK.size(); ++j)
                      summe += iK[j] * (double(j) * dK) * std::sin(double(j) * dK * r);
                  return 1.0 + 2.0 / kPi * dK * summe / (4 * kPi * r * rho);
              }),
              1e-7);

    // S(K) of the first 1400 bins of that g(r), as a box of 32,000 atoms samples them.
    const std::vector<float> gHalb(g.begin(), g.begin() + 1401);
    const std::vector<float> s = S_K(gHalb, dK, rho, dr, 1000);
    ASSERT_EQ(s.size(), 1000u);
    EXPECT_LT(Abweichung(s, [&](size_t i) {
                  const double k = double(i + 1);
                  double summe = 0;
                  for (size_t j = 2; j < gHalb.size(); ++j) {
                      const double r = double(j - 1) * dr;
                      summe += (gHalb[j] - 1.0) * r * std::sin(r * (k - 1) * dK);
                  }
                  return 4 * kPi * rho / (k * dK) * dr * summe;
              }),
              1e-7);
}
