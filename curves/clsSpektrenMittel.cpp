#include "curves/clsSpektrenMittel.h"

#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"

#include <algorithm>
#include <filesystem>

namespace {

// The same file under another spelling of its path counts as the same file.
std::string Gleicher_Pfad(const std::string& pfad)
{
    std::error_code fehler;
    const std::filesystem::path p = std::filesystem::weakly_canonical(pfad, fehler);
    return fehler ? pfad : p.string();
}

}

clsSpektrenMittel::clsSpektrenMittel() = default;
clsSpektrenMittel::~clsSpektrenMittel() = default;

clsSpektrenMittel::Hinzufuegen_Ergebnis clsSpektrenMittel::Hinzufuegen(const std::string& pfad)
{
    const std::string gleich = Gleicher_Pfad(pfad);
    for (const auto& s : kurven_)
        if (Gleicher_Pfad(s->Dateiname()) == gleich) return Hinzufuegen_Ergebnis::Schon_Vorhanden;
    auto spektrum = std::make_unique<clsInput>();
    if (!spektrum->Spektrum_Oeffnen(pfad, true)) return Hinzufuegen_Ergebnis::Nicht_Lesbar;
    Auf_Arbeitsspektrum_Legen(*spektrum);
    kurven_.push_back(std::move(spektrum));
    return Hinzufuegen_Ergebnis::Hinzugefuegt;
}

void clsSpektrenMittel::Auf_Arbeitsspektrum_Legen(clsInput& s)
{
    const clsCalc* calc = gCalc.get();
    if (!calc || calc->Punkte() < 1 || s.Punkte() < 1) return;
    // An edited spectrum lies on the working curve's axis already.
    if (s.Bearbeitet()) {
        s.setX_Start(s.Minimum_X());
        return;
    }
    const double mitte = calc->x(clsCalc::Mittlerer_Punkt(calc->Punkte()));
    s.setX_Start(static_cast<float>(mitte - (clsCalc::Mittlerer_Punkt(s.Punkte()) - 1.0) * Schritt(s)));
}

bool clsSpektrenMittel::Entfernen(const std::string& dateiname)
{
    const auto s = std::find_if(kurven_.begin(), kurven_.end(),
                                [&](const auto& k) { return k->Dateiname() == dateiname; });
    if (s == kurven_.end()) return false;
    kurven_.erase(s);
    return true;
}

void clsSpektrenMittel::Leeren() { kurven_.clear(); }

clsInput& clsSpektrenMittel::Spektrum(int32_t Index) const
{
    clsInput* spektrum = Guarded("clsSpektrenMittel", "Spektrum", [&] {
        if (Index < 1 || Index > Anzahl()) rt::Raise(rt::errSubscript);
        return kurven_[static_cast<size_t>(Index - 1)].get();
    });
    if (spektrum) return *spektrum;
    if (!leer_) leer_ = std::make_unique<clsInput>();
    return *leer_;
}

float clsSpektrenMittel::Schritt(const clsInput& s)
{
    return Guarded("clsSpektrenMittel", "Schritt", [&] { return Schritt_Ungeschuetzt(s); });
}

float clsSpektrenMittel::Schritt_Ungeschuetzt(const clsInput& s)
{
    if (s.Bearbeitet()) return s.Delta_X();
    const float faktor = rt::Object(gOptions).Faktor_X();
    return faktor == 0.0f ? 0.0f : s.Delta_X() / faktor;
}

float clsSpektrenMittel::X(const clsInput& s, int32_t i)
{
    return static_cast<float>(i - 1) * Schritt(s) + s.X_Start();
}

float clsSpektrenMittel::Messzeit() const
{
    float summe = 0.0f;
    for (const auto& s : kurven_) summe += s->Statistik();
    return summe;
}

void clsSpektrenMittel::Mitteln()
{
    const float messzeit = Messzeit();
    Guarded("conAddCurves", "cmdMitteln", [this] {
        clsCalc& calc = rt::Object(gCalc);
        std::vector<float> gemittelt;
        for (int32_t i = 1; i <= calc.Punkte(); ++i) {
            const float x = calc.x(i);
            double summe = 0.0;
            int32_t anzahl = 0;
            for (const auto& s : kurven_) {
                if (x < s->X_Start()) continue;
                const int32_t k = rt::CLng(rt::Divide(x - s->X_Start(), Schritt_Ungeschuetzt(*s)) + 1.0);
                if (k > s->Punkte()) continue;
                summe += s->Y(k);
                ++anzahl;
            }
            calc.setY(i, static_cast<float>((calc.Y(i) + summe) / (anzahl + 1)));
            gemittelt.push_back(calc.Y(i));
        }
        // The spectrum averaged with others is the project's edited raw data.
        if (!kurven_.empty()) rt::Object(gInput).SpeichereKurve(KT_JK_Bearbeitet, clsInput::kQuelleCalc, gemittelt);
    });
    kurven_.clear();
    Guarded("conAddCurves", "cmdMitteln", [messzeit] {
        if (gCommon)
            gCommon->Record("mittlere Messzeit nach Mittelung: " +
                            rt::SingleText(static_cast<float>(rt::Int(messzeit))) + " ms");
    });
}
