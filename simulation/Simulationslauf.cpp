#include "simulation/Simulationslauf.h"

#include <algorithm>
#include <chrono>
#include <functional>

Simulationsbild Simulationslauf::Aufnehmen(clsVerfeinerung& v, bool mitSK)
{
    clsMonteCarlo& mc = v.mc();
    Simulationsbild b;
    b.atome.reserve(static_cast<size_t>(mc.N()));
    for (int32_t i = 1; i <= mc.N(); ++i) {
        b.atome.push_back(mc.Atom(i));
        mc.setMoved(i, false);
    }
    b.gHist.assign(mc.g_hist().begin(), mc.g_hist().end());
    b.gSim.assign(v.g_sim().begin(), v.g_sim().end());
    b.V.assign(mc.V().begin(), mc.V().end());
    if (mitSK && v.Geladen()) b.SK = v.SK();
    b.zyklus = mc.Zyklus();
    b.akzeptiert = mc.Akzeptiert();
    b.zuletztAkzeptiert = mc.ZuletztAkzeptiert();
    b.besterZyklus = v.Bester_Zyklus();
    b.lambda = v.lambda();
    b.delta = mc.delta();
    b.chi2 = v.chi2();
    return b;
}

void Simulationslauf::Arbeiter_Starten(std::function<void()> arbeit)
{
    if (arbeiter_.joinable()) arbeiter_.join();
    stopp_ = false;
    jetzt_ = false;
    beschaeftigt_ = true;
    arbeiter_ = std::thread([this, arbeit = std::move(arbeit)] {
        arbeit();
        beschaeftigt_ = false;
    });
}

bool Simulationslauf::Laden(Experimentdaten e, int32_t n, Startgitter art, bool startPotential)
{
    if (beschaeftigt_) return false;
    platziert_ = 0;
    {
        // The S(K) of the previous experiment is not carried into the new one's pictures.
        std::lock_guard<std::mutex> sperre(bildMutex_);
        bild_.SK.clear();
    }
    Arbeiter_Starten([this, e = std::move(e), n, art, startPotential]() mutable {
        platziert_ = v_.Experiment_Laden(std::move(e), n, art, startPotential, &stopp_);
    });
    return true;
}

bool Simulationslauf::Starten(int32_t zyklen, int32_t wartezeitMs, int32_t zeichenIntervall)
{
    if (beschaeftigt_ || !v_.Geladen()) return false;
    wartezeit_ = wartezeitMs;
    Arbeiter_Starten([this, zyklen, intervall = std::max(zeichenIntervall, 1)] { Zyklen(zyklen, intervall); });
    return true;
}

void Simulationslauf::Zyklen(int32_t zyklen, int32_t intervall)
{
    for (int32_t k = 0; zyklen <= 0 || k < zyklen; ++k) {
        {
            std::unique_lock<std::mutex> sperre(wartenMutex_);
            wecken_.wait_for(sperre, std::chrono::milliseconds(wartezeit_.load()),
                             [this] { return stopp_.load() || jetzt_.load(); });
            jetzt_ = false;
        }
        if (stopp_) return;
        if (const int32_t m = m_.exchange(-1); m >= 0) v_.setM(m);
        if (!v_.Zyklus(&stopp_)) return;
        Bild_Ablegen(v_.mc().Zyklus() % intervall == 0);
    }
}

void Simulationslauf::Bild_Ablegen(bool mitSK)
{
    // The cycles between carry the latest S(K) on; the first ones after a load have none to carry.
    {
        std::lock_guard<std::mutex> sperre(bildMutex_);
        mitSK = mitSK || bild_.SK.empty();
    }
    Simulationsbild b = Aufnehmen(v_, mitSK);
    std::lock_guard<std::mutex> sperre(bildMutex_);
    if (!mitSK) b.SK = bild_.SK;
    b.nummer = ++nummer_;
    bild_ = std::move(b);
}

void Simulationslauf::Schritt_Anfordern()
{
    {
        std::lock_guard<std::mutex> sperre(wartenMutex_);
        jetzt_ = true;
    }
    wecken_.notify_all();
}

void Simulationslauf::Stoppen()
{
    {
        std::lock_guard<std::mutex> sperre(wartenMutex_);
        stopp_ = true;
    }
    wecken_.notify_all();
    if (arbeiter_.joinable()) arbeiter_.join();
    stopp_ = false;
}

bool Simulationslauf::Bild_Holen(uint64_t nummer, Simulationsbild& bild) const
{
    std::lock_guard<std::mutex> sperre(bildMutex_);
    if (bild_.nummer <= nummer) return false;
    bild = bild_;
    return true;
}

uint64_t Simulationslauf::Bild_Nummer() const
{
    std::lock_guard<std::mutex> sperre(bildMutex_);
    return bild_.nummer;
}
