#include "curves/ChiSuche.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Runs the search with a scripted quality per chi; returns the kept chi and records every chi fitted.
float Search(float start, std::vector<float>& chis, const std::function<SeitenfitErgebnis(float)>& quality)
{
    return Chi_Suchen(start, [&](float chi) {
        chis.push_back(chi);
        return quality(chi);
    });
}

}

TEST(ChiSearchTest, HalvesUntilBelowOneHundredthAndKeepsTheLeastDeviationAmongSmoothFitsOrElseTheStart)
{
    const auto smooth = [](float) { return SeitenfitErgebnis{true, 1.0f, 0.5f}; };
    for (const auto& [start, fits] : {std::pair{1e6f, 28u}, {1e4f, 21u}, {3e38f, 101u}}) {
        std::vector<float> chis;
        Search(start, chis, smooth);
        EXPECT_EQ(chis.size(), fits) << start << ": a start that never gets below 0.01 stops after 100 rounds";
        EXPECT_EQ(chis[0], start / 2);
    }

    // The deviation grows with chi, below chi 100 the fits are too rough, and the fit at 1e6 / 2^13
    // (the smallest smooth chi) failed with good-looking figures.
    std::vector<float> chis;
    const float kept = Search(1e6f, chis, [](float chi) {
        return SeitenfitErgebnis{chi != 1e6f / 8192, chi >= 100.0f ? 0.995f : 0.98f, chi / 1e6f};
    });
    EXPECT_EQ(kept, 1e6f / 4096);
    EXPECT_EQ(chis.back(), kept) << "the kept chi is fitted last";

    // A fit of nonsense values shows figures outside their range and must not win: a negative
    // deviation, one above 1, or a smoothness far above 1.
    const float sinnlos = Search(1e6f, chis, [](float chi) {
        if (chi == 1e6f / 64) return SeitenfitErgebnis{true, 5.49f, 0.001f};
        if (chi == 1e6f / 128) return SeitenfitErgebnis{true, 1.0f, -4.7e10f};
        if (chi == 1e6f / 256) return SeitenfitErgebnis{true, 1.0f, 1.5f};
        return SeitenfitErgebnis{true, 1.004f, chi / 1e6f};
    });
    EXPECT_EQ(sinnlos, 1e6f / 134217728) << "the last, smallest chi deviates least of the plausible fits";

    EXPECT_EQ(Search(1e4f, chis, [](float) { return SeitenfitErgebnis{true, 0.5f, 0.0f}; }), 1e4f);
    EXPECT_EQ(chis.back(), 1e4f);
    EXPECT_EQ(Search(1e4f, chis, [](float) { return SeitenfitErgebnis{false, 1.0f, 0.0f}; }), 1e4f);
}

