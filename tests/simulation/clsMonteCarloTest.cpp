// The Monte Carlo model: box and lattices from the density, the nearest image, the pair histogram,
// and the sampling of an ideal gas and of two atoms in a linear potential.
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/clsMonteCarlo.h"
#include "simulation/clsVerfeinerung.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(clsMonteCarloTest, BoxAndFccStartFromTheDensity)
{
    clsMonteCarlo mc;
    mc.Gitter_Einrichten(501);
    ASSERT_EQ(mc.Cluster_Erzeugen(Startgitter::fcc, 5, 46.0f), 500);
    EXPECT_NEAR(mc.d(), 0.17313f, 1e-5f);
    EXPECT_NEAR(mc.L(), 2.21515f, 1e-5f);
    EXPECT_EQ(mc.kmax(), 353);

    std::vector<float> hist(502);
    mc.Paare_Zaehlen(hist);
    const std::pair<int, float> schalen[] = {{101, 6000}, {142, 3000}, {174, 12000}, {200, 6000}, {224, 12000}, {245, 4000}};
    for (const auto& [bin, anzahl] : schalen) EXPECT_EQ(hist[bin], anzahl) << "bin " << bin;

    const std::vector<Ort> klein = Cluster_fcc(2, 2.0);
    ASSERT_EQ(klein.size(), 32u);
    EXPECT_DOUBLE_EQ(klein[8].x, 0.5);
    EXPECT_DOUBLE_EQ(klein[8].y, 0.5);
    EXPECT_DOUBLE_EQ(klein[8].z, 0.0);
}

TEST(clsMonteCarloTest, StartsPlaceEveryAtomApart)
{
    EXPECT_EQ(Cluster_sc(500, 2.0).size(), 500u);
    EXPECT_EQ(Cluster_sc(27, 2.0).size(), 27u);
    const std::vector<Ort> sc = Cluster_sc(32, 2.0);
    for (size_t i = 0; i < sc.size(); ++i)
        for (size_t j = i + 1; j < sc.size(); ++j)
            EXPECT_GT(std::hypot(sc[i].x - sc[j].x, sc[i].y - sc[j].y, sc[i].z - sc[j].z), 0.49);
    clsMonteCarlo mc;
    mc.Gitter_Einrichten(501);
    EXPECT_EQ(mc.Cluster_Erzeugen(Startgitter::Zufall, 5, 46.0f), 500);
}

TEST(clsMonteCarloTest, NearestImage)
{
    clsMonteCarlo mc;
    ASSERT_TRUE(mc.Box_Einrichten(0.25f, 2));
    ASSERT_FLOAT_EQ(mc.L(), 2.0f);
    mc.setAtom(1, 0.1f, 0, 0);
    mc.setAtom(2, 1.9f, 0, 0);
    EXPECT_NEAR(mc.Abstand(1, 2), 0.2f, 1e-6f);
}

TEST(clsMonteCarloTest, SmallBoxesStayInsideTheGrid)
{
    const std::vector<float> iK = Demo_Werte(zelo::Resource("DEMO_101"));
    for (int32_t n : {1, 2, 4}) {
        clsVerfeinerung v;
        ASSERT_EQ(v.Experiment_Laden({iK, 0.1f, 46.0f, 0.015f}, n, Startgitter::fcc, true), 4 * n * n * n);
        EXPECT_LE(v.mc().kmax(), v.mc().nbins());
        for (int i = 0; i < 3; ++i) v.Zyklus();
    }
}

TEST(clsMonteCarloTest, IdealGasHasFlatPairDistribution)
{
    clsMonteCarlo mc;
    mc.Gitter_Einrichten(2049);
    ASSERT_TRUE(mc.Box_Einrichten(46.0f, 2048));
    mc.setHartkern(0);
    const std::vector<Ort> gas = Cluster_Zufall(2048, mc.L(), 0.0, mc.Zufallsquelle());
    for (int32_t i = 1; i <= 2048; ++i) mc.setAtom(i, float(gas[i - 1].x), float(gas[i - 1].y), float(gas[i - 1].z));
    std::vector<float> paare(2050);
    mc.Paare_Zaehlen(paare);
    mc.gr_berechnen();
    // Ten bands of bins between 0.31 nm and half the box, each within three standard errors of 1.
    const int32_t von = 100, breite = (mc.kmax() - von) / 10;
    for (int32_t band = 0; band < 10; ++band) {
        double g = 0, gezaehlt = 0;
        for (int32_t k = von + band * breite; k < von + (band + 1) * breite; ++k) {
            g += mc.g_hist()[k] / breite;
            gezaehlt += paare[k] / 2;
        }
        EXPECT_NEAR(g, 1.0, 3 / std::sqrt(gezaehlt)) << "band " << band;
    }
}

TEST(clsMonteCarloTest, TwoAtomsSampleTheBoltzmannWeight)
{
    // Two atoms, no hard core, V(r) = c·r up to half the box: the distance follows 4πr²·exp(-c·r).
    clsMonteCarlo mc(7);
    mc.Gitter_Einrichten(400);
    ASSERT_TRUE(mc.Box_Einrichten(0.25f, 2));
    mc.setHartkern(0);
    mc.setDelta(1.0f);
    const double c = 4;
    for (int32_t k = 0; k <= 400; ++k) mc.V()[k] = float(c * k * clsMonteCarlo::kDr);
    mc.setAtom(1, 0.5f, 0.5f, 0.5f);
    mc.setAtom(2, 1.5f, 1.5f, 1.5f);
    constexpr int kBins = 20;
    const double halb = 1.0, breite = halb / kBins;
    std::vector<double> gezaehlt(kBins);
    for (int schritt = 0; schritt < 400000; ++schritt) {
        mc.Atom_Verschieben(1 + schritt % 2);
        const double r = mc.Abstand(1, 2);
        if (schritt % 4 == 0 && r < halb) gezaehlt[size_t(r / breite)] += 1;
    }
    std::vector<double> gewicht(kBins);
    double summeGewicht = 0, summe = 0;
    for (int b = 0; b < kBins; ++b) {
        for (int s = 0; s < 100; ++s) {
            const double r = (b + (s + 0.5) / 100) * breite;
            gewicht[b] += r * r * std::exp(-c * r);
        }
        summeGewicht += gewicht[b];
        summe += gezaehlt[b];
    }
    double chi2 = 0;
    for (int b = 0; b < kBins; ++b) {
        const double erwartet = summe * gewicht[b] / summeGewicht;
        chi2 += (gezaehlt[b] - erwartet) * (gezaehlt[b] - erwartet) / erwartet;
    }
    // 19 degrees of freedom: 43.8 is exceeded by chance once in a thousand runs.
    EXPECT_LT(chi2, 43.8);
}
