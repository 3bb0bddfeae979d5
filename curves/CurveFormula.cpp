#include "curves/CurveFormula.h"

#include "core/FormulaValues.h"
#include "core/Runtime.h"

namespace editing {

void WerteUmrechnen(CurveView& curve, const PieceView& selection, const std::string& Formel, bool ganzeKurve)
{
    const int32_t first = ganzeKurve ? 1 : selection.X_StartIndex;
    const int32_t last = ganzeKurve ? curve.Punkte : selection.X_StartIndex_Rechts;
    std::vector<float> values;
    for (int32_t i = first; i <= last; ++i) values.push_back(curve.At(i));
    if (ganzeKurve) {
        values.push_back(curve.Maximum_Y);
        values.push_back(curve.Minimum);
    }
    const std::vector<float> converted = ValuesByFormula(Formel, values);
    for (int32_t i = first; i <= last; ++i) curve.At(i) = converted[static_cast<size_t>(i - first)];
    if (ganzeKurve) {
        curve.Maximum_Y = converted[converted.size() - 2];
        curve.Minimum = converted.back();
    }
}

}
