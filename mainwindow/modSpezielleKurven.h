#pragma once
// The generated and demonstration curves of the "special curve" menu as projects: their type,
// special code and a results folder of their own.
#include <cstdint>
#include <string>

// The base name under which a special curve's results are written ("Rechteck_IK", ...).
std::string Spezielle_Kurve_Name(int32_t spezial);

// Describes the special curve in gCommon: project type and special code, the processing log on,
// and as project file the curve's base name in the per-user results folder, which is created.
// False, reported, when that folder cannot be made.
bool Spezielle_Kurve_Beschreiben(int32_t projektTyp, int32_t spezial);
