#pragma once
// The program's world for the curve dialogs, with a working curve of four points.
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/clsGrafik.h"
#include "support/ui/UiTestWorld.h"

#include <gtest/gtest.h>

#include <vector>

class CurveDialogTest : public ::testing::Test, protected UiTestWorld {
protected:
    void SetUp() override
    {
        for (const float value : {10.0f, 20.0f, 30.0f, 40.0f}) gCalc->Punkte_Plus(0.0f, value);
        gCalc->setSchrittweite(1.0f);
        gCalc->Extremwerte_suchen();
    }
    static std::vector<float> Values()
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i) values.push_back(gCalc->Y(i));
        return values;
    }
};
