#pragma once
// The curves fixture with a small working curve put together point by point.
#include "CurvesTest.h"
#include "core/clsError.h"
#include "core/modCommon.h"
#include "curves/clsCalc.h"

#include <vector>

class EditingCurveTest : public CurvesTest {
protected:
    // gCalc holds min, min + step, ... with these values; Maximum_X one step beyond the last
    // point, the extremes from the values.
    static void Load(float min, float step, const std::vector<float>& values)
    {
        gCalc->Punkte_Loeschen();
        for (const float value : values) gCalc->Punkte_Plus(0.0f, value);
        gCalc->setMinimum_X(min);
        gCalc->setSchrittweite(step);
        gCalc->setMaximum_X(min + step * static_cast<float>(values.size()));
        gCalc->Extremwerte_suchen();
    }
    static std::vector<float> Values()
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i) values.push_back(gCalc->Y(i));
        return values;
    }
    static std::vector<float> Piece()
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= gCalc->Temp_Punkte(); ++i) values.push_back(gCalc->Y_Temp(i));
        return values;
    }
    // The procedure under which the last error window was shown, "" when none was.
    std::string Reported() const { return seam.errorWindows > 0 ? gError->ErrorFunction() : ""; }
};
