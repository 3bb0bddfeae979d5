#pragma once
// "TiefK" means low K: the model below the measured range.
// The model curves that replace I(K) at low K, where the measurement does not reach, up to the
// chosen index P. Every model rests on -1, the value of I(K) where S(K) = 0: models 0 to 2 pass
// through it at K = 0 and meet I(K) at K(P); models 3 to 5 add a peak profile centred on K(P).
#include <cstdint>
#include <vector>

enum LM_IK : int32_t {
    LM_Polynom = 0,
    LM_Parabel = 1,
    LM_Parabel_Anstieg = 2,
    LM_Voigt = 3,
    LM_Lorentz = 4,
    LM_Gauss = 5,
};

// Fills E (points 1..P at index 0..P-1) with model `modell` fitted to yw (the weighted I(K), points
// 1..P+1 at least; models 0 and 2 take the slope at P from its neighbours) at P (2 or more) on the
// grid K(i) = (i - 1)·dK. False, with E a copy of yw up to P, when the model is unknown or does not
// exist for this curve: model 2 with slope 0 or with its vertex above K(P), models 3 to 5 without
// a half-height point below P, or any model whose values are not finite.
bool TiefK_Modell(int32_t modell, const std::vector<float>& yw, int32_t P, float dK, std::vector<float>& E);
