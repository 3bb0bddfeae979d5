#pragma once
// Runs the refinement's cycles, and the set-up of an experiment, on a worker thread, so that the
// window answers at once at any box size: a cycle of 32,000 atoms takes many seconds. The worker
// looks at a stop request after every move; the window takes the latest finished state as a
// picture and never touches the model while the worker works.
#include "simulation/clsVerfeinerung.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// What the window shows of the model after a finished cycle or set-up.
struct Simulationsbild {
    uint64_t nummer = 0;  // counts the pictures of one worker
    std::vector<AtomRecord> atome;
    std::vector<float> gHist;
    std::vector<float> gSim;
    std::vector<float> V;
    std::vector<float> SK;  // empty unless the cycle is one to draw
    int32_t zyklus = 0;
    int32_t akzeptiert = 0;
    int32_t zuletztAkzeptiert = 0;
    int32_t besterZyklus = 0;
    float lambda = 0;
    float delta = 0;
    float chi2 = 0;
};

class Simulationslauf {
public:
    explicit Simulationslauf(clsVerfeinerung& v) : v_(v) {}
    ~Simulationslauf() { Stoppen(); }
    Simulationslauf(const Simulationslauf&) = delete;
    Simulationslauf& operator=(const Simulationslauf&) = delete;

    // The picture of the model as it stands; the moved marks are cleared in the model. Only while
    // no worker works.
    static Simulationsbild Aufnehmen(clsVerfeinerung& v, bool mitSK);

    // Sets up the experiment on the worker; false when the worker is busy.
    bool Laden(Experimentdaten e, int32_t n, Startgitter art, bool startPotential);
    // The atoms the last set-up placed (0 while it runs or when it failed).
    int32_t Platziert() const { return platziert_; }
    // Runs cycles, each after a pause of the waiting time, until Stoppen, or that many cycles
    // (zyklen > 0). Every cycle leaves a picture with the simulated S(K), computed anew when the
    // cycle's number is a multiple of the drawing interval or when the load left none yet, else the
    // latest. False when the worker is busy or nothing is loaded.
    bool Starten(int32_t zyklen, int32_t wartezeitMs, int32_t zeichenIntervall);
    // During a run: the next cycle starts now, without its pause.
    void Schritt_Anfordern();
    // Ends the work after the current move and waits for the worker.
    void Stoppen();
    bool Beschaeftigt() const { return beschaeftigt_; }
    void setWartezeit(int32_t ms) { wartezeit_ = ms; }
    // The smoothing width, taken over before the next cycle.
    void setM(int32_t m) { m_ = m; }
    // The latest picture when it is newer than the one numbered nummer.
    bool Bild_Holen(uint64_t nummer, Simulationsbild& bild) const;
    // The number of the latest picture, so that a new work's first look takes only its own.
    uint64_t Bild_Nummer() const;

private:
    void Arbeiter_Starten(std::function<void()> arbeit);
    void Zyklen(int32_t zyklen, int32_t intervall);
    void Bild_Ablegen(bool mitSK);

    clsVerfeinerung& v_;
    std::thread arbeiter_;
    std::atomic<bool> stopp_{false};
    std::atomic<bool> jetzt_{false};
    std::atomic<bool> beschaeftigt_{false};
    std::atomic<int32_t> wartezeit_{0};
    std::atomic<int32_t> m_{-1};  // -1: no new width
    std::atomic<int32_t> platziert_{0};
    std::mutex wartenMutex_;
    std::condition_variable wecken_;
    mutable std::mutex bildMutex_;
    Simulationsbild bild_;
    uint64_t nummer_ = 0;
};
