#include "curves/clsSSC.h"

#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <functional>
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

void clsSSC::Kurve_Sichern(int32_t TypKurve)
{
    try {
        if (TypKurve < 0 || TypKurve > kLetzterTyp) rt::Raise(rt::errSubscript);
        float schritt = 0.0f;
        float ersteX = 0.0f;
        int32_t anzahl = 0;
        std::function<float(int32_t)> wert;
        switch (TypKurve) {
        case 1:
        case 2:
        case 3:
        case 4: {
            const clsCalc& calc = rt::Object(gCalc);
            schritt = calc.Schrittweite();
            ersteX = calc.Minimum_X();
            anzahl = calc.Punkte();
            wert = [&calc](int32_t i) { return calc.Y(i); };
            break;
        }
        case 5: {
            const clsUntergrund& untergrund = rt::Object(gUntergrund);
            schritt = rt::Object(gOptions).Delta_k();
            anzahl = untergrund.Anzahl_Fit();
            wert = [&untergrund](int32_t i) { return untergrund.Y(i); };
            break;
        }
        case 6: {
            const clsIK& ik = rt::Object(gIK);
            schritt = rt::Object(gOptions).Delta_k();
            anzahl = ik.Punkte();
            wert = [&ik](int32_t i) { return ik.Y(i); };
            break;
        }
        case 7: {
            const clsGR& gr = rt::Object(gGR);
            schritt = rt::Object(gOptions).Delta_r();
            anzahl = gr.Punkte();
            wert = [&gr](int32_t i) { return gr.Y(i); };
            break;
        }
        default:
            break;
        }
        if (wert) {
            // A kind saved again is overwritten in place; a new one joins the store once it is filled.
            const auto found = kurven_.find(Schluessel(TypKurve));
            const auto entry = found != kurven_.end() ? found->second : std::make_shared<cls_Y>();
            entry->setDelta_X(schritt);
            entry->setlevel(aktuellesLevel_);
            entry->setTyp(TypKurve);
            entry->setX_Min(ersteX);
            entry->setAnzahl(anzahl);
            for (int32_t i = 1; i <= anzahl; ++i) entry->Add_Y(i, wert(i));
            kurven_[Schluessel(TypKurve)] = entry;
        }
        gesichert_[static_cast<size_t>(TypKurve)] = true;
    } catch (const rt::RuntimeError& e) {
        gError->ErrorMsg("clsSSC", "Kurve_Sichern", false, e.Number(), e.Description());
    } catch (const std::bad_alloc&) {
        gError->ErrorMsg("clsSSC", "Kurve_Sichern", false, rt::errOutOfMemory, rt::ErrorDescription(rt::errOutOfMemory));
    }
}
