#include "analysis/Strukturwerte.h"

#include "core/NumberFormat.h"
#include "core/modString.h"

namespace {

constexpr double kZweiPi = 6.28318530717958;
constexpr double kGrad = 180.0 / 3.14159265358979;
constexpr float kPhase = 5.0f / 4.0f;
const std::string kNichtVerfuegbar = "n/a";

std::string Wert(double x, int32_t stellen = 3) { return "= " + FixedTextLocal(x, stellen); }

std::string Winkel(float tau) { return Wert(2.0 * kGrad * ArcSin(tau / 2.0f), 2) + " °"; }

}

void Strukturwerte::Berechnen(float K_pe, float K_pp, float r0_, float r1_)
{
    Verhaeltnis.clear();
    Kpe = Wert(K_pe);
    Kpp = Wert(K_pp);
    r0 = Wert(r0_);
    r1 = Wert(r1_);
    if (K_pe == 0.0f) {
        Lambda[0] = kNichtVerfuegbar;
    } else {
        lambda_pe = static_cast<float>(kZweiPi / K_pe);
        Lambda[0] = Wert(lambda_pe);
    }
    if (K_pp == 0.0f) {
        Lambda[1] = kNichtVerfuegbar;
    } else {
        lambda_pp = static_cast<float>(kZweiPi / K_pp);
        Lambda[1] = Wert(lambda_pp);
        tau[0] = K_pe / K_pp;
        Verhaeltnis = Wert(tau[0]);
    }
    if (r0_ == 0.0f || r1_ == 0.0f) {
        Tau = {kNichtVerfuegbar, kNichtVerfuegbar};
        Winkel = {kNichtVerfuegbar, kNichtVerfuegbar};
        return;
    }
    tau[1] = r1_ / r0_;
    tau[2] = 1.0f / tau[1];
    Tau = {Wert(tau[1]), Wert(tau[2])};
    Winkel = {::Winkel(tau[1]), ::Winkel(tau[2])};
}

Markerlinien Strukturlinien(float K, float r, float maxR, bool zweiDiagramme, int32_t letzteKurve)
{
    Markerlinien linien;
    // The n-th r line; a series ends after the first line whose r line lies beyond maxR.
    const auto r_Linie = [&](int32_t i) { return (kPhase + static_cast<float>(i)) * r; };
    if (zweiDiagramme) {
        for (int32_t i = 1; i <= 5; ++i) linien.K.push_back(K * static_cast<float>(i));
        for (int32_t i = 0; i <= 20; ++i) {
            linien.r.push_back(r_Linie(i));
            if (r_Linie(i) > maxR) break;
        }
    } else if (letzteKurve == 7) {
        for (int32_t i = 0; i <= 5; ++i) linien.r.push_back(r_Linie(i));
    } else if (letzteKurve == 6 || letzteKurve == 10) {
        for (int32_t i = 1; i <= 20; ++i) {
            linien.K.push_back(K * static_cast<float>(i));
            if (r_Linie(i) > maxR) break;
        }
    }
    return linien;
}

Analyselinien Analyselinien_Berechnen(const Strukturwerte& werte, float K_pe, float r0,
                                      const std::vector<float>& peaks, float maxR, bool spo, bool aco)
{
    Analyselinien linien;
    if (spo) {
        for (int32_t i = 0; i <= 5; ++i) linien.SPO.K.push_back(static_cast<float>(i) * K_pe);
        for (int32_t i = 0; i <= 20; ++i) {
            const float r = (kPhase + static_cast<float>(i)) * werte.lambda_pe;
            if (r < maxR) linien.SPO.r.push_back(r);
        }
    }
    if (aco) {
        for (const float peak : peaks)
            if (peak < maxR) linien.r_Peaks.push_back(peak);
        for (const float tau : {werte.tau[1], werte.tau[2]})
            if (tau != 0.0f) linien.K_Tau.push_back(K_pe / tau);
        if (r0 != 0.0f)
            for (const float peak : peaks) linien.K_Peaks.push_back(peak / r0 * K_pe);
    }
    return linien;
}
