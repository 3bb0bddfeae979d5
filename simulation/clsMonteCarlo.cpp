#include "simulation/clsMonteCarlo.h"

#include "core/Guarded.h"
#include "core/Runtime.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDreiViertelPi = 0.23873241463784325;

// The coordinate difference reduced to the nearest image; both inputs lie within [0, L].
inline float Naechstes_Bild(float diff, float L, float halbL)
{
    if (diff > halbL) return diff - L;
    if (diff < -halbL) return diff + L;
    return diff;
}

}

void clsMonteCarlo::Gitter_Einrichten(int32_t nbins)
{
    nbins_ = std::max(nbins, 1);
    const auto groesse = static_cast<size_t>(nbins_ + 1);
    v_.assign(groesse, 0.0f);
    gHist_.assign(groesse, 0.0f);
    eNeu_.assign(groesse, 0.0f);
}

bool clsMonteCarlo::Box_Einrichten(float rho, int32_t N)
{
    if (!(rho > 0) || !std::isfinite(rho) || N < 1) return false;
    rho_ = rho;
    d_ = static_cast<float>(std::pow(kDreiViertelPi / rho, 1.0 / 3.0));
    L_ = static_cast<float>(std::pow(N / static_cast<double>(rho), 1.0 / 3.0));
    delta_ = d_ / 2;
    zyklus_ = akzeptiert_ = zuletztAkzeptiert_ = 0;
    atome_.assign(static_cast<size_t>(N), AtomRecord{});
    if (eNeu_.size() < atome_.size() + 1) eNeu_.resize(atome_.size() + 1, 0.0f);
    return true;
}

int32_t clsMonteCarlo::Cluster_Erzeugen(Startgitter art, int32_t n, float rho)
{
    if (n < 1 || n > 100) return 0;
    const int32_t N = rt::CLng(static_cast<double>(n) * n * n * 4);
    if (!Box_Einrichten(rho, N)) return 0;
    std::vector<Ort> orte;
    switch (art) {
    case Startgitter::fcc: orte = Cluster_fcc(n, L_); break;
    case Startgitter::sc: orte = Cluster_sc(N, L_); break;
    case Startgitter::Zufall:
        zufall_.SeedFromClock();
        orte = Cluster_Zufall(N, L_, d_, zufall_);
        break;
    }
    for (size_t i = 0; i < orte.size(); ++i)
        atome_[i] = {static_cast<float>(orte[i].x), static_cast<float>(orte[i].y), static_cast<float>(orte[i].z), false};
    return static_cast<int32_t>(orte.size());
}

void clsMonteCarlo::setAtom(int32_t i, float x, float y, float z)
{
    AtomRecord& a = atome_[static_cast<size_t>(i - 1)];
    a.x = x;
    a.y = y;
    a.z = z;
}

int32_t clsMonteCarlo::kmax() const
{
    return Guarded("clsMonteCarlo", "kmax", [this] { return std::min(rt::CLng(L_ / 2 / kDr), nbins_); });
}

int32_t clsMonteCarlo::kd() const
{
    return Guarded("clsMonteCarlo", "kd", [this] { return std::min(rt::CLng(d_ / kDr), nbins_); });
}

float clsMonteCarlo::Abstand(int32_t i, int32_t j) const
{
    const AtomRecord& a = atome_[static_cast<size_t>(i - 1)];
    const AtomRecord& b = atome_[static_cast<size_t>(j - 1)];
    const float halbL = L_ / 2;
    const float dx = Naechstes_Bild(a.x - b.x, L_, halbL);
    const float dy = Naechstes_Bild(a.y - b.y, L_, halbL);
    const float dz = Naechstes_Bild(a.z - b.z, L_, halbL);
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

float clsMonteCarlo::Potential_Wert(float r) const
{
    if (r >= L_ / 2) return 0;
    const auto k = static_cast<int32_t>(r / kDr);
    if (k >= nbins_ - 1) return 0;
    const auto dr = static_cast<float>(kDr);
    return v_[k] + (v_[k + 1] - v_[k]) / dr * (r - static_cast<float>(k) * dr);
}

float clsMonteCarlo::Energie(int32_t i) const
{
    float e = 0;
    for (int32_t j = 1; j <= N(); ++j)
        if (j != i) e += Potential_Wert(Abstand(i, j));
    return e;
}

float clsMonteCarlo::potential_gesamt(int32_t Index)
{
    const float e = Energie(Index);
    eNeu_[static_cast<size_t>(Index)] = e;
    return e;
}

bool clsMonteCarlo::Paare_Zaehlen(std::span<float> hist, Abbruch abbruch) const
{
    std::fill(hist.begin(), hist.end(), 0.0f);
    const auto grenze = static_cast<int32_t>(std::min<size_t>(hist.size(), static_cast<size_t>(nbins_)));
    for (int32_t i = 1; i < N(); ++i) {
        if (Abgebrochen(abbruch)) return false;
        for (int32_t j = i + 1; j <= N(); ++j) {
            const float r = Abstand(i, j);
            // A pair at r ≈ k·dr lands in bin k + 1.
            const auto k = static_cast<int32_t>(std::nearbyint(r / kDr)) + 1;
            if (r > d_ && k < grenze) hist[static_cast<size_t>(k)] += 2;
        }
    }
    return true;
}

bool clsMonteCarlo::gr_berechnen(Abbruch abbruch)
{
    if (nbins_ < 1 || N() < 1) return true;
    if (!Paare_Zaehlen(gHist_, abbruch)) return false;
    const int32_t obere = kmax();
    // Bin k holds the pairs around (k - 1)·dr, so it is normalised by the shell there.
    for (int32_t k = 1; k <= obere; ++k) {
        const double schale = 4.0 / 3.0 * 3.14159265358979 * (std::pow((k - 0.5) * kDr, 3) - std::pow(std::max(k - 1.5, 0.0) * kDr, 3));
        gHist_[static_cast<size_t>(k)] = static_cast<float>(gHist_[static_cast<size_t>(k)] / (N() * schale * rho_));
    }
    for (int32_t k = std::max(obere, 0); k <= nbins_; ++k) gHist_[static_cast<size_t>(k)] = 1.0f;
    return true;
}

void clsMonteCarlo::Zurueck(const Zustand& z)
{
    if (z.atome.size() != atome_.size() || z.v.size() != v_.size() || z.gHist.size() != gHist_.size()) return;
    atome_ = z.atome;
    v_ = z.v;
    gHist_ = z.gHist;
}

bool clsMonteCarlo::Atom_Verschieben(int32_t i)
{
    AtomRecord& a = atome_[static_cast<size_t>(i - 1)];
    const AtomRecord alt = a;
    a.moved = false;
    for (float* c : {&a.x, &a.y, &a.z}) {
        *c += delta_ * (2 * zufall_.Rnd() - 1);
        if (*c < 0)
            *c += L_;
        else if (*c > L_)
            *c -= L_;
    }
    a.moved = true;
    // One sweep over the other atoms: the overlap test at the new position, and the energies at the
    // old and the new one (the old one under the present potential and neighbours), each summed in
    // atom order as a sweep of its own would sum it.
    const float halbL = L_ / 2;
    float eAlt = 0;
    float eNeu = 0;
    for (int32_t j = 1; j <= N(); ++j) {
        if (j == i) continue;
        const AtomRecord& b = atome_[static_cast<size_t>(j - 1)];
        const float nx = Naechstes_Bild(a.x - b.x, L_, halbL);
        const float ny = Naechstes_Bild(a.y - b.y, L_, halbL);
        const float nz = Naechstes_Bild(a.z - b.z, L_, halbL);
        const float rNeu = std::sqrt(nx * nx + ny * ny + nz * nz);
        if (rNeu <= d_) {
            a = alt;
            return false;
        }
        const float ax = Naechstes_Bild(alt.x - b.x, L_, halbL);
        const float ay = Naechstes_Bild(alt.y - b.y, L_, halbL);
        const float az = Naechstes_Bild(alt.z - b.z, L_, halbL);
        eAlt += Potential_Wert(std::sqrt(ax * ax + ay * ay + az * az));
        eNeu += Potential_Wert(rNeu);
    }
    eNeu_[static_cast<size_t>(i)] = eNeu;
    const bool angenommen = eNeu <= eAlt || std::exp(-(static_cast<double>(eNeu) - eAlt)) > zufall_.Rnd();
    if (!angenommen) {
        a = alt;
        return false;
    }
    ++akzeptiert_;
    zuletztAkzeptiert_ = zyklus_;
    return true;
}
