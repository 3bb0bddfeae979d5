// What G(r) gives of the structure: coordination numbers and their shell limits, the packing
// fraction, the maxima as peaks, the Friedel and truncation periods, and the ripple's removal.
#include "AnalysisFixture.h"

#include "core/modString.h"

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

    // The running-integral coordination number of the mean density alone, 4πρ·(b³ − a³)/3.
    static double Kugelschale(double a, double b) { return 4.0 / 3.0 * kPi * 60.0 * (b * b * b - a * a * a); }
};

TEST_F(GRStrukturTest, HoyerTakesTheShellInEitherOrderAndShellLimitsAreKeptInsideGr)
{
    for (const auto& [r1, r2] : {std::pair{0.2f, 0.35f}, {0.35f, 0.2f}}) {
        gGR->setKZ_r1(r1);
        gGR->setKZ_r2(r2);
        gGR->KZ_Berechnen_Hoyer();
        EXPECT_EQ(gGR->KZ_Hoyer(), "8.765");
        EXPECT_EQ(gGR->KZ_r1(), 0.2f);
    }

    // Beyond both ends, and reversed from the last point: the whole sphere of the mean density.
    SetGR({});
    const float rEnde = gGR->R(1000);
    const double kugel = Kugelschale(0.0, rEnde);
    for (const auto& [r1, r2] : {std::pair{-0.1f, rEnde + 1.0f}, {rEnde, 0.0f}}) {
        gGR->setKZ_r1(r1);
        gGR->setKZ_r2(r2);
        gGR->KZ_Berechnen();
        EXPECT_EQ(gGR->KZ_r2(), rEnde);
        EXPECT_NEAR(gGR->KZ_Wert(), kugel, 1e-4 * kugel);
    }
    EXPECT_FLOAT_EQ(gGR->KZ_Hoyer_Wert(), static_cast<float>(kugel));
    // Limits between grid points: the partial strips at both ends count exactly.
    gGR->setKZ_r1(0.2013f);
    gGR->setKZ_r2(0.3507f);
    gGR->KZ_Berechnen();
    EXPECT_NEAR(gGR->KZ_Wert(), Kugelschale(0.2013, 0.3507), 2e-4 * Kugelschale(0.2013, 0.3507));
    gGR->setPunkte(0);
    gGR->KZ_Berechnen();
    EXPECT_EQ(gGR->KZ_Wert(), 0.0f);
}

TEST_F(GRStrukturTest, PackingFractionOfTheFirstPeakAndFriedelAndTruncationPeriods)
{
    // The packet about K = 16.8 1/nm is highest at r = 3π/(2K) = 0.2805 nm, grid point 74.
    WellenpaketIK(16.8);
    ASSERT_TRUE(gGR->Berechnen());
    ASSERT_EQ(gGR->First_Peak_Index(), 74);
    gMFE->setDichte_Experimentell(60.0f);
    EXPECT_NEAR(gGR->Raumerfuellung(), 68.96, 0.05);

    // Friedel and truncation periods need their wavelengths.
    gGR->setPunkte(1000);
    gMFE->setValenz(1.0f);
    gMFE->setDichte_Theoretisch(60.0f);
    gMFE->setKF2(static_cast<float>(2.0 * kPi / 0.5));
    EXPECT_EQ(gGR->Anzahl_Friedeloszillationen(), 7);
    for (const float valenz : {0.0f, Kein_Wert}) {  // no wavelength without conduction electrons
        gMFE->setValenz(valenz);
        EXPECT_EQ(gGR->Anzahl_Friedeloszillationen(), 0) << valenz;
    }

    SetIK(std::vector<float>(1500, 0.5f));
    gIK->setFTR_Index(1000);
    EXPECT_FLOAT_EQ(gGR->Abbruchoszillationen(), static_cast<float>(2.0 * kPi / 99.9));
    SetIK({0.5f});  // cut at K = 0
    gIK->setFTR_Index(1);
    EXPECT_EQ(gGR->Abbruchoszillationen(), 0.0f);
}

TEST_F(GRStrukturTest, MaximaBecomePeaksAndTheHighestGivesR0AndR1)
{
    // Maxima 1 at point 20, 3 at point 60 and 2 at point 100 (tents of slope 0.1).
    std::vector<float> g(120);
    for (int32_t i = 1; i <= 120; ++i)
        for (const auto& [mitte, hoehe] : {std::pair{20, 1.0f}, {60, 3.0f}, {100, 2.0f}})
            g[size_t(i - 1)] = std::max(g[size_t(i - 1)], hoehe - 0.1f * std::abs(i - mitte));
    SetGR(g);
    gGR->Peaks_Markieren();
    ASSERT_EQ(gGauss->Anzahl(), 3);
    EXPECT_EQ(gGauss->x(1), gGR->R(20));
    EXPECT_EQ(gGauss->A(2), 3.0f);
    EXPECT_EQ(gGR->r0(), gGR->R(60));
    EXPECT_EQ(gGR->r1(), gGR->R(100));

    // A G(r) falling from its first point lists r = 0; the highest peak last has no r1.
    SetGR({5.0f, 4.0f, 3.0f, 4.0f, 6.0f, 1.0f});
    gGR->Peaks_Markieren();
    ASSERT_EQ(gGauss->Anzahl(), 2);
    EXPECT_EQ(gGauss->x(1), 0.0f);
    EXPECT_EQ(gGR->r1(), 0.0f);
}

TEST_F(GRStrukturTest, RippleIsRemovedOnceAndRestored)
{
    WellenpaketIK(16.8, 1000, 1e-5f);  // cut where I(K) is small enough to hardly move the packet
    ASSERT_TRUE(gGR->Berechnen());
    const float vorher = gGR->Y(300);
    // Nothing computed: neither removal nor restoration changes G(r).
    gGR->AO_Weg(0);
    gGR->AO_Weg(1);
    EXPECT_EQ(gGR->Y(300), vorher);
    EXPECT_TRUE(seam.messages.empty());

    gGR->AO_Berechnen(1.0f, 1.0f);
    gGR->AO_Weg(1);  // nothing was removed
    EXPECT_EQ(gGR->Y(300), vorher);
    gGR->AO_Weg(0);
    EXPECT_TRUE(gGR->AO_Abgezogen());
    gGR->AO_Weg(0);  // twice: refused with a message
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Abbruchoszillationen bereits korrigiert");
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
