// What G(r) gives of the structure: coordination numbers and their shell limits, the packing
// fraction, the maxima as peaks, the Friedel count, and the truncation ripple with its removal.
#include "AnalysisFixture.h"

#include "curves/modString.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

}

class GRStrukturTest : public AnalysisFixture {
protected:
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gFFT->SetupFFT();
        gMFE->setDichte_Experimentell(60.0f);
    }

    // G(r) from a list of values on its first points, 0 after them up to 1000 points.
    static void SetGR(const std::vector<float>& werte)
    {
        gGR->setPunkte(0);
        gGR->setPunkte(1000);
        for (size_t i = 0; i < werte.size(); ++i) gGR->Set_Y(static_cast<int32_t>(i + 1), werte[i]);
    }

    // The wave packet about K0 as G(r), cut at point F where I(K) is yF (small, so that it hardly
    // moves the packet).
    static void WellenpaketGR(double K0, int32_t F = 1500, float yF = 0.0f)
    {
        WellenpaketIK(K0, F, yF);
        ASSERT_TRUE(gGR->Berechnen());
    }

    // The running-integral coordination number of the mean density alone, 4πρ·(b³ − a³)/3.
    static double Kugelschale(double a, double b) { return 4.0 / 3.0 * kPi * 60.0 * (b * b * b - a * a * a); }
};

TEST_F(GRStrukturTest, HoyerCoordinationNumberTakesTheShellInEitherOrder)
{
    gGR->setKZ_r1(0.2f);
    gGR->setKZ_r2(0.35f);
    gGR->KZ_Berechnen_Hoyer();
    EXPECT_NEAR(gGR->KZ_Hoyer_Wert(), 8.765, 5e-4);
    EXPECT_EQ(gGR->KZ_Hoyer(), "8.765");

    gGR->setKZ_r1(0.35f);
    gGR->setKZ_r2(0.2f);
    gGR->KZ_Berechnen_Hoyer();
    EXPECT_NEAR(gGR->KZ_Hoyer_Wert(), 8.765, 5e-4);
    EXPECT_EQ(gGR->KZ_r1(), 0.2f);
    EXPECT_EQ(gGR->KZ_r2(), 0.35f);
}

TEST_F(GRStrukturTest, CoordinationNumberIntegratesTheRDFOverTheShell)
{
    // With G = 0 the RDF is the mean density's parabola, whose integral is Hoyer's number.
    SetGR({});
    gGR->setKZ_r1(0.2f);
    gGR->setKZ_r2(0.35f);
    gGR->KZ_Berechnen();
    const double streifen = gOptions->Delta_r() * (gGR->RDF_Parabel(53) + gGR->RDF_Parabel(93));
    EXPECT_NEAR(gGR->KZ_Wert(), Kugelschale(0.2, 0.35), streifen);
    EXPECT_FLOAT_EQ(gGR->RDF(53), gGR->RDF_Parabel(53));
    EXPECT_EQ(gGR->RDF(1001), 0.0f);
}

TEST_F(GRStrukturTest, ShellLimitsAreKeptInsideGr)
{
    SetGR({});
    const float rEnde = gGR->R(1000);
    gGR->setKZ_r1(-0.1f);
    gGR->setKZ_r2(rEnde + 1.0f);
    gGR->KZ_Berechnen();
    EXPECT_EQ(gGR->KZ_r1(), 0.0f);
    EXPECT_EQ(gGR->KZ_r2(), rEnde);
    const double kugel = Kugelschale(0.0, rEnde);
    const double streifen = gOptions->Delta_r() * gGR->RDF_Parabel(1000);
    EXPECT_NEAR(gGR->KZ_Wert(), kugel, streifen);
    EXPECT_FLOAT_EQ(gGR->KZ_Hoyer_Wert(), static_cast<float>(kugel));

    // Exactly at the last point, and with both limits reversed beyond it.
    gGR->setKZ_r1(rEnde);
    gGR->setKZ_r2(0.0f);
    gGR->KZ_Berechnen();
    EXPECT_NEAR(gGR->KZ_Wert(), kugel, streifen);

    // Without a G(r) there is nothing to integrate.
    gGR->setPunkte(0);
    gGR->KZ_Berechnen();
    EXPECT_EQ(gGR->KZ_Wert(), 0.0f);
}

TEST_F(GRStrukturTest, PackingFractionOfTheFirstPeak)
{
    // The packet about K = 16.8 1/nm is highest at r = 3π/(2K) = 0.2805 nm, grid point 74.
    WellenpaketGR(16.8);
    ASSERT_EQ(gGR->First_Peak_Index(), 74);
    gMFE->setDichte_Experimentell(60.0f);
    const double r = gGR->R(74);
    EXPECT_FLOAT_EQ(gGR->Raumerfuellung(), static_cast<float>(r * r * r * 60.0 * kPi / 6.0 * 100.0));
    EXPECT_NEAR(gGR->Raumerfuellung(), 68.96, 0.05);
}

TEST_F(GRStrukturTest, MaximaBecomePeaksAndTheHighestGivesR0AndR1)
{
    // Rises to 1 at point 20, 3 at point 60 and 2 at point 100, flat after 120.
    std::vector<float> g(120);
    for (int32_t i = 1; i <= 120; ++i) {
        const auto spitze = [i](int32_t mitte, float hoehe) { return std::max(0.0f, hoehe - 0.1f * std::abs(i - mitte)); };
        g[size_t(i - 1)] = std::max({spitze(20, 1.0f), spitze(60, 3.0f), spitze(100, 2.0f)});
    }
    SetGR(g);
    gGR->Peaks_Markieren();
    ASSERT_EQ(gGauss->Anzahl(), 3);
    EXPECT_EQ(gGauss->x(1), gGR->R(20));
    EXPECT_EQ(gGauss->A(2), 3.0f);
    EXPECT_EQ(gGauss->x(3), gGR->R(100));
    EXPECT_EQ(gGR->r0(), gGR->R(60));
    EXPECT_EQ(gGR->r1(), gGR->R(100));

    // A G(r) that falls from its first point lists r = 0; the highest peak last has no r1.
    SetGR({5.0f, 4.0f, 3.0f, 4.0f, 6.0f, 1.0f});
    gGR->Peaks_Markieren();
    ASSERT_EQ(gGauss->Anzahl(), 2);
    EXPECT_EQ(gGauss->x(1), 0.0f);
    EXPECT_EQ(gGR->r0(), gGR->R(5));
    EXPECT_EQ(gGR->r1(), 0.0f);

    SetGR({-1.0f, -2.0f, -1.5f, -3.0f});
    gGR->Peaks_Markieren();
    EXPECT_EQ(gGR->r0(), 0.0f);
    EXPECT_EQ(gGR->r1(), 0.0f);
}

TEST_F(GRStrukturTest, FriedelOscillationsNeedAWavelength)
{
    gGR->setPunkte(1000);
    gMFE->setValenz(1.0f);
    gMFE->setDichte_Theoretisch(60.0f);
    gMFE->setKF2(static_cast<float>(2.0 * kPi / 0.5));
    EXPECT_EQ(gGR->Anzahl_Friedeloszillationen(), 7);

    gMFE->setValenz(0.0f);  // no wavelength without conduction electrons
    EXPECT_EQ(gGR->Anzahl_Friedeloszillationen(), 0);
    gMFE->setValenz(Kein_Wert);
    EXPECT_EQ(gGR->Anzahl_Friedeloszillationen(), 0);
}

TEST_F(GRStrukturTest, TruncationPeriodNeedsACutOff)
{
    SetIK(std::vector<float>(1500, 0.5f));
    gIK->setFTR_Index(1000);
    EXPECT_FLOAT_EQ(gGR->Abbruchoszillationen(), static_cast<float>(2.0 * kPi / 99.9));
    // A one-point I(K) is cut at K = 0.
    SetIK({0.5f});
    gIK->setFTR_Index(1);
    ASSERT_EQ(gIK->FTR_Index(), 1);
    EXPECT_EQ(gGR->Abbruchoszillationen(), 0.0f);
    gIK = std::make_unique<clsIK>();
    EXPECT_EQ(gGR->Abbruchoszillationen(), 0.0f);
}

TEST_F(GRStrukturTest, RippleCentredAtZeroStaysFinite)
{
    // With b = 0 the ripple's centre is r = 0 = r(1), where r(0) = −Δr stands in.
    WellenpaketGR(16.8, 1000, 1e-5f);
    const double kF = gIK->x(1000);
    const double A = -2.0 / std::sqrt(2.0 * kPi) * gIK->Y(1000) * kF;
    gGR->AO_Berechnen(1.0f, 0.0f);
    const double dr = gOptions->Delta_r();
    EXPECT_NEAR(gGR->yt(1), A / -dr * std::sin(kF * -dr), 1e-4 * std::fabs(A) * kF);
    EXPECT_NE(gGR->yt(1), 0.0f);
}

TEST_F(GRStrukturTest, RippleModels)
{
    WellenpaketGR(16.8, 1000, 1e-5f);
    // The first peak and one maximum near each Friedel wavelength after it.
    gMFE->setValenz(1.0f);
    gMFE->setDichte_Theoretisch(60.0f);
    gMFE->setKF2(static_cast<float>(2.0 * kPi / 0.374));  // one period of sin(16.8·r)
    gGR->Abbruchoszillationen_Berechnen(0);
    ASSERT_EQ(gGauss->Anzahl(), 10);
    EXPECT_EQ(gGauss->x(1), gGR->R(74));
    for (int32_t p = 2; p <= 10; ++p) EXPECT_NEAR(gGauss->x(p) - gGauss->x(p - 1), 0.374, 2.0 * gOptions->Delta_r()) << p;
    const float summe = gGR->yt(400);
    gGR->Abbruchoszillationen_Berechnen(2);
    const float zweiter = gGR->yt(400);
    EXPECT_NE(summe, zweiter);
    EXPECT_NE(zweiter, 0.0f);
    gGR->Abbruchoszillationen_Berechnen(11);
    EXPECT_EQ(gGR->yt(400), 0.0f);

    // Without a cut-off K there is no ripple, and no failure.
    gIK = std::make_unique<clsIK>();
    gGR->Abbruchoszillationen_Berechnen(0);
    EXPECT_EQ(gGR->yt(400), 0.0f);
    EXPECT_TRUE(seam_.messages.empty());
}

TEST_F(GRStrukturTest, RippleIsRemovedOnceAndRestored)
{
    WellenpaketGR(16.8, 1000, 1e-5f);
    const float vorher = gGR->Y(300);
    // Nothing computed: neither removal nor restoration changes G(r).
    gGR->AO_Weg(0);
    gGR->AO_Weg(1);
    EXPECT_EQ(gGR->Y(300), vorher);
    EXPECT_TRUE(seam_.messages.empty());

    gGR->AO_Berechnen(1.0f, 1.0f);
    gGR->AO_Weg(1);  // nothing was removed
    EXPECT_EQ(gGR->Y(300), vorher);
    gGR->AO_Weg(0);
    EXPECT_FLOAT_EQ(gGR->Y(300), vorher - gGR->yt(300));
    EXPECT_TRUE(gGR->AO_Abgezogen());
    gGR->AO_Weg(0);
    ASSERT_EQ(seam_.messages.size(), 1u);
    EXPECT_EQ(seam_.messages[0].text, "Abbruchoszillationen bereits korrigiert");
    EXPECT_EQ(seam_.messages[0].icon, zelo::MsgIcon::Exclamation);
    EXPECT_FLOAT_EQ(gGR->Y(300), vorher - gGR->yt(300));
    gGR->AO_Weg(1);
    EXPECT_FLOAT_EQ(gGR->Y(300), vorher);

    // A new ripple replaces a removed one only after G(r) has the old one back.
    gGR->AO_Weg(0);
    gGR->AO_Berechnen(2.0f, 1.0f);
    EXPECT_FLOAT_EQ(gGR->Y(300), vorher);
    EXPECT_FALSE(gGR->AO_Abgezogen());

    // A new G(r) has no ripple yet.
    ASSERT_TRUE(gGR->Berechnen());
    EXPECT_FALSE(gGR->AO_Berechnet());
    EXPECT_EQ(gGR->yt(300), 0.0f);
}
