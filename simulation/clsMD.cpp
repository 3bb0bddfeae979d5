#include "simulation/clsMD.h"

#include "core/Runtime.h"
#include "simulation/Zufall.h"

#include <cmath>

namespace {

double Naechstes_Bild(double diff, double L) { return diff - L * std::nearbyint(diff / L); }

double Falten(double c, double L)
{
    c -= L * std::floor(c / L);
    if (c < 0) c += L;
    if (c >= L) c -= L;
    return c;
}

}

double LJ_Faktor(double r2)
{
    const double q = 1 / r2;
    const double s = q * q * q;
    return 48 * q * s * (s - 0.5);
}

double LJ_Energie(double r2)
{
    const double s = 1 / (r2 * r2 * r2);
    return 4 * (s * s - s);
}

double clsMD::Standardzeitschritt() { return 1e-14 / (kSigma * std::sqrt(kMasse / kEpsilon)); }

int32_t clsMD::Cluster_Erzeugen(Startgitter art, int32_t n, float rho)
{
    if (n < 1 || n > 100 || !(rho > 0)) return 0;
    const int32_t anzahl = rt::CLng(static_cast<double>(n) * n * n * 4);
    const double nmInSigma = 1e-9 / kSigma;
    d_ = std::cbrt(0.23873241463784325 / rho) * nmInSigma;
    const double L = std::cbrt(anzahl / static_cast<double>(rho)) * nmInSigma;
    std::vector<Ort> orte;
    switch (art) {
    case Startgitter::fcc: orte = Cluster_fcc(n, L); break;
    case Startgitter::sc: orte = Cluster_sc(anzahl, L); break;
    case Startgitter::Zufall: orte = Cluster_Zufall(anzahl, L, d_, zufall_); break;
    }
    Atome_Setzen(orte, L);
    return N();
}

void clsMD::Atome_Setzen(const std::vector<Ort>& orte, double L)
{
    L_ = L;
    zyklus_ = 0;
    atome_.assign(orte.size(), MDAtomRecord{});
    for (size_t i = 0; i < orte.size(); ++i) {
        MDAtomRecord& a = atome_[i];
        a.x = a.x_alt = orte[i].x;
        a.y = a.y_alt = orte[i].y;
        a.z = a.z_alt = orte[i].z;
    }
    liste_.clear();
}

void clsMD::Kraefte()
{
    // Pairs reach only just inside half the box, so that an image tied at L/2 never pulls one way.
    const double grenze2 = 0.25 * L_ * L_ * (1 - 1e-9);
    liste_.assign(atome_.size(), std::string());
    energiePot_ = 0;
    for (size_t i = 0; i < atome_.size(); ++i) {
        MDAtomRecord& a = atome_[i];
        a.Fx = a.Fy = a.Fz = 0;
        double f = 0;
        for (size_t j = 0; j < atome_.size(); ++j) {
            if (j == i) continue;
            const double dx = Naechstes_Bild(a.x - atome_[j].x, L_);
            const double dy = Naechstes_Bild(a.y - atome_[j].y, L_);
            const double dz = Naechstes_Bild(a.z - atome_[j].z, L_);
            const double r2 = dx * dx + dy * dy + dz * dz;
            if (r2 <= 0 || r2 >= grenze2) continue;
            f = LJ_Faktor(r2);
            a.Fx += f * dx;
            a.Fy += f * dy;
            a.Fz += f * dz;
            energiePot_ += 0.5 * LJ_Energie(r2);
        }
        liste_[i] = std::to_string(i + 1) + " " + rt::SingleText(static_cast<float>(f)) + " " +
                    rt::SingleText(static_cast<float>(a.Fx)) + " " + rt::SingleText(static_cast<float>(a.Fy)) + " " +
                    rt::SingleText(static_cast<float>(a.Fz));
    }
}

void clsMD::Schritt()
{
    if (atome_.empty()) return;
    ++zyklus_;
    Kraefte();
    const double dt2 = dt_ * dt_;
    double kinetisch = 0;
    for (MDAtomRecord& a : atome_) {
        double* orte[] = {&a.x, &a.y, &a.z};
        double* alte[] = {&a.x_alt, &a.y_alt, &a.z_alt};
        const double kraefte[] = {a.Fx, a.Fy, a.Fz};
        for (int c = 0; c < 3; ++c) {
            const double neu = 2 * *orte[c] - *alte[c] + dt2 * kraefte[c] / a.masse;
            // The velocity at the present time from the positions either side, before folding.
            const double v = (neu - *alte[c]) / (2 * dt_);
            kinetisch += 0.5 * a.masse * v * v;
            // The previous position moves with the fold, so the step across a face stays small.
            const double gefaltet = Falten(neu, L_);
            *alte[c] = *orte[c] + (gefaltet - neu);
            *orte[c] = gefaltet;
        }
        a.moved = true;
    }
    energie_ = kinetisch + energiePot_;
}
