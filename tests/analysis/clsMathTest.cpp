// Curve math: copying the curves in with their steps, the differences on each of their sources,
// the baseline, the smoothed copy and both peak searches.
#include "QuellenFixture.h"

#include "core/KurvenTyp.h"

#include <cmath>

class MathTest : public QuellenFixture {
protected:
    void SetUp() override
    {
        QuellenFixture::SetUp();
        gMath = std::make_unique<clsMath>();
    }
    // The values as I(K) copied into gMath, with the baseline fitted.
    static void Kurve(const std::vector<float>& values)
    {
        SetIK(values);
        ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_IK));
        gMath->Baseline_Berechnen();
    }
    static std::vector<float> Gauss(int32_t n, double x0, double sigma, double dx)
    {
        std::vector<float> y(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i)
            y[size_t(i)] = static_cast<float>(std::exp(-std::pow(i * dx - x0, 2) / (2 * sigma * sigma)));
        return y;
    }
};

TEST_F(MathTest, CurvesAreCopiedWithTheirSteps)
{
    gGR->setPunkte(4);
    gGR->Set_Y(2, 30.0f);
    ASSERT_TRUE(gMath->CopyArrayFromCurve(KT_GR));
    EXPECT_EQ(gMath->Delta_X(), gOptions->Delta_r());
    EXPECT_EQ(gMath->Y(2), 30.0f);
    EXPECT_FLOAT_EQ(gMath->Maximum_Y(), 40.0f);

    EXPECT_FALSE(gMath->CopyArrayFromCurve(KT_RDF));
    EXPECT_EQ(gMath->Kurve(), KT_GR);
    EXPECT_EQ(gMath->Punkte(), 4);
}

TEST_F(MathTest, DifferencesPerStepOfTheCurve)
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

    // Without a baseline (no point below 0) the baseline-free curve is the curve.
    ASSERT_TRUE(gMath->Ableitungen_Berechnen(true, true));
    EXPECT_NEAR(gMath->Y_Ableitung_1(11), -(2 * 1.0 + 0.1), 1e-4);

}

TEST_F(MathTest, BaselineRunsThroughTheLowPoints)
{
    // An oscillation about a falling line: the baseline follows its minima below 0.
    std::vector<float> y(400);
    for (size_t i = 0; i < y.size(); ++i) y[i] = static_cast<float>(-0.5 - 0.01 * i + std::sin(0.2 * i));
    Kurve(y);
    EXPECT_EQ(gMath->Y_ohne_Baseline(1), 0.0f);
    for (int32_t i = 120; i <= 350; ++i) ASSERT_NEAR(gMath->Baseline(i), -1.5 - 0.01 * (i - 1), 0.1) << i;

    // A curve that never turns upwards below 0 keeps the baseline at 0.
    Kurve({1.0f, 3.0f, 2.0f, 4.0f, 0.5f});
    EXPECT_EQ(gMath->Baseline(3), 0.0f);
    EXPECT_EQ(gMath->Y_ohne_Baseline(4), 4.0f);
}

TEST_F(MathTest, NormalSearchTakesEveryMaximumAfterARise)
{
    Kurve({1.0f, 3.0f, 2.0f});
    gMath->Search_Peaks(5, 0.99f);
    EXPECT_EQ(seam_.events, 1);
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_EQ(gGauss->x(1), gMath->x(2));
    EXPECT_EQ(gGauss->A(1), 3.0f);
    EXPECT_EQ(gGauss->W(1), 0.0f);

    Kurve({3.0f, 2.0f, 1.0f});
    gMath->Search_Peaks(5, 0.99f);
    EXPECT_EQ(gGauss->Anzahl(), 0);

    Kurve({1.0f, 3.0f, 3.0f, 2.0f});
    gMath->Search_Peaks(5, 0.99f);
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_EQ(gGauss->x(1), gMath->x(3));
}

TEST_F(MathTest, ExtendedSearchLooksAtTheSecondDifference)
{
    Kurve(Gauss(200, 10.0, 1.0, 0.1));
    ASSERT_TRUE(gMath->Ableitungen_Berechnen(false, false));
    gMath->Search_Peaks(5, 0.99f, true);
    ASSERT_EQ(gGauss->Anzahl(), 1);
    EXPECT_NEAR(gGauss->x(1), 10.0, 0.2);

    // Close to the turn the second difference changes too little for a low ratio.
    gMath->Search_Peaks(1, 0.5f, true);
    EXPECT_EQ(gGauss->Anzahl(), 0);
}
