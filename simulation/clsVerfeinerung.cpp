#include "simulation/clsVerfeinerung.h"

#include "core/AtomicFile.h"
#include "core/Runtime.h"
#include "simulation/Experiment.h"
#include "simulation/SavitzkyGolay.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

namespace {
constexpr double kPi = 3.14159265358979;
constexpr float kSigmaMin = 0.001f;
constexpr float kDeltaMin = 1e-5f;
constexpr int32_t kSKPunkte = 1000;
// chi² is compared over two windows of this many cycles.
constexpr size_t kFenster = 20;
// Lambda falls by this factor when chi² rises and the run's alpha cannot lower it.
constexpr float kLambdaFaktor = 0.75f;

double Mittel(std::span<const float> werte)
{
    double s = 0;
    for (const float w : werte) s += w;
    return werte.empty() ? 0.0 : s / static_cast<double>(werte.size());
}
}

int32_t clsVerfeinerung::Experiment_Laden(Experimentdaten experiment, int32_t n, Startgitter art, bool startPotential,
                                          Abbruch abbruch)
{
    geladen_ = false;
    geglaettet_ = false;
    if (n < 1 || n > 100 || !(experiment.rho > 0) || experiment.iK.empty()) return 0;
    experiment_ = std::move(experiment);
    const int32_t nbins = 4 * n * n * n + 1;
    const double dr = clsMonteCarlo::kDr;
    mc_.Gitter_Einrichten(nbins);
    gExp_ = G_Exp(experiment_.iK, experiment_.dK, experiment_.rho, nbins, dr, abbruch);
    if (gExp_.empty()) return 0;
    gSim_.assign(gExp_.size(), 0.0f);
    sigma_.assign(gExp_.size(), 0.0f);
    double summe = 0;
    std::span<float> V = mc_.V();
    for (int32_t k = 0; k <= nbins; ++k) {
        const float g = gExp_[static_cast<size_t>(k)];
        sigma_[static_cast<size_t>(k)] = std::max(experiment_.fehler * g, kSigmaMin);
        summe += sigma_[static_cast<size_t>(k)];
        if (!startPotential || k == 0) continue;
        const double lnG = g == 0 ? 0 : std::log(std::abs(g));
        // Where g_exp is exactly 1 the start value has no finite value; the potential stays 0 there.
        if (g == 0)
            V[static_cast<size_t>(k)] = static_cast<float>(1000.0 / std::pow(k * dr, 6));
        else if (lnG != 0)
            V[static_cast<size_t>(k)] = static_cast<float>(-1.0 / lnG);
    }
    sigmaMean_ = static_cast<float>(summe / nbins);
    chi2_ = 0;
    rms_ = 0;
    bester_ = {};
    verlauf_.clear();
    const int32_t platziert = mc_.Cluster_Erzeugen(art, n, experiment_.rho);
    if (platziert == 0 || !mc_.gr_berechnen(abbruch)) return 0;
    geladen_ = platziert == mc_.N();
    return platziert;
}

void clsVerfeinerung::Parameter_Setzen(const Laufparameter& p)
{
    p_ = p;
    verlauf_.clear();
    mc_.setDelta(p.delta);
}

void clsVerfeinerung::setM(int32_t value) { m_ = std::clamp(value, kSG_MinM, kSG_MaxM); }

void clsVerfeinerung::gr_Glaetten()
{
    SG_Glaetten(mc_.g_hist(), gSim_, m_);
    geglaettet_ = true;
}

void clsVerfeinerung::Potential_Anpassen()
{
    std::span<float> V = mc_.V();
    const int32_t nbins = mc_.nbins();
    const int32_t kd = mc_.kd();
    const int32_t kmax = mc_.kmax();
    const double dr = clsMonteCarlo::kDr;
    for (int32_t k = 1; k <= kd; ++k) V[static_cast<size_t>(k)] = 0;
    for (int32_t k = kd; k <= kmax; ++k) {
        const auto i = static_cast<size_t>(k);
        if (gExp_[i] >= 0.01f)
            V[i] += p_.lambda * sigmaMean_ * (gSim_[i] - gExp_[i]) / sigma_[i];
        else if (k > 0)
            // A steep wall where the experiment shows no pairs (its negative values below the first peak
            // are the truncated transform's ripple, not pairs the simulation could match).
            V[i] = static_cast<float>(100000.0 / std::pow(k * dr, 6));
    }
    for (int32_t k = kmax + 1; k <= nbins; ++k) V[static_cast<size_t>(k)] = 0;
}

void clsVerfeinerung::Konvergenz()
{
    // Only the bins the smoothing writes and the potential follows are compared.
    const int32_t von = std::max(mc_.kd(), m_);
    const int32_t bis = std::min(mc_.kmax(), mc_.nbins() - m_);
    // Bins under the wall are not refined, so they are not compared.
    double summe = 0;
    double quadrate = 0;
    int32_t anzahl = 0;
    for (int32_t k = von; k <= bis; ++k) {
        const auto i = static_cast<size_t>(k);
        if (gExp_[i] < 0.01f) continue;
        const double differenz = double(gSim_[i]) - gExp_[i];
        summe += differenz * differenz / (double(sigma_[i]) * sigma_[i]);
        quadrate += differenz * differenz;
        ++anzahl;
    }
    chi2_ = anzahl > 0 ? static_cast<float>(summe / anzahl) : 0.0f;
    rms_ = anzahl > 0 ? static_cast<float>(std::sqrt(quadrate / anzahl)) : 0.0f;
    if (chi2_ < p_.eta) {
        p_.lambda *= p_.alpha;
        mc_.setDelta(std::max(mc_.delta() * 0.95f, kDeltaMin));
    }
}

bool clsVerfeinerung::Zyklus(Abbruch abbruch)
{
    if (!geladen_) return false;
    const int32_t zyklus = mc_.Zyklus();
    mc_.setZyklus(zyklus + 1);
    for (int32_t i = 1; i <= mc_.N(); ++i) {
        if (Abgebrochen(abbruch)) {
            mc_.setZyklus(zyklus);
            return false;
        }
        mc_.Atom_Verschieben(i);
    }
    // The histogram of a count ended early is unusable: the previous cycle's is put back.
    const std::vector<float> gHistVorher(mc_.g_hist().begin(), mc_.g_hist().end());
    if (!mc_.gr_berechnen(abbruch)) {
        clsMonteCarlo::Zustand z = mc_.Sichern();
        z.gHist = gHistVorher;
        mc_.Zurueck(z);
        mc_.setZyklus(zyklus);
        return false;
    }
    gr_Glaetten();
    Potential_Anpassen();
    Konvergenz();
    Verlauf_Pruefen();
    return true;
}

void clsVerfeinerung::Verlauf_Pruefen()
{
    if (bester_.zyklus == 0 || rms_ < bester_.rms) bester_ = {mc_.Zyklus(), chi2_, rms_, mc_.Sichern(), gSim_};
    verlauf_.push_back(chi2_);
    if (verlauf_.size() < 2 * kFenster) return;
    const std::span<const float> alle(verlauf_);
    if (Mittel(alle.last(kFenster)) > Mittel(alle.first(kFenster))) {
        p_.lambda *= p_.alpha > 0 && p_.alpha < 1 ? p_.alpha : kLambdaFaktor;
        verlauf_.clear();
        Bestes_Wiederherstellen();
    } else {
        verlauf_.erase(verlauf_.begin());
    }
}

void clsVerfeinerung::Bestes_Wiederherstellen()
{
    if (bester_.zyklus == 0) return;
    mc_.Zurueck(bester_.mc);
    gSim_ = bester_.gSim;
    chi2_ = bester_.chi2;
    rms_ = bester_.rms;
}

int clsVerfeinerung::gr_Speichern(const std::filesystem::path& datei) const
{
    std::string text;
    const std::span<const float> g = mc_.g_hist();
    for (int32_t k = 1; k <= mc_.nbins(); ++k) {
        const auto r = static_cast<float>(k * clsMonteCarlo::kDr);
        const auto G = static_cast<float>((g[static_cast<size_t>(k)] - 1.0) * 4 * kPi * r * experiment_.rho);
        text += rt::SingleText(r) + "\t" + rt::SingleText(G) + "\r\n";
    }
    return AtomicFile::WriteWhole(datei, text);
}

std::vector<float> clsVerfeinerung::SK() const
{
    if (!geglaettet_) return {};
    // Bins beyond half the box are never sampled: counted as g = 0 they would add the ripple of a step
    // at L/2 to the whole curve.
    const size_t gemessen = std::min(gSim_.size(), static_cast<size_t>(std::max(mc_.kmax(), 0)) + 1);
    return S_K(std::span<const float>(gSim_).first(gemessen), experiment_.dK, experiment_.rho,
               clsMonteCarlo::kDr, kSKPunkte);
}
