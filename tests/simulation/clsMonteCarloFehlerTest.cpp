// A box too large for the bin numbers reports the overflow and gives bin 0.
#include "simulation/clsMonteCarlo.h"
#include "support/Gemeldet.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

class MonteCarloFehlerTest : public testing::Test, protected TestWorld {};

TEST_F(MonteCarloFehlerTest, ABoxBeyondTheBinRangeIsReported)
{
    clsMonteCarlo mc;
    mc.Gitter_Einrichten(100);
    ASSERT_TRUE(mc.Box_Einrichten(1e-30f, 4));
    EXPECT_EQ(Gemeldet([&] { EXPECT_EQ(mc.kmax(), 0); }), "clsMonteCarlo.kmax 6");
}
