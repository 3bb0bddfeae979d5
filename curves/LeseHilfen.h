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

// Reports a read that found fewer usable points than a curve needs (still: stored, no window).
void Zu_Wenig_Daten(const char* procedure, const std::string& datei, int32_t punkte, bool still = false);
// Reports a read with more points than a curve may have.
void Zu_Viele_Daten(const char* procedure, const std::string& datei, bool still = false);
// Whether the open file is small enough for a curve; reports it (under module and procedure) when
// not.
bool Groesse_Pruefen(clsFileHandler& datei, const char* procedure, const std::string& pfad,
                     const char* modul = "clsInput", bool still = false);
// The next line of the open file; false after reporting it when it is too long.
bool Zeile_Lesen(clsFileHandler& datei, std::string& zeile, const char* procedure, const std::string& pfad,
                 const char* modul = "clsInput", bool still = false);

}
