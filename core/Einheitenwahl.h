#pragma once
// The K and r units chosen for a project's curve file.
#include <cstdint>

// Positions chosen in the unit lists of the project settings window: 0 is 1/nm for K and nm for r,
// any other position 1/Angstrom and Angstrom.
struct Einheitenwahl {
    int32_t K_Einheit = 0;
    int32_t R_Einheit = 0;
};
