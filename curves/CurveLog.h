#pragma once
// Log lines of the curve editing: the processing log (while a project has one) and the time of
// day that many lines begin with.
#include <cstdint>
#include <string>

// Appends a line to the processing log; nothing without a project.
void CurveRecord(const std::string& line);
// The time of day as "hh:mm:ss".
std::string TimeOfDay();
// UI text n; "" before the texts are loaded.
std::string CurveText(int32_t n);
