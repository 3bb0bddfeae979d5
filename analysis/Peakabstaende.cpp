#include "analysis/Peakabstaende.h"

#include "analysis/clsGauss.h"
#include "core/KurvenTyp.h"
#include "core/NumberFormat.h"

#include <cstdint>

namespace {
constexpr double kZweiPi = 6.28318530717958;
}

Peakabstaende Peakabstaende_Berechnen(const clsGauss& peaks)
{
    Peakabstaende ergebnis;
    const bool ik = peaks.Kurve() == KT_IK;
    if (!ik && peaks.Kurve() != KT_GR) return ergebnis;
    float summe = 0.0f;
    int32_t anzahl = 0;
    for (int32_t j = 2; j <= peaks.Anzahl(); ++j) {
        if (peaks.IsSchulter(j)) continue;
        summe += peaks.x(j) - peaks.x(j - 1);
        ++anzahl;
    }
    if (anzahl > 0) ergebnis.Delta = summe / static_cast<float>(anzahl);
    const float delta = ergebnis.Delta;
    ergebnis.Texte[0] = "= " + FixedTextLocal(delta, 5) + (ik ? " 1/nm" : " nm");
    if (delta != 0.0f) {
        ergebnis.Texte[1] = "= " + FixedTextLocal(kZweiPi / delta, 1) + (ik ? " nm" : " 1/nm");
        ergebnis.Texte[2] = "= " + FixedTextLocal(peaks.x(1) / delta, 5);
    }
    return ergebnis;
}
