// The refinement: the experiment's g(r) and the cycle on the demonstration i(K).
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/Experiment.h"
#include "simulation/clsVerfeinerung.h"

#include <gtest/gtest.h>

TEST(clsVerfeinerungTest, ZeroInterferenceGivesFlatPairDistribution)
{
    const std::vector<float> g = G_Exp(std::vector<float>(1460, 0.0f), 0.1f, 46.0f, 501, clsMonteCarlo::kDr);
    for (size_t k = 1; k < g.size(); ++k) ASSERT_EQ(g[k], 1.0f) << k;
}

TEST(clsVerfeinerungTest, RefinementOfTheDemonstrationConverges)
{
    clsVerfeinerung v;
    ASSERT_EQ(v.Experiment_Laden({Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, 0.015f}, 3,
                                 Startgitter::fcc, false),
              108);
    v.Parameter_Setzen({});
    float erstes = 0;
    for (int i = 0; i < 60; ++i) {
        v.Zyklus();
        if (i == 0) erstes = v.chi2();
    }
    EXPECT_LT(v.chi2(), erstes);
    EXPECT_LT(v.lambda(), 0.1f) << "chi² fell below eta at least once";
}
