#include "core/FormulaValues.h"

#include "core/FormulaNumbers.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsParser.h"
#include "core/modString.h"

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

std::vector<float> FormulaValues::ValuesByFormula_Ungeschuetzt(const std::string& Formel, const std::vector<float>& ys,
                                                               const std::vector<float>& xs)
{
    if (!xs.empty() && xs.size() != ys.size()) rt::Raise(rt::errSubscript);
    clsParser parser;
    // One failure ends the conversion with one report; the parser's own way (a message box per
    // call, the call counted as 0) would show a box per point and write zeros into the curve.
    parser.aufrufFehlerWerfen_ = true;
    std::vector<float> values;
    values.reserve(ys.size());
    for (size_t i = 0; i < ys.size(); ++i) {
        parser.SetVariable("y", Angezeigter_Wert(ys[i]));
        if (!xs.empty()) parser.SetVariable("x", Angezeigter_Wert(xs[i]));
        values.push_back(StrToSingle(parser.Parse_Ungeschuetzt(Formel)));
    }
    return values;
}
