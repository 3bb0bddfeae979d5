#pragma once
// Numbers in the panels' text boxes and labels.
#include <cstdint>
#include <optional>
#include <string>

// The number a text box holds (decimal comma or point); none for a blank box or text that is not
// a number, which the panels ignore.
std::optional<float> Feld_Zahl(const std::string& text);

// A Single as the run time writes it, with the decimal sign of the user's number format.
std::string Lokale_Zahl(float value);

// The whole per cent of a weight (0.7 → 70), cut off, computed in single precision as the label
// always showed it.
int32_t Ganze_Prozent(float gewicht);
