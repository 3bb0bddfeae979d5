// The molecular dynamics: the Lennard-Jones force, the balance of forces, and the Verlet steps.
#include "simulation/clsMD.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(clsMDTest, ForceLaw)
{
    EXPECT_NEAR(LJ_Faktor(std::pow(2.0, 1.0 / 3.0)), 0.0, 1e-12);
    for (double r : {0.95, 1.3, 2.4}) {
        const double h = 1e-6;
        const double ableitung = (LJ_Energie((r + h) * (r + h)) - LJ_Energie((r - h) * (r - h))) / (2 * h);
        EXPECT_NEAR(LJ_Faktor(r * r), -ableitung / r, 1e-6 * std::max(1.0, std::abs(ableitung)));
    }
}

TEST(clsMDTest, ForcesBalanceAndTheListingHoldsOneStep)
{
    // A fixed seed: a random start may find no room for the last atoms of this box (the placing then
    // gives up), and this one places them all.
    clsMD md(0.001, 1);
    ASSERT_EQ(md.Cluster_Erzeugen(Startgitter::Zufall, 2, clsMD::kStandardDichte), 32);
    for (int i = 0; i < 3; ++i) md.Schritt();
    double fx = 0, fy = 0, fz = 0, groesste = 0;
    for (int32_t i = 1; i <= md.N(); ++i) {
        fx += md.Atom(i).Fx;
        fy += md.Atom(i).Fy;
        fz += md.Atom(i).Fz;
        groesste = std::max(groesste, std::hypot(md.Atom(i).Fx, md.Atom(i).Fy, md.Atom(i).Fz));
    }
    EXPECT_LT(std::hypot(fx, fy, fz), 1e-12 * groesste);
    EXPECT_EQ(md.Liste().size(), 32u);
}

TEST(clsMDTest, TwoAtomsConserveEnergy)
{
    clsMD md(0.001);
    md.Atome_Setzen({{4.0, 5.0, 5.0}, {5.5, 5.0, 5.0}}, 10.0);
    md.Schritt();
    const double anfang = md.Energie();
    double abweichung = 0;
    for (int i = 0; i < 10000; ++i) {
        md.Schritt();
        abweichung = std::max(abweichung, std::abs(md.Energie() - anfang));
    }
    EXPECT_LT(abweichung, 1e-4);
}

TEST(clsMDTest, RestingFccLatticeStaysAtRest)
{
    clsMD md(0.001);
    ASSERT_EQ(md.Cluster_Erzeugen(Startgitter::fcc, 3, clsMD::kStandardDichte), 108);
    std::vector<MDAtomRecord> vorher;
    for (int32_t i = 1; i <= md.N(); ++i) vorher.push_back(md.Atom(i));
    for (int i = 0; i < 20; ++i) md.Schritt();
    for (int32_t i = 1; i <= md.N(); ++i) {
        EXPECT_NEAR(md.Atom(i).x, vorher[i - 1].x, 1e-9);
        EXPECT_NEAR(md.Atom(i).y, vorher[i - 1].y, 1e-9);
        EXPECT_NEAR(md.Atom(i).z, vorher[i - 1].z, 1e-9);
    }
}

TEST(clsMDTest, StandardStepKeepsADisturbedLatticeTogether)
{
    // At a picosecond per step the disturbance grows without bound; the standard step conserves energy.
    clsMD md;
    ASSERT_EQ(md.Cluster_Erzeugen(Startgitter::fcc, 3, clsMD::kStandardDichte), 108);
    std::vector<Ort> orte;
    for (int32_t i = 1; i <= md.N(); ++i) {
        const double s = 0.02 * std::sin(7.0 * i);
        orte.push_back({md.Atom(i).x + s, md.Atom(i).y - s, md.Atom(i).z + 0.5 * s});
    }
    md.Atome_Setzen(orte, md.L());
    md.Schritt();
    const double anfang = md.Energie();
    for (int i = 0; i < 500; ++i) md.Schritt();
    EXPECT_NEAR(md.Energie(), anfang, 1e-3 * std::abs(anfang));
}
