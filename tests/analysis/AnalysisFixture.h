#pragma once
// The objects of the analysis in a temporary settings folder, with a recording seam: settings,
// texts, project files, I(K), background, G(r), pair potential, alloy and the transforms, with the
// K step of start-up (0.1 1/nm).
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "analysis/clsPot.h"
#include "analysis/clsUntergrund.h"
#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/clsFileHandler.h"
#include "materials/clsMFE.h"

#include <gtest/gtest.h>

class AnalysisFixture : public testing::Test {
protected:
    void SetUp() override
    {
        CreateCoreObjects();
        gOptions->setDelta_k(0.1f);
        gCommon = std::make_unique<clsCommon>();
        gIK = std::make_unique<clsIK>();
        gUntergrund = std::make_unique<clsUntergrund>();
        gGR = std::make_unique<clsGR>();
        gPot = std::make_unique<clsPot>();
        gMFE = std::make_unique<clsMFE>();
        gFFT = std::make_unique<clsFFT>();
    }
    void TearDown() override
    {
        gFFT.reset();
        gMFE.reset();
        gPot.reset();
        gGR.reset();
        gUntergrund.reset();
        gIK.reset();
        gCommon.reset();
        gFileHandler.reset();
        gLanguage.reset();
        gOptions.reset();
        gLoader.reset();
        gError.reset();
    }

    // Makes I(K) the given values from point 1 on, as the test-curve panel builds it.
    static void SetIK(const std::vector<float>& values)
    {
        gIK->setPunkte(static_cast<int32_t>(values.size()));
        for (size_t i = 0; i < values.size(); ++i) gIK->Set_Y(static_cast<int32_t>(i + 1), values[i]);
    }

    TempEnvironment env_;
    RecordingSeam seam_;
};
