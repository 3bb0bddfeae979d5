#pragma once
// The calibration factor CF that turns a distance in image pixels into K in 1/nm, from the camera
// constant C the user types: CF = C / 1E6 · 2π.
#include <string>

inline constexpr const char* kKamerakonstante_Start = "29800";

// CF for the typed camera constant (decimal comma or point); bisher when the text is not a positive
// number, so that a slip of the keyboard keeps the calibration.
float CF_Aus_Text(const std::string& text, float bisher);
// "CF = C/1E6 *2Pi = 0.187239 1/(Pixel nm)".
std::string CF_Beschriftung(float cf);
