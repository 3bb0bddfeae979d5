#pragma once
// A working curve of plain fields seen through the editing views, with the globals that the
// editing's log lines use (a processing log that is switched on) and a recording seam.
#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "curves/CurveView.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <vector>

class EditingFixture : public testing::Test {
protected:
    void SetUp() override
    {
        CreateCoreObjects();
        gCommon = std::make_unique<clsCommon>();
        gCommon->setEnable_Record(true);
    }
    void TearDown() override
    {
        Objekte_Freigeben({});
        Restliche_Objekte_Freigeben();
    }

    // The curve min, min + step, ... with these values; extremes from the values.
    void Load(float min, float step, std::vector<float> values)
    {
        Y = std::move(values);
        Punkte = static_cast<int32_t>(Y.size());
        Minimum_X = min;
        Schrittweite = step;
        Maximum_X = min + step * static_cast<float>(Punkte);
        Maximum_Y = Minimum = Y.empty() ? 0.0f : Y[0];
        for (const float v : Y) {
            Maximum_Y = std::max(Maximum_Y, v);
            Minimum = std::min(Minimum, v);
        }
    }

    CurveView View()
    {
        return {Y, Punkte, Schrittweite, Minimum_X, Maximum_X, Maximum_Y, Minimum, Mitte, Mitte_Index};
    }
    PieceView Piece() { return {Y_Temp, YU, Temp_Punkte, X_StartIndex, X_StartIndex_Rechts, Punkte_Kopiert}; }

    TempEnvironment env;
    RecordingSeam seam;

    std::vector<float> Y;
    int32_t Punkte = 0;
    float Schrittweite = 0.0f;
    float Minimum_X = 0.0f;
    float Maximum_X = 0.0f;
    float Maximum_Y = 0.0f;
    float Minimum = 0.0f;
    float Mitte = 0.0f;
    int32_t Mitte_Index = 0;

    std::vector<float> Y_Temp;
    std::vector<float> YU;
    int32_t Temp_Punkte = 0;
    int32_t X_StartIndex = 0;
    int32_t X_StartIndex_Rechts = 0;
    bool Punkte_Kopiert = false;
};
