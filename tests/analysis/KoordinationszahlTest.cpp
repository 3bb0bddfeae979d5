// The coordination number counts the neighbours in a shell: the integral of the RDF over it, with
// nothing taken off. A shell of the mean density alone holds (4/3)πρ(r2³ − r1³) atoms; a shell of
// N excess atoms on top of it holds N more.
#include "AnalysisFixture.h"

class KoordinationszahlTest : public AnalysisFixture {
protected:
    static constexpr double kRho = 60.0;
    void SetUp() override
    {
        AnalysisFixture::SetUp();
        gFFT->SetupFFT();
        gMFE->setDichte_Experimentell(static_cast<float>(kRho));
        gGR->setPunkte(0);
        gGR->setPunkte(1000);
    }
    static double Mittlere(double r1, double r2) { return 4.0 / 3.0 * kPi * kRho * (r2 * r2 * r2 - r1 * r1 * r1); }
    static double Zahl(float r1, float r2)
    {
        gGR->setKZ_r1(r1);
        gGR->setKZ_r2(r2);
        gGR->KZ_Berechnen();
        return gGR->KZ_Wert();
    }
};

TEST_F(KoordinationszahlTest, ShellOfTheMeanDensityAndAShellOfExcessAtoms)
{
    // G = 0: the RDF is the mean-density parabola 4πρr²; a thin shell holds about five atoms.
    for (const auto& [r1, r2] : {std::pair{0.25f, 0.33f}, {0.0f, 0.2f}, {0.41f, 0.43f}})
        EXPECT_NEAR(Zahl(r1, r2), Mittlere(r1, r2), 2e-4 * Mittlere(r1, r2) + 1e-4) << r1 << ".." << r2;

    // Twelve excess atoms in a Gaussian shell at 0.28 nm: r·G integrates to 12.
    constexpr double N = 12.0, r0 = 0.28, s = 0.02;
    for (int32_t i = 1; i <= 1000; ++i) {
        const double r = gGR->R(i);
        if (r > 0.0)
            gGR->Set_Y(i, static_cast<float>(N / (s * std::sqrt(2.0 * kPi)) * std::exp(-(r - r0) * (r - r0) / (2 * s * s)) / r));
    }
    EXPECT_NEAR(Zahl(0.18f, 0.38f), Mittlere(0.18, 0.38) + N, 0.01 * N);
}
