// G(r) from curve files (recognising g(r) and n(r)), the result files derived from it, its
// conversion by a formula, the take-over of its smoothed curve and the empty curve of the
// test-peak panel.
#include "analysis/clsGR.h"

#include "analysis/GR_Suche.h"
#include "analysis/clsIK.h"
#include "analysis/clsMath.h"
#include "core/FormulaValues.h"
#include "core/KurvenTyp.h"
#include "core/RegionalFormat.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/modString.h"
#include "curves/Ergebnisdatei.h"
#include "curves/clsCalc.h"
#include "curves/clsInput.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr const char* kModul = "clsGR";
constexpr double kVierPi = 12.56637061435916;
// A loaded G(r) is back-transformed onto the K grid up to here.
constexpr float kK_Ende = 150.0f;
// The mean of a pair correlation g(r) lies about 1, that of a radial density n(r) far above it.
constexpr float kG_Mittel_Unten = 0.7f;
constexpr float kG_Mittel_Oben = 1.7f;
constexpr float kN_Mittel = 10.0f;
// The density line of a loaded G(r) is fitted up to this point.
constexpr int32_t kDichteIndex_Geladen = 10;
constexpr int32_t kTestPunkte = 1000;

bool Umrechnen_Fragen(int32_t text)
{
    return zelo::Ui().MsgBox(gLanguage->Caption(text) + "\r\n" + gLanguage->Caption(424), zelo::MsgButtons::YesNo,
                             zelo::MsgIcon::Question, gLoader->ApplicationName()) == zelo::MsgResult::Yes;
}

void Hinweis(int32_t text)
{
    zelo::Ui().MsgBox(gLanguage->Caption(text), zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                      gLoader->ApplicationName());
}

std::string Zeile(float x, float y) { return SingleToStr(x) + "\t" + SingleToStr(y); }

// Writes the lines as the result file of a curve kind; when it was written, its log line (the text
// of that file and its path, still without the time) joins the lines to log.
void Schreiben(int32_t kurve, const std::vector<std::string>& zeilen, int32_t text, std::vector<std::string>& protokoll)
{
    const std::string pfad = Ergebnisdatei::Schreiben(clsInput::ExtensionVonKurvenTyp(kurve), zeilen);
    if (!pfad.empty()) protokoll.push_back(gLanguage->Caption(text) + ": " + pfad);
}

}

bool clsGR::Einlesen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Einlesen");
    try {
        clsInput& input = rt::Object(gInput);
        if (!input.Datei_Oeffnen(rt::Object(gCommon).Einheiten())) return false;
        const int32_t n = input.Punkte();
        std::vector<float> g(static_cast<size_t>(n));
        input.CopyArray(g);
        float maximum = input.Maximum_Y();
        float minimum = input.Minimum_Y();
        const auto umrechnen = [&](auto neu) {
            for (int32_t i = 1; i <= n; ++i) {
                float& wert = g[static_cast<size_t>(i - 1)];
                wert = static_cast<float>(neu(wert, double(R(i))));
                maximum = std::max(maximum, wert);
                minimum = std::min(minimum, wert);
            }
        };

        const float mittel = input.Mittelwert();
        if (mittel > kG_Mittel_Unten && mittel < kG_Mittel_Oben) {
            if (Umrechnen_Fragen(422)) {
                // The density from S(0) ≈ 0: 1 + ρ·∫4πr²(g − 1) dr = 0 over the file's points.
                double summe = 0.0;
                for (int32_t i = 1; i <= n; ++i)
                    summe += 4.0 * std::numbers::pi * double(R(i)) * R(i) * (g[static_cast<size_t>(i - 1)] - 1.0);
                // Without a sum there is no density to scale g(r) - 1 with.
                if (static_cast<float>(summe) == 0.0f) {
                    Hinweis(438);
                } else {
                    const double rho = -1.0 / (double(gOptions->Delta_r()) * summe);
                    umrechnen([rho](double wert, double r) { return (wert - 1.0) * 4.0 * std::numbers::pi * rho * r; });
                }
            }
        } else if (mittel > kN_Mittel && Umrechnen_Fragen(423)) {
            const double letzter = g.back();
            umrechnen([letzter](double wert, double r) { return (wert - letzter) * 4.0 * std::numbers::pi * r; });
        }

        rt::Object(gIK).setPunkte(0);
        clsCalc& calc = rt::Object(gCalc);
        calc.setPunkte(rt::CLng(rt::Divide(kK_Ende, gOptions->Delta_k())));
        calc.setMaximum_X(kK_Ende);
        Kurve_Setzen(std::move(g), minimum, maximum);
        // The first peak and Il'inskii's density belong to this G(r) as to a transformed one: they
        // were 0, or the previous project's, and with them the packing fraction and the shell's start.
        firstPeakIndex_ = Extreme_Suchen(g_).Erster_Peak;
        Dichte_Ilinskii();
        setDichte_Exp_Index(kDichteIndex_Geladen);
        return true;
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Einlesen", error);
        return false;
    }
}

std::vector<std::string> clsGR::Strukturwerte_Zeilen() const
{
    const auto text = [](int32_t nummer) { return gLanguage->Caption(nummer); };
    std::vector<std::string> zeilen{text(242) + ": n = " +
                                    zelo::FormatNumber(rt::Object(gMFE).Dichte_Experimentell(), 3) + " 1/nm³"};
    // A coordination number is logged only while it belongs to the G(r), density and limits of the
    // save: before any integration, or after a new G(r), there is none to tell.
    if (KZ_Gilt()) {
        zeilen.push_back(text(243));
        zeilen.push_back(text(244) + zelo::FormatNumber(KZ_r1(), 3) + " nm " + text(245) +
                         zelo::FormatNumber(KZ_r2(), 3) + " nm");
        zeilen.push_back(text(246) + ": " + zelo::FormatNumber(KZ_Wert(), 2));
    }
    return zeilen;
}

bool clsGR::Speichern(bool dichteHinweis)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Speichern");
    std::vector<std::string> dateien;
    try {
        const float rho = rt::Object(gMFE).Dichte_Experimentell();
        const int32_t n = Punkte();
        const clsOptions& options = rt::Object(gOptions);
        const bool rdf = options.KurveSpeichern(KT_RDF);
        const bool gr = options.KurveSpeichern(KT_g_r);
        const bool dichte = options.KurveSpeichern(KT_Rho);
        // The three curves are made with the experimental density; without one they mean nothing.
        if (n >= 1 && (rdf || gr || dichte) && !clsMFE::Dichte_Gueltig(rho)) {
            if (dichteHinweis) Ergebnisdatei::Hinweisen(gLanguage->Caption(439));
        } else if (n >= 1) {
            if (rdf) {
                std::vector<std::string> zeilen;
                for (int32_t i = 1; i <= n; ++i) zeilen.push_back(Zeile(R(i), RDF(i)));
                Schreiben(KT_RDF, zeilen, 247, dateien);
            }
            if (gr) {
                std::vector<std::string> zeilen{"0\t0"};
                for (int32_t i = 2; i <= n; ++i)
                    zeilen.push_back(Zeile(R(i), static_cast<float>(Y(i) / (kVierPi * rho) / R(i) + 1.0)));
                Schreiben(KT_g_r, zeilen, 248, dateien);
            }
            if (dichte) {
                std::vector<std::string> zeilen{"0\t0"};
                for (int32_t i = 2; i <= n; ++i)
                    zeilen.push_back(Zeile(R(i), static_cast<float>(Y(i) / kVierPi / R(i) + rho)));
                // The local density has no log text of its own; it is logged as every other curve file.
                Schreiben(KT_Rho, zeilen, 258, dateien);
            }
        }
        // The values go into the log with the files they were saved with, and when they changed;
        // while the log is off nothing is logged, and the next save tells them.
        const clsCommon& common = rt::Object(gCommon);
        const std::string zeit = rt::NowText();
        std::vector<std::string> werte = Strukturwerte_Zeilen();
        if (common.Enable_Record() && (!dateien.empty() || werte != protokolliert_)) {
            common.Record(zeit + ": " + werte[0]);
            if (werte.size() > 1) common.Record(zeit + " " + werte[1]);
            for (size_t i = 2; i < werte.size(); ++i) common.Record(werte[i]);
            protokolliert_ = std::move(werte);
        }
        for (const std::string& zeile : dateien) common.Record(zeit + ": " + zeile);
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Speichern", error);
    }
    return !dateien.empty();
}

void clsGR::WerteUmrechnen(const std::string& Formel)
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "WerteUmrechnen");
    try {
        std::vector<float> werte = g_;
        werte.push_back(maximum_);
        werte.push_back(minimum_);
        std::vector<float> neu = FormulaValues::ValuesByFormula_Ungeschuetzt(Formel, werte);
        const float minimum = neu.back();
        neu.pop_back();
        const float maximum = neu.back();
        neu.pop_back();
        Kurve_Setzen(std::move(neu), minimum, maximum);
    } catch (const rt::RuntimeError& error) {
        gError->Report("clsGr", "WerteUmrechnen", error);
    }
}

bool clsGR::PeakTest()
{
    Kurve_Setzen(std::vector<float>(kTestPunkte, 0.0f), 0.0f, 0.0f);
    aoZustand_ = kAO_Unberuehrt;
    setDichte_Exp_Index(1);
    return true;
}

void clsGR::Glaetten_Uebernehmen()
{
    const CallStackFrame aufruf = gError->AddFunctionToCallStack(kModul, "Glaetten_Uebernehmen");
    try {
        std::vector<float> geglaettet(g_.size());
        if (rt::Object(gMath).CopyArray_Smooth(geglaettet)) Kurve_Setzen(std::move(geglaettet), minimum_, maximum_);
    } catch (const rt::RuntimeError& error) {
        gError->Report(kModul, "Glaetten_Uebernehmen", error);
    }
}

void clsGR::Kurve_Setzen(std::vector<float> g, float minimum, float maximum)
{
    // A new curve (smoothed, by formula) is not the one written.
    gGespeichert = false;
    g_ = std::move(g);
    minimum_ = minimum;
    maximum_ = maximum;
}
