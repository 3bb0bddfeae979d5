#pragma once
// The element database file "zelo_init.dat" in the program folder: its header and the global
// lists of x-axis conversions and elements it fills; the stored form-factor tables go to gFMK.
#include "materials/KeyedCollection.h"
#include "materials/clsElement.h"
#include "materials/clsXAchse.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The file's header, as it stands on disk.
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

inline constexpr const char* kZeloKennung = "ZELO3";

extern InitKopf gInitKopf;
// X-axis conversions under their Key, elements under their Symbol, in file order.
extern KeyedCollection<clsXAchse> colXAchsen;
extern KeyedCollection<clsElement> colElemente;
// The record in hand while a list is walked or an element is shown.
extern std::shared_ptr<clsXAchse> gXAchse;
extern std::shared_ptr<clsElement> gElement;

// Reads the file into gInitKopf, colXAchsen, colElemente and the table list of gFMK (which then
// adds the file tables of the form-factor folders). A file of the older layout is converted and
// saved. A damaged file is reported once and leaves the lists empty.
void Zelo_Oeffnen();
// Writes the whole file from memory (through a temporary file, so a failure leaves the old file
// whole); raises Revision. A failure is reported.
void Zelo_Speichern();
