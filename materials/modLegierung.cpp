#include "materials/modLegierung.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsLanguage.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

namespace {

void Protokoll(const std::string& line) { rt::Object(gCommon).Record(line); }

// A value of the menu caption; an unknown one is named so rather than shown as the marker.
std::string Menuewert(float value) { return value == Kein_Wert ? gLanguage->Caption(197) : rt::SingleText(value); }

}

void Legierung_Uebernehmen(const std::vector<Legierungskomponente>& komponenten, const std::string& Temperatur,
                           const std::string& Bemerkung)
{
    try {
        Protokoll("Legierung:");
        const auto n = static_cast<int32_t>(komponenten.size());
        clsMFE& mfe = rt::Object(gMFE);
        clsFMK& fmk = rt::Object(gFMK);
        clsOptions& options = rt::Object(gOptions);
        fmk.setAnzahl(n);
        mfe.setKomponenten(n);
        for (int32_t i = 1; i <= n; ++i) {
            const Legierungskomponente& k = komponenten[static_cast<size_t>(i - 1)];
            mfe.Komponente(i, k.Symbol, k.Prozent, k.Dichte, k.Valenz);
            fmk.FMK_Einlesen(i, k.Prozent, k.Tabelle);
            options.setElement_Symbol(i - 1, k.Symbol);
            options.setElement_Konzentration(i - 1, k.Prozent);
        }
        // The stored count is one less than the rows.
        if (n >= 1) options.setReg_Komponenten(n - 1);
        mfe.Berechne(true);
        Protokoll(gLanguage->Caption(169) + Temperatur + " K\r\n");
        Protokoll(gLanguage->Caption(170) + Bemerkung);
    } catch (const rt::RuntimeError&) {
        // What was applied stays; the project starts with it.
    }
}

std::string Komponente_Menuetext(int32_t Index)
{
    return Guarded("modLegierung", "Komponente_Menuetext", [Index] {
        const clsMFE& mfe = rt::Object(gMFE);
        if (Index < 1 || Index > mfe.Komponenten()) rt::Raise(rt::errSubscript);
        return mfe.Komponente_Symbol(Index) + ": " + Menuewert(mfe.Komponente_Konzentration(Index)) + "at%, " +
               Menuewert(mfe.Komponente_Dichte(Index)) + " g/cm³, " + Menuewert(mfe.Komponente_Valenz(Index)) +
               " e/a";
    });
}
