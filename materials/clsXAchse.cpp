#include "materials/clsXAchse.h"

#include "materials/RecordReader.h"
#include "materials/RecordWriter.h"

void clsXAchse::Daten_Lesen(RecordReader& datei)
{
    faktor_ = datei.Single();
    name_ = datei.String();
    key_ = datei.String();
}

void clsXAchse::Daten_Speichern(RecordWriter& datei) const
{
    datei.Single(faktor_);
    datei.String(name_);
    datei.String(key_);
}
