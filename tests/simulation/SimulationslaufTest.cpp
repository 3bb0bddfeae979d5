// The simulation's worker: the set-up and the cycles run off the calling thread, a picture of each
// finished cycle waits to be fetched, and a stop ends the work even in the middle of a cycle of a
// large box or of its set-up (how long it takes is measured by the benchmarks).
#include "analysis/DemoWerte.h"
#include "core/Resources.h"
#include "simulation/Simulationslauf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace {

Experimentdaten Demo() { return {Demo_Werte(zelo::Resource("DEMO_101")), 0.1f, 46.0f, 0.015f}; }

bool Warten(const Simulationslauf& lauf)
{
    for (int i = 0; i < 60000 && lauf.Beschaeftigt(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return !lauf.Beschaeftigt();
}

}

TEST(SimulationslaufTest, CyclesOnTheWorkerLeaveAPictureEach)
{
    clsVerfeinerung v(3);
    Simulationslauf lauf(v);
    EXPECT_FALSE(lauf.Starten(1, 0, 1)) << "nothing loaded";
    ASSERT_TRUE(lauf.Laden(Demo(), 5, Startgitter::fcc, false));
    ASSERT_TRUE(Warten(lauf));
    EXPECT_EQ(lauf.Platziert(), 500);
    ASSERT_TRUE(v.Geladen());

    // A run held in its pause until the stop keeps the worker busy for certain: neither a load nor
    // a run is taken meanwhile.
    v.Parameter_Setzen({});
    ASSERT_TRUE(lauf.Starten(0, std::numeric_limits<int32_t>::max(), 1));
    EXPECT_FALSE(lauf.Laden(Demo(), 5, Startgitter::fcc, false)) << "busy";
    EXPECT_FALSE(lauf.Starten(1, 0, 1)) << "busy";
    lauf.Stoppen();
    EXPECT_EQ(v.mc().Zyklus(), 0);
    ASSERT_TRUE(lauf.Starten(4, 0, 2));
    ASSERT_TRUE(Warten(lauf));
    Simulationsbild bild;
    ASSERT_TRUE(lauf.Bild_Holen(0, bild));
    EXPECT_EQ(bild.zyklus, 4);
    EXPECT_EQ(v.mc().Zyklus(), 4);
    EXPECT_EQ(bild.atome.size(), 500u);
    EXPECT_EQ(bild.SK.size(), 1000u) << "cycle 4 is one to draw";
    EXPECT_EQ(bild.chi2, v.chi2());
    EXPECT_EQ(bild.besterZyklus, v.Bester_Zyklus());
    EXPECT_FALSE(lauf.Bild_Holen(bild.nummer, bild)) << "nothing newer";

    // The smoothing width given during the work is taken over before the next cycle.
    lauf.setM(5);
    ASSERT_TRUE(lauf.Starten(1, 0, 1));
    ASSERT_TRUE(Warten(lauf));
    EXPECT_EQ(v.m(), 5);
}

TEST(SimulationslaufTest, EveryPictureHoldsTheWholeSimulatedSK)
{
    // Drawing every second cycle: the cycles between hold an S(K) as well, also the first ones after
    // a load, which the window draws after a stop.
    clsVerfeinerung v(3);
    Simulationslauf lauf(v);
    for (int32_t ladung = 1; ladung <= 2; ++ladung) {
        SCOPED_TRACE(ladung);
        ASSERT_TRUE(lauf.Laden(Demo(), 3, Startgitter::fcc, false));
        ASSERT_TRUE(Warten(lauf));
        v.Parameter_Setzen({});
        for (int32_t zyklus = 1; zyklus <= 3; ++zyklus) {
            ASSERT_TRUE(lauf.Starten(1, 0, 2));
            ASSERT_TRUE(Warten(lauf));
            Simulationsbild bild;
            ASSERT_TRUE(lauf.Bild_Holen(0, bild));
            EXPECT_EQ(bild.zyklus, zyklus);
            ASSERT_EQ(bild.SK.size(), 1000u) << "cycle " << zyklus;
            EXPECT_TRUE(std::all_of(bild.SK.begin(), bild.SK.end(), [](float s) { return std::isfinite(s); }));
        }
    }
}

TEST(SimulationslaufTest, StopEndsACycleOrASetUpOfALargeBoxAtOnce)
{
    clsVerfeinerung v(5);
    Simulationslauf lauf(v);
    // 4·20³ = 32,000 atoms: the set-up takes seconds; a stop ends it unfinished.
    ASSERT_TRUE(lauf.Laden(Demo(), 20, Startgitter::fcc, false));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    lauf.Stoppen();
    EXPECT_FALSE(lauf.Beschaeftigt());
    EXPECT_FALSE(v.Geladen());

    // 4·14³ = 10,976 atoms: a cycle takes long; a stop in its middle ends it without counting it.
    ASSERT_TRUE(lauf.Laden(Demo(), 14, Startgitter::fcc, false));
    ASSERT_TRUE(Warten(lauf));
    ASSERT_TRUE(v.Geladen());
    v.Parameter_Setzen({});
    ASSERT_TRUE(lauf.Starten(0, 0, 1));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    lauf.Stoppen();
    EXPECT_FALSE(lauf.Beschaeftigt());
    EXPECT_EQ(v.mc().Zyklus(), 0);
    EXPECT_EQ(v.Bester_Zyklus(), 0);

    // A waiting run ends at once too, and a cycle asked for starts without its pause.
    ASSERT_TRUE(lauf.Laden(Demo(), 3, Startgitter::fcc, false));
    ASSERT_TRUE(Warten(lauf));
    ASSERT_TRUE(lauf.Starten(0, 60000, 1));
    lauf.Schritt_Anfordern();
    Simulationsbild bild;
    for (int i = 0; i < 60000 && !lauf.Bild_Holen(0, bild); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(bild.zyklus, 1);
    lauf.Stoppen();
    EXPECT_FALSE(lauf.Beschaeftigt());
    EXPECT_EQ(v.mc().Zyklus(), 1) << "no cycle after the pause";
}
