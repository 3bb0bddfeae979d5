#pragma once
// The molecular dynamics of argon atoms in a periodic cubic box: the Lennard-Jones pair force in
// reduced units (length σ, energy ε, mass 1) and the Verlet integrator. Positions are held in double
// precision: in single precision their rounding at the box's size is of the order of a step's
// displacement and the energy drifts.
#include "simulation/Startgitter.h"
#include "simulation/Zufall.h"

#include <cstdint>
#include <string>
#include <vector>

struct MDAtomRecord {
    double masse = 1;
    double x = 0, y = 0, z = 0;
    double x_alt = 0, y_alt = 0, z_alt = 0;
    double Fx = 0, Fy = 0, Fz = 0;
    bool moved = false;
};

// The force factor f of the pair at squared distance r2: the force on the first atom is f·Δ.
double LJ_Faktor(double r2);
// The pair energy 4(r⁻¹² - r⁻⁶).
double LJ_Energie(double r2);

class clsMD {
public:
    static constexpr double kSigma = 3.405e-10;
    static constexpr double kEpsilon = 1.5297691e-21;
    static constexpr double kMasse = 6.63351999876e-26;
    static constexpr float kStandardDichte = 20.954f;
    // The time step in reduced units: 10 fs (about 0.0045). A picosecond (0.446) is far beyond the
    // Verlet limit of the Lennard-Jones force, where any disturbance grows until the atoms fly apart.
    static double Standardzeitschritt();

    explicit clsMD(double dt = Standardzeitschritt(), uint32_t seed = 1) : zufall_(seed), dt_(dt) {}

    // The box for N = 4n³ atoms at rho atoms per nm³ (in units of σ) and the start configuration,
    // at rest; the number of atoms placed, 0 when no box could be set up. A random start draws from
    // the random source as it stands (the window seeds it from the clock first).
    int32_t Cluster_Erzeugen(Startgitter art, int32_t n, float rho);
    // Atoms at rest at the given places in a box of edge L (units of σ).
    void Atome_Setzen(const std::vector<Ort>& orte, double L);
    // The force on every atom; the listing gets one line per atom.
    void Kraefte();
    // One Verlet step of every atom.
    void Schritt();

    int32_t N() const { return static_cast<int32_t>(atome_.size()); }
    const MDAtomRecord& Atom(int32_t i) const { return atome_[static_cast<size_t>(i - 1)]; }
    void setMoved(int32_t i, bool value) { atome_[static_cast<size_t>(i - 1)].moved = value; }
    double L() const { return L_; }
    double d() const { return d_; }
    double dt() const { return dt_; }
    int32_t Zyklus() const { return zyklus_; }
    bool Bereit() const { return !atome_.empty(); }
    // The listing of the latest force evaluation: "i f Fx Fy Fz", one line per atom.
    const std::vector<std::string>& Liste() const { return liste_; }
    // Kinetic plus potential energy at the time the latest step started.
    double Energie() const { return energie_; }
    Zufall& Zufallsquelle() { return zufall_; }

private:
    Zufall zufall_;
    std::vector<MDAtomRecord> atome_;
    std::vector<std::string> liste_;
    double dt_;
    double L_ = 0;
    double d_ = 0;
    double energiePot_ = 0;
    double energie_ = 0;
    int32_t zyklus_ = 0;
};
