#pragma once
// The element database file "zelo_init.dat" in the program folder. It fills the header and the
// global lists of x-axis conversions and elements (held in core/modCommon); the stored
// form-factor tables go to gFMK.
#include "core/InitKopf.h"
#include "core/KeyedCollection.h"
#include "core/modCommon.h"
#include "materials/clsElement.h"
#include "materials/clsXAchse.h"

inline constexpr const char* kZeloKennung = "ZELO3";

// Reads the file into gInitKopf, colXAchsen, colElemente and the table list of gFMK (which then
// adds the file tables of the form-factor folders). A file of the older layout is converted and
// saved. A damaged file is reported once and leaves the lists empty.
void Zelo_Oeffnen();
// Writes the whole file from memory (through a temporary file, so a failure leaves the old file
// whole); raises Revision. A failure is reported.
void Zelo_Speichern();
