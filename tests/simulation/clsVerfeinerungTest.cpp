// The refinement: the experiment's g(r) and the cycle on the demonstration i(K).
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/Experiment.h"
#include "simulation/clsVerfeinerung.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(clsVerfeinerungTest, ZeroInterferenceGivesFlatPairDistribution)
{
    const std::vector<float> g = G_Exp(std::vector<float>(1460, 0.0f), 0.1f, 46.0f, 501, clsMonteCarlo::kDr);
    for (size_t k = 1; k < g.size(); ++k) ASSERT_EQ(g[k], 1.0f) << k;
}

TEST(clsVerfeinerungTest, RefinementOfTheDemonstrationConverges)
{
    // With 1.5 % error chi² falls by orders of magnitude; with 10 % it reaches eta and lambda shrinks.
    for (const auto& [fehler, faktor] : {std::pair{0.015f, 0.02f}, std::pair{0.1f, 0.0f}}) {
        clsVerfeinerung v;
        ASSERT_EQ(v.Experiment_Laden({Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, fehler}, 5,
                                     Startgitter::fcc, false),
                  500);
        v.Parameter_Setzen({});
        v.Zyklus();
        const float erstes = v.chi2();
        for (int i = 0; i < 80; ++i) v.Zyklus();
        if (faktor > 0)
            EXPECT_LT(v.chi2(), faktor * erstes);
        else
            EXPECT_LT(v.lambda(), 0.1f);
    }
}

TEST(clsVerfeinerungTest, SimulatedStructureFactorFollowsTheExperimentAtLargeK)
{
    // Only the sampled half box enters S(K); the unsampled bins would add a ripple of amplitude ~0.2.
    clsVerfeinerung v;
    const Experimentdaten demo{Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, 0.015f};
    ASSERT_EQ(v.Experiment_Laden(demo, 5, Startgitter::fcc, false), 500);
    // Before its first smoothing the simulated g(r) is zero: it has no S(K) to show.
    EXPECT_TRUE(v.SK().empty());
    v.Parameter_Setzen({});
    for (int i = 0; i < 30; ++i) v.Zyklus();
    const std::vector<float> s = v.SK();
    double summe = 0;
    int anzahl = 0;
    for (size_t k = 600; k < 900 && k < demo.iK.size(); ++k, ++anzahl)
        summe += std::pow(s[k - 1] - demo.iK[k], 2);
    EXPECT_LT(std::sqrt(summe / anzahl), 0.08);
    // A new load starts without one again.
    ASSERT_EQ(v.Experiment_Laden(demo, 3, Startgitter::fcc, false), 108);
    EXPECT_TRUE(v.SK().empty());
}
