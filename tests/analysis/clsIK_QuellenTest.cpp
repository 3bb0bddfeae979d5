// The other sources of I(K): the generated test curves, the demonstration curve with its resource
// checked, curve files with the K·I(K) and S(K) forms, the stage store, and the conversions that
// replace the values as a whole.
#include "QuellenFixture.h"

#include "analysis/Daempfung.h"
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "core/Runtime.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace {

std::vector<uint8_t> Bytes(int32_t count, const std::vector<float>& values)
{
    std::vector<uint8_t> bytes;
    const auto put = [&](uint32_t bits) {
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(bits >> shift));
    };
    put(static_cast<uint32_t>(count));
    for (const float v : values) put(std::bit_cast<uint32_t>(v));
    return bytes;
}

}

class IKQuellenTest : public QuellenFixture {
protected:
    // Every form of I(K) at every point.
    static void ExpectAllForms(const std::function<float(int32_t)>& expected)
    {
        for (int32_t i = 1; i <= gIK->Punkte(); ++i) {
            ASSERT_EQ(gIK->Y(i), expected(i)) << i;
            ASSERT_EQ(gIK->Y_2(i), expected(i)) << i;
            ASSERT_EQ(gIK->Y_RTR(i), expected(i)) << i;
        }
    }
    // An I(K) file of 401 points, -1 at K = 0 and value beyond, read with the answer to the S(K)
    // question.
    bool Read(const std::string& name, double value, zelo::MsgResult answer = zelo::MsgResult::No)
    {
        Projektdatei(name, 401, 0.1, [value](double K) { return K == 0.0 ? -1.0 : value; });
        seam_.messages.clear();
        seam_.answers = {answer};
        return gIK->Einlesen();
    }
};

TEST_F(IKQuellenTest, GeneratedCurves)
{
    ASSERT_TRUE(gIK->Rechteck());
    EXPECT_EQ(gIK->Punkte(), 1800);
    EXPECT_EQ(gCalc->Punkte(), 1800);
    ExpectAllForms([](int32_t i) { return i <= 1000 ? 1.0f : 0.0f; });
    EXPECT_FLOAT_EQ(gIK->Maximum(), 1.65f);
    EXPECT_FLOAT_EQ(gIK->Minimum(), -1.1f);
    EXPECT_EQ(gIK->FTR_Index(), 1800);
    EXPECT_EQ(gIK->Parabel_Index(), 0);

    ASSERT_TRUE(gIK->Lorch_100());
    EXPECT_EQ(gIK->Punkte(), 1500);
    EXPECT_EQ(gIK->Y(1), 0.0f);
    EXPECT_NEAR(gIK->Y(501), 2.0 / std::numbers::pi, 1e-6);
    EXPECT_EQ(gIK->Y(1001), 0.0f);
    EXPECT_EQ(gIK->Y_RTR(501), gIK->Y(501));

    ASSERT_TRUE(gIK->PeakTest());
    EXPECT_EQ(gCalc->Punkte(), 1800);
    ExpectAllForms([](int32_t) { return 0.0f; });
    // The test-curve panel builds its peaks point by point.
    gIK->Set_Y(300, 0.8f);
    EXPECT_EQ(gIK->Y_2(300), 0.8f);
}

TEST_F(IKQuellenTest, DemonstrationCurve)
{
    ASSERT_TRUE(gIK->Demo_IK());
    ASSERT_EQ(gIK->Punkte(), 1460);
    EXPECT_EQ(gCalc->Punkte(), 1460);
    EXPECT_NEAR(gIK->Y(1), -1.011, 1e-5);
    float hoechster = gIK->Y(1);
    for (int32_t i = 2; i <= 1460; ++i) hoechster = std::max(hoechster, gIK->Y(i));
    EXPECT_NEAR(hoechster, 2.063, 1e-5);
    EXPECT_FLOAT_EQ(gIK->Maximum(), 2.2f);
    EXPECT_EQ(gIK->FTR_Index(), 1460);
    // The damping reads the undamped curve the resource gave.
    gIK->Daempfen(DA_Keine);
    EXPECT_NEAR(gIK->Y(1), -1.011, 1e-5);
}

TEST(DemoWerteTest, CountMustFitTheBytes)
{
    EXPECT_EQ(Demo_Werte(Bytes(3, {1.5f, -2.0f, 0.25f})), (std::vector<float>{1.5f, -2.0f, 0.25f}));
    EXPECT_TRUE(Demo_Werte(Bytes(4, {1.5f, -2.0f, 0.25f})).empty());
    EXPECT_TRUE(Demo_Werte(Bytes(0, {})).empty());
    EXPECT_TRUE(Demo_Werte(Bytes(-1, {1.0f})).empty());
    EXPECT_TRUE(Demo_Werte(Bytes(0x7FFFFFFF, {1.0f})).empty());
    EXPECT_TRUE(Demo_Werte({}).empty());
    // The resource itself holds what its count says.
    const auto resource = zelo::Resource("DEMO_101");
    EXPECT_EQ(resource.size(), 4u + 4u * 1460u);
}

TEST_F(IKQuellenTest, StructureFactorIsOfferedAboveAMeanOfOneTenth)
{
    // The value beyond K = 0 is moved in steps of its last bit until the mean is exactly 0.1.
    float wert = static_cast<float>(0.1 * 400.0 / 399.0);
    for (int versuch = 0; versuch < 64; ++versuch) {
        ASSERT_TRUE(Read("genau.ik", wert));
        if (gIK->Mittelwert() == 0.1f) break;
        wert = std::nextafter(wert, gIK->Mittelwert() < 0.1f ? 1.0f : 0.0f);
    }
    ASSERT_EQ(gIK->Punkte(), 400);
    ASSERT_EQ(gIK->Mittelwert(), 0.1f);
    EXPECT_TRUE(seam_.messages.empty());

    ASSERT_TRUE(Read("darueber.ik", 0.1001 * 400.0 / 399.0));
    ASSERT_EQ(seam_.messages.size(), 1u);
    EXPECT_EQ(seam_.messages[0].text, "Ist das ein Strukturfaktor S(K) und soll in I(K) umgerechnet werden?");
    EXPECT_EQ(seam_.messages[0].title, "KPW ZELO - S(K)");
    EXPECT_EQ(seam_.messages[0].buttons, zelo::MsgButtons::YesNo);
    EXPECT_NEAR(gIK->Y(5), 0.1001 * 400.0 / 399.0, 1e-6);

    ASSERT_TRUE(Read("sk.sk", 1.25, zelo::MsgResult::Yes));
    EXPECT_EQ(seam_.messages.size(), 1u);
    for (int32_t i = 100; i <= 400; ++i) ASSERT_NEAR(gIK->Y_2(i), 0.25f, 1e-6) << i;
    EXPECT_NEAR(gIK->Mittelwert(), 1.25 * 399 / 400 - 1.0, 1e-4);
    EXPECT_EQ(gIK->FTR_Index(), 399);
    EXPECT_EQ(gCalc->Schrittweite(), 0.1f);
}

TEST_F(IKQuellenTest, KTimesIKFileIsDividedByK)
{
    const auto I = [](double K) { return -0.5 * std::cos(0.2 * K); };
    Projektdatei("probe.ikk", 401, 0.1, [&](double K) { return K * I(K); });
    ASSERT_TRUE(gIK->Einlesen());
    EXPECT_TRUE(seam_.messages.empty());
    EXPECT_NEAR(gIK->Y(1), 0.0, 1e-4);
    for (int32_t i = 2; i <= gIK->Punkte(); ++i) ASSERT_NEAR(gIK->Y(i), I(gIK->x(i)), 2e-3) << i;
    // The mean is that of the curve divided by K.
    double summe = 0.0;
    bool begonnen = false;
    for (int32_t i = 2; i <= gIK->Punkte(); ++i) {
        begonnen = begonnen || gIK->Y(i) > 0.0f;
        if (begonnen) summe += gIK->Y(i);
    }
    EXPECT_NEAR(gIK->Mittelwert(), summe / gIK->Punkte(), 1e-6);
}

TEST_F(IKQuellenTest, FlatOrMissingFileKeepsThePreviousCurve)
{
    ASSERT_TRUE(gIK->Rechteck());
    Projektdatei("flach.ik", 401, 0.1, [](double) { return 0.5; });
    EXPECT_FALSE(gIK->Einlesen());
    EXPECT_EQ(seam_.errorWindows, 1);
    EXPECT_EQ(gIK->Punkte(), 1800);
    EXPECT_EQ(gCalc->Punkte(), 1800);
    ExpectAllForms([](int32_t i) { return i <= 1000 ? 1.0f : 0.0f; });

    gCommon->Set_Dateiname((env_.Root() / "fehlt.ik").string());
    EXPECT_FALSE(gIK->Einlesen());
    EXPECT_EQ(gIK->Punkte(), 1800);
}

TEST_F(IKQuellenTest, FormulaReplacesEveryFormOrNothing)
{
    SetIK({1.0f, -2.0f, 0.5f});
    gIK->WerteUmrechnen("2*Y");
    ExpectAllForms([](int32_t i) { return std::vector<float>{2.0f, -4.0f, 1.0f}[size_t(i - 1)]; });
    gIK->WerteUmrechnen("y+x");
    EXPECT_FLOAT_EQ(gIK->Y(3), 1.2f);
    gIK->Daempfen(DA_Keine);
    EXPECT_FLOAT_EQ(gIK->Y(3), 1.2f);

    gIK->WerteUmrechnen("y/(x-0.1)");
    EXPECT_EQ(seam_.errorWindows, 1);
    EXPECT_FLOAT_EQ(gIK->Y(3), 1.2f);
    EXPECT_FLOAT_EQ(gIK->Y(1), 2.0f);
}

TEST_F(IKQuellenTest, StageStoreRestoresEveryForm)
{
    SetIK({0.5f, -1.0f, 2.0f, 1.0f});
    gSSC->ESC_HEADER();
    gSSC->Kurve_Sichern(6);
    ASSERT_TRUE(gSSC->Kurve_Zurueck(0, 6));
    ASSERT_TRUE(gIK->Rechteck());

    ASSERT_TRUE(gIK->Sicherheit_Zurueck());
    ASSERT_EQ(gIK->Punkte(), 4);
    ExpectAllForms([](int32_t i) { return std::vector<float>{0.5f, -1.0f, 2.0f, 1.0f}[size_t(i - 1)]; });
    // The undamped form is restored too, and no form keeps points of the longer curve.
    gIK->Daempfen(DA_Keine);
    EXPECT_EQ(gIK->Y(3), 2.0f);
    EXPECT_THROW(gIK->Y_RTR(5), rt::RuntimeError);
    EXPECT_FLOAT_EQ(gIK->Maximum(), 2.2f);
    EXPECT_FLOAT_EQ(gIK->Minimum(), -1.1f);
    EXPECT_EQ(gIK->FTR_Index(), 3);
    EXPECT_EQ(gCalc->Punkte(), 4);
    EXPECT_FLOAT_EQ(gCalc->Maximum_X(), 0.3f);
    EXPECT_EQ(seam_.logLines.back().substr(8), ": Sicherheitskopie reaktiviert, Kurve: I(K)");
}

TEST_F(IKQuellenTest, SmoothedCurveIsTakenOverOnlyWhenThereIsOne)
{
    std::vector<float> zackig(200);
    for (size_t i = 0; i < zackig.size(); ++i) zackig[i] = static_cast<float>(std::sin(0.05 * i) + (i % 2 ? 0.05 : -0.05));
    SetIK(zackig);
    gMath = std::make_unique<clsMath>();
    ASSERT_TRUE(gMath->CopyArrayFromCurve(6));
    gIK->Glaetten_Uebernehmen();
    EXPECT_EQ(seam_.errorWindows, 1);
    EXPECT_EQ(gIK->Y(2), zackig[1]);

    gMath->Glaetten(10000.0f);
    gIK->Glaetten_Uebernehmen();
    ExpectAllForms([](int32_t i) { return gMath->Y_G(i); });
}
