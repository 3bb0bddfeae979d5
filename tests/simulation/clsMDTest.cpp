// The molecular dynamics: the Lennard-Jones force, the balance of forces, and the Verlet steps.
#include "simulation/clsMD.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(clsMDTest, ForcesBalanceAndTheListingHoldsOneStep)
{
    clsMD md(0.001);
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

TEST(clsMDTest, TwoAtomsAndADisturbedLatticeAtTheStandardStepConserveEnergy)
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

    // At a picosecond per step the disturbance grows without bound; the standard step conserves energy.
    clsMD gitter;
    ASSERT_EQ(gitter.Cluster_Erzeugen(Startgitter::fcc, 3, clsMD::kStandardDichte), 108);
    std::vector<Ort> orte;
    for (int32_t i = 1; i <= gitter.N(); ++i) {
        const double s = 0.02 * std::sin(7.0 * i);
        orte.push_back({gitter.Atom(i).x + s, gitter.Atom(i).y - s, gitter.Atom(i).z + 0.5 * s});
    }
    gitter.Atome_Setzen(orte, gitter.L());
    gitter.Schritt();
    const double gitterAnfang = gitter.Energie();
    for (int i = 0; i < 500; ++i) gitter.Schritt();
    EXPECT_NEAR(gitter.Energie(), gitterAnfang, 1e-3 * std::abs(gitterAnfang));
}

