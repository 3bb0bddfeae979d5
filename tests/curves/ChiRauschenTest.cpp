// The smoothing number of counting noise, estimated from the data, and the search that falls back
// on it when its own choice would follow the noise.
#include "curves/ChiSuche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// A falling curve with a ripple, with noise of variance c·y.
std::vector<float> Kurve(double c, double skala, std::mt19937& zufall)
{
    std::normal_distribution<double> rauschen(0.0, 1.0);
    std::vector<float> y;
    for (int i = 0; i < 1500; ++i) {
        const double K = 0.1 * i;
        const double wert = skala * (300.0 + 5000.0 * std::exp(-K / 20.0) * (1.0 + 0.2 * std::sin(K)));
        y.push_back(static_cast<float>(wert + std::sqrt(c * wert) * rauschen(zufall)));
    }
    return y;
}

double Summe(const std::vector<float>& y)
{
    double s = 0.0;
    for (const float w : y) s += double(w) * w / 1e4;
    return s;
}

}

TEST(ChiRauschenTest, NoiseChiFollowsTheNoiseVarianceWhateverTheScale)
{
    std::mt19937 zufall(11);
    // Raw counts, the average of two halves, and counts multiplied by 1000 (variance 1000·y).
    for (const auto& [c, skala] : {std::pair{1.0, 1.0}, {0.5, 1.0}, {1000.0, 1000.0}, {1.0, 0.1}}) {
        const std::vector<float> y = Kurve(c, skala, zufall);
        // The median of 1500 overlapping second differences scatters by some 10 %.
        EXPECT_NEAR(Chi_Rauschen(y), c * Summe(y), 0.25 * c * Summe(y)) << c << ", " << skala;
    }
    // A smooth curve has no noise to fill; too few values give no estimate.
    std::vector<float> glatt;
    for (int i = 0; i < 100; ++i) glatt.push_back(static_cast<float>(1000.0 + 2.0 * i));
    EXPECT_NEAR(Chi_Rauschen(glatt), 0.0f, 1e-3f);
    EXPECT_LT(Chi_Rauschen(std::vector<float>{1.0f, 2.0f}), 0.0f);
}

TEST(ChiRauschenTest, SearchKeepsItsChoiceNearTheNoiseAndElseTakesTheNoiseChi)
{
    // The figures favour ever smaller chi: the search alone ends near the interpolating spline.
    const auto folgt = [](float chi) { return SeitenfitErgebnis{true, 1.0f, chi / 1e7f}; };
    std::vector<float> chis;
    const auto suchen = [&](float rauschen) {
        return Chi_Suchen(
            1e6f,
            [&](float chi) {
                chis.push_back(chi);
                return folgt(chi);
            },
            rauschen);
    };
    EXPECT_LT(suchen(-1.0f), 0.01f);
    EXPECT_EQ(suchen(5000.0f), 5000.0f);
    EXPECT_EQ(chis.back(), 5000.0f) << "the kept chi is fitted last";
    EXPECT_EQ(suchen(0.0f), 0.0f) << "a noiseless curve is fitted through its points";

    // Where only fits near the noise's chi are smooth enough, the search's own choice stands.
    const auto nahe = [](float chi) { return SeitenfitErgebnis{true, chi > 1e6f / 128 ? 1.0f : 0.9f, chi / 1e7f}; };
    const float gewaehlt = Chi_Suchen(1e6f, nahe, 12000.0f);
    EXPECT_EQ(gewaehlt, 1e6f / 64);
}
