#pragma once
// The header of the element database file, as it stands on disk.
#include <array>
#include <cstdint>
#include <string>

struct InitKopf {
    std::string Kennung;
    int32_t Anzahl_XAchsen = 0;
    int32_t Anzahl_Elemente = 0;
    uint8_t Status = 0;  // 1 once the element table window has saved; read by nothing
    uint8_t Frei = 0;
    int16_t Revision = 0;  // raised by every save
    int32_t Anzahl_FMK = 0;
    std::array<int32_t, 4> Reserve{};
};
