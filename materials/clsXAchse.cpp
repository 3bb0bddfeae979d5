#include "materials/clsXAchse.h"

#include "materials/DatabaseFile.h"

void clsXAchse::Daten_Lesen()
{
    clsFileHandler& datei = DatabaseFile(dateinummer_);
    faktor_ = datei.ReadSingle();
    name_ = datei.ReadString();
    key_ = datei.ReadString();
}

void clsXAchse::Daten_Speichern() const
{
    clsFileHandler& datei = DatabaseFile(dateinummer_);
    datei.WriteSingle(faktor_);
    datei.WriteString(name_);
    datei.WriteString(key_);
}
