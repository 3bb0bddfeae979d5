#pragma once
// Checks and reports shared by the curve readers of clsInput.
#include <cstdint>
#include <string>

class clsFileHandler;

namespace lese {

// The most points a curve is resampled on; far beyond any measured curve, it keeps a damaged file
// from claiming the memory.
inline constexpr int32_t kMaxAusgabePunkte = 1000000;
// The largest text file a curve reader opens: a curve has at most 5000 points, so a larger file
// cannot hold one; it is refused before a line is read.
inline constexpr int64_t kMaxDateiBytes = int64_t{64} << 20;
// The longest line a curve reader takes: far beyond 5000 pairs on one line.
inline constexpr size_t kMaxZeilenBytes = size_t{1} << 20;

// Whether a value read from text is a number to compute with (not Kein_Wert, not infinite or NaN).
bool IstZahl(float wert);

// Shows the error window for a read that found fewer usable points than a curve needs.
void Zu_Wenig_Daten(const char* procedure, const std::string& datei, int32_t punkte);
// Shows the error window for a read with more points than the smoothing spline takes.
void Zu_Viele_Daten(const char* procedure, const std::string& datei);
// Whether the open file is small enough for a curve; shows the error window (under module and
// procedure) when not.
bool Groesse_Pruefen(clsFileHandler& datei, const char* procedure, const std::string& pfad,
                     const char* modul = "clsInput");
// The next line of the open file; false after showing the error window when it is too long.
bool Zeile_Lesen(clsFileHandler& datei, std::string& zeile, const char* procedure, const std::string& pfad,
                 const char* modul = "clsInput");

}
