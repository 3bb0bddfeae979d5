#pragma once
// The program's world for the analysis tests, with helpers that build I(K) as the test-curve
// panel does.
#include "support/TestWorld.h"
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
#include "curves/clsCalc.h"
#include "curves/clsFileHandler.h"
#include "materials/clsFMK.h"
#include "materials/clsMFE.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

class AnalysisFixture : public testing::Test, protected TestWorld {
protected:
    static constexpr double kPi = std::numbers::pi;

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
        const double c = -kPi / (2.0 * s * std::sqrt(2.0 * std::numbers::pi));
        std::vector<float> y(1500, 0.0f);
        for (int32_t i = 2; i <= 1500; ++i) {
            const double K = (i - 1) * 0.1;
            y[size_t(i - 1)] = static_cast<float>(c / K * std::exp(-(K - K0) * (K - K0) / (2.0 * s * s)));
        }
        y[size_t(F - 1)] = yF;
        SetIK(y);
        gIK->setFTR_Index(F);
    }

    // The working curve as a measurement of the structure I(K) scattered with carbon's electron
    // form factor from the database at 200 kV over the background U(K): J = 1E6·(<f²> + <f>²·I) + U
    // on the curve's grid.
    static void Kohlenstoff_Streuung(const std::function<double(double)>& I, const std::function<double(double)>& U)
    {
        Streuung({{"C", 100.0f}}, I, U);
    }

    // The same for an alloy of the elements given with their atomic per cent.
    static void Streuung(const std::vector<std::pair<std::string, float>>& elemente,
                         const std::function<double(double)>& I, const std::function<double(double)>& U)
    {
        gFMK->setAnzahl(static_cast<int32_t>(elemente.size()));
        for (size_t k = 0; k < elemente.size(); ++k)
            gFMK->FMK_Einlesen(static_cast<int32_t>(k + 1), elemente[k].second, ElectronTable(elemente[k].first));
        gFMK->setBeschleunigungsspannung(-200.0f);
        ASSERT_TRUE(gFMK->Formfaktoren_Berechnen());
        for (int32_t i = 1; i <= gCalc->Punkte(); ++i) {
            const double K = gCalc->x(i);
            gCalc->setY(i, float(1e6 * (gFMK->f2m_Y(i) + gFMK->fm2_Y(i) * I(K)) + U(K)));
        }
    }
};
