// The ripple that the finite K range puts into G(r) (truncation oscillations), its removal and
// restoration, and the count of Friedel oscillations in the G(r) range. K_F is the K of the
// transform's cut-off and I(K_F) the damped interference function there.
#include "analysis/clsGR.h"

#include "analysis/clsGauss.h"
#include "analysis/clsIK.h"
#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "materials/clsMFE.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// K_F, or 0 while there is no I(K) whose cut-off lies on it.
float K_F()
{
    const clsIK& ik = rt::Object(gIK);
    const int32_t F = ik.FTR_Index();
    return F >= 1 && F <= ik.Punkte() ? ik.x(F) : 0.0f;
}

float I_K_F()
{
    const clsIK& ik = rt::Object(gIK);
    const int32_t F = ik.FTR_Index();
    return F >= 1 && F <= ik.Punkte() ? ik.Y(F) : 0.0f;
}

// The ripple of a peak at x on a point at r > 0 after its mirror image at −x is subtracted; rVorher
// (the point before) stands in for r where they coincide.
double Ripple(double x, double r, double rVorher, double kF)
{
    const double u = kF * (x - (r == x ? rVorher : r));
    const double v = kF * (r + x);
    return (std::sin(u) / u - std::sin(v) / v) * (kF / kPi) / r;
}

}

int32_t clsGR::Anzahl_Friedeloszillationen() const
{
    return Guarded("clsGR", "Anzahl_Friedeloszillationen",
                   [this] { return Anzahl_Friedeloszillationen_Ungeschuetzt(); });
}

int32_t clsGR::Anzahl_Friedeloszillationen_Ungeschuetzt() const
{
    const float lambda = rt::Object(gMFE).Friedelwellenlaenge();
    // Unknown valence or density leave no wavelength (0 or the no-value marker).
    if (!(lambda > 0.0f) || Punkte() < 1) return 0;
    return std::max(0, rt::CLng(double(R(Punkte())) / lambda) - 1);
}

float clsGR::Abbruchoszillationen() const
{
    const float kF = K_F();
    return kF > 0.0f ? static_cast<float>(6.28318530717958 / kF) : 0.0f;
}

float clsGR::Ripple_Amplitude() const
{
    return static_cast<float>(-2.0 / std::sqrt(2.0 * kPi) * I_K_F() * K_F());
}

void clsGR::AO_Zuruecknehmen()
{
    // A new ripple replaces the old one only after G(r) has the old one back.
    if (aoZustand_ == kAO_Abgezogen) AO_Weg(kAO_Zurueck);
}

void clsGR::AO_Berechnen(float a, float b)
{
    const int32_t n = Punkte();
    if (n == 0) return;
    AO_Zuruecknehmen();
    const float A = Ripple_Amplitude();
    const float kF = K_F();
    const float rp = R_Erster_Peak() * b;
    ao_.assign(static_cast<size_t>(n), 0.0f);
    for (int32_t i = 1; i <= n; ++i) {
        float d = R(i) - rp;
        if (d == 0.0f) d = R(i - 1) - rp;
        ao_[static_cast<size_t>(i - 1)] = static_cast<float>(double(A) * a / d * std::sin(double(kF) * d));
    }
}

void clsGR::Abbruchoszillationen_Berechnen(int32_t Modus)
{
    try {
        AO_Zuruecknehmen();
        const int32_t n = Punkte();
        ao_.assign(static_cast<size_t>(n), 0.0f);
        // Fills AO from point 2 on with the value the model gives for point i at r(i).
        const auto setze = [this, n](auto wert) {
            for (int32_t i = 2; i <= n; ++i) ao_[static_cast<size_t>(i - 1)] = static_cast<float>(wert(i, double(R(i))));
        };
        if (Modus == 100) {
            const double kP = rt::Object(gIK).x(gIK->Parabel_Index());
            setze([kP](int32_t, double r) { return std::sin(r * kP) / r; });
        } else if (Modus == 101) {
            const double A = Ripple_Amplitude();
            const double kF = K_F();
            setze([A, kF](int32_t, double r) { return A / r * std::sin(kF * r); });
        } else {
            Friedelpeaks_Markieren();
            const double kF = K_F();
            const clsGauss& gauss = *gGauss;
            // Without a cut-off there is no ripple.
            if (kF <= 0.0 || Modus < 0 || Modus > gauss.Anzahl()) return;
            const int32_t erster = Modus == 0 ? 1 : Modus;
            const int32_t letzter = Modus == 0 ? gauss.Anzahl() : Modus;
            setze([&](int32_t i, double r) {
                double t = 0.0;
                for (int32_t p = erster; p <= letzter; ++p) t += Ripple(gauss.x(p), r, R(i - 1), kF);
                return t;
            });
        }
    } catch (const rt::RuntimeError& error) {
        clsError::ReportByMessage(ModuleKind::Class, "clsGR", "Abbruchoszillationen_Berechnen", error);
    }
}

void clsGR::Friedelpeaks_Markieren() const
{
    clsGauss& gauss = rt::Object(gGauss);
    gauss.Clear();
    const float rErster = R_Erster_Peak();
    gauss.Hinzufuegen(rErster, 0.0f, 0.0f, 0, 0.0f);
    const int32_t n = Punkte();
    const double lambda = rt::Object(gMFE).Friedelwellenlaenge();
    const double deltaR = gOptions->Delta_r();
    for (int32_t j = 1; j <= Anzahl_Friedeloszillationen_Ungeschuetzt(); ++j) {
        // The grid point at j wavelengths after the first peak, then the nearest maximum of G(r).
        const int32_t m = rt::CLng((lambda * j + rErster) / deltaR) + 1;
        if (m >= n) return;
        if (Y(m + 1) > Y(m)) {
            int32_t k = m + 1;
            while (k <= n && !(Y(k) < Y(k - 1))) ++k;
            if (k <= n) gauss.Hinzufuegen(R(k - 1), 0.0f, 0.0f, 0, 0.0f);
        } else if (Y(m - 1) > Y(m)) {
            int32_t k = m - 1;
            while (k >= 1 && !(Y(k) < Y(k + 1))) --k;
            if (k >= 1) gauss.Hinzufuegen(R(k + 1), 0.0f, 0.0f, 0, 0.0f);
        } else {
            gauss.Hinzufuegen(R(m), 0.0f, 0.0f, 0, 0.0f);
        }
    }
}

void clsGR::AO_Weg(uint8_t Modus)
{
    try {
        if (Modus == aoZustand_) {
            zelo::Ui().MsgBox(gLanguage->Caption(239), zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                              gLoader->ApplicationName());
            return;
        }
        // Only a computed ripple is removed, and only a removed one is added back.
        if (!AO_Berechnet()) return;
        if (Modus == kAO_Zurueck && aoZustand_ != kAO_Abgezogen) return;
        const float vorzeichen = Modus == kAO_Abgezogen ? -1.0f : Modus == kAO_Zurueck ? 1.0f : 0.0f;
        const size_t n = std::min(g_.size(), ao_.size());
        gGespeichert = false;
        for (size_t i = 0; i < n; ++i) g_[i] += vorzeichen * ao_[i];
        aoZustand_ = Modus;
    } catch (const rt::RuntimeError& error) {
        clsError::ReportByMessage(ModuleKind::Class, "clsGR", "Abbruchoszillationen_Weg", error);
    }
}

float clsGR::yt(int32_t Index) const
{
    return Index >= 1 && static_cast<size_t>(Index) <= ao_.size() ? ao_[static_cast<size_t>(Index - 1)] : 0.0f;
}
