#pragma once
// A G(r) to work on: the forward transform of a damped oscillation like the I(K) of a liquid metal,
// on points K = 0, 0.1, ... 1/nm, cut off 100 points before its end.
#include "analysis/clsFFT.h"
#include "analysis/clsGR.h"
#include "analysis/clsIK.h"
#include "core/modCommon.h"

#include <cmath>
#include <cstdint>

// False when no G(r) came of it.
inline bool Fluessigmetall_GR(int32_t punkte)
{
    gFFT->SetupFFT();
    gIK->setPunkte(punkte);
    for (int32_t i = 2; i <= punkte; ++i) {
        const double K = (i - 1) * 0.1;
        gIK->Set_Y(i, float(std::exp(-K / 40.0) * std::sin(2.7 * K) * 2.0));
    }
    gIK->setFTR_Index(punkte - 100);
    return gGR->Berechnen();
}
