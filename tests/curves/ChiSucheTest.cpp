#include "curves/ChiSuche.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the chi of every fit and answers with a scripted quality.
struct Fits {
    std::vector<float> chis;
    std::function<SeitenfitErgebnis(float)> quality;
    SeitenfitErgebnis operator()(float chi)
    {
        chis.push_back(chi);
        return quality(chi);
    }
};

float Search(float start, Fits& fits)
{
    return Chi_Suchen(start, [&](float chi) { return fits(chi); });
}

}

TEST(ChiSearchTest, HalvesUntilBelowOneHundredthAndFitsOnceMore)
{
    Fits fits{{}, [](float) { return SeitenfitErgebnis{true, 1.0f, 0.5f}; }};
    Search(1e6f, fits);
    ASSERT_EQ(fits.chis.size(), 28u);
    EXPECT_EQ(fits.chis[0], 5e5f);
    EXPECT_LT(fits.chis[26], 0.01f);
    EXPECT_GE(fits.chis[25], 0.01f);

    fits.chis.clear();
    Search(1e4f, fits);
    EXPECT_EQ(fits.chis.size(), 21u);

    // A start that never falls below 0.01 stops after 100 rounds.
    fits.chis.clear();
    Search(1e38f * 3.0f, fits);
    EXPECT_EQ(fits.chis.size(), 101u);
}

TEST(ChiSearchTest, KeepsTheLeastDeviationAmongSmoothFits)
{
    // The deviation grows with chi, but below chi 100 the fits are too rough, and the fit at
    // 1e6 / 2^13 (the smallest smooth chi) failed with good-looking figures.
    Fits fits{{}, [](float chi) {
                  const bool failed = chi == 1e6f / 8192;
                  return SeitenfitErgebnis{!failed, chi >= 100.0f ? 0.995f : 0.98f, chi};
              }};
    const float kept = Search(1e6f, fits);
    EXPECT_EQ(kept, 1e6f / 4096);
    EXPECT_EQ(fits.chis.back(), kept);
}

TEST(ChiSearchTest, WithoutASmoothFitTheStartStays)
{
    Fits fits{{}, [](float) { return SeitenfitErgebnis{true, 0.5f, 0.0f}; }};
    EXPECT_EQ(Search(1e4f, fits), 1e4f);
    EXPECT_EQ(fits.chis.back(), 1e4f);

    Fits failing{{}, [](float) { return SeitenfitErgebnis{false, 1.0f, 0.0f}; }};
    EXPECT_EQ(Search(1e4f, failing), 1e4f);
}
