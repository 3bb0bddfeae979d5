#pragma once
// The element database file "zelo_init.dat" in the program folder. It fills the header and the
// global lists of x-axis conversions and elements (held in core/modCommon); the stored
// form-factor tables go to gFMK.
#include "core/InitKopf.h"
#include "core/KeyedCollection.h"
#include "core/modCommon.h"
#include "materials/clsElement.h"
#include "materials/clsXAchse.h"

#include <cstdint>
#include <span>
#include <string>

inline constexpr const char* kZeloKennung = "ZELO3";

// Reads the file (read only) into gInitKopf, colXAchsen, colElemente and the table list of gFMK
// (which then adds the file tables of the form-factor folders). A file of the older layout that
// holds records is converted and saved, with a copy of the original kept beside it. A damaged file,
// or one that is neither layout, is reported once, naming it and how to get a working table back; it
// stays as it is, and the lists hold ersatz (the table the program carries) for the run, or nothing
// without one.
void Zelo_Oeffnen(std::span<const uint8_t> ersatz = {});
// Writes the whole file from memory (through a temporary file, so a failure leaves the old file
// whole); raises Revision. A failure is reported. A file that was not read completely, or that was
// changed on disk since it was read or saved (size, time or bytes), is written over only when the
// user agrees, and a copy of it stays beside it; data held only in memory, or a file that cannot be
// written, are not saved, and the user is told so.
enum class Zelo_Speicherung { Geschrieben, Abgelehnt /* the user said No */, Nicht_Geschrieben };
Zelo_Speicherung Zelo_Speichern();
// Start-up hands over the default copy when no file can hold it (grund: why): every later
// Zelo_Oeffnen reads these bytes, and Zelo_Speichern refuses to save them.
void Zelo_Im_Speicher_Verwenden(std::span<const uint8_t> bytes, const std::string& grund);
// Whether start-up handed over such bytes: the user has heard then that the program folder holds no database.
bool Zelo_Nur_Im_Speicher();
