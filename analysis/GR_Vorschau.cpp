#include "analysis/GR_Vorschau.h"

#include "analysis/GR_Suche.h"
#include "analysis/clsFFT.h"
#include "core/Guarded.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "curves/KGitter.h"

#include <algorithm>
#include <numbers>

GR_Vorschau GR_Vorschau_Berechnen(std::span<const float> eingabe, const Sinus_Vorgaben& v, const FFT_Plan& plan)
{
    const Transformierte t = Sinustransformation(plan, eingabe, v);
    GR_Vorschau e;
    const auto n = static_cast<size_t>(std::min(1000, plan.N / 2));
    e.G.resize(n);
    e.R.resize(std::max<size_t>(n, 2));
    for (size_t i = 0; i < n; ++i) e.G[i] = static_cast<float>(2.0 * t.Im[i] / std::numbers::pi * v.DeltaK);
    for (size_t i = 0; i < e.R.size(); ++i) e.R[i] = R_Gitter(static_cast<int32_t>(i + 1), plan.N, v.DeltaK);
    const GR_Extreme extreme = Extreme_Suchen(e.G);
    e.Minimum = static_cast<float>(extreme.Minimum < 0.0f ? extreme.Minimum + 0.1 * extreme.Minimum
                                                          : extreme.Minimum - 0.1 * extreme.Minimum);
    e.Maximum = extreme.Maximum;
    const Dichtegerade gerade = Dichtegerade_Anpassen(e.G, e.R, Linker_Rand_Suchen(e.G, extreme.Erster_Peak));
    e.Dichte_Experimentell = gerade.Dichte();
    e.R.resize(n);
    return e;
}

GR_Vorschau GR_Vorschau_Aktuell()
{
    return Guarded("modCommon", "GR_Vorschau", [] {
        const FFT_Plan plan = FFT_Plan::FFT_Planen_Ungeschuetzt(gOptions->FFT_Bits());
        return GR_Vorschau_Berechnen(clsFFT::Eingabekurve(Letzter_K_Index(plan)), clsFFT::Vorgaben(), plan);
    });
}
