// The values of the working curve recomputed by a formula in which y stands for each value.
#include "curves/clsCalc.h"

#include "core/FormulaValues.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/modCommon.h"

void clsCalc::WerteUmrechnen(const std::string& Formel, bool ganzeKurve)
{
    try {
        const int32_t erster = ganzeKurve ? 1 : xStartIndex_;
        const int32_t letzter = ganzeKurve ? punkte_ : xStartIndexRechts_;
        std::vector<float> werte;
        for (int32_t i = erster; i <= letzter; ++i) {
            if (i < 1 || i > punkte_) rt::Raise(rt::errSubscript);
            werte.push_back(Y(i));
        }
        // The clip level and the lowest value follow the formula with the whole curve.
        if (ganzeKurve) {
            werte.push_back(maximumY_);
            werte.push_back(tiefsterWert_);
        }
        const std::vector<float> neu = FormulaValues::ValuesByFormula_Ungeschuetzt(Formel, werte);
        for (int32_t i = erster; i <= letzter; ++i) setY(i, neu[static_cast<size_t>(i - erster)]);
        if (ganzeKurve) {
            maximumY_ = neu[neu.size() - 2];
            tiefsterWert_ = neu.back();
        }
    } catch (const rt::RuntimeError& e) {
        gError->Report("clsCalc", "WerteUmrechnen", e);
    }
}
