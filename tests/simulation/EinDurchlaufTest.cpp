// The trial move looks at the other atoms in one sweep; it must move, accept and reject exactly as
// three sweeps do: the energy where the atom stands, the overlap test at its new place, and the
// energy there, each summed in atom order.
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/clsVerfeinerung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool Drei_Durchlaeufe(clsMonteCarlo& mc, int32_t i)
{
    const AtomRecord alt = mc.Atom(i);
    float eAlt = 0;
    for (int32_t j = 1; j <= mc.N(); ++j)
        if (j != i) eAlt += mc.Potential_Wert(mc.Abstand(i, j));
    float neu[3] = {alt.x, alt.y, alt.z};
    for (float& c : neu) {
        c += mc.delta() * (2 * mc.Zufallsquelle().Rnd() - 1);
        if (c < 0)
            c += mc.L();
        else if (c > mc.L())
            c -= mc.L();
    }
    mc.setAtom(i, neu[0], neu[1], neu[2]);
    for (int32_t j = 1; j <= mc.N(); ++j)
        if (j != i && mc.Abstand(i, j) <= mc.d()) {
            mc.setAtom(i, alt.x, alt.y, alt.z);
            return false;
        }
    const float eNeu = mc.potential_gesamt(i);
    if (eNeu <= eAlt || std::exp(-(static_cast<double>(eNeu) - eAlt)) > mc.Zufallsquelle().Rnd()) return true;
    mc.setAtom(i, alt.x, alt.y, alt.z);
    return false;
}

}

TEST(EinDurchlaufTest, OneSweepMovesExactlyAsThreeSweeps)
{
    // A refined potential with a wall and wells, on a random start whose moves overlap often.
    clsVerfeinerung v(7);
    ASSERT_GT(v.Experiment_Laden({Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, 0.015f}, 3, Startgitter::Zufall,
                                 true),
              0);
    v.Parameter_Setzen({});
    for (int k = 0; k < 5; ++k) v.Zyklus();
    v.mc().setDelta(v.mc().d());  // large steps: many overlaps and many energy rises

    clsMonteCarlo einer = v.mc();
    clsMonteCarlo drei = v.mc();
    int32_t angenommen = 0;
    int32_t abgelehnt = 0;
    for (int32_t runde = 0; runde < 3; ++runde) {
        for (int32_t i = 1; i <= einer.N(); ++i) {
            const bool a = einer.Atom_Verschieben(i);
            ASSERT_EQ(a, Drei_Durchlaeufe(drei, i)) << "atom " << i << ", round " << runde;
            a ? ++angenommen : ++abgelehnt;
            ASSERT_EQ(einer.Atom(i).x, drei.Atom(i).x);
            ASSERT_EQ(einer.Atom(i).y, drei.Atom(i).y);
            ASSERT_EQ(einer.Atom(i).z, drei.Atom(i).z);
        }
    }
    EXPECT_GT(angenommen, 0);
    EXPECT_GT(abgelehnt, 0);
    EXPECT_EQ(einer.Zufallsquelle().Rnd(), drei.Zufallsquelle().Rnd()) << "the same random numbers were drawn";
}
