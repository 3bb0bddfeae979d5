#include "simulation/SavitzkyGolay.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SavitzkyGolayTest, NormsAndWeights)
{
    const int32_t normen[] = {35, 21, 231, 429, 143, 1105, 323, 2261, 3059, 805, 5175};
    for (int32_t m = 2; m <= 12; ++m) EXPECT_EQ(SG_Norm(m), normen[m - 2]) << "m = " << m;
    EXPECT_EQ(SG_Gewicht(2, 0), 17);
    EXPECT_EQ(SG_Gewicht(2, -2), -3);
    EXPECT_EQ(SG_Gewicht(12, 12), -253);
}

TEST(SavitzkyGolayTest, QuadraticIsReproducedAndTheEdgesKept)
{
    std::vector<float> y(41);
    for (int k = 0; k <= 40; ++k) y[k] = float(k * k - 3 * k + 2);
    for (int32_t m = 2; m <= 12; ++m) {
        std::vector<float> aus(41, -1.0f);
        SG_Glaetten(y, aus, m);
        for (int k = m; k <= 40 - m; ++k) EXPECT_EQ(aus[k], y[k]) << "m = " << m << ", k = " << k;
        EXPECT_EQ(aus[m - 1], -1.0f);
        EXPECT_EQ(aus[41 - m], -1.0f);
    }
}
