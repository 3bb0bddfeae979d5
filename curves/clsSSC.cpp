#include "curves/clsSSC.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <new>

void clsSSC::ESC_HEADER()
{
    kurven_.clear();
    zurueckgesetzt_ = true;
    gesichert_.fill(false);
    aktuellesLevel_ = 0;
}

int32_t clsSSC::Kurve_Zurueck_Punkte() const { return auswahl_ ? auswahl_->Anzahl() : 0; }
float clsSSC::Kurve_Zurueck_Schrittweite() const { return auswahl_ ? auswahl_->Delta_X() : 0.0f; }
float clsSSC::Kurve_Zurueck_MinX() const { return auswahl_ ? auswahl_->X_Min() : 0.0f; }
float clsSSC::Kurve_Zurueck_Y(int32_t Index) const { return auswahl_ ? auswahl_->Y(Index) : 0.0f; }

bool clsSSC::Kurve_Zurueck(int32_t /*lLevel*/, int32_t tKurve)
{
    if (!zurueckgesetzt_) return true;
    const auto entry = kurven_.find(Schluessel(tKurve));
    if (entry == kurven_.end()) return false;
    auswahl_ = entry->second;
    kurveTyp_ = tKurve;
    return true;
}

void clsSSC::Speichern(int32_t typ, float schritt, float ersteX, int32_t anzahl, const std::function<float(int32_t)>& wert)
{
    if (typ < 0 || typ > kLetzterTyp) rt::Raise(rt::errSubscript);
    if (wert) {
        // A kind saved again is overwritten in place; a new one joins the store once it is filled.
        const auto found = kurven_.find(Schluessel(typ));
        const auto entry = found != kurven_.end() ? found->second : std::make_shared<cls_Y>();
        entry->setDelta_X(schritt);
        entry->setlevel(aktuellesLevel_);
        entry->setTyp(typ);
        entry->setX_Min(ersteX);
        entry->setAnzahl(anzahl);
        for (int32_t i = 1; i <= anzahl; ++i) entry->Add_Y(i, wert(i));
        kurven_[Schluessel(typ)] = entry;
    }
    gesichert_[static_cast<size_t>(typ)] = true;
}

void clsSSC::Kurve_Sichern(int32_t TypKurve)
{
    Guarded("clsSSC", "Kurve_Sichern", [&] {
        if (TypKurve >= 5 && TypKurve <= 7) rt::Raise(rt::errInvalidCall);
        if (TypKurve < 1 || TypKurve > 4) {
            Speichern(TypKurve, 0.0f, 0.0f, 0, nullptr);
            return;
        }
        const clsCalc& calc = rt::Object(gCalc);
        Speichern(TypKurve, calc.Schrittweite(), calc.Minimum_X(), calc.Punkte(), [&calc](int32_t i) { return calc.Y(i); });
    });
}

void clsSSC::Kurve_Sichern(int32_t TypKurve, float Schritt, float ErsteX, std::span<const float> Y)
{
    Guarded("clsSSC", "Kurve_Sichern", [&] {
        Speichern(TypKurve, Schritt, ErsteX, static_cast<int32_t>(Y.size()),
                  [Y](int32_t i) { return Y[static_cast<size_t>(i - 1)]; });
    });
}
