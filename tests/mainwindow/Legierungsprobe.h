#pragma once
// The alloy sample of the end-to-end tests on the installed element database: a Percus–Yevick
// hard-sphere liquid of Cu50Zr50 at the density of the crystalline elements, scattered with the
// database's electron tables, over the carbon sample's background and with counting noise, measured
// on both sides of the primary beam. Copper and zirconium scatter differently, so the mixture's
// ⟨f²⟩ and ⟨f⟩² differ: the measurement holds ⟨f²⟩ + ⟨f⟩²·I(K).
#include "Kohlenstoffprobe.h"

#include "core/KeyedCollection.h"
#include "materials/clsElement.h"

#include <array>

struct Legierungsprobe {
    static constexpr std::array<const char*, 2> kSymbole = {"Cu", "Zr"};
    static constexpr double kAnteil = 0.5;

    double rho = 0.0;    // atoms per nm³
    double sigma = 0.0;  // hard-sphere diameter, nm
    // The spread of the pair distances by thermal motion, nm: it damps I(K) by exp(−s²K²/2).
    double thermisch = 0.0;
    std::array<int32_t, 2> tabellen{};

    // The alloy at the mean atomic volume of the crystalline elements in the database.
    static Legierungsprobe AusDatenbank()
    {
        Legierungsprobe p;
        double volumen = 0.0;  // nm³ per atom
        for (const char* symbol : kSymbole) {
            const auto element = colElemente.Item(symbol);
            volumen += kAnteil * element->Masse() / (element->Dichte_Kristallin() * 6.02214076e23) * 1e21;
        }
        p.rho = 1.0 / volumen;
        p.sigma = std::cbrt(6.0 * Kohlenstoffprobe::kEta / (std::numbers::pi * p.rho));
        for (size_t i = 0; i < kSymbole.size(); ++i) p.tabellen[i] = TestWorld::ElectronTable(kSymbole[i]);
        return p;
    }

    double I(double K) const
    {
        return (synthetisch::S_PercusYevick(K, Kohlenstoffprobe::kEta, sigma) - 1.0) * std::exp(-thermisch * thermisch * K * K / 2.0);
    }

    // ⟨f²⟩ and ⟨f⟩² of the tables at K.
    std::pair<double, double> Mischung(double K) const
    {
        double f = 0.0, f2 = 0.0;
        for (const int32_t t : tabellen) {
            const double y = gFMK->Tabelle(t).Y(static_cast<float>(K));
            f += kAnteil * y;
            f2 += kAnteil * y * y;
        }
        return {f2, f * f};
    }

    // Counts at ±K: ⟨f²⟩ + ⟨f⟩²·I(K), scaled to kStreuung0 at K = 0, over the background, Poisson-drawn.
    double Zaehlung(double K, std::mt19937_64& zufall) const
    {
        K = std::fabs(K);
        const auto [f2m, fm2] = Mischung(K);
        const double mittel = Kohlenstoffprobe::kStreuung0 * (f2m + fm2 * I(K)) / Mischung(0.0).first +
                              Kohlenstoffprobe::Untergrund(K);
        return double(std::poisson_distribution<long long>(mittel)(zufall));
    }

    // The raw spectrum as the carbon sample's (x in 1/nm, 100 ms a point).
    std::string Rohspektrum(const std::filesystem::path& pfad, std::mt19937_64& zufall) const
    {
        std::ofstream datei(pfad, std::ios::binary);
        datei << "Bemerkungen: generated\r\n";
        const auto n = static_cast<int>(std::lround(Kohlenstoffprobe::kKMax / 0.1));
        for (int i = -n; i <= n; ++i) datei << i * 0.1 << " 100 " << Zaehlung(i * 0.1, zufall) << "\r\n";
        return pfad.string();
    }
};
