#pragma once
// Checks and reports shared by the curve readers of clsInput.
#include <cstdint>
#include <string>

namespace lese {

// The most points a curve is resampled on; far beyond any measured curve, it keeps a damaged file
// from claiming the memory.
inline constexpr int32_t kMaxAusgabePunkte = 1000000;

// Whether a value read from text is a number to compute with (not Kein_Wert, not infinite or NaN).
bool IstZahl(float wert);

// Shows the error window for a read that found fewer usable points than a curve needs.
void Zu_Wenig_Daten(const char* procedure, const std::string& datei, int32_t punkte);
// Shows the error window for a read with more points than the smoothing spline takes.
void Zu_Viele_Daten(const char* procedure, const std::string& datei);

}
