// The mixture form factors of the alloy: one curve per component on the working grid plus ten
// points, combined by atomic fraction into <f>, <f²> and <f>², and the integral of K² <f²>.
#include "materials/clsFMK.h"

#include "core/AtomicFile.h"
#include "core/Guarded.h"
#include "core/KurvenTyp.h"
#include "core/Runtime.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "curves/clsSpline.h"
#include "curves/cls_Y.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

constexpr double kElementarladung = 1.602177e-19;
constexpr double kLichtgeschwindigkeit = 299792458.0;
constexpr double kElektronenmasse = 9.1093897e-31;
constexpr double kZweiPiQuadrat = 19.739208802178677;
constexpr double kPi = 3.14159265358979;
// The mixture curves run this many points beyond the working curve.
constexpr int32_t kZusatzpunkte = 10;
constexpr int32_t kExportZeilen = 1500;

// The log never disturbs the computation it records.
void Protokoll(const std::string& line)
{
    if (gCommon) gCommon->Record(line);
}

}

float clsFMK::Wert(const std::vector<float>& curve, int32_t Index)
{
    if (Index < 1 || Index > static_cast<int32_t>(curve.size())) return 0.0f;
    return curve[static_cast<size_t>(Index - 1)];
}

void clsFMK::Clear()
{
    komponenten_ = 0;
    anteil_.clear();
    tabelle_.clear();
    fmk_.clear();
    f2m_.clear();
    fm2_.clear();
}

void clsFMK::Mischung_Loeschen()
{
    fmk_.clear();
    f2m_.clear();
    fm2_.clear();
    formfaktorIntegral_ = 0.0f;
}

void clsFMK::setAnzahl(int32_t n)
{
    Guarded("clsFMK", "setAnzahl", [&] {
        Clear();
        if (n < 0) rt::Raise(rt::errSubscript);
        komponenten_ = n;
        anteil_.assign(static_cast<size_t>(n), 0.0f);
        tabelle_.assign(static_cast<size_t>(n), 0);
    });
}

void clsFMK::FMK_Einlesen(int32_t i, float Prozent, int32_t TabIndex)
{
    Guarded("clsFMK", "FMK_Einlesen", [&] {
        if (i < 1 || i > komponenten_) rt::Raise(rt::errSubscript);
        anteil_[static_cast<size_t>(i - 1)] = static_cast<float>(Prozent / 100.0);
        tabelle_[static_cast<size_t>(i - 1)] = TabIndex;
    });
}

void clsFMK::setBeschleunigungsspannung(float U)
{
    beschleunigungsspannung_ = U == Kein_Wert ? 0.0f : U;
    // The voltage is entered negative; its magnitude counts, so that 200 and -200 agree.
    const double energie = std::fabs(double(beschleunigungsspannung_)) * 1000.0 * kElementarladung;
    faktorRelativistisch_ =
        static_cast<float>(1.0 + energie / (kLichtgeschwindigkeit * kLichtgeschwindigkeit * kElektronenmasse));
    Protokoll(gLanguage->Caption(237) + ": " + SingleToStr(faktorRelativistisch_));
}

float clsFMK::Formfaktor_IK_Faktor(float x) const
{
    return static_cast<float>(formfaktorIntegral_ - double(fm2_Y(1)) * (double(x) * kZweiPiQuadrat));
}

bool clsFMK::Lese_FMK(int32_t i, cls_Y& kurve)
{
    std::string name;
    try {
        const clsFMK_Intern& t = Tabelle_Ungeschuetzt(tabelle_[static_cast<size_t>(i - 1)]);
        name = t.Dateiname();
        const float faktor = t.FMK_Typ() == FT_Elektronen ? faktorRelativistisch_ : 1.0f;
        kurve.setAnzahl(rt::Object(gCalc).Punkte() + kZusatzpunkte);
        if (t.Daten_Typ() == DT_Datei) {
            if (name.empty()) throw rt::RuntimeError(0, "");
            // The reader has told the user why the file cannot be used.
            if (!rt::Object(gInput).FMK_Oeffnen(name)) return false;
            Protokoll(rt::TimeText() + ": " + gLanguage->Caption(408) + " " + name + " " + gLanguage->Caption(236));
            kurve.CopyArrayFromInput_Ungeschuetzt();
            for (int32_t j = 1; j <= kurve.Anzahl(); ++j) kurve.setY(j, kurve.Y(j) * faktor);
        } else if (t.Daten_Typ() == DT_Fit) {
            Protokoll(rt::TimeText() + ": " + gLanguage->Caption(235) + "  " + gLanguage->Caption(236));
            const float deltaK = rt::Object(gOptions).Delta_k();
            for (int32_t j = 1; j <= kurve.Anzahl(); ++j)
                kurve.setY(j, t.Y(static_cast<float>((j - 1) * deltaK)) * faktor);
        } else {
            throw rt::RuntimeError(0, "");
        }
        return true;
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsFMK", "Lese_FMK - " + name, e);
        return false;
    }
}

bool clsFMK::Formfaktoren_Berechnen()
{
    bool fertig = false;
    const bool berechnet = Guarded("clsFMK", "Formfaktoren_Berechnen", [&] {
        const bool ergebnis = Mischung_Berechnen();
        fertig = true;
        return ergebnis;
    });
    // A computation cut short leaves no mixture of mixed origin.
    if (!fertig) Mischung_Loeschen();
    return berechnet;
}

void clsFMK::Speichern() const
{
    Guarded("clsFMK", "Speichern", [this] {
        // The arrays of a generated project still hold an earlier project's mixture.
        if (Generiertes_IK()) return;
        const auto punkte = static_cast<size_t>(std::clamp(rt::Object(gCalc).Punkte(), 0, int32_t(fmk_.size())));
        if (punkte == 0) return;
        clsInput& input = rt::Object(gInput);
        // Marked, so that the file is not taken for a form-factor table of the same extension.
        input.SpeichereKurve(KT_fmk, clsInput::kQuelleIK, std::span(fmk_).first(punkte),
                             clsInput::kKopfMischungsformfaktor);
        input.SpeichereKurve(KT_f2m, clsInput::kQuelleIK, std::span(f2m_).first(punkte));
        input.SpeichereKurve(KT_fm2, clsInput::kQuelleIK, std::span(fm2_).first(punkte));
    });
}

bool clsFMK::Generiertes_IK()
{
    const int32_t spezial = rt::Object(gCommon).ProjektTyp_Spezial();
    return spezial == PTS_Rechteck_IK || spezial == PTS_Lorch_IK || spezial == PTS_Demo_IK;
}

bool clsFMK::Mischung_Berechnen()
{
    if (Generiertes_IK()) return false;  // a generated I(K) needs no mixture
    const clsCalc& calc = rt::Object(gCalc);
    if (calc.Punkte() == 0) {
        Mischung_Loeschen();
        return false;
    }
    gSpline = std::make_unique<clsSpline>();
    const int32_t n = calc.Punkte() + kZusatzpunkte;

    std::vector<cls_Y> kurven(static_cast<size_t>(komponenten_));
    for (int32_t i = 1; i <= komponenten_; ++i) {
        if (!Lese_FMK(i, kurven[static_cast<size_t>(i - 1)])) {
            Mischung_Loeschen();
            return false;
        }
    }

    fmk_.assign(static_cast<size_t>(n), 0.0f);
    f2m_.assign(static_cast<size_t>(n), 0.0f);
    fm2_.assign(static_cast<size_t>(n), 0.0f);
    for (int32_t j = 1; j <= n; ++j) {
        float s1 = 0.0f, s2 = 0.0f;
        for (size_t i = 0; i < static_cast<size_t>(komponenten_); ++i) {
            const float f = kurven[i].Y(j);
            s2 = static_cast<float>(s2 + double(f) * f * anteil_[i]);
            s1 = s1 + f * anteil_[i];
        }
        const auto slot = static_cast<size_t>(j - 1);
        fmk_[slot] = s1;
        fm2_[slot] = static_cast<float>(double(s1) * s1);
        f2m_[slot] = s2;
    }

    // Trapezoid rule; the end points always count, also when <f>² vanishes early.
    const auto x = [&calc](int32_t i) { return double(calc.x(i)); };
    const double h = x(n) / (n - 1);
    double summe = 0.0;
    for (int32_t i = 2; i <= n - 1; ++i) {
        if (fm2_Y(i) <= 0.0f) break;
        summe += x(i) * x(i) * f2m_Y(i);
    }
    formfaktorIntegral_ =
        static_cast<float>((x(n) * x(n) * f2m_Y(n) + x(1) * x(1) * f2m_Y(1)) * h / 2.0 + summe * h);
    return true;
}

void clsFMK::Formfaktor_Export(int32_t Index) const
{
    Guarded("clsFMK", "Formfaktor_Export", [&] {
        const clsFMK_Intern& t = Tabelle_Ungeschuetzt(Index);
        if (t.Daten_Typ() != DT_Fit) return;
        const float deltaK = gOptions->Delta_k();
        std::string content;
        for (int32_t i = 1; i <= kExportZeilen; ++i) {
            const auto K = static_cast<float>((i - 1) * deltaK);
            const auto s = static_cast<float>((i - 1) * double(deltaK) / 40.0 / kPi);
            content += SingleToStr(s) + '\t' + SingleToStr(t.Y(K)) + "\r\n";
        }
        const std::string path = gLoader->ApplicationPath() + "fmk_test_" + t.Symbol() + ".fmk";
        if (AtomicFile::WriteWhole(path, content) != 0) rt::Raise(rt::errPathFileAccess);
    });
}
