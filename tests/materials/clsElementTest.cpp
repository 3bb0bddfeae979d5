#include "materials/clsElement.h"

#include "core/modString.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(clsElement, ElectronsByAngularQuantumNumberAndPlaneSpacingOfCubicElements)
{
    clsElement element;  // 1s2 2s2 2p6 3s1 ... 4f14 5f3
    for (const auto& [orbital, electrons] : {std::pair{0, 2}, {1, 2}, {2, 6}, {3, 1}, {12, 14}, {16, 3}})
        element.setElektronen(orbital, electrons);
    for (const auto& [l, electrons] : {std::pair{0, 5}, {1, 6}, {2, 0}, {3, 17}, {4, 0}, {-1, 0}})
        EXPECT_EQ(element.Orbital_L_Elektronen(l), electrons) << l;

    element.setStruktur_System(1);
    element.setStruktur_a(0.4f);
    EXPECT_NEAR(element.Ebenenabstand(1, 1, 1), 0.4 / std::sqrt(3.0), 1e-6);
    EXPECT_EQ(element.Ebenenabstand(0, 0, 0), 0.0f);
    element.setStruktur_a(-1);
    EXPECT_EQ(element.Struktur_a(), Kein_Wert) << "a lattice constant stored as -1 is unknown";
    EXPECT_EQ(element.Ebenenabstand(1, 1, 1), 0.0f);
    element.setStruktur_a(0.4f);
    element.setStruktur_System(2);
    EXPECT_EQ(element.Ebenenabstand(1, 1, 1), 0.0f) << "only cubic";
}
