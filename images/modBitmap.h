#pragma once
// Per-pixel routines on 32-bit bitmap data (blue in the low byte, the top byte kept): inversion,
// brightness and contrast through a 256-entry table, and hue and lightness. Nothing in the program
// connects them to a control yet; they are kept for the picture sliders.
#include <cstdint>

// The bitmap block the routines share: source pixels, size, destination pixels (may be the source).
struct AsmBmpPara {
    const uint32_t* Quelle = nullptr;
    int32_t Breite = 0;
    int32_t Hoehe = 0;
    uint32_t* Ziel = nullptr;
};

// Each colour byte v becomes 255 - v.
bool asmInvert(const AsmBmpPara& block);
// A linear ramp from fct (fct >= 0) or 1 (fct < 0) rising by (255 - |fct|)/256 per level;
// false and nothing changed for |fct| >= 256.
bool asmBrightness(const AsmBmpPara& block, int32_t fct = 0);
// t(k) = round(a·(k - 127)) + 127 within 0..255, a = e^(fct/30)/20 - 0.05.
bool asmContrast(const AsmBmpPara& block, int32_t fct = 0);
// Hue and lightness in 20-bit fixed point (1.0 = 2^20): the hue is set to hue when hue >= 0; the
// lightness is scaled by lightness / 2^20 when lightness >= 0 and capped at 1.0.
bool asmChangeHSL(const AsmBmpPara& block, int32_t hue, int32_t lightness);
