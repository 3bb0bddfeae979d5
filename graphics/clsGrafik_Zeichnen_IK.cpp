// The I(K) view: the curves of the transform step in one layer, the weighted curve and the index
// marks over it, and the back-transform drawn on its own.
#include "graphics/clsGrafik.h"

#include "analysis/clsFFT.h"
#include "analysis/clsIK.h"
#include "analysis/clsUntergrund.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "graphics/Zeichenhilfen.h"
#include "materials/clsFMK.h"
#include "panels/PanelInterfaces.h"

#include <cmath>
#include <numbers>

namespace {

// The alloy's form-factor term (fmk² − f2m) / fm2 at point i; 0 where fm2 is 0.
float Gas_Term(const clsFMK& fmk, int32_t i)
{
    const float fm2 = fmk.fm2_Y(i);
    if (fm2 == 0.0f) return 0.0f;
    return (fmk.fmk_Y(i) * fmk.fmk_Y(i) - fmk.f2m_Y(i)) / fm2;
}

}

void clsGrafik::Zeichne_IK_RTR()
{
    Guarded("clsGrafik", "Zeichne_IK_RTR", [this] {
        const clsIK& ik = rt::Object(gIK);
        const FourierPanel& panel = PanelPlatz<FourierPanel>::Get();
        LoadLayer(1, 0, true);
        Skalieren_Ansicht({0.0f, ik.x(ik.Punkte()), ik.Minimum(), ik.Maximum()}, 0, 1, LayerAnzahl());
        const auto x = [&](int32_t i) { return ik.x(i); };
        const int32_t n = ik.Punkte();
        SetLayerForeColor(1, farbe::Gruen);
        DrawLineHorizontal(1, 0);
        SetLayerForeColor(1, farbe::Grau);
        DrawLineHorizontal(1, ik.Mittelwert());
        SetLayerForeColor(1, farbe::Blau);
        Linienzug(*this, 1, 1, n, x, [&](int32_t i) { return ik.Y_RTR(i); });
        if (panel.ShowFFTImag()) {
            const clsFFT& fft = rt::Object(gFFT);
            SetLayerForeColor(1, farbe::Magenta);
            Linienzug(*this, 1, 1, n, x, [&](int32_t i) { return fft.IK_Imag(i); });
        }
        if (panel.ShowGas()) {
            const clsFMK& fmk = rt::Object(gFMK);
            // Normalised to start at −1; a term that starts at 0 (a pure element has none at all)
            // is drawn as it is.
            const float L1 = Gas_Term(fmk, 1);
            const float N = L1 == 0.0f ? 1.0f : -L1;
            SetLayerForeColor(1, farbe::Olivgruen);
            Linienzug(*this, 1, 1, n, x, [&](int32_t i) { return Gas_Term(fmk, i) / N; });
        }
        const clsUntergrund& ug = rt::Object(gUntergrund);
        // A background of 0 at the first point cannot be normalised: the view goes on without it.
        if (panel.ShowUG() && ug.Y(1) != 0.0f) {
            const float U1 = -ug.Y(1);
            SetLayerForeColor(1, farbe::Oliv);
            Linienzug(*this, 1, 1, n, x, [&](int32_t i) { return ug.Y(i) / U1; });
        }
        SetLayerForeColor(1, farbe::Rot);
        Linienzug(*this, 1, 1, n, x, [&](int32_t i) { return ik.Y_2(i); });
    });
}

void clsGrafik::Zeichne_IK_Extra()
{
    const clsIK& ik = rt::Object(gIK);
    const clsOptions& optionen = rt::Object(gOptions);
    conDisplay& display = Diagramm(0);
    display.Display_CLS();
    const auto x = [&](int32_t i) { return ik.x(i); };
    const int32_t n = ik.Punkte();
    Linienzug(display, farbe::Schwarz, 1, n, x, [&](int32_t i) { return ik.Y_Wichtung(i); });
    const int32_t P = ik.Parabel_Index();
    if (P > 2) Linienzug(display, farbe::Gruen, 1, P, x, [&](int32_t i) { return ik.Y_Parabel(i); });
    const int32_t F = ik.FTR_Index();
    if (!optionen.Abbruchstelle_Daempfen()) {
        display.Zeichne_Punkt(ik.x(F), ik.Y(F), farbe::Rot);
        display.Zeichne_LinieZu(ik.x(F), 0, farbe::Rot);
        display.Zeichne_LinieZu(ik.x(n), 0, farbe::Rot);
    } else {
        // The damped continuation that the transform takes beyond the cut-off.
        const int32_t ordnung = optionen.Abbruchstelle_Ordnung();
        for (int32_t i = F; i <= n; ++i) {
            const double verhaeltnis = rt::Divide(ik.x(i), ik.x(F));
            const double y = ik.Y(F) / std::pow(verhaeltnis, ordnung) * std::cos(std::numbers::pi / 7 * ik.x(i - F + 1));
            display.Zeichne_Punkt(ik.x(i), static_cast<float>(y), farbe::Rot);
        }
    }
    // Before any low-K extrapolation there is no parabola to mark.
    if (P >= 1) display.Zeichne_Kreis(ik.x(P), ik.Y_Parabel(P), farbe::Gruen, 5);
    display.Zeichne_Kreis(ik.x(F), ik.Y(F), farbe::Rot, 5);
    const int32_t S = ik.FTR_Start_Index();
    display.Zeichne_Kreis(ik.x(S), ik.Y(S), farbe::Rot, 5);
}

void clsGrafik::Zeichne_RTR_Extra()
{
    MitGrafikMeldung("Zeichne_RTR_Extra", [this] {
        const clsIK& ik = rt::Object(gIK);
        conDisplay& display = Diagramm(0);
        display.Display_CLS();
        Linienzug(display, farbe::Rot, 1, ik.Punkte(), [&](int32_t i) { return ik.x(i); },
                  [&](int32_t i) { return ik.Y_RTR_Extra(i); });
    });
}
