#pragma once
// The objects of the analysis in a temporary settings folder, with a recording seam: settings,
// texts, project files, I(K), background, G(r), Gauss peaks, pair potential, alloy, form factors
// and the transforms, with the K step of start-up (0.1 1/nm).
#include "mainwindow/modObjekte.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"
#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsGauss.h"
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
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

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
        gGauss = std::make_unique<clsGauss>();
        gFMK = std::make_unique<clsFMK>();
        gPot = std::make_unique<clsPot>();
        gMFE = std::make_unique<clsMFE>();
        gFFT = std::make_unique<clsFFT>();
    }
    void TearDown() override
    {
        gFFT.reset();
        gMFE.reset();
        gPot.reset();
        gFMK.reset();
        gGauss.reset();
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

    // An I(K) of 1500 points whose transform is the wave packet G(r) = −exp(−r²/8)·sin(K0·r): a
    // Gaussian of width 0.5 1/nm about K0 in K·I(K). Cut at point F (all of it by default), where
    // I(K) is set to yF.
    static void WellenpaketIK(double K0, int32_t F = 1500, float yF = 0.0f)
    {
        constexpr double s = 0.5;
        const double c = -std::numbers::pi / (2.0 * s * std::sqrt(2.0 * std::numbers::pi));
        std::vector<float> y(1500, 0.0f);
        for (int32_t i = 2; i <= 1500; ++i) {
            const double K = (i - 1) * 0.1;
            y[size_t(i - 1)] = static_cast<float>(c / K * std::exp(-(K - K0) * (K - K0) / (2.0 * s * s)));
        }
        y[size_t(F - 1)] = yF;
        SetIK(y);
        gIK->setFTR_Index(F);
    }
    static double Wellenpaket(double K0, double r) { return -std::exp(-r * r / 8.0) * std::sin(K0 * r); }

    TempEnvironment env_;
    RecordingSeam seam_;
};
