// Curve math: the differences of a curve and of its smoothed copy, and the peak search.
#include "QuellenFixture.h"

#include "core/KurvenTyp.h"

class MathTest : public QuellenFixture {
protected:
    void SetUp() override
    {
        QuellenFixture::SetUp();
        MakeCurveMath();
    }
    // The values as I(K) copied into gMath, with the baseline fitted.
    static void Kurve(const std::vector<float>& values)
    {
        SetIK(values);
        ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
        gMath->Baseline_Berechnen();
    }
};

TEST_F(MathTest, DifferencesPerStepOfTheCurveAndTheNormalSearchTakesEveryMaximumAfterARise)
{
    // y = K² on the K grid: first difference -(2K + dK), second difference 2.
    std::vector<float> y(50);
    for (size_t i = 0; i < y.size(); ++i) y[i] = static_cast<float>(std::pow(0.1 * i, 2));
    Kurve(y);
    ASSERT_TRUE(gMath->Ableitungen_Berechnen(false, false));
    EXPECT_EQ(gMath->Y_Ableitung_1(1), 0.0f);
    EXPECT_NEAR(gMath->Y_Ableitung_1(11), -(2 * 1.0 + 0.1), 1e-4);
    EXPECT_NEAR(gMath->Y_Ableitung_2(20), 2.0, 1e-3);
    EXPECT_EQ(gMath->Y_Ableitung_1(50), 0.0f);

    // The smoothed copy of a smooth I(K) has the same differences: its step is the K step too.
    gMath->Glaetten(1E-6f);
    ASSERT_TRUE(gMath->Ableitungen_Berechnen(false, true));
    EXPECT_NEAR(gMath->Y_Ableitung_1(11), -(2 * 1.0 + 0.1), 1e-2);

    // The normal search takes every maximum after a rise.
    Kurve({1.0f, 3.0f, 2.0f});
    const auto ereignisse = seam.events;
    gMath->Search_Peaks(5, 0.99f);
    EXPECT_EQ(seam.events, ereignisse + 1);
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_EQ(gGauss->x(1), gMath->x(2));
    EXPECT_EQ(gGauss->A(1), 3.0f);

    // Falling only: none; a plateau counts at its end.
    Kurve({3.0f, 2.0f, 1.0f});
    gMath->Search_Peaks(5, 0.99f);
    EXPECT_EQ(gGauss->Anzahl(), 0);
    Kurve({1.0f, 3.0f, 3.0f, 2.0f});
    gMath->Search_Peaks(5, 0.99f);
    EXPECT_EQ(gGauss->x(1), gMath->x(3));
}

