#pragma once
// The mean spacing of the peaks of the Gauss peak view and what follows from it: its wavelength
// 2π/Δ and the first peak's position in units of Δ.
#include <array>
#include <string>

class clsGauss;

struct Peakabstaende {
    float Delta = 0.0f;
    // "= Δ unit", "= 2π/Δ unit", "= x(1)/Δ"; all empty for a list of another curve kind, the
    // last two empty while Δ is 0.
    std::array<std::string, 3> Texte;
};

// Δ is the mean distance of each peak that is not a shoulder from its left neighbour, over the
// peaks of an I(K) (1/nm) or G(r) (nm) list; 0 with fewer than two peaks or no such pair.
Peakabstaende Peakabstaende_Berechnen(const clsGauss& peaks);
