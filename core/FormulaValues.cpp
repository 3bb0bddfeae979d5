#include "core/FormulaValues.h"

#include "core/FormulaNumbers.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsParser.h"
#include "core/modString.h"

#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>

namespace {

// The value as the user sees it in a curve file: the Single's seven-digit text.
double Angezeigter_Wert(float value) { return formula::ReadNumber(rt::SingleText(value)); }

}

std::vector<float> ValuesByFormula(const std::string& Formel, const std::vector<float>& ys,
                                   const std::vector<float>& xs)
{
    return Guarded("FormulaValues", "ValuesByFormula",
                   [&] { return FormulaValues::ValuesByFormula_Ungeschuetzt(Formel, ys, xs); });
}

// The points of one part, computed with a parser and a reading of the formula of its own; the
// first failure ends the part and is kept.
void FormulaValues::Teil_Berechnen(const std::string& Formel, const std::vector<float>& ys,
                                   const std::vector<float>& xs, Teil& teil)
{
    try {
        clsParser parser;
        // One failure ends the conversion with one report; the parser's own way (a message box per
        // call, the call counted as 0) would show a box per point and write zeros into the curve.
        parser.aufrufFehlerWerfen_ = true;
        // The formula is read once with its variables named, then computed for each point's values.
        parser.SetVariable("y", 0.0);
        if (!xs.empty()) parser.SetVariable("x", 0.0);
        const formula::Kette formel = parser.Uebersetzen_Ungeschuetzt(Formel);
        teil.werte.reserve(teil.bis - teil.von);
        for (size_t i = teil.von; i < teil.bis; ++i) {
            parser.SetVariable("y", Angezeigter_Wert(ys[i]));
            if (!xs.empty()) parser.SetVariable("x", Angezeigter_Wert(xs[i]));
            teil.werte.push_back(StrToSingle(parser.Berechnen_Ungeschuetzt(formel)));
        }
    } catch (...) {
        teil.fehler = std::current_exception();
    }
}

std::vector<float> FormulaValues::ValuesByFormula_Ungeschuetzt(const std::string& Formel, const std::vector<float>& ys,
                                                               const std::vector<float>& xs)
{
    if (!xs.empty() && xs.size() != ys.size()) rt::Raise(rt::errSubscript);
    // A long curve is shared among the processor's cores; the parts are joined in the curve's order,
    // so the failure reported is the first in point order, as one pass from the left would find it.
    const size_t kerne = std::max(std::thread::hardware_concurrency(), 1u);
    const size_t anzahl = std::clamp<size_t>(ys.size() / kPunkteJeTeil, 1, kerne);
    std::vector<Teil> teile(anzahl);
    for (size_t t = 0; t < anzahl; ++t) {
        teile[t].von = ys.size() * t / anzahl;
        teile[t].bis = ys.size() * (t + 1) / anzahl;
    }
    std::vector<std::thread> faeden;
    for (size_t t = 1; t < anzahl; ++t) {
        try {
            faeden.emplace_back(Teil_Berechnen, std::cref(Formel), std::cref(ys), std::cref(xs), std::ref(teile[t]));
        } catch (const std::system_error&) {
            // No thread to be had: this one computes the part itself.
            Teil_Berechnen(Formel, ys, xs, teile[t]);
        }
    }
    Teil_Berechnen(Formel, ys, xs, teile[0]);
    for (std::thread& faden : faeden) faden.join();
    std::vector<float> values;
    values.reserve(ys.size());
    for (const Teil& teil : teile) {
        if (teil.fehler) std::rethrow_exception(teil.fehler);
        values.insert(values.end(), teil.werte.begin(), teil.werte.end());
    }
    return values;
}
