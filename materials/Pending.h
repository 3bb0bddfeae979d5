#pragma once
// TEMPORARY: stands in for the log, the working curve and the curve reader until they land.
#include <cstdint>
#include <span>
#include <string>
inline void PendingRecord(const std::string&) {}
inline int32_t PendingProjektTyp_Spezial() { return 0; }
inline int32_t PendingPunkte() { return 0; }
inline float PendingX(int32_t i) { return static_cast<float>((i - 1) * 0.1); }
inline bool PendingFMK_Oeffnen(const std::string&) { return false; }
inline int32_t PendingInputPunkte() { return 0; }
inline void PendingCopyArray(std::span<float>) {}
