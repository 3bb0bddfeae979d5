#pragma once
// The Monte Carlo model of the structure simulation: N hard-core atoms in a periodic cubic box
// whose edge follows from the number density, a pair potential tabulated on the radial grid
// r = k·dr, the energy of one atom, the pair histogram that gives g(r), and the Metropolis move of
// one atom. Energies are in units of kT; lengths in nm. Atom and bin indices count from 1 and 0 as
// the grid does: atoms 1..N, bins 0..nbins.
#include "simulation/Abbruch.h"
#include "simulation/Startgitter.h"
#include "simulation/Zufall.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

struct AtomRecord {
    float x = 0;
    float y = 0;
    float z = 0;
    // The position changed since the atom picture last drew it.
    bool moved = false;
};

class clsMonteCarlo {
public:
    // What a refinement keeps of its best cycle: the atoms, the potential and the histogram.
    struct Zustand {
        std::vector<AtomRecord> atome;
        std::vector<float> v;
        std::vector<float> gHist;
    };

    // π/1000 nm.
    static constexpr double kDr = 3.14159265358979 / 1000.0;

    explicit clsMonteCarlo(uint32_t seed = 1) : zufall_(seed) {}

    // The potential, the histogram and the energies on bins 0..nbins, all zero.
    void Gitter_Einrichten(int32_t nbins);
    // The box for N atoms at density rho: hard-core distance d, edge L, largest move d/2; all atoms
    // at the origin, counters zero. False (nothing changed) for a density or count that gives no box.
    bool Box_Einrichten(float rho, int32_t N);
    // Box for N = 4n³ and the start configuration; the number of atoms placed (N unless a random
    // start found no room), 0 when no box could be set up.
    int32_t Cluster_Erzeugen(Startgitter art, int32_t n, float rho);

    float Abstand(int32_t i, int32_t j) const;
    float Potential_Wert(float r) const;
    // The energy of atom Index at its position, also stored as E_neu(Index).
    float potential_gesamt(int32_t Index);
    // The pair counts of the current configuration (each pair twice) per bin, unnormalised; false
    // when a stop request ended the count early.
    bool Paare_Zaehlen(std::span<float> hist, Abbruch abbruch = nullptr) const;
    // The normalised g(r) of the current configuration into g_hist; false (g_hist unusable) when a
    // stop request ended it early.
    bool gr_berechnen(Abbruch abbruch = nullptr);
    // One Metropolis trial move of atom i; true when the atom moved.
    bool Atom_Verschieben(int32_t i);

    int32_t N() const { return static_cast<int32_t>(atome_.size()); }
    int32_t nbins() const { return nbins_; }
    float rho() const { return rho_; }
    float d() const { return d_; }
    float L() const { return L_; }
    float delta() const { return delta_; }
    void setDelta(float value) { delta_ = value; }
    // Switches the hard core off (0) or to another distance, for tests of the sampling.
    void setHartkern(float d) { d_ = d; }
    // The last bin the histogram normalises: half the box, never past the grid.
    int32_t kmax() const;
    // The bin of the hard-core distance.
    int32_t kd() const;

    const AtomRecord& Atom(int32_t i) const { return atome_[static_cast<size_t>(i - 1)]; }
    void setAtom(int32_t i, float x, float y, float z);
    void setMoved(int32_t i, bool value) { atome_[static_cast<size_t>(i - 1)].moved = value; }
    std::span<float> V() { return v_; }
    std::span<const float> V() const { return v_; }
    std::span<const float> g_hist() const { return gHist_; }

    Zustand Sichern() const { return {atome_, v_, gHist_}; }
    // Back to a saved state of the same box; the counters stay.
    void Zurueck(const Zustand& z);

    int32_t Zyklus() const { return zyklus_; }
    // The latest accepted move never lies in a later cycle (a cycle ended early is taken back).
    void setZyklus(int32_t value)
    {
        zyklus_ = value;
        zuletztAkzeptiert_ = std::min(zuletztAkzeptiert_, value);
    }
    int32_t Akzeptiert() const { return akzeptiert_; }
    int32_t ZuletztAkzeptiert() const { return zuletztAkzeptiert_; }
    Zufall& Zufallsquelle() { return zufall_; }

private:
    float Energie(int32_t i) const;

    Zufall zufall_;
    std::vector<AtomRecord> atome_;
    std::vector<float> v_;
    std::vector<float> gHist_;
    std::vector<float> eNeu_;
    int32_t nbins_ = 0;
    float rho_ = 0;
    float d_ = 0;
    float L_ = 0;
    float delta_ = 0;
    int32_t zyklus_ = 0;
    int32_t akzeptiert_ = 0;
    int32_t zuletztAkzeptiert_ = 0;
};
