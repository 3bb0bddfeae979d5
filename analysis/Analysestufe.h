#pragma once
// Saving the analysis' curves in the stage store gSSC.
#include <cstdint>

// Saves a copy of the current curve of kind TypKurve in gSSC: 5 the fitted background, 6 I(K),
// 7 G(r), each on its own grid from 0; any other kind as clsSSC::Kurve_Sichern saves it.
void Analysestufe_Sichern(int32_t TypKurve);
