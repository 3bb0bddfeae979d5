#pragma once
// The labels of the peak marks in the Gauss view: each peak's position in the unit the x axis
// shows, and which labels move up a line so that close peaks keep readable labels.
#include <cstdint>
#include <string>
#include <vector>

// A peak position x (in the program's unit, 1/nm or nm) in the unit shown, faktor being that unit
// per program unit: three significant digits without exponent (0.253 nm, 2.53 Å, 28.6 1/nm), with
// the decimal sign of the user's number format.
std::string Peak_Text(float x, float faktor);

// The left and right pixel edges of a label.
struct Etikettkanten {
    int32_t links = 0, rechts = 0;
};
// For the labels in the order of their peaks: true where a label moves up one line, because at the
// peaks' height it would overlap the nearest label before it that stays there.
std::vector<bool> Hochgesetzt(const std::vector<Etikettkanten>& kanten);
