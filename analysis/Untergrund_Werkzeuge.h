#pragma once
// The background panel's arithmetic without a window: the support points it proposes from the
// averaged spectrum, the flat zero background, and the support-point file it reloads.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct Stuetzstelle {
    float x;
    float y;
};

// Support points for a spectrum J(K) with x[i], y[i] (point i + 1) and step schrittweite: steeply
// falling points sit on the curve, a gently falling stretch gets three points below it and ends the
// scan, and every 100th point of the tail gets one at 70 % of J. Empty for 101 points or fewer.
std::vector<Stuetzstelle> Stuetzstellen_Vorschlagen(std::span<const float> x, std::span<const float> y,
                                                    float schrittweite);

// Twenty points at y = 0, evenly inside (0, xLetzter): neither end carries a point.
std::vector<Stuetzstelle> Null_Untergrund(float xLetzter);

// The name of the "*.ugs" file in ordner that belongs to the project file projektname (its name
// without extension): the one of that name when there is one, else the first of the folder, sorted
// by name without regard to case (ties by case); "" when there is none or the folder cannot be read.
// A directory listing has no order of its own, so the choice must not depend on it.
std::string Erste_UG_Datei(const std::string& ordner, const std::string& projektname);
