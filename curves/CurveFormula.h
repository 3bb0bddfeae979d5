#pragma once
// The values of the working curve recomputed by a formula in which y stands for each value.
#include "curves/CurveView.h"

#include <string>

namespace editing {

// Converts points 1..Punkte (ganzeKurve) or the selected range X_StartIndex..X_StartIndex_Rechts;
// for the whole curve the clip level and the lowest value follow the formula too. Every value is
// computed before the curve changes: a formula that fails at any point, or a range outside the
// curve, throws the run-time error and leaves the curve as it was.
void WerteUmrechnen(CurveView& curve, const PieceView& selection, const std::string& Formel, bool ganzeKurve);

}
