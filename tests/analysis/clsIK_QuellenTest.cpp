// The other sources of I(K): generated curves with their transforms, demonstration curves, curve
// files with their K·I(K) and S(K) forms, and the stage store.
#include "QuellenFixture.h"

#include "analysis/Analysestufe.h"
#include "analysis/Daempfung.h"
#include "analysis/DemoWerte.h"
#include "core/Runtime.h"

#include <algorithm>
#include <bit>

class IKQuellenTest : public QuellenFixture {
protected:
    // Every form of I(K) at every point (the undamped one through the damping that copies it).
    static void ExpectAllForms(const std::function<float(int32_t)>& expected)
    {
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
            ASSERT_EQ(gIK->Y_2(i), expected(i)) << i;
            ASSERT_EQ(gIK->Y_RTR(i), expected(i)) << i;
        }
        gIK->Daempfen(DA_Keine);
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) ASSERT_EQ(gIK->Y(i), expected(i)) << i;
    }
    // An I(K) file of 401 points, -1 at K = 0 and value beyond, read answering the S(K) question.
    bool Read(double value, zelo::MsgResult answer = zelo::MsgResult::No)
    {
        Projektdatei("probe.ik", 401, 0.1, [value](double K) { return K == 0.0 ? -1.0 : value; });
        seam.messages.clear();
        seam.answers = {answer};
        return gIK->Einlesen();
    }
};

TEST_F(IKQuellenTest, RechteckAndLorchTransformToTheirClosedForms)
{
    gOptions->setAbbruchstelle_Daempfen(false);
    gFFT->SetupFFT();
    // Compared from r(20) on, clear of the singular point of each closed form.
    const auto transformiert = [](const std::function<double(double)>& G) {
        gIK->setFTR_Index(gIK->Punkte());
        gIK->setFTR_Start_Index(1);
        gFFT->FFT();
        double skala = 0.0;
        for (int32_t k = 20; k <= 1000; ++k) skala = std::max(skala, std::fabs(G(gGR->R(k))));
        for (int32_t k = 20; k <= 1000; ++k) ASSERT_NEAR(gFFT->G(k), G(gGR->R(k)), 1e-3 * skala) << k;
    };
    // (2/π)·∫ K·sin(Kr) dK up to K(F); the sum over the grid points reaches half a step further.
    ASSERT_TRUE(gIK->Rechteck());
    const double kF = 99.95;
    transformiert([kF](double r) { return 2.0 / kPi * (std::sin(kF * r) / (r * r) - kF * std::cos(kF * r) / r); });
    // The Lorch function sin(aK)/(aK), a = π/100, up to K = 100, away from r = a.
    ASSERT_TRUE(gIK->Lorch_100());
    const double a = kPi / 100.0;
    transformiert(
        [a](double r) { return (std::sin(100 * (r - a)) / (r - a) - std::sin(100 * (r + a)) / (r + a)) / (kPi * a); });
}

TEST_F(IKQuellenTest, StructureFactorIsOfferedAboveAMeanOfOneTenth)
{
    // The value beyond K = 0 moves by its last bit until the mean is exactly 0.1: not yet offered.
    float wert = static_cast<float>(0.1 * 400.0 / 399.0);
    for (int versuch = 0; versuch < 64 && gIK->Mittelwert() != 0.1f; ++versuch) {
        ASSERT_TRUE(Read(wert));
        wert = std::nextafter(wert, gIK->Mittelwert() < 0.1f ? 1.0f : 0.0f);
    }
    ASSERT_EQ(gIK->Mittelwert(), 0.1f);
    EXPECT_TRUE(seam.messages.empty());

    ASSERT_TRUE(Read(0.1001 * 400.0 / 399.0));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].title, "KPW ZELO - S(K)");

    ASSERT_TRUE(Read(1.25, zelo::MsgResult::Yes));
    EXPECT_NEAR(gIK->Y_2(200), 0.25f, 1e-6);
}

TEST_F(IKQuellenTest, KTimesIKFileIsDividedByKAndAFlatOrMissingFileKeepsThePreviousCurve)
{
    const auto I = [](double K) { return -0.5 * std::cos(0.2 * K); };
    Projektdatei("probe.ikk", 401, 0.1, [&](double K) { return K * I(K); });
    ASSERT_TRUE(gIK->Einlesen());
    EXPECT_NEAR(gIK->Y(1), 0.0, 1e-4);
    double summe = 0.0;
    for (int32_t i = 2; i <= gIK->Punkte(); ++i) {
        ASSERT_NEAR(gIK->Y(i), I(gIK->x(i)), 2e-3) << i;
        if (summe != 0.0 || gIK->Y(i) > 0.0f) summe += gIK->Y(i);
    }
    EXPECT_NEAR(gIK->Mittelwert(), summe / gIK->Punkte(), 1e-6);

    // A flat or missing file keeps the previous curve.
    ASSERT_TRUE(gIK->Rechteck());
    Projektdatei("flach.ik", 401, 0.1, [](double) { return 0.5; });
    EXPECT_FALSE(gIK->Einlesen());
    EXPECT_EQ(seam.errorWindows, 1);
    gCommon->Set_Dateiname((env.Root() / "fehlt.ik").string());
    EXPECT_FALSE(gIK->Einlesen());
    EXPECT_EQ(gCalc->Punkte(), 1800);
    ExpectAllForms([](int32_t i) { return i <= 1000 ? 1.0f : 0.0f; });
}

TEST_F(IKQuellenTest, StageStoreRestoresEveryForm)
{
    SetIK({0.5f, -1.0f, 2.0f, 1.0f});
    gSSC->ESC_HEADER();
    Analysestufe_Sichern(6);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 6));
    ASSERT_TRUE(gIK->Rechteck());

    ASSERT_TRUE(gIK->Sicherheit_Zurueck());
    // Every form is cut back to the stored four points.
    EXPECT_EQ(gIK->Y_RTR(5), 0.0f);
    EXPECT_EQ(gError->ErrorFunction(), "Y_RTR (Get)");
    ExpectAllForms([](int32_t i) { return std::vector<float>{0.5f, -1.0f, 2.0f, 1.0f}[size_t(i - 1)]; });
}

TEST_F(IKQuellenTest, GeneratedAndDemonstrationCurves)
{
    ASSERT_TRUE(gIK->Rechteck());
    ExpectAllForms([](int32_t i) { return i <= 1000 ? 1.0f : 0.0f; });

    ASSERT_TRUE(gIK->PeakTest());
    ExpectAllForms([](int32_t) { return 0.0f; });

    ASSERT_TRUE(gIK->Demo_IK());
    ASSERT_EQ(gIK->Punkte(), 1460);
    EXPECT_NEAR(gIK->Y(1), -1.011, 1e-5);
    float hoechster = gIK->Y(1);
    for (int32_t i = 2; i <= 1460; ++i) hoechster = std::max(hoechster, gIK->Y(i));
    EXPECT_NEAR(hoechster, 2.063, 1e-5);
    // I(K) dies away at large K, so the sum rule returns the density of a metallic glass; a tail
    // left at -0.025 gave some 1400 atoms per nm³.
    EXPECT_NEAR(gIK->Dichte_IK(), 60.0f, 15.0f);
}

TEST(DemoWerteTest, CountMustFitTheBytes)
{
    const auto bytes = [](int32_t count, std::vector<float> values) {
        std::vector<uint8_t> b;
        values.insert(values.begin(), std::bit_cast<float>(count));
        for (const float v : values)
            for (int shift = 0; shift < 32; shift += 8)
                b.push_back(static_cast<uint8_t>(std::bit_cast<uint32_t>(v) >> shift));
        return b;
    };
    EXPECT_EQ(Demo_Werte(bytes(2, {1.5f, -2.0f})), (std::vector<float>{1.5f, -2.0f}));
    for (const int32_t count : {3, 0, -1, 0x7FFFFFFF}) EXPECT_TRUE(Demo_Werte(bytes(count, {1.5f, -2.0f})).empty());
    EXPECT_TRUE(Demo_Werte({}).empty());
}
