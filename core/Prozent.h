#pragma once
// Whether a percentage shown as a quality figure (a deviation, a smoothness, a share) means
// anything: a value that is not a number or lies outside [von, bis] came from a computation that
// had nothing sound to work on, and the labels show "n/a" in its place.
#include <cmath>

inline bool Prozent_Sinnvoll(double prozent, double von = -100.0, double bis = 100.0)
{
    return std::isfinite(prozent) && prozent >= von && prozent <= bis;
}
