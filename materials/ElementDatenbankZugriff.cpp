#include "materials/ElementDatenbankZugriff.h"

#include "core/modCommon.h"
#include "materials/clsElement.h"
#include "materials/clsFMK.h"
#include "materials/clsFMK_Intern.h"
#include "materials/clsXAchse.h"

ElementDatenbankZugriff ElementDatenbankZugriff::Fuer(int32_t Dateinummer)
{
    if (!gFileHandler || !gFileHandler->IsOpen() || gFileHandler->FileHandle() != Dateinummer)
        rt::Raise(rt::errBadFileNumber);
    return ElementDatenbankZugriff(*gFileHandler);
}

void ElementDatenbankZugriff::Lesen(clsXAchse& xAchse) { xAchse.Daten_Lesen_Ungeschuetzt(); }

void ElementDatenbankZugriff::Lesen(clsElement& element) { element.Element_Lesen_Ungeschuetzt(); }

void ElementDatenbankZugriff::Lesen(clsFMK_Intern& tabelle) { tabelle.Daten_Lesen_Ungeschuetzt(); }

void ElementDatenbankZugriff::Lesen(clsFMK& fmk, int32_t Anzahl)
{
    fmk.FMK_Von_ZELO_Lesen_Ungeschuetzt(datei_.FileHandle(), Anzahl);
}

void ElementDatenbankZugriff::Speichern(const clsXAchse& xAchse) { xAchse.Daten_Speichern_Ungeschuetzt(); }

void ElementDatenbankZugriff::Speichern(const clsElement& element) { element.Element_Speichern_Ungeschuetzt(); }

void ElementDatenbankZugriff::Speichern(const clsFMK_Intern& tabelle) { tabelle.Daten_Speichern_Ungeschuetzt(); }

void ElementDatenbankZugriff::Speichern(const clsFMK& fmk)
{
    fmk.FMK_In_ZELO_Speichern_Ungeschuetzt(datei_.FileHandle());
}
