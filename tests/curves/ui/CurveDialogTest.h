#pragma once
// The globals the curve dialogs use: settings, texts, the working curve and the drawing engine,
// with a recording seam.
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/modUiGlobals.h"
#include "curves/clsCalc.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/modObjekte.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <vector>

class CurveDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateCoreObjects();
        gCalc = std::make_unique<clsCalc>();
        gGrafik = std::make_unique<clsGrafik>();
        for (const float value : {10.0f, 20.0f, 30.0f, 40.0f}) gCalc->Punkte_Plus(0.0f, value);
        gCalc->setSchrittweite(1.0f);
        gCalc->Extremwerte_suchen();
    }
    void TearDown() override
    {
        Objekte_Freigeben([] { gGrafik.reset(); });
        Restliche_Objekte_Freigeben();
    }
    static std::vector<float> Values()
    {
        std::vector<float> values;
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i) values.push_back(gCalc->Y(i));
        return values;
    }

    TempEnvironment env;
    RecordingSeam seam;
};
