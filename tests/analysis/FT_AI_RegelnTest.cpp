// The searches that move the cut-off and the end of the density line between automatic passes.
#include "analysis/FT_AI_Regeln.h"

#include <gtest/gtest.h>

#include <vector>

TEST(FT_AI_Regeln, CutOffMovesToTheNextZeroOfIKAndDensityLineRules)
{
    std::vector<float> ik(10, 1.0f);
    ik[5] = 0.0001f;  // point 6: not below the bound
    ik[6] = -0.00009f;  // point 7
    EXPECT_EQ(Abbruchstelle_Suchen(ik, 3), 7);
    EXPECT_EQ(Abbruchstelle_Suchen(ik, 7), 7) << "a zero at F keeps F";
    EXPECT_EQ(Abbruchstelle_Suchen(ik, 8), 8) << "F >= N - 2 stays";
    EXPECT_EQ(Abbruchstelle_Suchen(ik, 10), 10);
    ik[6] = 1.0f;
    ik[9] = 0.0f;  // the last point is not searched
    EXPECT_EQ(Abbruchstelle_Suchen(ik, 3), 10) << "no zero: the last point";

    // Falling to a minimum at 37, rising to the main peak at 52, falling to a minimum at 70, then rising.
    std::vector<float> gr(100);
    for (int32_t i = 1; i <= 100; ++i)
        gr[size_t(i - 1)] = i <= 37 ? 100.0f - i : i <= 52 ? 63.0f + (i - 37) : i <= 70 ? 78.0f - (i - 52) : 60.0f + (i - 70);
    EXPECT_EQ(Dichtegerade_Suchen(gr, DR_Vor_Hauptmaximum, 52, 5), 37);
    EXPECT_EQ(Dichtegerade_Suchen(gr, DR_Nach_Anker, 52, 52), 70) << "stops at the first rise";
    EXPECT_EQ(Dichtegerade_Suchen(gr, DR_Nach_Anker, 52, 10), 37);
    EXPECT_EQ(Dichtegerade_Suchen(gr, 3, 52, 10), 0) << "another rule leaves the line";

    // Rising all the way to the main peak: rule 1 reaches the first point.
    std::vector<float> steigend(60);
    for (size_t i = 0; i < steigend.size(); ++i) steigend[i] = i < 52 ? float(i) : float(100 - i);
    EXPECT_EQ(Dichtegerade_Suchen(steigend, DR_Vor_Hauptmaximum, 52, 5), 1);
    // Rule 2 without a rise before the last points keeps the line.
    EXPECT_EQ(Dichtegerade_Suchen(steigend, DR_Nach_Anker, 52, 52), 0);
    // Equal neighbours continue the walk.
    std::vector<float> flach{5, 4, 4, 4, 6, 7, 8, 9, 10, 11};
    EXPECT_EQ(Dichtegerade_Suchen(flach, DR_Nach_Anker, 0, 1), 4);
}

