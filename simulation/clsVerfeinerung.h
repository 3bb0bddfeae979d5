#pragma once
// The potential refinement of the structure simulation: each cycle moves every atom once, takes the
// simulated g(r), smooths it, and corrects the tabulated pair potential by the difference to the
// experiment's g(r) weighted by its error; when the two agree well enough (chi² below eta), the
// correction step lambda and the largest move shrink.
#include "simulation/clsMonteCarlo.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

struct Experimentdaten {
    std::vector<float> iK;
    float dK = 0.1f;
    // Atoms per nm³.
    float rho = 0;
    // The experiment's relative error (0.015 for 1.5 %).
    float fehler = 0.015f;
};

struct Laufparameter {
    float lambda = 0.1f;
    float delta = 0.02f;
    float eta = 1.0f;
    float alpha = 0.75f;
};

class clsVerfeinerung {
public:
    explicit clsVerfeinerung(uint32_t seed = 1) : mc_(seed) {}

    // Takes the experiment, builds g_exp and its error on the grid of nbins = 4n³ + 1 bins, and sets
    // up the box and start configuration; startPotential sets V from g_exp. The number of atoms
    // placed; 0 when nothing could be set up or a stop request ended the set-up.
    int32_t Experiment_Laden(Experimentdaten experiment, int32_t n, Startgitter art, bool startPotential,
                             Abbruch abbruch = nullptr);
    bool Geladen() const { return geladen_; }
    // The values a run reads at its start.
    void Parameter_Setzen(const Laufparameter& p);

    void gr_Glaetten();
    void Potential_Anpassen();
    void Konvergenz();
    // One cycle: every atom moved once, then g(r), its smoothing, the potential and chi². A stop
    // request ends it after the current move: the moves made stay, the cycle does not count, and
    // the result is false.
    bool Zyklus(Abbruch abbruch = nullptr);

    // The rms of g_sim − g_exp over the bins chi² compares: how close the simulation's g(r) is to
    // the experiment's, as the diagram shows them.
    float rms() const { return rms_; }
    // The cycle whose g(r) came closest to the experiment's (least rms) since the experiment was
    // loaded (0 for none), and going back to its atoms, potential and g(r). A long refinement can
    // drift away from its best state; a stopped run leaves that state.
    int32_t Bester_Zyklus() const { return bester_.zyklus; }
    float Bestes_chi2() const { return bester_.chi2; }
    void Bestes_Wiederherstellen();

    // Writes r and G(r) = (g_hist - 1)·4π·r·rho of the raw histogram, one line per bin, with a
    // decimal point; 0 or the errno.
    int gr_Speichern(const std::filesystem::path& datei) const;
    // The simulated S(K) on the experiment's K grid, 1000 points; none until the simulated g(r) has
    // been smoothed from the box (after a load it is all zero, and its transform a made-up ripple).
    std::vector<float> SK() const;

    clsMonteCarlo& mc() { return mc_; }
    const clsMonteCarlo& mc() const { return mc_; }
    const Experimentdaten& Experiment() const { return experiment_; }
    std::span<const float> g_exp() const { return gExp_; }
    std::span<const float> sigma() const { return sigma_; }
    std::span<const float> g_sim() const { return gSim_; }
    float sigma_mean() const { return sigmaMean_; }
    float lambda() const { return p_.lambda; }
    float chi2() const { return chi2_; }
    int32_t m() const { return m_; }
    void setM(int32_t value);

private:
    struct Bester {
        int32_t zyklus = 0;
        float chi2 = 0;
        float rms = 0;
        clsMonteCarlo::Zustand mc;
        std::vector<float> gSim;
    };
    // Keeps the cycle's state when its rms is the lowest so far. When chi² has risen over a window
    // of cycles, lowers lambda and goes on from the best state: a correction that no longer
    // improves the fit only lets the potential deepen until the atoms freeze in its wells.
    void Verlauf_Pruefen();

    clsMonteCarlo mc_;
    Experimentdaten experiment_;
    Laufparameter p_;
    std::vector<float> gExp_;
    std::vector<float> sigma_;
    std::vector<float> gSim_;
    float sigmaMean_ = 0;
    float chi2_ = 0;
    float rms_ = 0;
    int32_t m_ = 12;
    bool geladen_ = false;
    // g_sim holds a smoothing of the box's histogram.
    bool geglaettet_ = false;
    Bester bester_;
    // chi² of the cycles since lambda was last lowered, at most two windows.
    std::vector<float> verlauf_;
};
