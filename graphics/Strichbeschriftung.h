#pragma once
// The numbers at the ticks of an axis. A label names its tick: read back, it lies within a
// twentieth of the tick spacing of the tick's value, so a tick at 0.236 never reads "0.2".
#include <span>
#include <string>
#include <vector>

// The labels of one axis's ticks, werte[i] with the distance abstaende[i] to its neighbouring tick
// (on a logarithmic axis each tick has its own). Numbers between 0.001 and 1000 are written with the
// decimals the spacing suggests, at least one, and more when a tick needs them to keep within its
// twentieth; the same count for all of them. Others keep the exponent form ("1.23E+04"), with more
// digits in the same way. Zero reads "0,0" as every zero of the diagram.
std::vector<std::string> Strich_Texte(std::span<const float> werte, std::span<const float> abstaende);
