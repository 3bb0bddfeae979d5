// Figures in the value label that cannot mean anything (a deviation of millions of per cent, a
// density that was never found, a share that is not a number) read "n/a", as an unknown
// theoretical density always did; sound figures keep their numbers.
#include "mainwindow/Wertanzeige.h"

#include "core/Prozent.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

namespace {

class WertanzeigeNaTest : public ::testing::Test, protected TestWorld {};

std::vector<std::string> Zeilen(const std::string& text)
{
    std::vector<std::string> zeilen;
    std::istringstream in(text);
    for (std::string zeile; std::getline(in, zeile);) zeilen.push_back(zeile);
    return zeilen;
}

bool EndetMit(const std::string& text, const std::string& ende)
{
    return text.size() >= ende.size() && text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}

}

TEST_F(WertanzeigeNaTest, NonsenseDeviationsAndDensitiesShowNotAvailable)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float abweichung : {111279640.0f, -189930.7f, nan, std::numeric_limits<float>::infinity()}) {
        const auto ik = Zeilen(Wertanzeige_IK({12.0f, 3.0f, 60.0f, abweichung}, true));
        ASSERT_EQ(ik.size(), 4u);
        EXPECT_TRUE(EndetMit(ik[3], ": n/a")) << ik[3];
        const auto gr = Zeilen(Wertanzeige_GR({60.0f, 57.3f, 58.0f, 64.0f, abweichung}, true));
        EXPECT_TRUE(EndetMit(gr[4], ": n/a")) << gr[4];
    }
    const auto gr = Zeilen(Wertanzeige_GR({60.0f, 57.3f, 0.0f, nan, 1.0f}, true));
    EXPECT_TRUE(EndetMit(gr[2], "n/a")) << "the running integral never reached the density: " << gr[2];
    EXPECT_TRUE(EndetMit(gr[3], "n/a")) << gr[3];
    EXPECT_TRUE(EndetMit(Zeilen(Wertanzeige_GR({60.0f, nan, 58.0f, 64.0f, 1.0f}, true))[1], "n/a"));

    // Sound figures keep their numbers, 100 % included.
    const auto gut = Zeilen(Wertanzeige_IK({12.0f, 3.0f, 60.0f, -100.0f}, true));
    EXPECT_TRUE(EndetMit(gut[3], "100.00 %") || EndetMit(gut[3], "100,00 %")) << gut[3];
}

TEST_F(WertanzeigeNaTest, AG_rWithoutAnExperimentalDensityShowsNoFiguresThatDependOnIt)
{
    // A G(r) whose density line gave no positive density keeps the density unknown (0): no
    // "0.000 1/nm³", no share of the theory, no packing of 0 % and no deviation of a line never set.
    const auto gr = Zeilen(Wertanzeige_GR({60.0f, 0.0f, 0.0f, 0.0f, 100.0f}, true));
    ASSERT_EQ(gr.size(), 5u);
    for (size_t zeile = 1; zeile < gr.size(); ++zeile) EXPECT_TRUE(EndetMit(gr[zeile], ": n/a")) << gr[zeile];
    EXPECT_EQ(gr[1].find("Theorie"), std::string::npos) << gr[1];
    EXPECT_TRUE(EndetMit(Zeilen(Wertanzeige_IK({12.0f, 3.0f, 0.0f, 5.0f}, true))[2], ": n/a"));

    const auto gut = Zeilen(Wertanzeige_GR({60.0f, 57.3f, 58.0f, 64.0f, 3.0f}, true));
    EXPECT_NE(gut[1].find("Theorie"), std::string::npos) << gut[1];
    EXPECT_FALSE(EndetMit(gut[3], "n/a")) << gut[3];
    EXPECT_FALSE(EndetMit(gut[4], "n/a")) << gut[4];
}

TEST(Prozent, OnlyFiniteFiguresInsideTheirRangeMeanSomething)
{
    EXPECT_TRUE(Prozent_Sinnvoll(0.0));
    EXPECT_TRUE(Prozent_Sinnvoll(-100.0));
    EXPECT_TRUE(Prozent_Sinnvoll(100.0));
    EXPECT_FALSE(Prozent_Sinnvoll(100.07, 0.0)) << "a smoothness above 100 %";
    EXPECT_FALSE(Prozent_Sinnvoll(-0.5, 0.0));
    EXPECT_FALSE(Prozent_Sinnvoll(573.49));
    EXPECT_FALSE(Prozent_Sinnvoll(std::nan("")));
}
