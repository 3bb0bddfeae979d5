#include "materials/clsXAchse.h"

#include "core/Guarded.h"
#include "materials/ElementDatenbankZugriff.h"

void clsXAchse::Daten_Lesen()
{
    Guarded("clsXAchse", "Daten_Lesen", [this] { Daten_Lesen_Ungeschuetzt(); });
}

void clsXAchse::Daten_Speichern() const
{
    Guarded("clsXAchse", "Daten_Speichern", [this] { Daten_Speichern_Ungeschuetzt(); });
}

void clsXAchse::Daten_Lesen_Ungeschuetzt()
{
    ElementDatenbankZugriff datei = ElementDatenbankZugriff::Fuer(dateinummer_);
    faktor_ = datei.ReadSingle();
    name_ = datei.ReadString();
    key_ = datei.ReadString();
}

void clsXAchse::Daten_Speichern_Ungeschuetzt() const
{
    ElementDatenbankZugriff datei = ElementDatenbankZugriff::Fuer(dateinummer_);
    datei.WriteSingle(faktor_);
    datei.WriteString(name_);
    datei.WriteString(key_);
}
